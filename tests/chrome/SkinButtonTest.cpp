#include <QLineEdit>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "Artwork.h"
#include "UComponentUnit.h"

using namespace qh;

namespace {

// A shown window holding one button at (10, 10).
struct ButtonFixture : ::testing::Test {
    QWidget host;
    TSkinButton* button = new TSkinButton(&host);
    QList<TSkinButtonStyle> clickedStyles;
    QList<QObject*> senders;

    void SetUp() override
    {
        host.resize(400, 120);
        button->move(10, 10);
        QObject::connect(button, &TSkinButton::OnClick, [this](TSkinButton* sender) {
            senders << sender;
            clickedStyles << sender->SkinButtonStyle();
        });
        host.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&host));
    }

    QPoint Inside() const { return QPoint(button->width() / 2, button->height() / 2); }
    QPoint Outside() const { return QPoint(button->width() + 100, button->height() + 50); }

    QImage Rendered() const { return button->grab().toImage().convertToFormat(QImage::Format_ARGB32); }

    // The button shows the picture wherever the picture is opaque.
    ::testing::AssertionResult Shows(const QPixmap& picture) const
    {
        const QImage shown = Rendered();
        const QImage expected = picture.toImage().convertToFormat(QImage::Format_ARGB32);
        int compared = 0;
        for (int y = 0; y < expected.height(); ++y)
            for (int x = 0; x < expected.width(); ++x) {
                const QColor want = expected.pixelColor(x, y);
                if (want.alpha() != 255)
                    continue;
                ++compared;
                if (shown.pixelColor(x, y) != want)
                    return ::testing::AssertionFailure()
                           << "pixel " << x << "," << y << " is " << qPrintable(shown.pixelColor(x, y).name())
                           << ", the picture has " << qPrintable(want.name());
            }
        if (compared == 0)
            return ::testing::AssertionFailure() << "the picture has no opaque pixel";
        return ::testing::AssertionSuccess();
    }

    void Leave() const
    {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(button, &leave);
    }
};

} // namespace

TEST(SkinButtonPictures, EveryStyleFindsItsThreePictures)
{
    struct Case {
        TSkinButtonStyle style;
        QSize size;
    };
    for (const Case& c : {Case{sbsMin, {13, 13}}, Case{sbsMax, {13, 13}}, Case{sbsNormal, {13, 13}},
                          Case{sbsClose, {13, 13}}, Case{sbsHelp, {13, 13}}, Case{sbsBtn, {265, 34}}}) {
        TSkinButton button;
        button.SetSkinButtonStyle(c.style);
        SCOPED_TRACE(c.style);
        EXPECT_EQ(button.UpBitmap().size(), c.size);
        EXPECT_EQ(button.MoveBitmap().size(), c.size);
        EXPECT_EQ(button.DownBitmap().size(), c.size);
        EXPECT_NE(button.UpBitmap().toImage(), button.MoveBitmap().toImage());
        EXPECT_NE(button.MoveBitmap().toImage(), button.DownBitmap().toImage());
    }
}

TEST(SkinButtonPictures, NamesAreFoundWithoutRegardToCase)
{
    const QImage exact = LoadSkinBitmap(QStringLiteral("fbMinMove")).toImage();
    ASSERT_FALSE(exact.isNull());
    for (const char* name : {"FBMINmove", "fbminmove", "FBMINMOVE"})
        EXPECT_EQ(LoadSkinBitmap(QString::fromLatin1(name)).toImage(), exact) << name;
    EXPECT_TRUE(LoadSkinBitmap(QStringLiteral("noSuchPicture")).isNull());
}

TEST(SkinButtonSize, NewButtonIsACloseButtonOfThirteenPixels)
{
    TSkinButton button;
    EXPECT_EQ(button.SkinButtonStyle(), sbsClose);
    EXPECT_EQ(button.size(), QSize(13, 13));
    EXPECT_EQ(button.MoveBitmap().toImage(), LoadSkinBitmap(QStringLiteral("fbCloseMove")).toImage());
    EXPECT_FALSE(button.DownIn());
    EXPECT_FALSE(button.HavePicture());
    EXPECT_EQ(button.Alignment(), taCenter);
}

TEST(SkinButtonSize, SettingTheSameStyleChangesNothing)
{
    TSkinButton button;
    button.resize(20, 20);
    const qint64 before = button.MoveBitmap().cacheKey();
    button.SetSkinButtonStyle(sbsClose);
    EXPECT_EQ(button.size(), QSize(20, 20));
    EXPECT_EQ(button.MoveBitmap().cacheKey(), before);
}

TEST(SkinButtonSize, PushButtonKeepsItsWidthAndBecomes34High)
{
    TSkinButton button;
    button.resize(120, 20);
    button.SetSkinButtonStyle(sbsBtn);
    EXPECT_EQ(button.size(), QSize(120, 34));
    button.SetSkinButtonStyle(sbsHelp);
    EXPECT_EQ(button.size(), QSize(13, 13));
}

TEST(SkinButtonRounding, HalvesGoToTheEvenNeighbour)
{
    struct Case {
        double value;
        int rounded;
    };
    for (const Case& c : {Case{0.5, 0}, Case{1.5, 2}, Case{2.5, 2}, Case{3.5, 4}, Case{-0.5, 0},
                          Case{-1.5, -2}, Case{2.4, 2}, Case{2.6, 3}})
        EXPECT_EQ(RoundHalfEven(c.value), c.rounded) << c.value;
}

TEST_F(ButtonFixture, PointerStatesDrawTheirPictures)
{
    EXPECT_TRUE(Shows(button->UpBitmap()));

    QTest::mouseMove(button, Inside());
    EXPECT_TRUE(button->MouseIn());
    EXPECT_TRUE(Shows(button->MoveBitmap()));

    QTest::mousePress(button, Qt::LeftButton, {}, Inside());
    EXPECT_TRUE(button->MouseDown());
    EXPECT_TRUE(Shows(button->DownBitmap()));

    // Left while held: the at-rest picture, though the press goes on.
    Leave();
    EXPECT_FALSE(button->MouseIn());
    EXPECT_TRUE(button->MouseDown());
    EXPECT_TRUE(Shows(button->UpBitmap()));

    // Back over the button: pressed again.
    QTest::mouseMove(button, Inside());
    EXPECT_TRUE(Shows(button->DownBitmap()));

    QTest::mouseRelease(button, Qt::LeftButton, {}, Inside());
    EXPECT_FALSE(button->MouseDown());
    EXPECT_TRUE(Shows(button->MoveBitmap()));
    ASSERT_EQ(senders.size(), 1);
    EXPECT_EQ(senders.first(), button);

    Leave();
    EXPECT_TRUE(Shows(button->UpBitmap()));
}

TEST_F(ButtonFixture, EveryMovementIsReportedInTheButtonsCoordinates)
{
    QSignalSpy moves(button, &TSkinButton::OnMouseMove);
    QTest::mouseMove(button, QPoint(3, 4));
    QTest::mouseMove(button, QPoint(5, 6));
    ASSERT_EQ(moves.size(), 2);
    EXPECT_EQ(moves.at(1).at(0).value<TSkinButton*>(), button);
    EXPECT_EQ(moves.at(1).at(3).toPoint(), QPoint(5, 6));
}

TEST_F(ButtonFixture, ReleaseOutsideGivesNoClickButFlipsMaximise)
{
    button->SetSkinButtonStyle(sbsMax);
    QTest::mousePress(button, Qt::LeftButton, {}, Inside());
    QTest::mouseRelease(button, Qt::LeftButton, {}, Outside());
    EXPECT_TRUE(senders.isEmpty());
    EXPECT_EQ(button->SkinButtonStyle(), sbsNormal);
    EXPECT_FALSE(button->MouseDown());
}

TEST_F(ButtonFixture, ClickSeesTheStyleShownDuringThePressThenFlips)
{
    button->SetSkinButtonStyle(sbsMax);
    QTest::mouseClick(button, Qt::LeftButton, {}, Inside());
    EXPECT_EQ(button->SkinButtonStyle(), sbsNormal);
    EXPECT_EQ(button->MoveBitmap().toImage(), LoadSkinBitmap(QStringLiteral("fbNormalMove")).toImage());
    EXPECT_TRUE(Shows(button->MoveBitmap()));

    QTest::mouseClick(button, Qt::LeftButton, {}, Inside());
    EXPECT_EQ(clickedStyles, (QList<TSkinButtonStyle>{sbsMax, sbsNormal}));
    EXPECT_EQ(button->SkinButtonStyle(), sbsMax);
}

TEST_F(ButtonFixture, OtherStylesDoNotFlip)
{
    for (TSkinButtonStyle style : {sbsMin, sbsClose, sbsHelp}) {
        button->SetSkinButtonStyle(style);
        QTest::mouseClick(button, Qt::LeftButton, {}, Inside());
        EXPECT_EQ(button->SkinButtonStyle(), style);
    }
    EXPECT_EQ(clickedStyles, (QList<TSkinButtonStyle>{sbsMin, sbsClose, sbsHelp}));
}

TEST_F(ButtonFixture, OtherMouseButtonsNeitherPressNorClick)
{
    for (Qt::MouseButton other : {Qt::RightButton, Qt::MiddleButton}) {
        QTest::mouseMove(button, Inside());
        QTest::mousePress(button, other, {}, Inside());
        EXPECT_FALSE(button->MouseDown());
        EXPECT_TRUE(Shows(button->MoveBitmap()));
        QTest::mouseRelease(button, other, {}, Inside());
    }
    EXPECT_TRUE(senders.isEmpty());
}

TEST_F(ButtonFixture, ClickTakesTheFocus)
{
    auto* edit = new QLineEdit(&host);
    edit->move(200, 10);
    edit->show();
    edit->setFocus();
    QTest::mouseClick(button, Qt::LeftButton, {}, Inside());
    EXPECT_EQ(host.focusWidget(), button);
    EXPECT_EQ(senders.size(), 1);
}

namespace {

// A field that will not give up the focus (as one that insists on a valid entry).
class StubbornEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void focusOutEvent(QFocusEvent* event) override
    {
        QLineEdit::focusOutEvent(event);
        setFocus();
    }
};

} // namespace

TEST_F(ButtonFixture, ClickIsDroppedWhenTheFocusStaysElsewhere)
{
    host.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    auto* edit = new StubbornEdit(&host);
    edit->move(200, 10);
    edit->show();
    edit->setFocus();
    ASSERT_TRUE(edit->hasFocus());
    QTest::mouseClick(button, Qt::LeftButton, {}, Inside());
    EXPECT_TRUE(senders.isEmpty());
    EXPECT_TRUE(edit->hasFocus());
}

TEST_F(ButtonFixture, DownInOnACaptionStyleChangesNothing)
{
    const QImage before = Rendered();
    button->SetDownIn(true);
    EXPECT_EQ(Rendered(), before);
}

// ---- the push-button style ------------------------------------------------

namespace {

struct PushButtonFixture : ButtonFixture {
    void SetUp() override
    {
        ButtonFixture::SetUp();
        button->SetSkinButtonStyle(sbsBtn);
        QFont font = button->font();
        font.setPixelSize(13);
        button->setFont(font);
        button->SetCaption(QStringLiteral("保存数据"));
        button->resize(200, 34);
    }

    int CaptionWidth() const { return QFontMetrics(button->font()).horizontalAdvance(button->Caption()); }

    static bool IsInk(const QColor& c) { return c.red() < 170 && c.green() < 170 && c.blue() < 170; }

    // The leftmost column that holds caption ink.
    int LeftmostInk() const
    {
        const QImage image = Rendered();
        for (int x = 0; x < image.width(); ++x)
            for (int y = 4; y < image.height() - 4; ++y)
                if (IsInk(image.pixelColor(x, y)))
                    return x;
        return -1;
    }

    // The darkest pixel of the caption.
    int DarkestInk() const
    {
        const QImage image = Rendered();
        int darkest = 255;
        for (int y = 4; y < image.height() - 4; ++y)
            for (int x = 12; x < image.width() - 12; ++x)
                darkest = std::min(darkest, qGray(image.pixel(x, y)));
        return darkest;
    }
};

} // namespace

TEST_F(PushButtonFixture, CaptionPlacementFollowsTheAlignment)
{
    button->SetAlignment(taLeftJustify);
    const int bearing = LeftmostInk() - 25;
    ASSERT_GE(bearing, 0);
    ASSERT_LE(bearing, 2);

    // Widths that leave an odd and an even number of pixels beside the caption.
    for (int spare : {61, 62, 63}) {
        button->resize(CaptionWidth() + spare, 34);
        const int centred = RoundHalfEven(spare / 2.0) + bearing;
        button->SetAlignment(taCenter);
        EXPECT_EQ(LeftmostInk(), centred) << spare;
        button->SetAlignment(taRightJustify);
        EXPECT_EQ(LeftmostInk(), centred) << "right-justified is centred too, " << spare;
        button->SetAlignment(taLeftJustify);
        EXPECT_EQ(LeftmostInk(), 25 + bearing) << spare;
    }
}

TEST_F(PushButtonFixture, DisabledCaptionIsGrey)
{
    EXPECT_LT(DarkestInk(), 60);
    button->setEnabled(false);
    const int darkest = DarkestInk();
    EXPECT_GE(darkest, 118);
    EXPECT_LE(darkest, 138);
}

TEST_F(PushButtonFixture, FaceFollowsThePointerAndDownIn)
{
    const QPoint capPixel(5, 17); // left cap, unscaled at the images' own height
    auto face = [this, capPixel] { return Rendered().pixelColor(capPixel); };
    auto imagePixel = [capPixel](const QPixmap& p) { return p.toImage().pixelColor(capPixel); };

    EXPECT_EQ(face(), imagePixel(button->UpBitmap()));
    QTest::mouseMove(button, QPoint(100, 17));
    EXPECT_EQ(face(), imagePixel(button->MoveBitmap()));
    Leave();
    button->SetDownIn(true);
    EXPECT_EQ(face(), imagePixel(button->DownBitmap()));
}

TEST_F(PushButtonFixture, FaceStretchesToTheHeightAndNeverReadsBeyondThePicture)
{
    button->resize(400, 50);
    const QImage shown = Rendered();
    const QImage up = button->UpBitmap().toImage();
    // Top and bottom border rows of the face reach the button's own edges.
    EXPECT_EQ(shown.pixelColor(100, 0).rgb(), up.pixelColor(100, 0).rgb());
    EXPECT_EQ(shown.pixelColor(100, 49).rgb(), up.pixelColor(100, 33).rgb());
    // Columns past the picture's width repeat the picture's last middle column.
    const QColor last = up.pixelColor(up.width() - 11, 17);
    const QColor beyond = shown.pixelColor(330, 25);
    EXPECT_NEAR(beyond.red(), last.red(), 12);
    EXPECT_NEAR(beyond.blue(), last.blue(), 12);
    // The right cap sits at the button's right end.
    EXPECT_EQ(shown.pixelColor(399, 25).rgb(), up.pixelColor(264, 17).rgb());
}

TEST_F(PushButtonFixture, PictureIsDrawnBesideTheCaptionWithMagentaLeftOut)
{
    QPixmap picture(16, 16);
    picture.fill(QColor(255, 0, 255));
    {
        QPainter p(&picture);
        p.fillRect(4, 4, 8, 8, QColor(0, 160, 0));
    }
    button->SetPicture(picture);
    button->SetHavePicture(true);
    // 121 pixels to spare: the picture starts at 60, the even neighbour of 60.5.
    button->resize(16 + CaptionWidth() + 10 + 121, 34);
    const int x = RoundHalfEven((button->width() - 16 - CaptionWidth() - 10) / 2.0);
    const QImage shown = Rendered();
    EXPECT_EQ(shown.pixelColor(x + 8, 4 + 8), QColor(0, 160, 0));
    EXPECT_NE(shown.pixelColor(x + 1, 4 + 1), QColor(255, 0, 255));
    // The caption follows the picture after a gap of ten.
    const int bearing = [this] {
        button->SetHavePicture(false);
        button->SetAlignment(taLeftJustify);
        const int b = LeftmostInk() - 25;
        button->SetHavePicture(true);
        return b;
    }();
    const QImage withPicture = Rendered();
    int captionInk = -1;
    for (int col = x + 16; col < withPicture.width() && captionInk < 0; ++col)
        for (int y = 4; y < 30; ++y)
            if (IsInk(withPicture.pixelColor(col, y))) {
                captionInk = col;
                break;
            }
    EXPECT_EQ(captionInk, x + 16 + 10 + bearing);
}

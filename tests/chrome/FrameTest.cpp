#include <QBitmap>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "UFrmMidShell.h"
#include "UFrmShell.h"

using namespace qh;

namespace {

// The frames are only ever used as bases; these are the smallest derived windows.
class MainFrame : public TFrmShell {
public:
    MainFrame() { SetTrayProbe([] { return true; }); }
    using TFrameLayout::BindCaptionDrag;
    using TFrameLayout::SetCaptionHeight;
};

class DialogFrame : public TFrmMidShell {
public:
    using TFrameLayout::SetCaptionHeight;
};

void ShowAndWait(QWidget& window)
{
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
}

struct CaptionButtonPlace {
    const char* name;
    int offset;
};

// Every caption button of a frame with its distance from the strip's right end.
std::vector<std::pair<TSkinButton*, int>> CaptionButtons(const MainFrame& frame)
{
    return {{frame.BtnClose(), 24}, {frame.BtnMax(), 41}, {frame.BtnMin(), 58}, {frame.BtnHelp(), 75}};
}

std::vector<std::pair<TSkinButton*, int>> CaptionButtons(const DialogFrame& frame)
{
    return {{frame.BtnClose(), 24}};
}

} // namespace

template <typename Frame>
struct FrameTest : ::testing::Test {
    Frame frame;
};

using Frames = ::testing::Types<MainFrame, DialogFrame>;
TYPED_TEST_SUITE(FrameTest, Frames);

TYPED_TEST(FrameTest, StoredLayoutKeepsItsNames)
{
    struct Part {
        const char* name;
        const char* parent;
    };
    const Part parts[] = {{"panTop", nullptr},   {"imaTopL", "panTop"}, {"imaTopC", "panTop"},
                          {"imaTopR", "panTop"}, {"Panel2", nullptr},   {"Image4", "Panel2"},
                          {"Image6", "Panel2"},  {"Image5", "Panel2"},  {"Panel3", nullptr},
                          {"Image7", "Panel3"},  {"Image8", "Panel3"},  {"panClient", "Panel3"}};
    for (const Part& part : parts) {
        auto* widget = this->frame.template findChild<QWidget*>(QString::fromLatin1(part.name));
        ASSERT_NE(widget, nullptr) << part.name;
        QWidget* expectedParent = part.parent
            ? this->frame.template findChild<QWidget*>(QString::fromLatin1(part.parent))
            : static_cast<QWidget*>(&this->frame);
        EXPECT_EQ(widget->parentWidget(), expectedParent) << part.name;
    }
    EXPECT_TRUE(this->frame.windowFlags() & Qt::FramelessWindowHint);
}

TYPED_TEST(FrameTest, StripsAndEdgesTakeTheirPlaces)
{
    ShowAndWait(this->frame);
    this->frame.resize(700, 500);
    QCoreApplication::processEvents();
    auto& f = this->frame;
    EXPECT_EQ(f.panTop()->geometry(), QRect(0, 0, 700, 35));
    EXPECT_EQ(f.imaTopL()->geometry(), QRect(0, 0, 9, 35));
    EXPECT_EQ(f.imaTopR()->geometry(), QRect(700 - 52, 0, 52, 35));
    EXPECT_EQ(f.imaTopC()->geometry(), QRect(9, 0, 700 - 9 - 52, 35));
    EXPECT_EQ(f.Panel2()->geometry(), QRect(0, 500 - 22, 700, 22));
    EXPECT_EQ(f.Image5()->geometry(), QRect(700 - 15, 0, 15, 22));
    EXPECT_EQ(f.Panel3()->geometry(), QRect(0, 35, 700, 500 - 35 - 22));
    EXPECT_EQ(f.Image7()->geometry(), QRect(0, 0, 6, 500 - 35 - 22));
    EXPECT_EQ(f.Image8()->geometry(), QRect(700 - 6, 0, 6, 500 - 35 - 22));
    EXPECT_EQ(f.panClient()->geometry(), QRect(6, 0, 700 - 12, 500 - 35 - 22));
}

TYPED_TEST(FrameTest, NeverSmallerThan640By480)
{
    struct Case {
        QSize asked;
        QSize given;
    };
    ShowAndWait(this->frame);
    for (const Case& c : {Case{{500, 400}, {640, 480}}, Case{{656, 348}, {656, 480}},
                          Case{{300, 700}, {640, 700}}, Case{{790, 590}, {790, 590}}}) {
        this->frame.resize(c.asked);
        QCoreApplication::processEvents();
        EXPECT_EQ(this->frame.size(), c.given) << c.asked.width() << "x" << c.asked.height();
        // The extra height goes to the client panel.
        EXPECT_EQ(this->frame.panClient()->height(), c.given.height() - 35 - 22);
    }
}

TYPED_TEST(FrameTest, CaptionButtonsKeepTheirPlaceAtEveryWidthAndStripHeight)
{
    ShowAndWait(this->frame);
    for (int stripHeight : {35, 47}) {
        this->frame.SetCaptionHeight(stripHeight);
        for (int width : {640, 777, 1001}) {
            this->frame.resize(width, 520);
            QCoreApplication::processEvents();
            for (auto [button, offset] : CaptionButtons(this->frame)) {
                ASSERT_NE(button, nullptr);
                EXPECT_EQ(button->geometry(), QRect(width - offset, 9, 13, 13))
                    << "width " << width << ", strip " << stripHeight << ", offset " << offset;
                EXPECT_TRUE(button->isVisible());
            }
        }
    }
}

TYPED_TEST(FrameTest, CornersAreRoundedAtEverySize)
{
    ShowAndWait(this->frame);
    for (QSize size : {QSize(640, 480), QSize(731, 517)}) {
        this->frame.resize(size);
        QCoreApplication::processEvents();
        const QRegion mask = this->frame.mask();
        const int w = size.width(), h = size.height();
        EXPECT_EQ(mask.boundingRect(), QRect(0, 0, w, h));
        for (QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1),
                              QPoint(1, 1), QPoint(w - 2, h - 2)})
            EXPECT_FALSE(mask.contains(corner)) << corner.x() << "," << corner.y();
        for (QPoint inside : {QPoint(w / 2, h / 2), QPoint(6, 0), QPoint(0, 6), QPoint(w - 7, h - 1),
                              QPoint(3, 3)})
            EXPECT_TRUE(mask.contains(inside)) << inside.x() << "," << inside.y();
    }
}

TYPED_TEST(FrameTest, AnyMouseButtonOnTheCaptionStripMovesTheWindow)
{
    ShowAndWait(this->frame);
    auto& f = this->frame;
    for (Qt::MouseButton mouseButton : {Qt::LeftButton, Qt::RightButton}) {
        for (QWidget* strip : {static_cast<QWidget*>(f.imaTopL()), static_cast<QWidget*>(f.imaTopC()),
                               static_cast<QWidget*>(f.imaTopR())}) {
            const QPoint start = f.pos();
            QTest::mousePress(strip, mouseButton, {}, QPoint(4, 10));
            QTest::mouseMove(strip, QPoint(4 + 30, 10 + 20));
            QTest::mouseRelease(strip, mouseButton, {}, QPoint(4 + 30, 10 + 20));
            EXPECT_EQ(f.pos(), start + QPoint(30, 20)) << qPrintable(strip->objectName());
        }
    }
}

TEST(FrameDrag, OnlyBoundLabelsOverTheStripMoveTheWindow)
{
    MainFrame frame;
    ShowAndWait(frame);
    auto* title = new QLabel(QStringLiteral("标题"), frame.panTop());
    title->setGeometry(48, 19, 206, 16);
    title->show();
    const QPoint start = frame.pos();
    QTest::mousePress(title, Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseMove(title, QPoint(24, 4));
    QTest::mouseRelease(title, Qt::LeftButton, {}, QPoint(24, 4));
    EXPECT_EQ(frame.pos(), start);

    frame.BindCaptionDrag(title);
    QTest::mousePress(title, Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseMove(title, QPoint(24, 4));
    QTest::mouseRelease(title, Qt::LeftButton, {}, QPoint(24, 4));
    EXPECT_EQ(frame.pos(), start + QPoint(20, 0));
}

TEST(FrameCreation, DerivedCreationRunsAfterTheFramesAndOnlyOnce)
{
    struct Derived : TFrmShell {
        int runs = 0;
        bool buttonsThere = false;
        void FormCreate() override
        {
            TFrmShell::FormCreate();
            ++runs;
            buttonsThere = BtnClose() && BtnMin() && BtnMax() && BtnHelp();
        }
    } window;
    EXPECT_FALSE(window.IsCreated());
    window.EnsureCreated();
    window.show();
    window.hide();
    window.show();
    EXPECT_EQ(window.runs, 1);
    EXPECT_TRUE(window.buttonsThere);
    EXPECT_FALSE(window.mask().isEmpty());
}

TEST(FrameCreation, MaximiseButtonOffersTheOppositeOfTheFirstState)
{
    MainFrame normal;
    ShowAndWait(normal);
    EXPECT_EQ(normal.BtnMax()->SkinButtonStyle(), sbsMax);

    MainFrame maximised;
    maximised.showMaximized();
    EXPECT_EQ(maximised.BtnMax()->SkinButtonStyle(), sbsNormal);
}

TEST(FrameMaximise, MaximiseAndRestoreFollowTheButton)
{
    MainFrame frame;
    ShowAndWait(frame);
    frame.resize(700, 500);
    QCoreApplication::processEvents();

    QTest::mouseClick(frame.BtnMax(), Qt::LeftButton, {}, QPoint(6, 6));
    QTRY_VERIFY(frame.isMaximized());
    QCoreApplication::processEvents();
    EXPECT_EQ(frame.BtnMax()->SkinButtonStyle(), sbsNormal);
    const QSize big = frame.size();
    EXPECT_EQ(frame.mask().boundingRect(), QRect(QPoint(0, 0), big));
    EXPECT_FALSE(frame.mask().contains(QPoint(big.width() - 1, 0)));
    EXPECT_EQ(frame.BtnClose()->x(), big.width() - 24);

    QTest::mouseClick(frame.BtnMax(), Qt::LeftButton, {}, QPoint(6, 6));
    QTRY_VERIFY(!frame.isMaximized());
    QCoreApplication::processEvents();
    EXPECT_EQ(frame.BtnMax()->SkinButtonStyle(), sbsMax);
    EXPECT_EQ(frame.size(), QSize(700, 500));
    EXPECT_EQ(frame.BtnClose()->x(), 700 - 24);
}

TEST(DialogFrame, CloseButtonEndsAModalDialogWithCancel)
{
    DialogFrame dialog;
    QTimer::singleShot(0, &dialog, [&dialog] {
        QTest::mouseClick(dialog.BtnClose(), Qt::LeftButton, {}, QPoint(6, 6));
    });
    EXPECT_EQ(dialog.exec(), QDialog::Rejected);
    EXPECT_FALSE(dialog.isVisible());
}

TEST(DialogFrame, HasOnlyACloseButton)
{
    DialogFrame dialog;
    dialog.EnsureCreated();
    EXPECT_EQ(dialog.panTop()->findChildren<TSkinButton*>().size(), 1);
    EXPECT_EQ(dialog.BtnClose()->SkinButtonStyle(), sbsClose);
}

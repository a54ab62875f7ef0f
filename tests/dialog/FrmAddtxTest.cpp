#include "Un_FrmAddtx.h"

#include "BirthdayRegistration.h"
#include "Clock.h"
#include "Messages.h"
#include "QtPrinters.h"
#include "TestDatabase.h"
#include "UGlobal.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QImageReader>
#include <QTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

namespace qh {
namespace {

using test::TestDatabase;

// Screenshots go to $QH_ARTEFACTS when set, else to the working folder
// (the build folder under ctest).
QString ArtefactPath(const QString& name)
{
    const QString folder = qEnvironmentVariableIsSet("QH_ARTEFACTS")
                               ? qEnvironmentVariable("QH_ARTEFACTS")
                               : QDir::currentPath();
    return QDir(folder).filePath(name);
}

class FrmAddtxTest : public testing::Test {
protected:
    FrmAddtxTest()
        : dialog([this](const QString& name) { refreshes.append(name); }, nullptr,
                 database.connection())
    {
    }

    // Makes a file in the test's folder.
    QString WriteFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = QDir(database.folder()).filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    QString WriteJpeg(const QString& name, Qt::GlobalColor color)
    {
        QImage image(40, 30, QImage::Format_RGB32);
        image.fill(color);
        const QString path = QDir(database.folder()).filePath(name);
        EXPECT_TRUE(image.save(path, "JPG"));
        return path;
    }

    void Choose(const QString& path)
    {
        dialog.SetPictureChooser([path] { return path; });
        dialog.SpeedButton1Click();
    }

    void Enter(const QString& name, const QString& birthday, const QString& count = "10")
    {
        dialog.Edit1()->setText(name);
        dialog.Edit2()->setText(birthday);
        dialog.Edit3()->setText(count);
    }

    void Register(const QString& name, const QString& birthday)
    {
        Enter(name, birthday);
        dialog.BitBtn1Click();
        messages.entries.clear();
        refreshes.clear();
    }

    qint64 PreviewKey() const { return dialog.Image2()->pixmap().cacheKey(); }

    TestDatabase database;
    RecordedMessages messages;
    PinnedToday today{{2010, 6, 1}};
    QStringList refreshes;
    TFrmAddtx dialog;
};

TEST_F(FrmAddtxTest, StartsWithEmptyBoxesAndTenYears)
{
    EXPECT_EQ(dialog.Edit1()->text(), "");
    EXPECT_EQ(dialog.Edit2()->text(), "");
    EXPECT_EQ(dialog.Edit3()->text(), "10");
    EXPECT_EQ(dialog.Edit4()->text(), "");
    EXPECT_EQ(dialog.ChosenPicture(), "");
    EXPECT_EQ(dialog.Image2()->pixmap().size(), QSize(169, 137));
}

TEST_F(FrmAddtxTest, LayoutAsDesigned)
{
    dialog.show();
    EXPECT_EQ(dialog.size(), QSize(656, 480));

    struct Placed {
        const char* name;
        QRect bounds;
    };
    for (const Placed& placed : {Placed{"Edit1", {128, 10, 265, 21}},
                                 Placed{"Edit2", {128, 43, 265, 21}},
                                 Placed{"Edit3", {151, 91, 121, 21}},
                                 Placed{"Edit4", {128, 128, 265, 21}},
                                 Placed{"SpeedButton1", {393, 126, 32, 22}},
                                 Placed{"Panel5", {440, 8, 185, 153}},
                                 Placed{"Image2", {8, 8, 169, 137}},
                                 Placed{"BitBtn1", {120, 8, 75, 25}},
                                 Placed{"BitBtn2", {248, 8, 75, 25}}}) {
        auto* widget = dialog.findChild<QWidget*>(QString::fromLatin1(placed.name));
        ASSERT_NE(widget, nullptr) << placed.name;
        EXPECT_EQ(widget->geometry(), placed.bounds) << placed.name;
    }
    struct Text {
        const char* name;
        const char* text;
        QPoint at;
    };
    for (const Text& label : {Text{"Label1", "添加生日信息", {16, 11}},
                              Text{"Label22", "添加农历生日信息", {32, 16}},
                              Text{"Label3", "姓名", {40, 16}},
                              Text{"Label4", "出生年月日", {40, 49}},
                              Text{"Label5", "生日输入格式：1985-08-08", {128, 72}},
                              Text{"Label6", "自动生成生日年份", {40, 96}},
                              Text{"Label7", "年", {272, 95}},
                              Text{"Label8", "图片", {40, 128}}}) {
        auto* widget = dialog.findChild<QLabel*>(QString::fromLatin1(label.name));
        ASSERT_NE(widget, nullptr) << label.name;
        EXPECT_EQ(widget->text(), QString::fromUtf8(label.text));
        EXPECT_EQ(widget->pos(), label.at) << label.name;
    }
    EXPECT_EQ(dialog.BitBtn1()->text(), "保存");
    EXPECT_EQ(dialog.BitBtn2()->text(), "退出");
    EXPECT_EQ(dialog.SpeedButton1()->text(), "选择");
    EXPECT_EQ(dialog.Panel6()->height(), 57);
    EXPECT_EQ(dialog.Panel1()->height(), 41);
    // The middle panel takes the height the frame adds, the background with it.
    EXPECT_EQ(dialog.Image1()->size(), dialog.Panel4()->size());
    EXPECT_EQ(dialog.Label22()->font().family(), "Noto Sans CJK SC");
    EXPECT_EQ(dialog.Label22()->font().pixelSize(), 24);
    EXPECT_EQ(dialog.Edit1()->font().family(), "Noto Serif CJK SC");
    EXPECT_EQ(dialog.Edit1()->font().pixelSize(), 13);

    dialog.grab().save(ArtefactPath(QStringLiteral("FrmAddtx.png")));
}

// The widgets Tab visits, in order, starting from the name box.
TEST_F(FrmAddtxTest, TabOrderRunsThroughTheBoxesInOrder)
{
    dialog.show();
    QStringList visited;
    QWidget* widget = dialog.Edit1();
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(&dialog))
            visited.append(widget->objectName());
        widget = widget->nextInFocusChain();
    } while (widget != dialog.Edit1());
    EXPECT_EQ(visited, (QStringList{"Edit1", "Edit2", "Edit3", "Edit4", "SpeedButton1", "BitBtn1",
                                    "BitBtn2"}));
}

// ---- Refusals --------------------------------------------------------------

struct Refusal {
    const char* title;
    const char* name;
    const char* birthday;
    const char* count;
    const char* message;
    const char* focus;
};

void PrintTo(const Refusal& refusal, std::ostream* os)
{
    *os << refusal.title;
}

class Refusals : public FrmAddtxTest, public testing::WithParamInterface<Refusal> {};

// Each refusal shows its message, puts the focus on its box, stores nothing
// and leaves the boxes as they were.
TEST_P(Refusals, ShowTheirMessageAndFocusTheBox)
{
    const Refusal& refusal = GetParam();
    Register("张三", "1985-08-08");
    Register("Tom", "1990-01-01");
    const auto persons = database.Persons().size();
    const auto occurrences = database.Occurrences().size();

    Enter(QString::fromUtf8(refusal.name), QString::fromUtf8(refusal.birthday),
          QString::fromUtf8(refusal.count));
    dialog.BitBtn1Click();

    ASSERT_EQ(messages.entries.size(), 1);
    EXPECT_EQ(messages.entries[0].text, QString::fromUtf8(refusal.message));
    EXPECT_EQ(messages.entries[0].caption, "系统提示");
    EXPECT_EQ(messages.entries[0].icon, MsgIcon::Information);
    ASSERT_NE(dialog.focusWidget(), nullptr);
    EXPECT_EQ(dialog.focusWidget()->objectName(), QString::fromLatin1(refusal.focus));
    EXPECT_EQ(database.Persons().size(), persons);
    EXPECT_EQ(database.Occurrences().size(), occurrences);
    EXPECT_TRUE(refreshes.isEmpty());
    EXPECT_EQ(dialog.Edit1()->text(), QString::fromUtf8(refusal.name));
    EXPECT_EQ(dialog.Edit2()->text(), QString::fromUtf8(refusal.birthday));
    EXPECT_EQ(dialog.Edit3()->text(), QString::fromUtf8(refusal.count));
}

const std::string LongName(51, 'a');

INSTANTIATE_TEST_SUITE_P(
    Cases, Refusals,
    testing::Values(
        Refusal{"no name", "   ", "1985-08-08", "10", "请输入姓名", "Edit1"},
        Refusal{"name of 51 characters", LongName.c_str(), "1985-08-08", "10",
                "姓名不能超过50个字，请缩短后再保存", "Edit1"},
        Refusal{"no birthday", "李四", "  ", "10", "请输入农历生日", "Edit2"},
        Refusal{"thirtieth of February", "李四", "1985-02-30", "10",
                "请按正确的格式输入农历生日", "Edit2"},
        Refusal{"29th of February in a common year", "李四", "1985-02-29", "10",
                "请按正确的格式输入农历生日", "Edit2"},
        Refusal{"the empty date", "李四", "1900-1-1", "10", "请按正确的格式输入农历生日",
                "Edit2"},
        Refusal{"a time of day", "李四", "1985-08-08 10:30", "10",
                "请按正确的格式输入农历生日", "Edit2"},
        Refusal{"other separators", "李四", "1985/08/08", "10", "请按正确的格式输入农历生日",
                "Edit2"},
        Refusal{"count not a number", "李四", "1985-08-08", "十年", "请输入正确的年数", "Edit3"},
        Refusal{"count not whole", "李四", "1985-08-08", "2.5", "请输入正确的年数", "Edit3"},
        Refusal{"count beyond 9999", "李四", "1985-08-08", "7989", "请输入正确的年数", "Edit3"},
        Refusal{"name registered", "张三", "1970-01-01", "10", "此姓名生日信息已经存在！",
                "Edit1"},
        Refusal{"name registered, with blanks", "  张三 ", "1970-01-01", "10",
                "此姓名生日信息已经存在！", "Edit1"},
        Refusal{"name registered in other letter case", "TOM", "1970-01-01", "10",
                "此姓名生日信息已经存在！", "Edit1"}));

// ---- Saving ----------------------------------------------------------------

TEST_F(FrmAddtxTest, SaveReportsRefreshesAndEmptiesNameAndBirthday)
{
    const QString picture = WriteJpeg(QStringLiteral("a.jpg"), Qt::red);
    Choose(picture);
    const qint64 preview = PreviewKey();
    Enter(QStringLiteral("  张三 "), QStringLiteral("1985-08-08"), QStringLiteral("3"));

    dialog.BitBtn1Click();

    EXPECT_EQ(messages.Texts(), QStringList{"农历生日信息添加完毕"});
    EXPECT_EQ(refreshes, QStringList{QString()});
    EXPECT_TRUE(refreshes.value(0).isEmpty());
    EXPECT_EQ(dialog.Edit1()->text(), "");
    EXPECT_EQ(dialog.Edit2()->text(), "");
    EXPECT_EQ(dialog.Edit3()->text(), "3");
    EXPECT_EQ(dialog.Edit4()->text(), QDir::toNativeSeparators(picture));
    EXPECT_EQ(PreviewKey(), preview);

    const auto persons = database.Persons();
    ASSERT_EQ(persons.size(), 1u);
    EXPECT_EQ(persons[0].name, "张三");
    const auto rows = database.Occurrences();
    ASSERT_EQ(rows.size(), 5u);
    for (const auto& row : rows)
        EXPECT_EQ(row.name, "张三");
}

TEST_F(FrmAddtxTest, NameOfFiftyCharactersIsStoredWhole)
{
    const QString name(50, QChar(u'王'));
    Enter(name, QStringLiteral("1985-08-08"));
    dialog.BitBtn1Click();
    ASSERT_EQ(database.Persons().size(), 1u);
    EXPECT_EQ(database.Persons()[0].name, name);
}

// The picture stays chosen for the next person, and its bytes are read at
// each save.
TEST_F(FrmAddtxTest, PictureIsKeptForTheNextSave)
{
    const QByteArray bytes("GIF89a-not-really", 17);
    const QString picture = WriteFile(QStringLiteral("照片.gif"), bytes);
    const qint64 placeholder = PreviewKey();
    Choose(picture);
    EXPECT_EQ(dialog.Edit4()->text(), QDir::toNativeSeparators(picture));
    EXPECT_EQ(PreviewKey(), placeholder);  // not a JPEG or bitmap: preview unchanged

    Register("张三", "1985-08-08");
    Register("李四", "1986-09-09");

    const auto persons = database.Persons();
    ASSERT_EQ(persons.size(), 2u);
    EXPECT_EQ(persons[0].picture.toByteArray(), bytes);
    EXPECT_EQ(persons[1].picture.toByteArray(), bytes);
}

TEST_F(FrmAddtxTest, JpegAndBitmapAreShown)
{
    for (const char* name : {"b.jpg", "c.JPEG", "d.bmp"}) {
        const qint64 before = PreviewKey();
        QImage image(20, 20, QImage::Format_RGB32);
        image.fill(Qt::blue);
        const QString path = QDir(database.folder()).filePath(QString::fromLatin1(name));
        ASSERT_TRUE(image.save(path, QString::fromLatin1(name).endsWith("bmp") ? "BMP" : "JPG"));
        Choose(path);
        EXPECT_NE(PreviewKey(), before) << name;
        EXPECT_EQ(dialog.ChosenPicture(), path);
    }
}

struct PictureRefusal {
    const char* title;
    const char* file;
    qint64 size;  // bytes of a file that is not a picture; -1 for none at all
    const char* message;
};

void PrintTo(const PictureRefusal& refusal, std::ostream* os)
{
    *os << refusal.title;
}

class PictureRefusals : public FrmAddtxTest, public testing::WithParamInterface<PictureRefusal> {};

// A picture that cannot be used is refused when chosen; the picture chosen
// before stays, with its path and preview.
TEST_P(PictureRefusals, LeaveTheChosenPictureAlone)
{
    const PictureRefusal& refusal = GetParam();
    const QString before = WriteJpeg(QStringLiteral("before.jpg"), Qt::green);
    Choose(before);
    messages.entries.clear();
    const qint64 preview = PreviewKey();
    const QString path = QDir(database.folder()).filePath(QString::fromUtf8(refusal.file));
    if (refusal.size >= 0) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(refusal.size));
    }

    Choose(path);

    ASSERT_EQ(messages.entries.size(), 1);
    EXPECT_TRUE(messages.entries[0].text.startsWith(QString::fromUtf8(refusal.message)))
        << messages.entries[0].text.toStdString();
    EXPECT_EQ(dialog.ChosenPicture(), before);
    EXPECT_EQ(dialog.Edit4()->text(), QDir::toNativeSeparators(before));
    EXPECT_EQ(PreviewKey(), preview);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PictureRefusals,
    testing::Values(
        PictureRefusal{"larger than 16 MiB", "big.gif", MaxPictureBytes + 1, "图片文件不能大于16MB"},
        PictureRefusal{"a JPEG that cannot be decoded", "broken.jpg", 100, "无法识别图片文件"},
        PictureRefusal{"gone", "missing.png", -1, "无法读取图片文件"}));

TEST_F(FrmAddtxTest, PictureOf16MiBIsAccepted)
{
    const QString path = QDir(database.folder()).filePath(QStringLiteral("big.gif"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.resize(MaxPictureBytes));
    file.close();
    Choose(path);
    EXPECT_TRUE(messages.entries.isEmpty());
    EXPECT_EQ(dialog.ChosenPicture(), path);
}

// The picture-file dialog offers every format Qt reads and previews the
// file under the cursor; cancelling it changes nothing.
TEST_F(FrmAddtxTest, PictureDialogPreviewsEveryReadableFormat)
{
    QImage image(30, 20, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    const QString png = QDir(database.folder()).filePath(QStringLiteral("p.png"));
    ASSERT_TRUE(image.save(png, "PNG"));
    QStringList filters;
    bool previewed = false;
    QTimer::singleShot(0, [&] {
        auto* fileDialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!fileDialog)
            return;
        filters = fileDialog->nameFilters();
        fileDialog->setDirectory(database.folder());
        fileDialog->selectFile(png);
        emit fileDialog->currentChanged(png);
        auto* preview = fileDialog->findChild<QLabel*>(QStringLiteral("OpenPictureDialogPreview"));
        previewed = preview && !preview->pixmap().isNull();
        fileDialog->grab().save(ArtefactPath(QStringLiteral("OpenPictureDialog.png")));
        fileDialog->reject();
    });

    dialog.SpeedButton1Click();

    ASSERT_FALSE(filters.isEmpty());
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        EXPECT_TRUE(filters[0].contains(QStringLiteral("*.") + QString::fromLatin1(format)))
            << format.constData();
    EXPECT_TRUE(previewed);
    EXPECT_EQ(dialog.ChosenPicture(), "");
    EXPECT_EQ(dialog.Edit4()->text(), "");
}

TEST_F(FrmAddtxTest, CancelledChoiceChangesNothing)
{
    const QString before = WriteJpeg(QStringLiteral("before.jpg"), Qt::green);
    Choose(before);
    Choose(QString());
    EXPECT_EQ(dialog.ChosenPicture(), before);
    EXPECT_EQ(dialog.Edit4()->text(), QDir::toNativeSeparators(before));
    EXPECT_TRUE(messages.entries.isEmpty());
}

// A save that fails midway leaves nothing, is reported as an error, keeps
// the boxes, and the person can be saved once the fault is gone.
TEST_F(FrmAddtxTest, FailedSaveLeavesNothingAndCanBeRepeated)
{
    database.Execute(QStringLiteral(
        "create trigger fail_midway after insert on tbl_glbirthday"
        " when (select count(*) from tbl_glbirthday) >= 3"
        " begin select raise(abort, 'disk full'); end"));
    Enter(QStringLiteral("张三"), QStringLiteral("1985-08-08"));

    EXPECT_THROW(dialog.BitBtn1Click(), TStoreError);
    EXPECT_TRUE(messages.entries.isEmpty());
    EXPECT_TRUE(refreshes.isEmpty());
    EXPECT_TRUE(database.Persons().empty());
    EXPECT_TRUE(database.Occurrences().empty());
    EXPECT_EQ(dialog.Edit1()->text(), "张三");
    EXPECT_EQ(dialog.Edit2()->text(), "1985-08-08");

    database.Execute(QStringLiteral("drop trigger fail_midway"));
    dialog.BitBtn1Click();
    EXPECT_EQ(messages.Texts(), QStringList{"农历生日信息添加完毕"});
    EXPECT_EQ(database.Persons().size(), 1u);
}

// Pressed on the window, a failing save ends in the general error report.
TEST_F(FrmAddtxTest, FailedSaveGoesToTheGeneralErrorReport)
{
    database.Execute(QStringLiteral(
        "create trigger fail_at_once after insert on tbl_nlbirthday"
        " begin select raise(abort, 'disk full'); end"));
    Enter(QStringLiteral("张三"), QStringLiteral("1985-08-08"));

    dialog.BitBtn1()->click();

    ASSERT_EQ(messages.entries.size(), 1);
    EXPECT_EQ(messages.entries[0].caption, ApplicationTitle());
    EXPECT_EQ(messages.entries[0].icon, MsgIcon::Critical);
    EXPECT_TRUE(messages.entries[0].text.contains(QStringLiteral("disk full")))
        << messages.entries[0].text.toStdString();
    EXPECT_TRUE(database.Persons().empty());
    EXPECT_TRUE(refreshes.isEmpty());
}

TEST_F(FrmAddtxTest, ExitEndsWithCancel)
{
    dialog.show();
    dialog.BitBtn2()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

} // namespace
} // namespace qh

// The birthday lists: three grids and the picture box over a real
// register, driven by mouse and keyboard as the user drives them.

#include "ADOQuery.h"
#include "Clock.h"
#include "GridTitleHeader.h"
#include "LockHolder.h"
#include "MessageText.h"
#include "SnapshotModel.h"
#include "StartedRegister.h"
#include "UBirthdayLists.h"
#include "UDBGridEh.h"
#include "UGlobal.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

namespace qh {
namespace {

using namespace std::chrono_literals;
using test::Described;

QString ErrorReport(const QString& text)
{
    return Described(text, ApplicationTitle(), MsgIcon::Critical);
}

const QString DeleteQuestion =
    Described(QStringLiteral("确定要删除此记录吗？"), QStringLiteral("系统提示"), MsgIcon::Question, MsgButtons::YesNo);
const QString DeleteDone = Described(QStringLiteral("删除数据完毕"), QStringLiteral("青禾农历生日查询软件V1.0"), MsgIcon::None);

// The main window's lower half, as far as the lists need it.
struct TListsWindow {
    TListsWindow()
    {
        Window.resize(927, 593);
        DBGridEh2->setGeometry(0, 304, 299, 177);
        DBGridEh1->setGeometry(296, 304, 299, 177);
        DBGridEh3->setGeometry(592, 304, 320, 177);
        Image3->setGeometry(692, 128, 201, 136);
        DBGridEh2->setObjectName(QStringLiteral("DBGridEh2"));
        Window.show();
    }
    QWidget Window;
    TDBGridEh* DBGridEh2 = new TDBGridEh(&Window);
    TDBGridEh* DBGridEh1 = new TDBGridEh(&Window);
    TDBGridEh* DBGridEh3 = new TDBGridEh(&Window);
    QLabel* Image3 = new QLabel(&Window);
    TBirthdayLists Lists{DBGridEh2, DBGridEh1, DBGridEh3, Image3};
};

// The texts a grid shows in the column of `field`, top to bottom.
QStringList Shown(TDBGridEh* grid, const QString& field)
{
    const auto& columns = grid->Columns();
    int column = -1;
    for (int i = 0; i < columns.size(); ++i)
        if (columns[i].FieldName.compare(field, Qt::CaseInsensitive) == 0)
            column = i;
    QStringList texts;
    for (int row = 0; row < grid->model()->rowCount(); ++row)
        texts.append(grid->model()->index(row, column).data().toString());
    return texts;
}

QPoint CellCentre(TDBGridEh* grid, int row, int column = 1)
{
    return grid->visualRect(grid->model()->index(row, column)).center();
}

void ClickRow(TDBGridEh* grid, int row, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseClick(grid->viewport(), button, {}, CellCentre(grid, row));
}

void ClickTitle(TDBGridEh* grid, int column, Qt::KeyboardModifiers modifiers = {})
{
    QHeaderView* header = grid->horizontalHeader();
    const QPoint at(header->sectionViewportPosition(column) + header->sectionSize(column) / 2, header->height() / 2);
    QTest::mouseClick(header->viewport(), Qt::LeftButton, modifiers, at);
}

QString Markers(TDBGridEh* grid)
{
    QString markers;
    for (const TColumnEh& column : grid->Columns())
        markers += column.SortMarker == TSortMarker::None ? u'-' : column.SortMarker == TSortMarker::Up ? u'^' : u'v';
    return markers;
}

class Lists : public test::StartedRegister {
protected:
    void SetUp() override
    {
        StartedRegister::SetUp();
        // The persons in the order they were registered; this year's list
        // (2026) starts with 李四, not with the persons list's first row.
        Register.AddPerson(QStringLiteral("张三"), QStringLiteral("1980-1-15"));
        Register.AddPerson(QStringLiteral("李四"), QStringLiteral("1985-8-08"), test::PictureBytes("PNG"));
        Register.AddPerson(QStringLiteral("王五"), QStringLiteral("1990-3-03"), test::PictureBytes("JPG"));
        Register.AddPerson(QStringLiteral("赵六"), QStringLiteral("1975-12-01"));
        AddBirthdays(QStringLiteral("李四"), {{"2027-08-25 ", 42}, {"2026-09-04 ", 41}, {"2025-09-15 ", 40}});
        AddBirthdays(QStringLiteral("张三"), {{"2027-02-21 ", 47}, {"2026-02-12 ", 46}, {"2025-02-24 ", 45}});
        AddBirthdays(QStringLiteral("王五"), {{"2027-04-09 ", 37}});
        AddBirthdays(QStringLiteral("赵六"), {{"2026-05-01 ", 51}, {"2025-05-12 ", 50}});
    }

    void AddBirthdays(const QString& name, std::initializer_list<std::pair<const char*, int>> latestFirst)
    {
        for (const auto& [date, age] : latestFirst)
            Register.AddBirthday(name, QString::fromLatin1(date), age, QString::fromLatin1(date).left(4).toInt(),
                                 QStringLiteral("星期二"));
    }

    PinnedToday Today{{2026, 6, 15}};
    TListsWindow W;
};

TEST_F(Lists, GridsHaveTheirColumnsAndAreReadOnly)
{
    struct Expected {
        TDBGridEh* grid;
        QStringList fields, titles;
        QList<int> widths;
        QColor colour;
    };
    const Expected expected[] = {
        {W.DBGridEh2, {"KeyID", "Buser", "BNbirthday"}, {"序号", "姓名", "农历生日"}, {0, 100, 180}, QColor(0, 0, 255)},
        {W.DBGridEh1, {"KeyID", "Buser", "BGbirthday"}, {"序号", "姓名", "公历生日"}, {0, 100, 180}, QColor(255, 0, 0)},
        {W.DBGridEh3, {"KeyID", "Buser", "NL", "BGbirthday", "xq"}, {"序号", "姓名", "年龄", "公历生日", " "},
         {0, 70, 40, 110, 80}, QColor(0, 128, 0)},
    };
    W.Lists.FormShow();
    for (const Expected& e : expected) {
        const auto& columns = e.grid->Columns();
        ASSERT_EQ(columns.size(), e.fields.size());
        for (int i = 0; i < columns.size(); ++i) {
            SCOPED_TRACE(e.fields[i].toStdString());
            EXPECT_EQ(columns[i].FieldName, e.fields[i]);
            EXPECT_EQ(columns[i].Title, e.titles[i]);
            EXPECT_EQ(columns[i].Width, e.widths[i]);
            EXPECT_EQ(e.grid->isColumnHidden(i), i == 0);
            EXPECT_EQ(columns[i].TitleButton, i != 0);
            if (i > 0) {
                EXPECT_EQ(e.grid->columnWidth(i), e.widths[i]);
                const bool centred = e.fields[i] == "Buser" || e.fields[i].endsWith("birthday");
                EXPECT_EQ(columns[i].TitleAlignment, centred ? Qt::AlignHCenter : Qt::AlignLeft);
                const QModelIndex cell = e.grid->model()->index(0, i);
                EXPECT_EQ(cell.data(Qt::ForegroundRole).value<QColor>(), e.colour);
                EXPECT_FALSE(cell.flags().testFlag(Qt::ItemIsEditable));
            }
        }
        EXPECT_EQ(e.grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    }
    EXPECT_EQ(W.DBGridEh2->toolTip(), QStringLiteral("右键删除明细"));
    EXPECT_EQ(W.DBGridEh2->model()->index(0, 1).data(Qt::ToolTipRole).toString(), QStringLiteral("右键删除明细"));
    EXPECT_EQ(W.DBGridEh2->PopupMenu(), W.Lists.PopupMenu3);
    ASSERT_EQ(W.Lists.PopupMenu3->actions().size(), 1);
    EXPECT_EQ(W.Lists.N6->text(), QStringLiteral("删除"));
    EXPECT_EQ(W.DBGridEh1->PopupMenu(), nullptr);
}

TEST_F(Lists, AfterStartupThePersonShownIsThisYearsFirst)
{
    W.Lists.FormShow();
    EXPECT_TRUE(Messages.entries.isEmpty());
    EXPECT_EQ(Shown(W.DBGridEh2, "Buser"), (QStringList{"张三", "李四", "王五", "赵六"}));
    EXPECT_EQ(Shown(W.DBGridEh2, "BNbirthday"), (QStringList{"1980-1-15", "1985-8-08", "1990-3-03", "1975-12-01"}));
    EXPECT_EQ(Shown(W.DBGridEh1, "Buser"), (QStringList{"李四", "张三", "赵六"}));
    EXPECT_EQ(Shown(W.DBGridEh1, "BGbirthday"), (QStringList{"2026-09-04 ", "2026-02-12 ", "2026-05-01 "}));
    EXPECT_EQ(Shown(W.DBGridEh3, "Buser"), (QStringList{"李四", "李四", "李四"}));
    EXPECT_EQ(Shown(W.DBGridEh3, "BGbirthday"), (QStringList{"2025-09-15 ", "2026-09-04 ", "2027-08-25 "}));
    EXPECT_EQ(Shown(W.DBGridEh3, "NL"), (QStringList{"40", "41", "42"}));
    EXPECT_EQ(Shown(W.DBGridEh3, "xq"), (QStringList{"星期二", "星期二", "星期二"}));
    ASSERT_FALSE(W.Image3->pixmap().isNull());
    EXPECT_EQ(W.Image3->pixmap().toImage().pixelColor(5, 5), QColor(Qt::red));
    EXPECT_TRUE(W.Image3->hasScaledContents());
}

TEST_F(Lists, EmptyRegisterShowsEmptyListsWithoutError)
{
    Register.Exec(QStringLiteral("delete from tbl_nlbirthday"));
    Register.Exec(QStringLiteral("delete from tbl_glbirthday"));
    W.Lists.FormShow();
    EXPECT_TRUE(Messages.entries.isEmpty());
    for (TDBGridEh* grid : {W.DBGridEh1, W.DBGridEh2, W.DBGridEh3})
        EXPECT_EQ(grid->model()->rowCount(), 0);
    EXPECT_TRUE(W.Image3->pixmap().isNull());
}

TEST_F(Lists, ClickingAPersonShowsTheirBirthdaysAndPictureWithoutReReadingThePersons)
{
    W.Lists.FormShow();
    Register.AddPerson(QStringLiteral("新人"), QStringLiteral("2000-1-01"));

    ClickRow(W.DBGridEh2, 2); // 王五: no birthday this year, only shown by clicking
    EXPECT_EQ(Shown(W.DBGridEh3, "Buser"), QStringList{"王五"});
    EXPECT_EQ(Shown(W.DBGridEh3, "BGbirthday"), QStringList{"2027-04-09 "});
    ASSERT_FALSE(W.Image3->pixmap().isNull());
    EXPECT_EQ(W.DBGridEh2->model()->rowCount(), 4);

    ClickRow(W.DBGridEh2, 0); // 张三 has no picture
    EXPECT_EQ(Shown(W.DBGridEh3, "BGbirthday"), (QStringList{"2025-02-24 ", "2026-02-12 ", "2027-02-21 "}));
    EXPECT_TRUE(W.Image3->pixmap().isNull());
    EXPECT_TRUE(Messages.entries.isEmpty());

    // The keyboard moves the current row but chooses nobody.
    W.DBGridEh2->setFocus();
    QTest::keyClick(W.DBGridEh2, Qt::Key_Down);
    EXPECT_EQ(W.Lists.query_nlbirthday->FieldAsString("Buser"), QStringLiteral("李四"));
    EXPECT_EQ(Shown(W.DBGridEh3, "Buser").value(0), QStringLiteral("张三"));
}

TEST_F(Lists, RefreshingWithoutANameReReadsThePersons)
{
    W.Lists.FormShow();
    Register.AddPerson(QStringLiteral("新人"), QStringLiteral("2000-1-01"));
    Register.AddBirthday(QStringLiteral("新人"), QStringLiteral("2026-02-07 "), 26, 2026, QStringLiteral("星期六"));
    W.Lists.ShowPersonBirthdays(QString());
    EXPECT_EQ(Shown(W.DBGridEh2, "Buser").last(), QStringLiteral("新人"));
    EXPECT_EQ(Shown(W.DBGridEh1, "Buser").last(), QStringLiteral("新人"));
    EXPECT_EQ(Shown(W.DBGridEh3, "Buser").value(0), QStringLiteral("李四"));
}

TEST_F(Lists, ShowingTheWindowAgainRerunsThisYearsList)
{
    W.Lists.FormShow();
    Register.AddBirthday(QStringLiteral("王五"), QStringLiteral("2026-03-30 "), 36, 2026, QStringLiteral("星期一"));
    W.Lists.FormShow();
    EXPECT_EQ(Shown(W.DBGridEh1, "Buser"), (QStringList{"李四", "张三", "赵六", "王五"}));
}

TEST_F(Lists, TitleClicksCycleTheSortAndItsMarkers)
{
    W.Lists.FormShow();
    struct Step {
        int column;
        bool control;
        QStringList names;
        const char* markers; // KeyID, Buser, BGbirthday
    };
    const Step steps[] = {
        {1, false, {"李四", "张三", "赵六"}, "-^-"},
        {1, false, {"赵六", "张三", "李四"}, "-v-"},
        {1, false, {"李四", "张三", "赵六"}, "-^-"},
        {2, false, {"张三", "赵六", "李四"}, "--^"},
        {1, true, {"李四", "张三", "赵六"}, "-^^"},
        {1, true, {"赵六", "张三", "李四"}, "--^"},
        {1, false, {"李四", "张三", "赵六"}, "-^-"},
        {0, false, {"李四", "张三", "赵六"}, "-^-"}, // the hidden key column has no title button
    };
    int number = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(++number);
        if (step.column == 0)
            W.DBGridEh1->TitleClick(0, {});
        else
            ClickTitle(W.DBGridEh1, step.column, step.control ? Qt::ControlModifier : Qt::NoModifier);
        EXPECT_EQ(Shown(W.DBGridEh1, "Buser"), step.names);
        EXPECT_EQ(Markers(W.DBGridEh1), QString::fromLatin1(step.markers));
    }
    EXPECT_TRUE(Messages.entries.isEmpty());
}

TEST_F(Lists, PersonsListAndPersonsBirthdaysSortToo)
{
    W.Lists.FormShow();
    ClickTitle(W.DBGridEh2, 2); // 农历生日, numbers by value
    EXPECT_EQ(Shown(W.DBGridEh2, "Buser"), (QStringList{"赵六", "张三", "李四", "王五"}));
    ClickTitle(W.DBGridEh3, 2); // 年龄
    ClickTitle(W.DBGridEh3, 2);
    EXPECT_EQ(Shown(W.DBGridEh3, "NL"), (QStringList{"42", "41", "40"}));
}

TEST_F(Lists, ClickingAPersonReturnsTheSortedListsToTheirOrderButKeepsTheMarkers)
{
    W.Lists.FormShow();
    ClickTitle(W.DBGridEh1, 1);
    ClickTitle(W.DBGridEh3, 3);
    ClickTitle(W.DBGridEh3, 3);
    EXPECT_EQ(Shown(W.DBGridEh3, "BGbirthday").value(0), QStringLiteral("2027-08-25 "));
    ClickRow(W.DBGridEh2, 1); // 李四
    EXPECT_EQ(Shown(W.DBGridEh1, "Buser"), (QStringList{"李四", "张三", "赵六"}));
    EXPECT_EQ(Shown(W.DBGridEh3, "BGbirthday"), (QStringList{"2025-09-15 ", "2026-09-04 ", "2027-08-25 "}));
    EXPECT_EQ(Markers(W.DBGridEh1), QStringLiteral("-^-"));
    EXPECT_EQ(Markers(W.DBGridEh3), QStringLiteral("---v-"));
}

TEST_F(Lists, DeleteAnsweredNoChangesNothing)
{
    W.Lists.FormShow();
    ClickRow(W.DBGridEh2, 1);
    Messages.answers = {MsgResult::No};
    W.Lists.N6Click();
    EXPECT_EQ(Described(Messages), QStringList{DeleteQuestion});
    EXPECT_EQ(Register.Count("tbl_nlbirthday"), 4);
    EXPECT_EQ(Register.Count("tbl_glbirthday"), 9);
}

TEST_F(Lists, DeleteAnsweredYesRemovesThePersonEverywhere)
{
    W.Lists.FormShow();
    ClickRow(W.DBGridEh2, 1); // 李四
    Messages.answers = {MsgResult::Yes};
    W.Lists.N6->trigger();
    EXPECT_EQ(Described(Messages), (QStringList{DeleteQuestion, DeleteDone}));
    EXPECT_EQ(Register.Count("tbl_nlbirthday", "李四"), 0);
    EXPECT_EQ(Register.Count("tbl_glbirthday", "李四"), 0);
    EXPECT_EQ(Register.Count("tbl_nlbirthday"), 3);
    EXPECT_EQ(Register.Count("tbl_glbirthday"), 6);
    EXPECT_EQ(Shown(W.DBGridEh2, "Buser"), (QStringList{"张三", "王五", "赵六"}));
    EXPECT_EQ(Shown(W.DBGridEh1, "Buser"), (QStringList{"张三", "赵六"}));
    EXPECT_EQ(Shown(W.DBGridEh3, "Buser").value(0), QStringLiteral("张三"));
    EXPECT_TRUE(W.Image3->pixmap().isNull());
}

TEST_F(Lists, RightClickMakesTheRowCurrentSoThatDeleteTakesThatPerson)
{
    W.Lists.FormShow();
    ClickRow(W.DBGridEh2, 0);
    ClickRow(W.DBGridEh2, 3, Qt::RightButton); // 赵六
    EXPECT_EQ(W.Lists.query_nlbirthday->FieldAsString("buser"), QStringLiteral("赵六"));
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, CellCentre(W.DBGridEh2, 3),
                                W.DBGridEh2->viewport()->mapToGlobal(CellCentre(W.DBGridEh2, 3)));
    QCoreApplication::sendEvent(W.DBGridEh2->viewport(), &menuEvent);
    EXPECT_TRUE(W.Lists.PopupMenu3->isVisible());
    W.Lists.PopupMenu3->hide();
    W.Lists.N6->trigger();
    EXPECT_EQ(Register.Count("tbl_nlbirthday", "赵六"), 0);
    EXPECT_EQ(Register.Count("tbl_glbirthday", "赵六"), 0);
    EXPECT_EQ(Register.Count("tbl_nlbirthday", "张三"), 1);
}

TEST_F(Lists, DeleteOnAnEmptyPersonsListAsksNothing)
{
    Register.Exec(QStringLiteral("delete from tbl_nlbirthday"));
    W.Lists.FormShow();
    W.Lists.N6Click();
    EXPECT_TRUE(Messages.entries.isEmpty());
    EXPECT_EQ(Register.Count("tbl_glbirthday"), 9);
}

TEST_F(Lists, FailedDeleteRemovesNothing)
{
    Register.Exec(QStringLiteral("create trigger refuse before delete on tbl_glbirthday "
                                 "begin select raise(abort, 'disk trouble'); end"));
    W.Lists.FormShow();
    ClickRow(W.DBGridEh2, 1); // 李四
    W.Lists.N6Click();
    ASSERT_EQ(Messages.entries.size(), 2);
    EXPECT_EQ(Described(Messages).value(0), DeleteQuestion);
    EXPECT_EQ(Messages.entries[1].caption, ApplicationTitle());
    EXPECT_TRUE(Messages.entries[1].text.contains(QStringLiteral("disk trouble"))) << Messages.entries[1].text.toStdString();
    EXPECT_EQ(Register.Count("tbl_nlbirthday", "李四"), 1);
    EXPECT_EQ(Register.Count("tbl_glbirthday", "李四"), 3);
    EXPECT_EQ(Shown(W.DBGridEh2, "Buser"), (QStringList{"张三", "李四", "王五", "赵六"}));
}

TEST_F(Lists, CtrlDeleteInAGridDeletesNothing)
{
    W.Lists.FormShow();
    W.DBGridEh2->setFocus();
    QTest::keyClick(W.DBGridEh2, Qt::Key_Delete, Qt::ControlModifier);
    QTest::keyClick(W.DBGridEh2, Qt::Key_F2);
    EXPECT_TRUE(Messages.entries.isEmpty());
    EXPECT_EQ(Register.Count("tbl_nlbirthday"), 4);
    EXPECT_TRUE(W.DBGridEh2->viewport()->findChildren<QWidget*>().isEmpty()); // no editor opened
}

TEST_F(Lists, PicturesOfEveryCommonFormatAreShown)
{
    W.Lists.FormShow();
    for (const char* format : {"PNG", "JPG", "BMP", "GIF"}) {
        SCOPED_TRACE(format);
        const QString name = QStringLiteral("图片") + QString::fromLatin1(format);
        Register.AddPerson(name, QStringLiteral("2000-1-01"), test::PictureBytes(format, QSize(40, 30), Qt::blue));
        W.Image3->clear();
        W.Lists.ShowPersonBirthdays(name);
        ASSERT_FALSE(W.Image3->pixmap().isNull());
        // JPEG is lossy: near enough is right.
        const QColor colour = W.Image3->pixmap().toImage().pixelColor(2, 2);
        const QColor expected = qstrcmp(format, "GIF") == 0 ? QColor(0, 255, 0) : QColor(0, 0, 255);
        EXPECT_LE(std::abs(colour.red() - expected.red()) + std::abs(colour.green() - expected.green())
                      + std::abs(colour.blue() - expected.blue()),
                  12)
            << colour.name().toStdString();
    }
}

TEST_F(Lists, AHugePictureIsKeptSmall)
{
    Register.AddPerson(QStringLiteral("大图"), QStringLiteral("2000-1-01"), test::PictureBytes("PNG", QSize(4000, 3000)));
    W.Lists.FormShow();
    W.Lists.ShowPersonBirthdays(QStringLiteral("大图"));
    ASSERT_FALSE(W.Image3->pixmap().isNull());
    EXPECT_LE(W.Image3->pixmap().width(), 2 * W.Image3->width());
}

TEST_F(Lists, PictureNothingDecodesIsReportedAfterTheListsAndKeepsTheOldPicture)
{
    Register.AddPerson(QStringLiteral("坏图"), QStringLiteral("2000-1-01"), QByteArray("\xFF\xD8\xFF\xE0 not really a JPEG", 24));
    Register.AddBirthday(QStringLiteral("坏图"), QStringLiteral("2027-01-01 "), 27, 2027, QStringLiteral("星期五"));
    W.Lists.FormShow();
    const qint64 before = W.Image3->pixmap().cacheKey();
    ASSERT_FALSE(W.Image3->pixmap().isNull());
    try {
        W.Lists.ShowPersonBirthdays(QStringLiteral("坏图"));
        ADD_FAILURE() << "no error for a broken picture";
    } catch (const TStoreError& error) {
        EXPECT_TRUE(error.Text().contains(QStringLiteral("无法显示“坏图”的图片"))) << error.what();
    }
    EXPECT_EQ(Shown(W.DBGridEh3, "Buser"), QStringList{"坏图"});
    EXPECT_EQ(W.Image3->pixmap().cacheKey(), before);

    ClickRow(W.DBGridEh2, 4); // the same through a click: the general error report
    ASSERT_EQ(Messages.entries.size(), 1);
    EXPECT_EQ(Messages.entries[0].caption, ApplicationTitle());
    EXPECT_EQ(Messages.entries[0].icon, MsgIcon::Critical);
}

TEST_F(Lists, FindMovesToTheRowShowingTheText)
{
    W.Lists.FormShow();
    EXPECT_TRUE(W.DBGridEh2->Find(QStringLiteral("王")));
    EXPECT_EQ(W.Lists.query_nlbirthday->FieldAsString("buser"), QStringLiteral("王五"));
    EXPECT_TRUE(W.DBGridEh2->Find(QStringLiteral("1985-8")));
    EXPECT_EQ(W.Lists.query_nlbirthday->FieldAsString("buser"), QStringLiteral("李四"));
    EXPECT_FALSE(W.DBGridEh2->Find(QStringLiteral("钱七")));
    EXPECT_EQ(W.Lists.query_nlbirthday->FieldAsString("buser"), QStringLiteral("李四"));

    W.DBGridEh2->setFocus();
    QTest::keyClick(W.DBGridEh2, Qt::Key_F, Qt::ControlModifier);
    ASSERT_TRUE(W.DBGridEh2->FindBox()->isVisible());
    QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("赵"));
    QCoreApplication::sendEvent(W.DBGridEh2->FindBox(), &typed);
    EXPECT_EQ(W.Lists.query_nlbirthday->FieldAsString("buser"), QStringLiteral("赵六"));
    QTest::keyClick(W.DBGridEh2->FindBox(), Qt::Key_Escape);
    EXPECT_FALSE(W.DBGridEh2->FindBox()->isVisible());
    EXPECT_TRUE(Messages.entries.isEmpty());
}

TEST_F(Lists, DeleteWaitsForAnotherCopyThatIsWriting)
{
    W.Lists.FormShow();
    ClickRow(W.DBGridEh2, 1);
    {
        test::TLockHolder other(Register.DatabasePath(), 300ms);
        W.Lists.N6Click();
    }
    EXPECT_EQ(Described(Messages), (QStringList{DeleteQuestion, DeleteDone}));
    EXPECT_EQ(Register.Count("tbl_nlbirthday", "李四"), 0);
}

TEST(ListsAfterFailedStartup, FirstShowFailsThroughTheGeneralErrorReport)
{
    test::TRegisterFile reg(false);
    RecordedMessages messages;
    TFrmDM dm(reg.Folder());
    EXPECT_THROW(dm.DataModuleCreate(), TStoreError);
    TListsWindow w;
    w.Lists.FormShow();
    EXPECT_EQ(Described(messages),
              (QStringList{test::StartupFailureMessage(),
                           ErrorReport(QStringLiteral("没有连接到数据库文件 qh.dll，无法读写生日数据。"))}));
}

TEST(ListsWithABusyRegister, GiveUpWithAClearMessageAndDeleteNothing)
{
    test::TRegisterFile reg;
    reg.AddPerson(QStringLiteral("李四"), QStringLiteral("1985-8-08"));
    reg.AddBirthday(QStringLiteral("李四"), QStringLiteral("2026-09-04 "), 41, 2026, QStringLiteral("星期五"));
    RecordedMessages messages;
    TFrmDM dm(reg.Folder());
    dm.SetBusyTimeout(100);
    dm.DataModuleCreate();
    PinnedToday today({2026, 6, 15});
    TListsWindow w;
    w.Lists.FormShow();
    {
        test::TLockHolder other(reg.DatabasePath(), 800ms);
        w.Lists.N6Click();
    }
    ASSERT_EQ(messages.entries.size(), 2);
    EXPECT_TRUE(messages.entries[1].text.contains(QStringLiteral("正被另一个程序使用"))) << messages.entries[1].text.toStdString();
    EXPECT_EQ(reg.Count("tbl_nlbirthday"), 1);
    EXPECT_EQ(reg.Count("tbl_glbirthday"), 1);
}

} // namespace
} // namespace qh

// The main window at start-up, its layout, and its commands in the window
// and in the tray menu.

#include "Clock.h"
#include "Messages.h"
#include "DbSchema.h"
#include "Startup.h"
#include "Un_FrmAddtx.h"
#include "Un_FrmMainT.h"
#include "USpinEdit.h"
#include "TestRegister.h"
#include "UDBGridEh.h"
#include "WidgetTesting.h"

#include <QAction>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

namespace qh {
namespace {

class MainWindowTest : public ::testing::Test {
protected:
    template <class T>
    T* Find(const char* name)
    {
        T* child = window->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(child, nullptr) << name;
        return child;
    }

    TSpinEdit* Spin(int n) { return Find<TSpinEdit>(QStringLiteral("SpinEdit%1").arg(n).toLatin1()); }
    QLineEdit* Edit(int n) { return Find<QLineEdit>(QStringLiteral("Edit%1").arg(n).toLatin1()); }

    PinnedToday today{{2024, 5, 1}};
    RecordedMessages messages;
    testing::TTestRegister register_;
    std::unique_ptr<TFrmMainT> window = std::make_unique<TFrmMainT>();
};

TEST_F(MainWindowTest, StartsWithTodayInTheGregorianBoxesAndEverythingElseAsStored)
{
    EXPECT_EQ(Spin(1)->Value(), 2024);
    EXPECT_EQ(Spin(2)->Value(), 5);
    EXPECT_EQ(Spin(3)->Value(), 1);
    EXPECT_EQ(window->TransDate1().Date(), EncodeDate(2024, 5, 1));
    EXPECT_EQ(Spin(4)->Value(), 2011);
    EXPECT_EQ(Spin(5)->Value(), 1);
    EXPECT_EQ(Spin(6)->Value(), 1);
    // The lunar converter holds its stored day until the first lunar step.
    const TLunarDate& held = window->TransDate2().LunarDate();
    EXPECT_EQ(held.lYear(), 2010);
    EXPECT_EQ(held.lMonth(), 12);
    EXPECT_EQ(held.lDay(), 9);
    EXPECT_FALSE(held.FlagLeapMonth());
    EXPECT_EQ(window->TransDate2().Date(), 40555);
    for (int n = 1; n <= 14; ++n)
        EXPECT_TRUE(Edit(n)->text().isEmpty()) << "Edit" << n;
    EXPECT_FALSE(Find<QCheckBox>("CheckBox1")->isChecked());
    EXPECT_FALSE(Find<QCheckBox>("CheckBox2")->isChecked());
    EXPECT_EQ(Find<QCheckBox>("CheckBox2")->text(), QStringLiteral("干支历以农历年月为基准"));
    EXPECT_EQ(window->MainFormatSettings().Locale.language(), QLocale::Chinese);
}

TEST(MainWindowStartUp, CreatingTheWindowTouchesNoDatabase)
{
    RecordedMessages messages;
    TFrmMainT window;
    EXPECT_TRUE(QSqlDatabase::connectionNames().isEmpty());
    EXPECT_TRUE(messages.entries.isEmpty());
}

TEST_F(MainWindowTest, ShowingTheWindowReadsTheLists)
{
    register_.Exec(QStringLiteral("insert into tbl_nlbirthday (Buser, BNbirthday) values ('张三', '1990-1-05')"));
    register_.Exec(QStringLiteral("insert into tbl_glbirthday (Buser, BGbirthday, NL, NF, XQ) "
                                  "values ('张三', '2024-02-14 ', 34, 2024, '星期三')"));
    window->show();
    EXPECT_TRUE(messages.entries.isEmpty()) << messages.Texts().join('\n').toStdString();
    EXPECT_EQ(Find<TDBGridEh>("DBGridEh2")->model()->rowCount(), 1);
    EXPECT_EQ(Find<TDBGridEh>("DBGridEh1")->model()->rowCount(), 1);
    EXPECT_EQ(Find<TDBGridEh>("DBGridEh3")->model()->rowCount(), 1);
}

TEST_F(MainWindowTest, CarriesTheApplicationTitle)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("青禾农历生日查询软件V1.0"));
    EXPECT_EQ(Find<QLabel>("Label1")->text(), QStringLiteral("青禾农历生日查询软件V1.0"));
}

TEST_F(MainWindowTest, LaysOutTheFrameAndTheClientPanel)
{
    window->show();
    EXPECT_EQ(window->size(), QSize(927, 593));
    EXPECT_EQ(window->panTop()->geometry(), QRect(0, 0, 927, 47));
    EXPECT_EQ(window->imaTopL()->geometry(), QRect(0, 0, 125, 47));
    EXPECT_EQ(window->imaTopC()->geometry(), QRect(125, 0, 572, 47));
    EXPECT_EQ(window->imaTopR()->geometry(), QRect(697, 0, 230, 47));
    EXPECT_EQ(window->Panel2()->geometry(), QRect(0, 571, 927, 22));
    EXPECT_EQ(window->Panel3()->geometry(), QRect(0, 47, 927, 524));
    EXPECT_EQ(window->Image8()->geometry().x(), 921);
    EXPECT_EQ(window->panClient()->size(), QSize(915, 524));
    EXPECT_EQ(window->BtnClose()->pos(), QPoint(927 - 24, 9));

    const struct {
        const char* name;
        QRect geometry;
    } places[] = {
        {"Panel4", {0, 0, 915, 66}},       {"Image1", {0, 66, 915, 458}},
        {"Panel1", {8, 65, 899, 3}},       {"Panel5", {0, 68, 916, 41}},
        {"GroupBox1", {0, 109, 334, 171}}, {"GroupBox2", {334, 109, 334, 171}},
        {"GroupBox3", {668, 109, 248, 171}}, {"GroupBox4", {24, 19, 201, 136}},
        {"Panel6", {1, 279, 916, 24}},     {"SpeedButton2", {648, 493, 113, 26}},
        {"SpeedButton4", {792, 493, 113, 26}},
        {"DBGridEh2", {0, 304, 299, 177}},  {"DBGridEh1", {296, 304, 299, 177}},
        {"DBGridEh3", {592, 304, 320, 177}},
    };
    for (const auto& place : places)
        EXPECT_EQ(Find<QWidget>(place.name)->geometry(), place.geometry) << place.name;
    EXPECT_EQ(Find<QLabel>("Image3")->geometry(), QRect(0, 0, 201, 136));
    EXPECT_EQ(Spin(1)->width(), 57);
    EXPECT_EQ(Spin(2)->width(), 39);
    EXPECT_EQ(Spin(6)->width(), 39);
    EXPECT_EQ(Edit(1)->width(), 136);
    EXPECT_EQ(Edit(7)->width(), 136);
    EXPECT_EQ(Edit(4)->width(), 46);
    EXPECT_EQ(Find<QToolButton>("SpeedButton2")->text(), QStringLiteral("管理生日数据"));
    EXPECT_EQ(Find<QToolButton>("SpeedButton4")->text(), QStringLiteral("退出系统"));
    EXPECT_EQ(Find<QGroupBox>("GroupBox1")->title(), QStringLiteral("公历 -> 农历、干支历"));
    EXPECT_EQ(Find<QGroupBox>("GroupBox2")->title(), QStringLiteral("农历 -> 公历、干支历"));
    EXPECT_EQ(Find<QGroupBox>("GroupBox3")->title(), QStringLiteral("图片显示"));
    EXPECT_EQ(window->font().family(), QStringLiteral("Noto Serif CJK SC"));
    EXPECT_EQ(window->font().pixelSize(), 13);
    EXPECT_EQ(Edit(1)->palette().color(QPalette::Text), QColor(128, 0, 0));
}

TEST_F(MainWindowTest, TheBackgroundFollowsAMaximisedWindow)
{
    window->show();
    window->resize(1200, 800);
    QApplication::processEvents();
    EXPECT_EQ(Find<QWidget>("Panel4")->width(), window->panClient()->width());
    EXPECT_EQ(Find<QWidget>("Image1")->geometry(),
              QRect(0, 66, window->panClient()->width(), window->panClient()->height() - 66));
    EXPECT_EQ(Find<QWidget>("SpeedButton4")->pos(), QPoint(792, 493));
}

TEST_F(MainWindowTest, TheTrayMenuReadsShowManageExit)
{
    QStringList captions;
    for (QAction* action : window->PopupMenu1()->actions())
        captions.append(action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(captions, (QStringList{QStringLiteral("显示主窗口"), QStringLiteral("-"),
                                     QStringLiteral("管理生日数据"), QStringLiteral("-"),
                                     QStringLiteral("退出系统")}));
}

TEST_F(MainWindowTest, ShowMainWindowBringsBackAHiddenWindow)
{
    window->SetTrayProbe([] { return true; });
    window->show();
    window->HideToTray();
    ASSERT_FALSE(window->isVisible());
    window->N1221()->trigger();
    EXPECT_TRUE(window->isVisible());
    // On a visible window it changes nothing but the stacking.
    window->N1221()->trigger();
    EXPECT_TRUE(window->isVisible());
}

// Ends a message loop that nothing else ended within five seconds, with
// status 99; gone with the scope, so that it cannot reach a later test.
class Deadline {
public:
    Deadline()
    {
        FTimer.setSingleShot(true);
        QObject::connect(&FTimer, &QTimer::timeout, [] {
            if (QWidget* modal = QApplication::activeModalWidget())
                modal->close();
            QCoreApplication::exit(99);
        });
        FTimer.start(5000);
    }

private:
    QTimer FTimer;
};

// Runs the message loop until the program ends or five seconds pass.
int RunUntilTheProgramEnds(const std::function<void()>& command)
{
    QTimer::singleShot(0, command);
    const Deadline deadline;
    return QCoreApplication::exec();
}

TEST_F(MainWindowTest, ExitInTheTrayMenuEndsTheProgramAlsoFromTheTray)
{
    window->SetTrayProbe([] { return true; });
    window->show();
    window->HideToTray();
    EXPECT_EQ(RunUntilTheProgramEnds([this] { window->N4()->trigger(); }), 0);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindowTest, ExitOnTheWindowEndsTheProgram)
{
    window->show();
    QToolButton* exit = Find<QToolButton>("SpeedButton4");
    EXPECT_EQ(RunUntilTheProgramEnds([exit] { QTest::mouseClick(exit, Qt::LeftButton); }), 0);
}

// What the add-birthday dialog looked like when it opened, read while it
// is open; then it is closed.
struct DialogSeen {
    bool opened = false;
    QString name, birthday, years;
};

DialogSeen OpenAndCloseDialog(const std::function<void()>& command)
{
    DialogSeen seen;
    QTimer::singleShot(0, [&seen] {
        auto* dialog = qobject_cast<TFrmAddtx*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen.opened = true;
        seen.name = dialog->Edit1()->text();
        seen.birthday = dialog->Edit2()->text();
        seen.years = dialog->Edit3()->text();
        dialog->Edit1()->setText(QStringLiteral("typed, not saved"));
        dialog->reject();
    });
    const Deadline deadline;
    command();
    return seen;
}

TEST_F(MainWindowTest, ManageBirthdaysOpensAFreshDialogFromTheButtonAndTheTrayMenu)
{
    window->SetTrayProbe([] { return true; });
    window->show();
    QToolButton* button = Find<QToolButton>("SpeedButton2");
    const std::function<void()> commands[] = {
        [button] { QTest::mouseClick(button, Qt::LeftButton); },
        [this] { window->N2()->trigger(); },
        [this] { window->HideToTray(); window->N2()->trigger(); },
    };
    for (const auto& command : commands) {
        const DialogSeen seen = OpenAndCloseDialog(command);
        EXPECT_TRUE(seen.opened);
        EXPECT_EQ(seen.name, QString());
        EXPECT_EQ(seen.birthday, QString());
        EXPECT_EQ(seen.years, QStringLiteral("10"));
    }
    EXPECT_TRUE(messages.entries.isEmpty()) << messages.Texts().join('\n').toStdString();
}

TEST_F(MainWindowTest, TheCloseCaptionButtonOnlyHidesTheWindow)
{
    window->SetTrayProbe([] { return true; });
    window->show();
    window->BtnClose()->setFocus();
    QTest::mouseClick(window->BtnClose(), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    ASSERT_NE(window->TrayIcon(), nullptr);
    EXPECT_TRUE(window->TrayIcon()->isVisible());
}

// ---- The program's run ----------------------------------------------------

TEST(ProgramRun, EndsWithStatusZeroThroughExit)
{
    RecordedMessages messages;
    QTemporaryDir folder;
    ASSERT_TRUE(CreateDatabaseFile(folder.filePath(QStringLiteral("qh.dll"))));
    QTimer::singleShot(0, [] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* window = qobject_cast<TFrmMainT*>(widget)) {
                EXPECT_TRUE(window->isVisible());
                EXPECT_EQ(window->windowTitle(), QGuiApplication::applicationDisplayName());
                window->N4()->trigger();
            }
        }
    });
    const Deadline deadline;
    EXPECT_EQ(RunProgram(folder.path()), 0);
    EXPECT_TRUE(messages.entries.isEmpty()) << messages.Texts().join('\n').toStdString();
    EXPECT_TRUE(QSqlDatabase::connectionNames().isEmpty()) << "the connection went with the data module";
}

TEST(ProgramRun, WithoutARegisterReportsAndEndsWithStatusOne)
{
    RecordedMessages messages;
    QTemporaryDir folder;
    // Were the message loop entered, only this would end it.
    const Deadline deadline;
    EXPECT_EQ(RunProgram(folder.path()), 1);
    ASSERT_FALSE(messages.entries.isEmpty());
    EXPECT_TRUE(messages.entries[0].text.startsWith(QStringLiteral("系统启动失败")));
}

} // namespace
} // namespace qh

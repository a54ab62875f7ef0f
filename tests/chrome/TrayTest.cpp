#include <QAction>
#include <QMenu>
#include <QCloseEvent>
#include <QPointer>
#include <QSpontaneKeyEvent>
#include <QTest>
#include <QWindow>
#include <gtest/gtest.h>

#include "UFrmShell.h"

using namespace qh;

namespace {

// The offscreen platform has no notification area: the fixture says
// whether the frame is to believe there is one.
struct TrayFixture : ::testing::Test {
    TFrmShell frame;

    void SetUp() override
    {
        frame.SetTrayProbe([] { return true; });
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    }

    void Click(TSkinButton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, 6)); }

    void ExpectInTray()
    {
        EXPECT_FALSE(frame.isVisible());
        EXPECT_FALSE(frame.isMinimized());
        ASSERT_NE(frame.TrayIcon(), nullptr);
        EXPECT_TRUE(frame.TrayIcon()->isVisible());
        EXPECT_EQ(frame.TrayIcon()->toolTip(), QStringLiteral("青禾农历生日查询软件V1.0"));
        EXPECT_FALSE(frame.TrayIcon()->icon().isNull());
    }
};

} // namespace

TEST_F(TrayFixture, NoIconBeforeTheFirstHide)
{
    EXPECT_EQ(frame.TrayIcon(), nullptr);
}

TEST_F(TrayFixture, CloseAndMinimiseHideTheWindowIntoTheTray)
{
    for (auto button : {&TFrmShell::BtnClose, &TFrmShell::BtnMin}) {
        frame.ShowFromTray();
        ASSERT_TRUE(frame.isVisible());
        Click((frame.*button)());
        ExpectInTray();
    }
}

TEST_F(TrayFixture, WindowManagersCloseHidesButTheProgramsOwnCloseCloses)
{
    // What a window manager's close request turns into.
    QCloseEvent request;
    QSpontaneKeyEvent::setSpontaneous(&request);
    QCoreApplication::sendEvent(frame.windowHandle(), &request);
    ExpectInTray();

    frame.ShowFromTray();
    EXPECT_TRUE(frame.close());
    EXPECT_FALSE(frame.isVisible());
}

TEST_F(TrayFixture, DoubleClickOnTheIconTogglesTheWindow)
{
    Click(frame.BtnMin());
    QSystemTrayIcon* icon = frame.TrayIcon();
    frame.TrayIconActivated(QSystemTrayIcon::DoubleClick);
    EXPECT_TRUE(frame.isVisible());
    frame.TrayIconActivated(QSystemTrayIcon::DoubleClick);
    EXPECT_FALSE(frame.isVisible());
    frame.TrayIconActivated(QSystemTrayIcon::DoubleClick);
    EXPECT_TRUE(frame.isVisible());
    // A single click or a middle click does nothing.
    frame.TrayIconActivated(QSystemTrayIcon::Trigger);
    frame.TrayIconActivated(QSystemTrayIcon::MiddleClick);
    EXPECT_TRUE(frame.isVisible());

    // Hiding again uses the same icon, which stays.
    Click(frame.BtnClose());
    EXPECT_EQ(frame.TrayIcon(), icon);
    frame.TrayIconActivated(QSystemTrayIcon::DoubleClick);
    EXPECT_TRUE(frame.TrayIcon()->isVisible());
}

TEST_F(TrayFixture, RightButtonOpensTheMenuAtTheCursorShownOrHidden)
{
    Click(frame.BtnClose());
    for (bool shown : {false, true}) {
        if (shown)
            frame.ShowFromTray();
        QCursor::setPos(QPoint(120, 90));
        frame.TrayIconActivated(QSystemTrayIcon::Context);
        QMenu* menu = frame.PopupMenu1();
        EXPECT_TRUE(menu->isVisible()) << shown;
        EXPECT_EQ(menu->pos(), QPoint(120, 90)) << shown;
        EXPECT_EQ(frame.isVisible(), shown);
        menu->hide();
    }
}

TEST_F(TrayFixture, MenuHoldsItsItems)
{
    struct Item {
        QAction* action;
        const char* name;
        const char* caption;
    };
    const Item items[] = {{frame.N1221(), "N1221", "显示主窗口"},
                          {frame.N1(), "N1", nullptr},
                          {frame.N2(), "N2", "快速添加事件"},
                          {frame.N3(), "N3", nullptr},
                          {frame.N4(), "N4", "退出系统"}};
    const QList<QAction*> actions = frame.PopupMenu1()->actions();
    ASSERT_EQ(actions.size(), 5);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(actions[i], items[i].action);
        EXPECT_EQ(actions[i]->objectName(), QString::fromLatin1(items[i].name));
        EXPECT_EQ(actions[i]->isSeparator(), items[i].caption == nullptr);
        if (items[i].caption)
            EXPECT_EQ(actions[i]->text(), QString::fromUtf8(items[i].caption));
    }
}

TEST_F(TrayFixture, HelpButtonLeavesTheWindowAsItIs)
{
    Click(frame.BtnHelp());
    EXPECT_TRUE(frame.isVisible());
    EXPECT_FALSE(frame.isMinimized());
    EXPECT_EQ(frame.TrayIcon(), nullptr);
}

TEST(TrayLifetime, DestroyingTheWindowRemovesTheIcon)
{
    QPointer<QSystemTrayIcon> icon;
    {
        TFrmShell frame;
        frame.SetTrayProbe([] { return true; });
        frame.show();
        frame.HideToTray();
        icon = frame.TrayIcon();
        ASSERT_TRUE(icon && icon->isVisible());
    }
    EXPECT_TRUE(icon.isNull());
}

TEST(TrayMissing, CloseAndMinimiseGoToTheTaskBarWithoutANotificationArea)
{
    for (auto button : {&TFrmShell::BtnClose, &TFrmShell::BtnMin}) {
        TFrmShell frame;
        frame.SetTrayProbe([] { return false; });
        frame.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
        QTest::mouseClick((frame.*button)(), Qt::LeftButton, {}, QPoint(6, 6));
        EXPECT_TRUE(frame.isMinimized());
        EXPECT_TRUE(frame.isVisible());
        EXPECT_EQ(frame.TrayIcon(), nullptr);

        // Brought back from the task bar, it is whole again.
        frame.ShowFromTray();
        EXPECT_FALSE(frame.isMinimized());
        EXPECT_TRUE(frame.isVisible());
    }
}

#pragma once
// TFrmShell: the borderless main frame. Caption buttons for close, maximise
// or restore, minimise and help; closing and minimising hide the window into
// the notification area, where a double-click shows it again and the right
// button opens PopupMenu1. Where the desktop has no notification area, the
// window goes to the task bar instead, so that it can always be brought back.

#include <QSystemTrayIcon>
#include <QWidget>
#include <functional>

#include "FrameLayout.h"

class QAction;
class QMenu;
class QCloseEvent;
class QResizeEvent;
class QShowEvent;

namespace qh {

// The tip of the notification-area icon.
inline constexpr const char* TrayTip = "青禾农历生日查询软件V1.0";

class TFrmShell : public QWidget, public TFrameLayout {
    Q_OBJECT
public:
    explicit TFrmShell(QWidget* parent = nullptr);
    ~TFrmShell() override;

    // The caption buttons (null until FormCreate has run).
    TSkinButton* BtnClose() const { return FBtnClose; }
    TSkinButton* BtnMin() const { return FBtnMin; }
    TSkinButton* BtnHelp() const { return FBtnHelp; }
    TSkinButton* BtnMax() const { return FBtnMax; }

    // The tray menu and its items; the derived window binds and may rename them.
    QMenu* PopupMenu1() const { return FPopupMenu1; }
    QAction* N1221() const { return FN1221; }
    QAction* N1() const { return FN1; }
    QAction* N2() const { return FN2; }
    QAction* N3() const { return FN3; }
    QAction* N4() const { return FN4; }

    // The notification-area icon; null until the window first hides there.
    QSystemTrayIcon* TrayIcon() const { return FTrayIcon; }

    // Whether the desktop offers a notification area; asks the system unless
    // a probe was set (tests set one).
    bool TrayAvailable() const;
    void SetTrayProbe(std::function<bool()> probe) { FTrayProbe = std::move(probe); }

    // Hides the window into the notification area, or minimises it to the
    // task bar when there is none.
    void HideToTray();
    // Shows the window, raises it and gives it the focus.
    void ShowFromTray();

public slots:
    // A mouse action on the notification-area icon.
    void TrayIconActivated(QSystemTrayIcon::ActivationReason reason);

protected:
    // What the help caption button does: nothing here.
    virtual void HelpButtonClick();

    void CaptionButtonClick(TSkinButton* sender) override;

    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    // A close request from the window manager (the title bar's close, Alt+F4)
    // acts like the close caption button; the program's own close() closes.
    void closeEvent(QCloseEvent* event) override;

    void CreateCaptionButtons() override;

private:
    void CreatePopupMenu();

    TSkinButton* FBtnClose = nullptr;
    TSkinButton* FBtnMin = nullptr;
    TSkinButton* FBtnHelp = nullptr;
    TSkinButton* FBtnMax = nullptr;

    QMenu* FPopupMenu1 = nullptr;
    QAction* FN1221 = nullptr;
    QAction* FN1 = nullptr;
    QAction* FN2 = nullptr;
    QAction* FN3 = nullptr;
    QAction* FN4 = nullptr;

    QSystemTrayIcon* FTrayIcon = nullptr;
    std::function<bool()> FTrayProbe;
};

} // namespace qh

#include "UFrmShell.h"

#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QMenu>

#include "Artwork.h"

namespace qh {
namespace {

// Distances of the caption buttons' left edges from the strip's right end.
constexpr int CloseOffset = 24;
constexpr int MaxOffset = 41;
constexpr int MinOffset = 58;
constexpr int HelpOffset = 75;

} // namespace

TFrmShell::TFrmShell(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    , TFrameLayout(this)
{
    CreatePopupMenu();
}

TFrmShell::~TFrmShell()
{
    // The icon must not outlive the window it brings back.
    if (FTrayIcon)
        FTrayIcon->hide();
}

void TFrmShell::CreatePopupMenu()
{
    FPopupMenu1 = new QMenu(this);
    FPopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    auto item = [this](const char* name, const QString& caption) {
        QAction* action = caption.isEmpty() ? FPopupMenu1->addSeparator()
                                            : FPopupMenu1->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        return action;
    };
    FN1221 = item("N1221", QStringLiteral("显示主窗口"));
    FN1 = item("N1", QString());
    FN2 = item("N2", QStringLiteral("快速添加事件"));
    FN3 = item("N3", QString());
    FN4 = item("N4", QStringLiteral("退出系统"));
}

void TFrmShell::CreateCaptionButtons()
{
    FBtnClose = AddCaptionButton(sbsClose, CloseOffset);
    FBtnMin = AddCaptionButton(sbsMin, MinOffset);
    FBtnHelp = AddCaptionButton(sbsHelp, HelpOffset);
    FBtnMax = AddCaptionButton(isMaximized() ? sbsNormal : sbsMax, MaxOffset);
}

void TFrmShell::CaptionButtonClick(TSkinButton* sender)
{
    switch (sender->SkinButtonStyle()) {
    case sbsMin:
    case sbsClose:
        HideToTray();
        break;
    case sbsMax:
        showMaximized();
        break;
    case sbsNormal:
        showNormal();
        break;
    case sbsHelp:
        HelpButtonClick();
        break;
    case sbsBtn:
        break;
    }
}

void TFrmShell::HelpButtonClick() {}

bool TFrmShell::TrayAvailable() const
{
    return FTrayProbe ? FTrayProbe() : QSystemTrayIcon::isSystemTrayAvailable();
}

void TFrmShell::HideToTray()
{
    if (!TrayAvailable()) {
        // Hidden without an icon the window could never be brought back.
        showMinimized();
        return;
    }
    hide();
    if (!FTrayIcon) {
        FTrayIcon = new QSystemTrayIcon(ApplicationIcon(), this);
        FTrayIcon->setToolTip(QString::fromUtf8(TrayTip));
        connect(FTrayIcon, &QSystemTrayIcon::activated, this, &TFrmShell::TrayIconActivated);
    }
    FTrayIcon->show();
}

void TFrmShell::ShowFromTray()
{
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void TFrmShell::TrayIconActivated(QSystemTrayIcon::ActivationReason reason)
{
    switch (reason) {
    case QSystemTrayIcon::DoubleClick:
        if (isVisible())
            hide();
        else
            ShowFromTray();
        break;
    case QSystemTrayIcon::Context:
        FPopupMenu1->popup(QCursor::pos());
        break;
    default:
        break;
    }
}

void TFrmShell::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FormResize();
}

void TFrmShell::showEvent(QShowEvent* event)
{
    EnsureCreated();
    QWidget::showEvent(event);
}

void TFrmShell::closeEvent(QCloseEvent* event)
{
    if (event->spontaneous()) {
        event->ignore();
        HideToTray();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace qh

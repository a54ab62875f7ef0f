#include "UFrmMidShell.h"

namespace qh {
namespace {

constexpr int CloseOffset = 24;

} // namespace

TFrmMidShell::TFrmMidShell(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , TFrameLayout(this)
{
}

TFrmMidShell::~TFrmMidShell() = default;

void TFrmMidShell::CreateCaptionButtons()
{
    FBtnClose = AddCaptionButton(sbsClose, CloseOffset);
}

void TFrmMidShell::CaptionButtonClick(TSkinButton* sender)
{
    if (sender->SkinButtonStyle() == sbsClose)
        reject();
}

void TFrmMidShell::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    FormResize();
}

void TFrmMidShell::showEvent(QShowEvent* event)
{
    EnsureCreated();
    QDialog::showEvent(event);
}

} // namespace qh

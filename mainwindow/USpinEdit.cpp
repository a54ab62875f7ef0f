#include "USpinEdit.h"

#include "UGlobal.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QStyleOptionSpinBox>

#include <algorithm>

namespace qh {

TSpinEdit::TSpinEdit(QWidget* parent) : QSpinBox(parent)
{
    // A typed value outside the limits becomes the nearest limit when the
    // box loses the focus.
    setCorrectionMode(CorrectToNearestValue);
    FRepeatTimer.setSingleShot(true);
    connect(&FRepeatTimer, &QTimer::timeout, this, &TSpinEdit::Repeat);
}

int TSpinEdit::Value() const
{
    bool ok = false;
    const int value = lineEdit()->text().trimmed().toInt(&ok);
    return ok ? value : minimum();
}

void TSpinEdit::SetValue(int value)
{
    // setValue rewrites the text even when the value equals the last valid
    // one, so a half-typed text is replaced as well.
    setValue(std::clamp(value, minimum(), maximum()));
}

QRect TSpinEdit::ButtonRect(QStyle::SubControl button) const
{
    QStyleOptionSpinBox option;
    QSpinBox::initStyleOption(&option);
    return style()->subControlRect(QStyle::CC_SpinBox, &option, button, this);
}

QAbstractSpinBox::StepEnabled TSpinEdit::stepEnabled() const
{
    // Both buttons always work: a press at the box's limit carries into the
    // neighbouring box. Keys still stop at the limits (SetValue clamps).
    if (isReadOnly())
        return StepNone;
    return StepUpEnabled | StepDownEnabled;
}

void TSpinEdit::initStyleOption(QStyleOptionSpinBox* option) const
{
    QSpinBox::initStyleOption(option);
    if (FHeld != QStyle::SC_None && FPointerOnHeld) {
        option->activeSubControls = FHeld;
        option->state |= QStyle::State_Sunken;
    }
}

QStyle::SubControl TSpinEdit::ButtonAt(const QPoint& pos) const
{
    for (QStyle::SubControl button : {QStyle::SC_SpinBoxUp, QStyle::SC_SpinBoxDown}) {
        if (ButtonRect(button).contains(pos))
            return button;
    }
    return QStyle::SC_None;
}

void TSpinEdit::mousePressEvent(QMouseEvent* event)
{
    const QStyle::SubControl button = event->button() == Qt::LeftButton && !isReadOnly()
                                          ? ButtonAt(event->position().toPoint())
                                          : QStyle::SC_None;
    if (button == QStyle::SC_None || FHeld != QStyle::SC_None) {
        QSpinBox::mousePressEvent(event);
        return;
    }
    event->accept();
    FHeld = button;
    FPointerOnHeld = true;
    update();
    Press();
    if (FHeld != QStyle::SC_None)
        FRepeatTimer.start(FirstRepeatDelay);
}

void TSpinEdit::mouseMoveEvent(QMouseEvent* event)
{
    if (FHeld == QStyle::SC_None) {
        QSpinBox::mouseMoveEvent(event);
        return;
    }
    // Off the held button the repeat pauses; back on it, it goes on.
    const bool on = ButtonAt(event->position().toPoint()) == FHeld;
    if (on != FPointerOnHeld) {
        FPointerOnHeld = on;
        update();
    }
    event->accept();
}

void TSpinEdit::mouseReleaseEvent(QMouseEvent* event)
{
    if (FHeld == QStyle::SC_None) {
        QSpinBox::mouseReleaseEvent(event);
        return;
    }
    event->accept();
    Release();
}

void TSpinEdit::hideEvent(QHideEvent* event)
{
    Release();
    QSpinBox::hideEvent(event);
}

void TSpinEdit::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled())
        Release();
    QSpinBox::changeEvent(event);
}

void TSpinEdit::Press()
{
    const std::function<void()>& handler = FHeld == QStyle::SC_SpinBoxUp ? OnUpClick : OnDownClick;
    if (!handler)
        return;
    // A failed handler has been reported by now; a held button must not
    // repeat the failure every 100 ms.
    if (!ReportErrors(handler))
        Release();
}

void TSpinEdit::Repeat()
{
    if (FHeld == QStyle::SC_None)
        return;
    if (FPointerOnHeld)
        Press();
    if (FHeld != QStyle::SC_None)
        FRepeatTimer.start(RepeatInterval);
}

void TSpinEdit::Release()
{
    FRepeatTimer.stop();
    if (FHeld == QStyle::SC_None)
        return;
    FHeld = QStyle::SC_None;
    FPointerOnHeld = false;
    update();
}

} // namespace qh

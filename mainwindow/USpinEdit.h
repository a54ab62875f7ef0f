#pragma once
// The integer box of the converter panels: a spin box whose up and down
// buttons do not step the box themselves but run the handlers given to them,
// repeating while a button is held. The keyboard's arrow keys and the wheel
// step the box alone, within its limits.

#include <QSpinBox>
#include <QStyle>
#include <QTimer>

#include <functional>

namespace qh {

class TSpinEdit : public QSpinBox {
    Q_OBJECT
public:
    // Holding a button repeats its press: the first repeat after this delay,
    // then one every RepeatInterval, each running the whole handler.
    static constexpr int FirstRepeatDelay = 400;
    static constexpr int RepeatInterval = 100;

    explicit TSpinEdit(QWidget* parent = nullptr);

    // The integer the box's text holds (even one outside the limits that is
    // still being typed), or the minimum when the text holds none.
    int Value() const;
    // Stores the value brought within the limits. Runs no handler.
    void SetValue(int value);

    // Run by a press (and every repeat) of the up or the down button.
    std::function<void()> OnUpClick;
    std::function<void()> OnDownClick;

    // The button held down: SC_SpinBoxUp, SC_SpinBoxDown or SC_None.
    QStyle::SubControl HeldButton() const { return FHeld; }
    // Where the up or down button lies in the box's own coordinates.
    QRect ButtonRect(QStyle::SubControl button) const;

protected:
    StepEnabled stepEnabled() const override;
    void initStyleOption(QStyleOptionSpinBox* option) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QStyle::SubControl ButtonAt(const QPoint& pos) const;
    void Press();
    void Repeat();
    void Release();

    QStyle::SubControl FHeld = QStyle::SC_None;
    bool FPointerOnHeld = false;
    QTimer FRepeatTimer;
};

} // namespace qh

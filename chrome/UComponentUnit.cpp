#include "UComponentUnit.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cfenv>
#include <cmath>

#include "Artwork.h"

namespace qh {
namespace {

constexpr int CapWidth = 10;      // width of each end of a push-button face
constexpr int PictureTop = 4;     // top of a push button's picture
constexpr int PictureGap = 10;    // between a push button's picture and caption
constexpr int LeftCaptionX = 25;  // caption start of a left-justified push button
const QColor Transparent(255, 0, 255);
const QColor EnabledCaption(0, 0, 0);
const QColor DisabledCaption(128, 128, 128);

struct StyleImages {
    const char* up;
    const char* move;
    const char* down;
};

StyleImages ImagesOf(TSkinButtonStyle style)
{
    switch (style) {
    case sbsMin: return {"fbMin", "fbMinMove", "fbMinDown"};
    case sbsMax: return {"fbMax", "fbMaxMove", "fbMaxDown"};
    case sbsNormal: return {"fbNormal", "fbNormalMove", "fbNormalDown"};
    case sbsClose: return {"fbClose", "fbCloseMove", "fbCloseDown"};
    case sbsHelp: return {"fbHelp", "fbHelpMove", "fbHelpDown"};
    case sbsBtn: break;
    }
    return {"btnUp", "btnMove", "btnDown"};
}

} // namespace

int RoundHalfEven(double value)
{
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(previous);
    return static_cast<int>(rounded);
}

TSkinButton::TSkinButton(QWidget* owner)
    : QWidget(owner)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    SetSkinButtonStyle(sbsClose);
}

TSkinButton::~TSkinButton() = default;

void TSkinButton::SetSkinButtonStyle(TSkinButtonStyle style)
{
    if (style == FSkinButtonStyle)
        return;
    FSkinButtonStyle = style;
    const StyleImages images = ImagesOf(style);
    FUpBitmap = LoadSkinBitmap(QString::fromLatin1(images.up));
    FMoveBitmap = LoadSkinBitmap(QString::fromLatin1(images.move));
    FDownBitmap = LoadSkinBitmap(QString::fromLatin1(images.down));
    if (style == sbsBtn)
        resize(width(), FMoveBitmap.height());
    else
        resize(FMoveBitmap.size());
}

// Stores a changed value and redraws at once; an equal value does nothing.
template <typename T>
void TSkinButton::Assign(T& field, const T& value)
{
    if (field == value)
        return;
    field = value;
    repaint();
}

void TSkinButton::SetDownIn(bool value) { Assign(FDownIn, value); }
void TSkinButton::SetHavePicture(bool value) { Assign(FHavePicture, value); }
void TSkinButton::SetAlignment(TAlignment value) { Assign(FAlignment, value); }
void TSkinButton::SetCaption(const QString& caption) { Assign(FCaption, caption); }

void TSkinButton::SetPicture(const QPixmap& picture)
{
    FPicture = picture.copy();
}

void TSkinButton::mouseMoveEvent(QMouseEvent* event)
{
    // While the left button is held the button keeps the pointer, so a
    // movement may lie outside it: that is the pressed-and-dragged-off state.
    const bool inside = rect().contains(event->position().toPoint());
    if (inside != FMouseIn) {
        FMouseIn = inside;
        repaint();
    }
    emit OnMouseMove(this, event->buttons(), event->modifiers(), event->position().toPoint());
}

void TSkinButton::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    if (FMouseIn) {
        FMouseIn = false;
        repaint();
    }
}

void TSkinButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    FMouseIn = rect().contains(event->position().toPoint());
    FMouseDown = true;
    repaint();
}

void TSkinButton::mouseReleaseEvent(QMouseEvent* event)
{
    if (!FMouseDown || event->button() != Qt::LeftButton)
        return;
    // The click comes first, so that its handler sees the style shown while
    // the button was pressed (maximise on the click that maximises).
    if (rect().contains(event->position().toPoint()))
        PaintBoxClick();
    FMouseDown = false;
    if (FSkinButtonStyle == sbsMax)
        SetSkinButtonStyle(sbsNormal);
    else if (FSkinButtonStyle == sbsNormal)
        SetSkinButtonStyle(sbsMax);
    repaint();
}

void TSkinButton::PaintBoxClick()
{
    setFocus(Qt::MouseFocusReason);
    if (HoldsFocus())
        emit OnClick(this);
}

bool TSkinButton::HoldsFocus() const
{
    // The window's focus child, whether or not the window is active at the
    // moment (a window without a window manager may never become active).
    return window()->focusWidget() == this;
}

void TSkinButton::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange)
        update();
}

void TSkinButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (FSkinButtonStyle == sbsBtn)
        DrawPushButton(painter);
    else
        DrawCaptionStyle(painter);
}

void TSkinButton::DrawCaptionStyle(QPainter& painter) const
{
    const QRect source(QPoint(0, 0), FMoveBitmap.size());
    painter.drawPixmap(source, FMouseIn ? FMoveBitmap : FUpBitmap, source);
    if (FMouseDown && FMouseIn)
        painter.drawPixmap(source, FDownBitmap, source);
}

void TSkinButton::DrawFace(QPainter& painter, const QPixmap& face) const
{
    const int w = FMoveBitmap.width();
    const int h = FMoveBitmap.height();
    const int W = width();
    const int H = height();
    painter.drawPixmap(QRect(0, 0, CapWidth, H), face, QRect(0, 0, CapWidth, h));
    // The middle is copied column for column; a button wider than its
    // picture repeats the picture's last middle column instead of reading
    // beyond the picture.
    const int middleEnd = W - CapWidth;
    const int copiedEnd = std::min(middleEnd, w);
    if (copiedEnd > CapWidth)
        painter.drawPixmap(QRect(CapWidth, 0, copiedEnd - CapWidth, H), face,
                           QRect(CapWidth, 0, copiedEnd - CapWidth, h));
    if (middleEnd > copiedEnd)
        painter.drawPixmap(QRect(copiedEnd, 0, middleEnd - copiedEnd, H), face,
                           QRect(w - CapWidth - 1, 0, 1, h));
    painter.drawPixmap(QRect(W - CapWidth, 0, CapWidth, H), face, QRect(w - CapWidth, 0, CapWidth, h));
}

void TSkinButton::DrawPushButton(QPainter& painter) const
{
    DrawFace(painter, FMouseIn ? FMoveBitmap : FUpBitmap);
    if ((FMouseDown && FMouseIn) || FDownIn)
        DrawFace(painter, FDownBitmap);

    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setFont(font());
    const QFontMetrics metrics(font());
    const int tw = metrics.horizontalAdvance(FCaption);
    const int th = metrics.height();
    const int W = width();
    const int H = height();

    int textX;
    if (FHavePicture) {
        QPixmap picture = FPicture;
        picture.setMask(picture.createMaskFromColor(Transparent, Qt::MaskInColor));
        const int x = RoundHalfEven((W - picture.width() - tw - PictureGap) / 2.0);
        painter.drawPixmap(x, PictureTop, picture);
        textX = x + picture.width() + PictureGap;
    } else if (FAlignment == taLeftJustify) {
        textX = LeftCaptionX;
    } else {
        textX = RoundHalfEven((W - tw) / 2.0);
    }
    const int textY = RoundHalfEven((H - th) / 2.0);
    painter.setPen(isEnabled() ? EnabledCaption : DisabledCaption);
    painter.drawText(QRect(textX, textY, tw, th), Qt::AlignLeft | Qt::AlignTop, FCaption);
}

} // namespace qh

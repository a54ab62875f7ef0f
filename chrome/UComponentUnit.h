#pragma once
// TSkinButton: a small button drawn entirely from three pictures (at rest,
// under the pointer, pressed). The frames use it for their caption buttons;
// the push-button style adds a caption and an optional picture.

#include <QPixmap>
#include <QString>
#include <QWidget>

class QMouseEvent;
class QPaintEvent;
class QEvent;
class QPainter;

namespace qh {

enum TSkinButtonStyle { sbsMin = 0, sbsMax = 1, sbsNormal = 2, sbsClose = 3, sbsHelp = 4, sbsBtn = 5 };

enum TAlignment { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };

// Rounds to the nearest integer, an exact half going to the even neighbour.
int RoundHalfEven(double value);

class TSkinButton : public QWidget {
    Q_OBJECT
public:
    explicit TSkinButton(QWidget* owner = nullptr);
    ~TSkinButton() override;

    TSkinButtonStyle SkinButtonStyle() const { return FSkinButtonStyle; }
    // Loads the style's pictures and takes their size (a push button keeps
    // its width). Setting the current style does nothing. Does not redraw.
    void SetSkinButtonStyle(TSkinButtonStyle style);

    bool DownIn() const { return FDownIn; }
    void SetDownIn(bool value);

    const QPixmap& Picture() const { return FPicture; }
    void SetPicture(const QPixmap& picture); // copied; no redraw

    bool HavePicture() const { return FHavePicture; }
    void SetHavePicture(bool value);

    TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TAlignment value);

    QString Caption() const { return FCaption; }
    void SetCaption(const QString& caption);

    // The pointer state: over the button, and left button held since a press on it.
    bool MouseIn() const { return FMouseIn; }
    bool MouseDown() const { return FMouseDown; }

    // The three pictures of the current style.
    const QPixmap& UpBitmap() const { return FUpBitmap; }
    const QPixmap& MoveBitmap() const { return FMoveBitmap; }
    const QPixmap& DownBitmap() const { return FDownBitmap; }

signals:
    // A click: left press and release inside the button, which then holds the focus.
    void OnClick(qh::TSkinButton* sender);
    // Every pointer movement over the button, in the button's coordinates.
    void OnMouseMove(qh::TSkinButton* sender, Qt::MouseButtons buttons,
                     Qt::KeyboardModifiers modifiers, QPoint pos);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    template <typename T>
    void Assign(T& field, const T& value);
    void PaintBoxClick();
    void DrawCaptionStyle(QPainter& painter) const;
    void DrawPushButton(QPainter& painter) const;
    void DrawFace(QPainter& painter, const QPixmap& face) const;
    bool HoldsFocus() const;

    TSkinButtonStyle FSkinButtonStyle = sbsBtn; // replaced by sbsClose in the constructor
    bool FDownIn = false;
    QPixmap FPicture;
    bool FHavePicture = false;
    TAlignment FAlignment = taCenter;
    QString FCaption;

    QPixmap FUpBitmap;
    QPixmap FMoveBitmap;
    QPixmap FDownBitmap;

    bool FMouseIn = false;
    bool FMouseDown = false;
};

} // namespace qh

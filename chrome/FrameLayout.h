#pragma once
// The layout that every skinned window shares: a caption strip along the top
// (panTop with imaTopL, imaTopC, imaTopR), a status strip along the bottom
// (Panel2 with Image4, Image6, Image5), a thin edge on each side (Image7,
// Image8 in Panel3) and the client panel panClient that takes the window's
// own controls. It also gives the window its rounded corners, lets it be
// dragged by the caption strip, keeps the caption buttons at the strip's
// right end and holds the window at 640 by 480 or more.

#include <QPixmap>
#include <QPoint>
#include <memory>
#include <vector>

#include "UComponentUnit.h"

class QLabel;
class QWidget;
class QObject;
class QEvent;

namespace qh {

class TFrameLayout {
public:
    static constexpr int MinWidth = 640;
    static constexpr int MinHeight = 480;
    static constexpr int CaptionButtonTop = 9;
    static constexpr int CornerEllipse = 11;

    virtual ~TFrameLayout();

    // Runs FormCreate once; showing the window does so if nobody did before.
    void EnsureCreated();
    bool IsCreated() const { return FCreated; }

    QWidget* panTop() const { return FPanTop; }
    QLabel* imaTopL() const { return FImaTopL; }
    QLabel* imaTopC() const { return FImaTopC; }
    QLabel* imaTopR() const { return FImaTopR; }
    QWidget* Panel2() const { return FPanel2; }
    QLabel* Image4() const { return FImage4; }
    QLabel* Image6() const { return FImage6; }
    QLabel* Image5() const { return FImage5; }
    QWidget* Panel3() const { return FPanel3; }
    QLabel* Image7() const { return FImage7; }
    QLabel* Image8() const { return FImage8; }
    QWidget* panClient() const { return FPanClient; }

protected:
    // The window's creation step: region, caption buttons, region again. A
    // derived window that overrides it calls its frame's FormCreate() first.
    virtual void FormCreate();
    // Creates the frame's caption buttons (AddCaptionButton).
    virtual void CreateCaptionButtons() = 0;

    // Builds the stored layout inside form (which must outlive this object).
    explicit TFrameLayout(QWidget* form);

    // Gives the window the shape of its bounds with corners rounded by an
    // 11 by 11 ellipse.
    void ApplyWindowRegion();

    // Creates a caption button of that style on panTop at top 9, left =
    // panTop's width minus offset, kept there at every width; its clicks go
    // to CaptionButtonClick.
    TSkinButton* AddCaptionButton(TSkinButtonStyle style, int rightOffset);

    // On every size change of the window: region, caption buttons, minimum size.
    void FormResize();

    // What a click on one of the caption buttons does.
    virtual void CaptionButtonClick(TSkinButton* sender) = 0;

    // Makes the caption strip that high (the buttons stay at top 9).
    void SetCaptionHeight(int height);
    // Replaces the three pictures of the caption strip; the ends take the
    // width of their pictures, the middle is stretched.
    void SetCaptionPictures(const QPixmap& left, const QPixmap& middle, const QPixmap& right);
    // A press of any mouse button on widget starts moving the window, as on
    // the caption strip's pictures.
    void BindCaptionDrag(QWidget* widget);

    // Starts moving the window; the handler of a press of any mouse button,
    // at that point of the screen, on the caption strip.
    void imaTopCMouseDown(Qt::MouseButton button, const QPoint& globalPos);

private:
    class Filter;
    friend class Filter;

    void PlaceCaptionButtons();
    void EnforceMinimumSize();
    void FollowDrag(const QPoint& globalPos);

    QWidget* FForm;
    bool FCreated = false;
    QWidget* FPanTop;
    QLabel* FImaTopL;
    QLabel* FImaTopC;
    QLabel* FImaTopR;
    QWidget* FPanel2;
    QLabel* FImage4;
    QLabel* FImage6;
    QLabel* FImage5;
    QWidget* FPanel3;
    QLabel* FImage7;
    QLabel* FImage8;
    QWidget* FPanClient;

    struct CaptionButton {
        TSkinButton* button;
        int rightOffset;
    };
    std::vector<CaptionButton> FCaptionButtons;

    // Moving by hand where the system offers no interactive move.
    bool FDragging = false;
    QPoint FDragOffset;

    std::unique_ptr<Filter> FFilter;
};

} // namespace qh

#include "FrameLayout.h"

#include <QBitmap>
#include <QBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "Artwork.h"

namespace qh {
namespace {

constexpr int DesignWidth = 564;
constexpr int DesignHeight = 453;
constexpr int SideEdgeWidth = 6;

QWidget* NewPanel(QWidget* parent, const char* name)
{
    auto* panel = new QWidget(parent);
    panel->setObjectName(QString::fromLatin1(name));
    return panel;
}

QLabel* NewImage(QWidget* parent, const char* name)
{
    auto* image = new QLabel(parent);
    image->setObjectName(QString::fromLatin1(name));
    image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    image->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    image->setMinimumSize(0, 0);
    return image;
}

// An image at one end of a strip: as wide as its picture, drawn unscaled.
void SetEndPicture(QLabel* image, const QPixmap& picture)
{
    image->setScaledContents(false);
    image->setPixmap(picture);
    image->setFixedWidth(picture.width());
    image->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
}

// An image that fills its place, its picture stretched over it.
void SetStretchedPicture(QLabel* image, const QPixmap& picture)
{
    image->setScaledContents(true);
    image->setPixmap(picture);
}

// Lays out a panel as a row: two ends and a middle that takes the rest.
void LayRow(QWidget* panel, QWidget* left, QWidget* middle, QWidget* right)
{
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->addWidget(left);
    row->addWidget(middle, 1);
    row->addWidget(right);
}

} // namespace

// Watches the window, the caption strip and the images that move the window.
class TFrameLayout::Filter : public QObject {
public:
    explicit Filter(TFrameLayout& frame) : FFrame(frame) {}

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == FFrame.FPanTop) {
            if (event->type() == QEvent::Resize)
                FFrame.PlaceCaptionButtons();
            return false;
        }
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        {
            const auto* press = static_cast<QMouseEvent*>(event);
            FFrame.imaTopCMouseDown(press->button(), press->globalPosition().toPoint());
            return true;
        }
        case QEvent::MouseMove:
            if (FFrame.FDragging) {
                FFrame.FollowDrag(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
                return true;
            }
            return false;
        case QEvent::MouseButtonRelease:
            if (FFrame.FDragging && static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton) {
                FFrame.FDragging = false;
                return true;
            }
            return false;
        default:
            return false;
        }
    }

private:
    TFrameLayout& FFrame;
};

TFrameLayout::TFrameLayout(QWidget* form)
    : FForm(form)
    , FFilter(std::make_unique<Filter>(*this))
{
    form->setWindowFlag(Qt::FramelessWindowHint);
    form->setMinimumSize(MinWidth, MinHeight);

    auto* column = new QVBoxLayout(form);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    FPanTop = NewPanel(form, "panTop");
    FImaTopL = NewImage(FPanTop, "imaTopL");
    FImaTopC = NewImage(FPanTop, "imaTopC");
    FImaTopR = NewImage(FPanTop, "imaTopR");
    LayRow(FPanTop, FImaTopL, FImaTopC, FImaTopR);

    FPanel3 = NewPanel(form, "Panel3");
    FImage7 = NewImage(FPanel3, "Image7");
    FPanClient = NewPanel(FPanel3, "panClient");
    FPanClient->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    FPanClient->setAutoFillBackground(true);
    FImage8 = NewImage(FPanel3, "Image8");
    for (QLabel* edge : {FImage7, FImage8}) {
        edge->setFixedWidth(SideEdgeWidth);
        edge->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    }
    SetStretchedPicture(FImage7, LoadSkinBitmap(QStringLiteral("edgeLeft")));
    SetStretchedPicture(FImage8, LoadSkinBitmap(QStringLiteral("edgeRight")));
    LayRow(FPanel3, FImage7, FPanClient, FImage8);

    FPanel2 = NewPanel(form, "Panel2");
    FImage4 = NewImage(FPanel2, "Image4");
    FImage6 = NewImage(FPanel2, "Image6");
    FImage5 = NewImage(FPanel2, "Image5");
    const QPixmap statusLeft = LoadSkinBitmap(QStringLiteral("statusLeft"));
    SetEndPicture(FImage4, statusLeft);
    SetStretchedPicture(FImage6, LoadSkinBitmap(QStringLiteral("statusMiddle")));
    SetEndPicture(FImage5, LoadSkinBitmap(QStringLiteral("statusRight")));
    FPanel2->setFixedHeight(statusLeft.height());
    LayRow(FPanel2, FImage4, FImage6, FImage5);

    SetCaptionPictures(LoadSkinBitmap(QStringLiteral("captionLeft")),
                       LoadSkinBitmap(QStringLiteral("captionMiddle")),
                       LoadSkinBitmap(QStringLiteral("captionRight")));
    SetCaptionHeight(FImaTopL->pixmap().height());

    column->addWidget(FPanTop);
    column->addWidget(FPanel3, 1);
    column->addWidget(FPanel2);

    FPanTop->installEventFilter(FFilter.get());
    for (QWidget* image : {static_cast<QWidget*>(FImaTopL), static_cast<QWidget*>(FImaTopC),
                           static_cast<QWidget*>(FImaTopR)})
        BindCaptionDrag(image);

    form->resize(DesignWidth, DesignHeight);
}

// The widgets go with the form; the watched widgets forget a filter that
// is gone by themselves.
TFrameLayout::~TFrameLayout() = default;

void TFrameLayout::EnsureCreated()
{
    if (FCreated)
        return;
    FCreated = true;
    FormCreate();
}

void TFrameLayout::FormCreate()
{
    ApplyWindowRegion();
    CreateCaptionButtons();
    ApplyWindowRegion();
}

void TFrameLayout::SetCaptionHeight(int height)
{
    FPanTop->setFixedHeight(height);
}

void TFrameLayout::SetCaptionPictures(const QPixmap& left, const QPixmap& middle, const QPixmap& right)
{
    SetEndPicture(FImaTopL, left);
    SetStretchedPicture(FImaTopC, middle);
    SetEndPicture(FImaTopR, right);
}

void TFrameLayout::BindCaptionDrag(QWidget* widget)
{
    widget->installEventFilter(FFilter.get());
}

void TFrameLayout::ApplyWindowRegion()
{
    QBitmap shape(FForm->size());
    shape.fill(Qt::color0);
    QPainter painter(&shape);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::color1);
    const qreal radius = CornerEllipse / 2.0;
    painter.drawRoundedRect(QRectF(0, 0, FForm->width(), FForm->height()), radius, radius);
    painter.end();
    FForm->setMask(shape);
}

TSkinButton* TFrameLayout::AddCaptionButton(TSkinButtonStyle style, int rightOffset)
{
    auto* button = new TSkinButton(FPanTop);
    button->SetSkinButtonStyle(style);
    button->move(FPanTop->width() - rightOffset, CaptionButtonTop);
    button->show();
    button->raise();
    QObject::connect(button, &TSkinButton::OnClick, FFilter.get(),
                     [this](TSkinButton* sender) { CaptionButtonClick(sender); });
    FCaptionButtons.push_back({button, rightOffset});
    return button;
}

void TFrameLayout::PlaceCaptionButtons()
{
    for (const CaptionButton& entry : FCaptionButtons)
        entry.button->move(FPanTop->width() - entry.rightOffset, entry.button->y());
}

void TFrameLayout::FormResize()
{
    ApplyWindowRegion();
    // The strip has its new width already: the window's layout runs before
    // the window hears of its new size.
    PlaceCaptionButtons();
    EnforceMinimumSize();
}

void TFrameLayout::EnforceMinimumSize()
{
    const int width = std::max(FForm->width(), MinWidth);
    const int height = std::max(FForm->height(), MinHeight);
    if (width != FForm->width() || height != FForm->height())
        FForm->resize(width, height);
}

void TFrameLayout::imaTopCMouseDown(Qt::MouseButton button, const QPoint& globalPos)
{
    // The system's interactive move follows the left button only (X11 window
    // managers end it on that button's release).
    QWindow* window = FForm->windowHandle();
    if (button == Qt::LeftButton && window && window->startSystemMove())
        return;
    // Otherwise follow the pointer ourselves until the button is released.
    FDragging = true;
    FDragOffset = globalPos - FForm->pos();
}

void TFrameLayout::FollowDrag(const QPoint& globalPos)
{
    FForm->move(globalPos - FDragOffset);
}

} // namespace qh

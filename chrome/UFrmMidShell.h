#pragma once
// TFrmMidShell: the borderless dialog frame. The same strips, corners,
// dragging and minimum size as the main frame, with a close button only,
// which ends the dialog with the cancel result.

#include <QDialog>

#include "FrameLayout.h"

class QResizeEvent;
class QShowEvent;

namespace qh {

class TFrmMidShell : public QDialog, public TFrameLayout {
    Q_OBJECT
public:
    explicit TFrmMidShell(QWidget* parent = nullptr);
    ~TFrmMidShell() override;

    TSkinButton* BtnClose() const { return FBtnClose; }

protected:
    void CaptionButtonClick(TSkinButton* sender) override;

    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

    void CreateCaptionButtons() override;

private:
    TSkinButton* FBtnClose = nullptr;
};

} // namespace qh

#pragma once
// The grid's hint window: a hint in the grid's mini-HTML (or in the coded wide-text form) in a
// 3-D frame, sized to its text and kept on the screen. It takes neither input nor the
// activation. The grid shows its live sizing and scroll hints in it; a program may use it for its
// own hints.
#include <string>

#include "grid/base/HtmlPicture.h"
#include "platform/ui/ImgList.h"
#include "platform/ui/PopupWindow.h"

namespace gx {

class THTMLHintWindow : public ui::TPopupWindow {
public:
    // No images and no picture container.
    explicit THTMLHintWindow(ui::TComponent* AOwner);
    // Shows the hint with its top-left at Rect's top-left (moved to stay on the screen); Rect
    // becomes the window's bounds.
    void ActivateHint(ui::TRect& Rect, const std::string& AHint);
    // As ActivateHint; a grid as AData lends its images and picture container and is the window's
    // anchor.
    void ActivateHintData(ui::TRect& Rect, const std::string& AHint, ui::TObject* AData);
    // The size the hint's text needs: (0, 0, width, height).
    ui::TRect CalcHintRect(int MaxWidth, const std::string& AHint, ui::TObject* AData);
    void HideHint() { ClosePopup(ui::TPopupCloseReason::pcrCancel); }

    int TextWidth() const { return textWidth_; }
    int TextHeight() const { return textHeight_; }
    // The decoded text of a coded wide-text hint (empty for HTML).
    const std::u16string& WideCaption() const { return wideCaption_; }
    ui::TImageList* Images() const { return images_; }
    const TPictureContainer* PictureContainer() const { return pictureContainer_; }

protected:
    void PaintControl(ui::TCanvas& canvas) override;
    void TextChanged() override;

private:
    ui::TSize Measure(int MaxWidth, const std::string& AHint);
    ui::TImageList* images_ = nullptr;
    const TPictureContainer* pictureContainer_ = nullptr;
    ui::TControl* anchor_ = nullptr;
    int textWidth_ = 0;
    int textHeight_ = 0;
    std::u16string wideCaption_;
};

}  // namespace gx

#pragma once
// The grid's rich edit: the inplace editor of edRichEdit cells and the hidden control that turns
// rich-text cells into formatted text for painting, measuring and plain-text views. A cell holds
// its rich text as 8-bit text: one character per byte of the rich-text document.
#include "platform/ui/RichEdit.h"

namespace gx {

class TGxStringGrid;

class DIzuReriVoru : public ui::TRichEdit {
public:
    // The owner must be a grid (rtl::EInvalidArgument otherwise).
    explicit DIzuReriVoru(ui::TComponent* AOwner);
    // Starts afresh before each use as inplace editor: empty, not modified, unlocked.
    void ReCreate();
    // Raised and lowered text: the selection's offset 0, -40 or +40 twips.
    void SelNormal() { SetSelOffset(0); }
    void SelSubscript() { SetSelOffset(-40); }
    void SelSuperscript() { SetSelOffset(40); }
    bool IsSelNormal() const { return SelFormat().Offset == 0; }
    bool IsSelSubscript() const { return SelFormat().Offset == -40; }
    bool IsSelSuperscript() const { return SelFormat().Offset == 40; }
    // While locked, typing does not grow the row (the grid locks while it loads a cell).
    void Lock() { locked_ = true; }
    void Unlock() { locked_ = false; }
    bool Locked() const { return locked_; }
    // The size the measuring control last asked for.
    int ReqWidth() const { return reqWidth_; }
    int ReqHeight() const { return reqHeight_; }
    TGxStringGrid* Grid() const { return grid_; }
    // The text is laid out in the client area inset by 2 pixels on every side.
    void SetFormatRect();

    void WndProc(ui::TMessage& message) override;

protected:
    void KeyDown(unsigned& key, ui::TShiftState shift) override;
    unsigned WantKeys() const override;
    void RequestResize(const ui::TRect& needed) override;

private:
    void SetSelOffset(int twips);
    TGxStringGrid* grid_;
    bool locked_ = false;
    int reqWidth_ = 0;
    int reqHeight_ = 0;
};

}  // namespace gx

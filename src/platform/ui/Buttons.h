#pragma once
// The speed button: a windowless push button with a glyph and a caption, flat or raised, that
// can stay down (latched). It takes no focus; a press captures the mouse and the release over
// the button clicks it.
#include "platform/ui/Controls.h"
#include <memory>

namespace ui {

enum class TButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

class TSpeedButton : public TGraphicControl {
public:
    explicit TSpeedButton(TComponent* AOwner);
    ~TSpeedButton() override;

    // The glyph strip: NumGlyphs pictures side by side, for the up, disabled, pressed and
    // latched states (a missing one falls back to the first). Its bottom-left pixel is the
    // transparent colour. SetGlyph(nullptr) removes the glyph.
    const TBitmap* Glyph() const { return glyph_.get(); }
    void SetGlyph(const TBitmap* v);
    int NumGlyphs() const { return numGlyphs_; }
    // 1 to 4; other values are ignored.
    void SetNumGlyphs(int v);
    bool Flat() const { return flat_; }
    void SetFlat(bool v);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool v);
    // Latched down (drawn pressed until released from code).
    bool Down() const { return down_; }
    void SetDown(bool v);
    // Down while the mouse holds it pressed over the button, exclusive while latched.
    TButtonState State() const;
    // Spacing is not adjustable: glyph and caption are centred together.

protected:
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void EnabledChanged() override;
    void TextChanged() override;
    void Paint() override;
    // The framework's own look: the face (raised, flat or pressed), then glyph and caption.
    void PaintFace(TCanvas& canvas);
    // The glyph of the current state centred in r (shifted by one pixel while pressed).
    void PaintGlyph(TCanvas& canvas, const TRect& r);
    // Whether the left button holds the button pressed now.
    bool Pressed() const { return pressed_; }

private:
    std::unique_ptr<TBitmap> glyph_;
    int numGlyphs_ = 1;
    bool flat_ = false;
    bool transparent_ = true;
    bool down_ = false;
    bool pressed_ = false;   // the left button went down on the button and is still down
    bool tracking_ = false;  // the pointer is over the button while pressed
};

}  // namespace ui

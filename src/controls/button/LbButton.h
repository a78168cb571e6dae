#pragma once
// TLbButton: the styled push button of every window. It paints itself completely (six face styles,
// caption with an optional glyph strip, hover highlight), clicks on mouse release after a press on it,
// on Enter or Space key up, on its accelerator and, as default or cancel button, on Enter or Escape;
// a click runs OnClick, then hands ModalResult to the form and opens the popup menu.
#include "controls/button/LbButtons.h"
#include "platform/ui/Controls.h"
#include "platform/ui/StdCtrls.h"
#include <memory>
#include <string>

namespace controls {

class TLbButton : public ui::TCustomControl {
public:
    explicit TLbButton(ui::TComponent* AOwner);
    ~TLbButton() override;

    ui::TAlignment Alignment() const { return FAlignment; }
    void SetAlignment(ui::TAlignment v);
    bool Cancel() const { return FCancel; }
    void SetCancel(bool v) { FCancel = v; }
    // Applies a colour preset; reading always gives lcsCustom.
    TLbColorStyle ColorStyle() const { return FDummyStyle; }
    void SetColorStyle(TLbColorStyle v);
    ui::TColor ColorWhenDown() const { return FColorWhenDown; }
    void SetColorWhenDown(ui::TColor v) { FColorWhenDown = v; }
    bool Default() const { return FDefault; }
    void SetDefault(bool v) { FDefault = v; }
    void SetEnabled(bool v) override;
    bool Flat() const { return FFlat; }
    void SetFlat(bool v);
    // The glyph strip: NumGlyphs cells side by side (normal, disabled, pressed, hot).
    const ui::TBitmap* Glyph() const { return FGlyph.get(); }
    // Copies the picture (nullptr empties the glyph); NumGlyphs becomes width / height.
    void SetGlyph(const ui::TBitmap* v);
    ui::TColor HotTrackColor() const { return FHotTrackColor; }
    void SetHotTrackColor(ui::TColor v) { FHotTrackColor = v; }
    const ui::TFont* HotTrackFont() const { return FHTFont.get(); }
    void SetHotTrackFont(const ui::TFont& v) { FHTFont->Assign(v); }
    TLbButtonKind Kind() const { return FKind; }
    void SetKind(TLbButtonKind v);
    TLbButtonLayout Layout() const { return FLayout; }
    void SetLayout(TLbButtonLayout v);
    ui::TColor LightColor() const { return FLightColor; }
    void SetLightColor(ui::TColor v);
    ui::TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(ui::TModalResult v);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int v);
    ui::TColor ShadowColor() const { return FShadowColor; }
    void SetShadowColor(ui::TColor v);
    bool SlowDecease() const { return FSlowDecease; }
    void SetSlowDecease(bool v);
    TLbButtonStyle Style() const { return FStyle; }
    void SetStyle(TLbButtonStyle v);
    bool UseHotTrackFont() const { return FUseHTFont; }
    void SetUseHotTrackFont(bool v) { FUseHTFont = v; }
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool v);

    // Visible state: pressed, pointer over the button, hover strength in eighths (0..8), and
    // whether the highlight is fading out.
    bool Down() const { return bDown; }
    bool CursorOnButton() const { return bCursorOnButton; }
    int HotTrackStep() const { return FHotTrackStep; }
    bool Fading() const { return FFading; }

    // Sets the caption and requests a repaint.
    void SetText(const std::string& v) override;

    void Click() override;
    void WndProc(ui::TMessage& message) override;

    // OnClick and OnMouseEnter come from the base; the button fires both itself.
    ui::TNotifyEvent OnMouseExit;

protected:
    void Paint() override;
    void PaintBackground(ui::TCanvas& canvas) override;
    void MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
    void MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void KeyDown(unsigned& key, ui::TShiftState shift) override;
    void KeyUp(unsigned& key, ui::TShiftState shift) override;
    void FocusIn() override;
    void FocusOut() override;

private:
    // One step of the highlight fade (every 30 ms while fading).
    void FadeStep();
    void StartFade();
    void StopFade();
    bool Reachable() const;  // enabled, visible and the parent is showing
    bool DialogChar(char32_t ch);
    bool DialogKey(unsigned key, ui::TShiftState shift);

    ui::TAlignment FAlignment = ui::TAlignment::taCenter;
    ui::TColor FShadowColor = ui::clGray;
    ui::TColor FColorWhenDown = ui::clNone;
    bool FEnabled = true;
    bool FFlat = false;
    bool FWordWrap = false;
    std::unique_ptr<ui::TBitmap> FGlyph;
    ui::TColor FHotTrackColor = ui::clNone;
    std::unique_ptr<ui::TFont> FHTFont;
    TLbButtonKind FKind = bkCustom;
    TLbButtonLayout FLayout = blGlyphLeft;
    ui::TColor FLightColor = ui::clWhite;
    ui::TModalResult FModalResult = ui::mrNone;
    int FNumGlyphs = 0;
    bool FUseHTFont = false;
    TLbColorStyle FDummyStyle = lcsCustom;
    TLbButtonStyle FStyle = bsNormal;
    bool FDefault = false;
    bool FCancel = false;
    bool FSlowDecease = false;
    bool bDown = false;
    bool bCursorOnButton = false;
    bool FFading = false;
    // The fade is ready to run from construction until SlowDecease is switched off, and again once
    // it is switched on.
    bool FFadeReady = true;
    bool FSeeThrough = false;  // the window lets the parent show through (set by SetStyle only)
    int FHotTrackStep = 0;
};

// True when ch is the accelerator of caption: the character after a single "&", any letter case.
bool LbIsAccel(char32_t ch, const std::string& caption);

}  // namespace controls

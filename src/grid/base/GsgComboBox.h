#pragma once
// The flat combo box: the framework combo box with an optional flat look, a drop-down button in
// custom colours or the native style, border colours for the normal, focused and disabled
// states, a focus colour, hover tracking, a drop-width override, focus on hover and an attached
// caption label. The grid's combo editors derive from TGsgComboBox.

#include <memory>
#include <string>

#include "platform/ui/StdCtrls.h"

namespace gx {

// Where an attached caption label sits next to its control.
enum class TLabelPosition {
    lpLeftTop,
    lpLeftCenter,
    lpLeftBottom,
    lpTopLeft,
    lpBottomLeft,
    lpLeftTopLeft,
    lpLeftCenterLeft,
    lpLeftBottomLeft,
    lpTopCenter,
    lpBottomCenter,
    lpRightTop,
    lpRightCenter,
    lpRighBottom
};

// Moves Label next to Control by Position with the gap Margin. The caption's width is
// measured in the label's font with accelerator marks hidden.
void PlaceControlLabel(ui::TLabel& Label, const ui::TControl& Control, TLabelPosition Position, int Margin);

class TGsgCustomCombo : public ui::TComboBox {
public:
    explicit TGsgCustomCombo(ui::TComponent* AOwner);
    ~TGsgCustomCombo() override;

    bool AutoFocus() const { return FAutoFocus; }
    void SetAutoFocus(bool v) { FAutoFocus = v; }
    ui::TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(ui::TColor v);
    int ButtonWidth() const { return FButtonWidth; }
    // Accepts 14 to 32; any other width is ignored.
    void SetButtonWidth(int v);
    bool DisabledBorder() const { return FDisabledBorder; }
    void SetDisabledBorder(bool v) { FDisabledBorder = v; }
    int DropWidth() const { return FDropWidth; }
    void SetDropWidth(int v);
    bool Etched() const { return FEtched; }
    void SetEtched(bool v);
    bool Flat() const { return FFlat; }
    void SetFlat(bool v);
    ui::TColor FlatLineColor() const { return FFlatLineColor; }
    void SetFlatLineColor(ui::TColor v);
    bool FlatParentColor() const { return FFlatParentColor; }
    void SetFlatParentColor(bool v);
    bool FocusBorder() const { return FFocusBorder; }
    void SetFocusBorder(bool v) { FFocusBorder = v; }
    ui::TColor FocusBorderColor() const { return FFocusBorderColor; }
    void SetFocusBorderColor(ui::TColor v) { FFocusBorderColor = v; }
    ui::TColor FocusColor() const { return FFocusColor; }
    void SetFocusColor(ui::TColor v) { FFocusColor = v; }
    bool FocusLabel() const { return FFocusLabel; }
    void SetFocusLabel(bool v) { FFocusLabel = v; }
    // While loading, the colour is also remembered as the colour to restore when Flat goes off.
    void SetColor(ui::TColor v);

    const std::string& LabelCaption() const;
    // Creates the label on first use, sets its text and places it.
    void SetLabelCaption(const std::string& v);
    TLabelPosition LabelPosition() const { return FLabelPosition; }
    void SetLabelPosition(TLabelPosition v);
    int LabelMargin() const { return FLabelMargin; }
    void SetLabelMargin(int v);
    bool LabelTransparent() const { return FLabelTransparent; }
    void SetLabelTransparent(bool v);
    bool LabelAlwaysEnabled() const { return FLabelAlwaysEnabled; }
    void SetLabelAlwaysEnabled(bool v);
    ui::TFont* LabelFont() { return FLabelFont.get(); }
    void SetLabelFont(const ui::TFont& v) { FLabelFont->Assign(v); }
    ui::TLabel* ComboLabel() const { return FLabel; }

    // Button colours of the custom look (clNone: not set).
    ui::TColor ButtonColor = ui::clNone;
    ui::TColor ButtonColorHot = ui::clNone;
    ui::TColor ButtonColorDown = ui::clNone;
    ui::TColor ButtonTextColor = ui::clNone;
    ui::TColor ButtonTextColorHot = ui::clNone;
    ui::TColor ButtonTextColorDown = ui::clNone;
    ui::TColor ButtonBorderColor = ui::clNone;
    // The owner runs on a desktop of that generation (set by the grid).
    bool IsWinXP = false;
    bool IsVista = false;

    // Selects the first item equal to Text; no change when there is none.
    void SelectItem(const std::string& Text);
    // Remembers the current colour as the one restored after the focus leaves.
    void Init();

    void SetBounds(int left, int top, int width, int height) override;
    void SetEnabled(bool v) override;
    void SetVisible(bool v) override;
    void WndProc(ui::TMessage& message) override;
    void PaintControl(ui::TCanvas& canvas) override;

    bool MouseInControlArea() const { return FMouseInControl; }
    bool ButtonHover() const { return FButtonHover; }
    bool HasFocus() const { return FHasFocus; }

    // Fired when the list closes.
    ui::TNotifyEvent OnDropUp;

protected:
    void Loaded() override;
    void Notification(ui::TComponent* component, ui::TOperation operation) override;
    void MouseEnter() override;
    void MouseLeave() override;
    void MouseMove(ui::TShiftState shift, int x, int y) override;
    void MouseDown(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
    void MouseUp(ui::TMouseButton button, ui::TShiftState shift, int x, int y) override;
    void DoEnter() override;
    void DoExit() override;
    void FocusIn() override;
    void FocusOut() override;
    void EnabledChanged() override;
    void FontChanged() override;

private:
    bool themesActive() const;
    bool isActive() const;
    bool focusBorderActive() const;
    bool customPaint() const;
    bool ncBorderWanted() const;
    void drawButton(ui::TCanvas& canvas);
    void drawBorder(ui::TCanvas& canvas);
    void drawButtonFrame(ui::TCanvas& canvas);
    void placeLabel();
    void setLabelBold(bool bold);
    ui::TColor parentColor() const;

    bool FAutoFocus = false;
    bool FFlat = false;
    bool FEtched = false;
    ui::TColor FOldColor = ui::clNone;
    ui::TColor FLoadedColor = ui::clWindow;
    bool FOldParentColor = false;
    int FButtonWidth = 19;
    bool FFocusBorder = false;
    bool FMouseInControl = false;
    int FDropWidth = 0;
    bool FIsThemed = false;
    bool FButtonHover = false;
    bool FLabelAlwaysEnabled = false;
    bool FLabelTransparent = false;
    int FLabelMargin = 4;
    std::unique_ptr<ui::TFont> FLabelFont;
    TLabelPosition FLabelPosition = TLabelPosition::lpLeftTop;
    ui::TLabel* FLabel = nullptr;
    ui::TColor FFlatLineColor = ui::clNone;
    bool FFlatParentColor = true;
    ui::TColor FFocusColor = ui::clNone;
    ui::TColor FFocusBorderColor = ui::clNone;
    ui::TColor FBorderColor = ui::clNone;
    bool FDisabledBorder = true;
    ui::TColor FNormalColor = ui::clNone;
    bool FHasFocus = false;
    bool FFocusLabel = false;
    bool FMouseDown = false;
};

// The published flat combo box; it adds no behaviour.
class TGsgComboBox : public TGsgCustomCombo {
public:
    using TGsgCustomCombo::TGsgCustomCombo;
};

}  // namespace gx

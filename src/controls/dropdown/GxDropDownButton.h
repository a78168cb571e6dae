#pragma once
// The button at the right edge of a drop-down edit: a windowed holder (TDropDownEditButton) that
// keeps the button's width and custom colours, and the inner button (TGxDropDownSpeedButton) that
// draws it as the combo box's drop-down button or as a push button. A left-button release over it
// reports the click to the edit, which opens the window.
#include <memory>
#include <string>

#include "controls/dropdown/GxDropDownTypes.h"
#include "platform/ui/Controls.h"

namespace dropdown {

class TDropDownEditButton;

enum class TSpeedButtonState { bsUp, bsDisabled, bsDown, bsExclusive };

class TGxDropDownSpeedButton : public ui::TGraphicControl {
public:
    explicit TGxDropDownSpeedButton(ui::TComponent* AOwner);

    TButtonStyle ButtonStyle() const { return FButtonStyle; }
    void SetButtonStyle(TButtonStyle Value);
    bool Etched() const { return FEtched; }
    void SetEtched(bool Value);
    // Set by the edit; a change repaints, the drawing does not read it.
    bool Focused() const { return FFocused; }
    void SetFocused(bool Value);
    bool Hot() const { return FHot; }
    // From now on the button never draws pressed.
    void SetUp() { FUp = true; }
    // Pressed: the button is down (or exclusive) and SetUp was not called.
    bool Pressed() const;
    TSpeedButtonState State() const { return FState; }
    bool Flat() const { return FFlat; }
    void SetFlat(bool Value);

    ui::TBitmap* Glyph() { return FGlyph.get(); }
    void SetGlyph(const ui::TBitmap* Value);
    int NumGlyphs() const { return FNumGlyphs; }
    void SetNumGlyphs(int Value) { FNumGlyphs = Value > 0 ? Value : 1; }

protected:
    void Paint() override;
    void MouseDown(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseUp(ui::TMouseButton Button, ui::TShiftState Shift, int X, int Y) override;
    void MouseEnter() override;
    void MouseLeave() override;

private:
    TDropDownEditButton* Holder() const;
    void PaintDropDownStyle(ui::TCanvas& C);
    void PaintButtonStyle(ui::TCanvas& C);
    void PaintPlainButton(ui::TCanvas& C);
    unsigned ThemeState() const;

    bool FEtched = false;
    bool FFocused = false;
    bool FHot = false;
    bool FUp = false;
    bool FFlat = false;
    TButtonStyle FButtonStyle = TButtonStyle::bsDropDown;
    TSpeedButtonState FState = TSpeedButtonState::bsUp;
    std::unique_ptr<ui::TBitmap> FGlyph;
    int FNumGlyphs = 1;
};

class TDropDownEditButton : public ui::TWinControl {
public:
    explicit TDropDownEditButton(ui::TComponent* AOwner);

    TGxDropDownSpeedButton* Button() const { return FButton; }
    ui::TBitmap* Glyph() { return FButton->Glyph(); }
    void SetGlyph(const ui::TBitmap* Value) { FButton->SetGlyph(Value); }
    const std::string& ButtonCaption() const { return FButton->Caption(); }
    void SetButtonCaption(const std::string& Value) { FButton->SetCaption(Value); }
    int NumGlyphs() const { return FButton->NumGlyphs(); }
    void SetNumGlyphs(int Value) { FButton->SetNumGlyphs(Value); }
    ui::TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(ui::TWinControl* Value);

    // The holder always takes this width; the inner button fills it.
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;

    // Face and arrow colours of the custom look (FButtonColor clNone: not used); the border colour
    // is stored only.
    int FBWidth = 16;
    ui::TColor FButtonColor = ui::clNone;
    ui::TColor FButtonColorHot = ui::clNone;
    ui::TColor FButtonColorDown = ui::clNone;
    ui::TColor FButtonTextColor = ui::clNone;
    ui::TColor FButtonTextColorHot = ui::clNone;
    ui::TColor FButtonTextColorDown = ui::clNone;
    ui::TColor FButtonBorderColor = ui::clNone;

    // A left-button release over the inner button.
    ui::TNotifyEvent OnClick;

protected:
    void Notification(ui::TComponent* AComponent, ui::TOperation Operation) override;
    void EnabledChanged() override;
    void Loaded() override;

private:
    friend class TGxDropDownSpeedButton;
    void ButtonMouseUp(ui::TMouseButton Button);
    TGxDropDownSpeedButton* FButton = nullptr;
    ui::TWinControl* FFocusControl = nullptr;
};

// What the drop-down button needs of its edit for drawing: the edit's border colour and font, and
// whether a press may open the window (enabled and not read-only).
class IDropDownButtonHost {
public:
    virtual ~IDropDownButtonHost() = default;
    virtual ui::TColor ButtonBorderColor() const = 0;
    virtual bool ButtonActive() const = 0;
    virtual const ui::TFont* ButtonFont() const = 0;
};

}  // namespace dropdown

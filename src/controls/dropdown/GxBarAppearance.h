#pragma once
// The look of the drop-down window's header and footer bars (THeaderAppearance,
// TFooterAppearance) and their button collections. Only Visible notifies (OnChange); the button
// collections notify changes of caption, enabled state and width (OnButtonsChanged).
#include <memory>
#include <string>

#include "controls/dropdown/GxCollection.h"
#include "controls/dropdown/GxDropDownTypes.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Graphics.h"

namespace dropdown {

class THeaderButton {
public:
    explicit THeaderButton(TCollectionBase* Collection) : FCollection(Collection) {}
    void Assign(const THeaderButton& Source);

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    // 0: sized to the caption (or image).
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    int Height() const { return FHeight; }
    void SetHeight(int Value) { FHeight = Value; }

protected:
    TCollectionBase* FCollection;
    std::string FCaption;
    int FImageIndex = -1;
    bool FEnabled = true;
    int FWidth = 0;
    int FHeight = 0;
};

class TFooterButton : public THeaderButton {
public:
    explicit TFooterButton(TCollectionBase* Collection) : THeaderButton(Collection) {}
    void Assign(const TFooterButton& Source);
    // A closing modal result hides the drop-down (accepted or cancelled) before the click.
    ui::TModalResult ModalResult() const { return FModalResult; }
    void SetModalResult(ui::TModalResult Value) { FModalResult = Value; }

private:
    ui::TModalResult FModalResult = ui::mrNone;
};

using THeaderButtons = TItemCollection<THeaderButton>;
using TFooterButtons = TItemCollection<TFooterButton>;

// The settings both bars share; Buttons is the bar kind's own collection.
template <class Buttons>
class TBarAppearance : public ui::TObject {
public:
    TBarAppearance()
    {
        FButtons.OnChange = [this](ui::TObject*) { ButtonsChanged(); };
    }

    bool Visible() const { return FVisible; }
    // A change fires OnChange.
    void SetVisible(bool Value)
    {
        if (FVisible == Value)
            return;
        FVisible = Value;
        if (OnChange)
            OnChange(this);
    }
    ui::TFont* Font() { return &FFont; }
    const ui::TFont* Font() const { return &FFont; }
    void SetFont(const ui::TFont& Value) { FFont.Assign(Value); }
    Buttons* GetButtons() { return &FButtons; }
    const Buttons* GetButtons() const { return &FButtons; }
    void SetButtons(const Buttons& Value) { FButtons.Assign(Value); }

    // Plain settings: stored without notice.
    int Height = 22;
    int BorderWidth = 1;
    int ImageIndex = -1;
    std::string Caption;
    ui::TColor Color = 0xC0C0C0;
    ui::TColor ColorTo = 0xFFFFFF;
    ui::TColor BorderColor = 0;
    TGradientDirection GradientDirection = TGradientDirection::gdVertical;
    TButtonAlignment ButtonAlignment = TButtonAlignment::baRight;

    ui::TNotifyEvent OnChange;
    ui::TNotifyEvent OnButtonsChanged;

protected:
    void CopyFrom(const TBarAppearance& Source)
    {
        ColorTo = Source.ColorTo;
        Color = Source.Color;
        BorderColor = Source.BorderColor;
        Caption = Source.Caption;
        FFont.Assign(Source.FFont);
        ImageIndex = Source.ImageIndex;
        BorderWidth = Source.BorderWidth;
        GradientDirection = Source.GradientDirection;
        Height = Source.Height;
        SetVisible(Source.FVisible);
        ButtonAlignment = Source.ButtonAlignment;
        FButtons.Assign(Source.FButtons);
    }
    void CopyColorsFrom(const TBarAppearance& Source)
    {
        ColorTo = Source.ColorTo;
        Color = Source.Color;
        BorderColor = Source.BorderColor;
        FFont.Assign(Source.FFont);
        GradientDirection = Source.GradientDirection;
    }
    ui::TFont FFont;

private:
    void ButtonsChanged()
    {
        if (OnButtonsChanged)
            OnButtonsChanged(this);
    }
    bool FVisible = true;
    Buttons FButtons;
};

class THeaderAppearance : public TBarAppearance<THeaderButtons> {
public:
    THeaderAppearance() { FFont.SetName("Tahoma"); }
    THeaderButtons* Buttons() { return GetButtons(); }
    const THeaderButtons* Buttons() const { return GetButtons(); }
    void Assign(const THeaderAppearance& Source) { CopyFrom(Source); }
    void AssignColors(const THeaderAppearance& Source) { CopyColorsFrom(Source); }
};

class TFooterAppearance : public TBarAppearance<TFooterButtons> {
public:
    TFooterButtons* Buttons() { return GetButtons(); }
    const TFooterButtons* Buttons() const { return GetButtons(); }
    void Assign(const TFooterAppearance& Source)
    {
        CopyFrom(Source);
        SizeGrip = Source.SizeGrip;
    }
    void AssignColors(const TFooterAppearance& Source) { CopyColorsFrom(Source); }
    // The footer shows a grip for sizing the window (when the drop-down is sizeable).
    bool SizeGrip = true;
};

// The settings of either bar appearance as plain values (what the bars paint and lay out from).
struct TBarAppearanceFields {
    ui::TColor Color = ui::clNone;
    ui::TColor ColorTo = ui::clNone;
    ui::TColor BorderColor = ui::clNone;
    int BorderWidth = 0;
    TGradientDirection GradientDirection = TGradientDirection::gdVertical;
    int ImageIndex = -1;
    std::string Caption;
    const ui::TFont* Font = nullptr;
    TButtonAlignment ButtonAlignment = TButtonAlignment::baRight;
    bool SizeGrip = false;
    bool Visible = true;
    int Height = 0;
};

template <class Buttons>
TBarAppearanceFields FieldsOf(const TBarAppearance<Buttons>& A)
{
    TBarAppearanceFields f;
    f.Color = A.Color;
    f.ColorTo = A.ColorTo;
    f.BorderColor = A.BorderColor;
    f.BorderWidth = A.BorderWidth;
    f.GradientDirection = A.GradientDirection;
    f.ImageIndex = A.ImageIndex;
    f.Caption = A.Caption;
    f.Font = A.Font();
    f.ButtonAlignment = A.ButtonAlignment;
    f.Visible = A.Visible();
    f.Height = A.Height;
    return f;
}

}  // namespace dropdown

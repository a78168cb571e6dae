#pragma once
// The keys of the calculator keypad: the button items, their collection and the look of the keys
// (of which only the font and the two text colours show: the faces are drawn by the platform's
// visual style for push buttons).
#include <memory>
#include <string>

#include "controls/dropdown/GxCollection.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Graphics.h"

namespace dropdown {

class TButtonItem {
public:
    explicit TButtonItem(TCollectionBase* Collection);
    // Copies caption, caption colour, tag, image index, picture, enabled flag and name (not the
    // special flag, not the rectangle).
    void Assign(const TButtonItem& Source);

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value) { FCaption = Value; }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value) { FImageIndex = Value; }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value) { FEnabled = Value; }
    ui::TPicture* Image() const { return FImage.get(); }
    void SetImage(const ui::TPicture& Value) { FImage->Assign(Value); }
    // The action code of the key.
    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }
    const std::string& Name() const { return FName; }
    void SetName(const std::string& Value) { FName = Value; }
    // Stored and copied; drawing uses the panel's text colours.
    ui::TColor CaptionColor() const { return FCaptionColor; }
    void SetCaptionColor(ui::TColor Value) { FCaptionColor = Value; }
    // Drawn in the special text colour.
    bool Special() const { return FSpecial; }
    void SetSpecial(bool Value) { FSpecial = Value; }
    // The laid-out rectangle in panel coordinates.
    ui::TRect ButtonRect() const { return ui::Bounds(FLeft, FTop, FWidth, FHeight); }
    void SetButtonRect(const ui::TRect& R);

private:
    std::string FCaption;
    int FImageIndex = -1;
    bool FEnabled = true;
    std::unique_ptr<ui::TPicture> FImage;
    int FTag = 0;
    int FHeight = 0, FLeft = 0, FWidth = 0, FTop = 0;
    std::string FName;
    ui::TColor FCaptionColor = 16777215;
    bool FSpecial = false;
};

using TButtonItems = TItemCollection<TButtonItem>;

class TButtonAppearance : public ui::TObject {
public:
    TButtonAppearance();
    // Copies every colour through the setters, the glow colours, the font and the text colours.
    void Assign(const TButtonAppearance& Source);

    ui::TColor BorderColor() const { return FBorderColor; }
    void SetBorderColor(ui::TColor Value) { StoreColor(FBorderColor, Value); }
    ui::TColor BorderColorHot() const { return FBorderColorHot; }
    void SetBorderColorHot(ui::TColor Value) { StoreColor(FBorderColorHot, Value); }
    ui::TColor BorderColorDown() const { return FBorderColorDown; }
    void SetBorderColorDown(ui::TColor Value) { StoreColor(FBorderColorDown, Value); }
    ui::TColor BorderColorChecked() const { return FBorderColorChecked; }
    void SetBorderColorChecked(ui::TColor Value) { StoreColor(FBorderColorChecked, Value); }
    ui::TColor Color() const { return FColor; }
    void SetColor(ui::TColor Value) { StoreColor(FColor, Value); }
    ui::TColor ColorTo() const { return FColorTo; }
    void SetColorTo(ui::TColor Value) { StoreColor(FColorTo, Value); }
    ui::TColor ColorDown() const { return FColorDown; }
    void SetColorDown(ui::TColor Value) { StoreColor(FColorDown, Value); }
    ui::TColor ColorDownTo() const { return FColorDownTo; }
    void SetColorDownTo(ui::TColor Value) { StoreColor(FColorDownTo, Value); }
    ui::TColor ColorHot() const { return FColorHot; }
    void SetColorHot(ui::TColor Value) { StoreColor(FColorHot, Value); }
    ui::TColor ColorHotTo() const { return FColorHotTo; }
    void SetColorHotTo(ui::TColor Value) { StoreColor(FColorHotTo, Value); }
    ui::TColor ColorCheckedTo() const { return FColorCheckedTo; }
    void SetColorCheckedTo(ui::TColor Value) { StoreColor(FColorCheckedTo, Value); }
    ui::TColor ColorDisabled() const { return FColorDisabled; }
    void SetColorDisabled(ui::TColor Value) { StoreColor(FColorDisabled, Value); }
    ui::TColor ColorDisabledTo() const { return FColorDisabledTo; }
    void SetColorDisabledTo(ui::TColor Value) { StoreColor(FColorDisabledTo, Value); }
    ui::TColor ColorChecked() const { return FColorChecked; }
    void SetColorChecked(ui::TColor Value) { StoreColor(FColorChecked, Value); }
    ui::TColor TextColor() const { return FTextColor; }
    void SetTextColor(ui::TColor Value) { StoreColor(FTextColor, Value); }
    ui::TColor SpecialTextColor() const { return FSpecialTextColor; }
    void SetSpecialTextColor(ui::TColor Value) { StoreColor(FSpecialTextColor, Value); }

    // Stored only.
    ui::TColor ShineColor() const { return FShineColor; }
    void SetShineColor(ui::TColor Value) { FShineColor = Value; }
    ui::TColor GlowColorHot = 14008900;
    ui::TColor GlowColorDown = 14008900;

    ui::TFont* Font() { return &FFont; }
    const ui::TFont* Font() const { return &FFont; }
    void SetFont(const ui::TFont& Value);

    ui::TNotifyEvent OnChange;

private:
    void StoreColor(ui::TColor& Field, ui::TColor Value);
    void Changed();

    ui::TColor FBorderColor = 0;
    ui::TColor FBorderColorHot = 0;
    ui::TColor FBorderColorDown = 0;
    ui::TColor FBorderColorChecked = 16711680;
    ui::TColor FColor = 10129759;
    ui::TColor FColorTo = 11575664;
    ui::TColor FColorDown = 4927240;
    ui::TColor FColorDownTo = 11384084;
    ui::TColor FColorHot = 10448668;
    ui::TColor FColorHotTo = 14008900;
    ui::TColor FColorCheckedTo = 0;
    ui::TColor FColorDisabled = 0;
    ui::TColor FColorDisabledTo = 0;
    ui::TColor FColorChecked = 0;
    ui::TColor FTextColor = 0;
    ui::TColor FSpecialTextColor = 128;
    ui::TColor FShineColor = 16777215;
    ui::TFont FFont;
};

}  // namespace dropdown

#pragma once
// The button embedded in the edit with button: TGsgEditButton, a small window holding one
// TGxSpeedButton that covers it. The speed button paints in custom colours, through the native
// style, flat or classically; the window fires OnClick on the left release of its button.

#include <string>

#include "platform/ui/Buttons.h"

namespace gx {

class TGsgEditButton;

class TGxSpeedButton : public ui::TSpeedButton {
public:
    explicit TGxSpeedButton(ui::TComponent* AOwner);

    bool IsWinXP = false;
    // The mouse is over the button.
    bool Hot() const { return FHot; }

protected:
    void MouseEnter() override;
    void MouseLeave() override;
    void Paint() override;

private:
    TGsgEditButton* buttonOwner() const;
    bool FHot = false;
};

class TGsgEditButton : public ui::TWinControl {
public:
    explicit TGsgEditButton(ui::TComponent* AOwner);
    ~TGsgEditButton() override;

    TGxSpeedButton* Button() const { return FButton; }
    ui::TWinControl* FocusControl() const { return FFocusControl; }
    void SetFocusControl(ui::TWinControl* v);
    bool Flat() const { return FFlat; }
    // Stored here and on the speed button.
    void SetFlat(bool v);
    const ui::TBitmap* Glyph() const { return FButton->Glyph(); }
    void SetGlyph(const ui::TBitmap* v) { FButton->SetGlyph(v); }
    int NumGlyphs() const { return FButton->NumGlyphs(); }
    void SetNumGlyphs(int v) { FButton->SetNumGlyphs(v); }
    const std::string& ButtonCaption() const { return FButton->Caption(); }
    void SetButtonCaption(const std::string& v) { FButton->SetCaption(v); }

    // Custom button colours (clNone: not set). Only the face colours are drawn.
    ui::TColor ButtonColor = ui::clNone;
    ui::TColor ButtonColorHot = ui::clNone;
    ui::TColor ButtonColorDown = ui::clNone;
    ui::TColor ButtonTextColor = ui::clNone;
    ui::TColor ButtonTextColorHot = ui::clNone;
    ui::TColor ButtonTextColorDown = ui::clNone;
    ui::TColor ButtonBorderColor = ui::clNone;

    // OnClick (of TControl) fires on every left-button release of the embedded button, also one
    // released after the pointer left it.
    void SetBounds(int left, int top, int width, int height) override;

protected:
    void Loaded() override;
    void Notification(ui::TComponent* component, ui::TOperation operation) override;

private:
    void buttonMouseUp(ui::TMouseButton button);

    TGxSpeedButton* FButton = nullptr;
    ui::TWinControl* FFocusControl = nullptr;
    bool FFlat = false;
};

}  // namespace gx

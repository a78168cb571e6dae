#pragma once
// The colours and font of the hot and selected items of the item selector. Its fields are plain
// data: a change shows at the next painting.
#include "controls/dropdown/GxDropDownTypes.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Graphics.h"

namespace dropdown {

class TItemAppearance {
public:
    TItemAppearance();
    // Copies the twelve preset colours and the font, applies the source's colour style (a named
    // style other than this one reloads its preset over the copied colours), then copies the two
    // text colours and the two plain border colours.
    void Assign(const TItemAppearance& Source);

    TSelectionColorStyle ColorStyle() const { return FColorStyle; }
    // Stores a changed style; the named styles load their preset into the twelve preset colours.
    void SetColorStyle(TSelectionColorStyle Style);

    ui::TFont* Font() { return &FFont; }
    const ui::TFont* Font() const { return &FFont; }
    void SetFont(const ui::TFont& F) { FFont.Assign(F); }

    // The preset colours.
    ui::TColor ColorHot = ui::clNone;
    ui::TColor ColorHotTo = ui::clNone;
    ui::TColor ColorMirrorHot = ui::clNone;
    ui::TColor ColorMirrorHotTo = ui::clNone;
    ui::TColor ColorSelected = ui::clNone;
    ui::TColor ColorSelectedTo = ui::clNone;
    ui::TColor ColorMirrorSelected = ui::clNone;
    ui::TColor ColorMirrorSelectedTo = ui::clNone;
    ui::TColor BorderColor = ui::clNone;
    ui::TColor BorderColorTop = ui::clNone;
    ui::TColor BorderColorBottom = ui::clNone;
    ui::TColor EdgeColor = ui::clNone;
    // When set, the hot (selected) item gets a plain one-pixel border of this colour instead of
    // the preset frame.
    ui::TColor BorderColorHot = ui::clNone;
    ui::TColor BorderColorSelected = ui::clNone;
    ui::TColor ColorHotText = 0;
    ui::TColor ColorSelectedText = 0;

private:
    void LoadPreset(TSelectionColorStyle Style);

    TSelectionColorStyle FColorStyle = TSelectionColorStyle::scCustom;
    ui::TFont FFont;
};

}  // namespace dropdown

#pragma once
// The colour presets of the drop-down editors: what each of the sixteen look presets gives the
// drop-down window, its header and footer bars and their buttons; the selection colour styles and
// the drawing of a selected item; the hot and selected item colours of the item selector.
#include <optional>
#include <utility>

#include "controls/dropdown/GxDropDownTypes.h"
#include "grid/base/GxStyleIF.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Types.h"

namespace ui {
class TCanvas;
}

namespace dropdown {

class TGxButtonAppearance;
class TItemAppearance;

// Colours of a header or footer bar.
struct TBarPreset {
    ui::TColor Color;
    ui::TColor ColorTo;
    ui::TColor BorderColor;
    ui::TColor FontColor;
};

// Colours of the header and footer buttons (TGxButtonAppearance).
struct TButtonPreset {
    ui::TColor Color, ColorTo, BorderColor;
    ui::TColor ColorHot, ColorHotTo, BorderColorHot;
    ui::TColor ColorDown, ColorDownTo, BorderColorDown;
    ui::TColor ColorDisabled, ColorDisabledTo;
    ui::TColor ColorChecked, ColorCheckedTo, BorderColorChecked;
};

struct TDropDownPreset {
    ui::TColor WindowColor;
    ui::TColor WindowColorTo;
    std::optional<ui::TColor> WindowBorderColor;  // empty: the preset keeps the border colour
    TBarPreset Header;
    TBarPreset Footer;
    TButtonPreset Buttons;
};

// The preset of a style; none for tsCustom and values outside the sixteen styles.
std::optional<TDropDownPreset> DropDownPreset(gx::TGxStyle AStyle);

// Writes a button preset through the appearance's setters (each fires OnChange on a change).
void ApplyButtonPreset(TGxButtonAppearance& Appearance, const TButtonPreset& Preset);

// SelectionColor and SelectionColorTo of a named selection style; none for scCustom.
std::optional<std::pair<ui::TColor, ui::TColor>> SelectionColors(TSelectionColorStyle Style);

// A selected item: a plain fill in SelectionColor for scCustom, else the rounded button face of
// the style from SelectionColor to SelectionColorTo with the style's frame colours; BackColor
// shows at the outer corner pixels.
void DrawSelectionBackground(ui::TCanvas& Canvas, const ui::TRect& Rect, int Position, ui::TColor BackColor,
                             TSelectionColorStyle Style, ui::TColor SelectionColor, ui::TColor SelectionColorTo);

// The hot and selected item colours of a style for the item appearance of the list pickers.
// Nothing without an appearance; tsCustom changes nothing.
void SetItemAppearanceStyle(TItemAppearance* Appearance, gx::TGxStyle AStyle);

}  // namespace dropdown

#include "controls/dropdown/GxItemAppearance.h"

namespace dropdown {

TItemAppearance::TItemAppearance()
{
    FFont.SetName("Tahoma");
    SetColorStyle(TSelectionColorStyle::scOffice2007);
}

void TItemAppearance::SetColorStyle(TSelectionColorStyle Style)
{
    if (Style == FColorStyle)
        return;
    FColorStyle = Style;
    LoadPreset(Style);
}

void TItemAppearance::LoadPreset(TSelectionColorStyle Style)
{
    struct Preset {
        ui::TColor Hot, HotTo, MirrorHot, MirrorHotTo, Top, Bottom, Border, Edge, Sel, SelTo, MirrorSel, MirrorSelTo;
    };
    Preset p{};
    switch (Style) {
    case TSelectionColorStyle::scOffice2007:
        p = {0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF,
             0x8DD7D3, 0xC3D9DF, 0xA6FFFB, 0x04B9F4, 0x15C1FB, 0x68E3F9};
        break;
    case TSelectionColorStyle::scWindowsVista:
        p = {0xFDF8F1, 0xFCEFD5, ui::clNone, ui::clNone, 0xFDFBF6,   0xFDF5E7,
             0xFDDE99, 0xFCEDCB, 0xFAEEDE,   0xFAE3B4,   ui::clNone, ui::clNone};
        break;
    case TSelectionColorStyle::scWindows7:
        p = {0xFCEBDC, 0xFCDBC1, ui::clNone, ui::clNone, 0xFDF4EB,   0xFDEADB,
             0xCEA27D, 0xE0C5AE, 0xF9D8B9,   0xFBCAA2,   ui::clNone, ui::clNone};
        break;
    case TSelectionColorStyle::scCustom:
        return;
    }
    ColorHot = p.Hot;
    ColorHotTo = p.HotTo;
    ColorMirrorHot = p.MirrorHot;
    ColorMirrorHotTo = p.MirrorHotTo;
    BorderColorTop = p.Top;
    BorderColorBottom = p.Bottom;
    BorderColor = p.Border;
    EdgeColor = p.Edge;
    ColorSelected = p.Sel;
    ColorSelectedTo = p.SelTo;
    ColorMirrorSelected = p.MirrorSel;
    ColorMirrorSelectedTo = p.MirrorSelTo;
}

void TItemAppearance::Assign(const TItemAppearance& Source)
{
    ColorHot = Source.ColorHot;
    ColorHotTo = Source.ColorHotTo;
    ColorMirrorHot = Source.ColorMirrorHot;
    ColorMirrorHotTo = Source.ColorMirrorHotTo;
    ColorSelected = Source.ColorSelected;
    ColorSelectedTo = Source.ColorSelectedTo;
    ColorMirrorSelected = Source.ColorMirrorSelected;
    ColorMirrorSelectedTo = Source.ColorMirrorSelectedTo;
    BorderColor = Source.BorderColor;
    BorderColorTop = Source.BorderColorTop;
    BorderColorBottom = Source.BorderColorBottom;
    EdgeColor = Source.EdgeColor;
    FFont.Assign(Source.FFont);
    SetColorStyle(Source.FColorStyle);
    ColorSelectedText = Source.ColorSelectedText;
    ColorHotText = Source.ColorHotText;
    BorderColorHot = Source.BorderColorHot;
    BorderColorSelected = Source.BorderColorSelected;
}

}  // namespace dropdown

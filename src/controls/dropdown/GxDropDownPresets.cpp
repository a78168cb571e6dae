#include "controls/dropdown/GxDropDownPresets.h"

#include "controls/dropdown/GxButtonAppearance.h"
#include "controls/dropdown/GxItemAppearance.h"
#include "grid/base/VozEdidDraw.h"
#include "platform/ui/Graphics.h"

namespace dropdown {

using gx::TGxStyle;
using ui::clNone;
using ui::TColor;

namespace {

constexpr TColor kFace = ui::clBtnFace;
constexpr TColor kHighlight = ui::clHighlight;
constexpr TColor kInactiveCaption = ui::clInactiveCaption;

// The hot, down, disabled and checked button colours most presets share.
TButtonPreset OfficeButtons(TColor color, TColor colorTo)
{
    return {color,    colorTo,  clNone,   0xEBFDFF, 0xACECFF, 0x99CEDB, 0xAAD9FF,
            0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6, 0x76AFF1, 0x4190F3, 0x45667B};
}

TButtonPreset Office2010Buttons(TColor color, TColor colorTo, TColor border)
{
    return {color,  colorTo,  border,   0x8AE3FD, clNone,   0x58CAF1, 0x6CD0FF,
            clNone, 0x308AC2, 0xF2F2F2, 0xB6B6B6, 0x45E1FE, clNone,   0x4FA0CE};
}

TDropDownPreset Same(TColor w, TColor wTo, std::optional<TColor> wBorder, TBarPreset bar, TButtonPreset buttons)
{
    return {w, wTo, wBorder, bar, bar, buttons};
}

}  // namespace

std::optional<TDropDownPreset> DropDownPreset(TGxStyle AStyle)
{
    constexpr std::optional<TColor> keep;
    switch (AStyle) {
    case TGxStyle::tsOffice2003Blue:
        return TDropDownPreset{0xFFFFFF,
                               clNone,
                               keep,
                               {0xFCE1CB, 0xE0A57D, 0x000000, 0x000000},
                               {0xFCE1CB, 0xE0A57D, 0x962D00, 0x000000},
                               OfficeButtons(0xFCE1CB, 0xE0A57D)};
    case TGxStyle::tsOffice2003Silver:
        return Same(0xFFFFFF, clNone, keep, {0xECE2E1, 0xB39698, 0x947C7C, 0x000000},
                    OfficeButtons(0xECE2E1, 0xB39698));
    case TGxStyle::tsOffice2003Olive:
        return Same(0xFFFFFF, clNone, clNone, {0xCFF0EA, 0x8CC0B1, 0x588060, 0x000000},
                    OfficeButtons(0xCFF0EA, 0x8CC0B1));
    case TGxStyle::tsOffice2003Classic:
        return Same(0xF2F2F2, 0xF2F2F2, clNone, {0x808080, 0x808080, 0x808080, 0xFFFFFF},
                    {0xFFFFFF, 0xC9D1D5, clNone, 0xD2BDB6, 0xD2BDB6, 0x808080, 0xB59285, 0xB59285, 0x808080, 0xD8D5D4,
                     0xD8D5D4, 0xD8D5D4, 0xD8D5D4, 0x808080});
    case TGxStyle::tsOffice2007Luna:
        return Same(0xF3E5DA, 0xF0DED0, clNone, {0xFFEFE3, 0xFFD2AF, 0xFFD2AF, 0x723708},
                    OfficeButtons(0xFFEFE3, 0xFFDDC4));
    case TGxStyle::tsOffice2007Obsidian:
        return Same(0xFFFFFF, clNone, clNone, {0xF2F1F0, 0xC9C2BD, 0x5C534C, 0x433C37},
                    OfficeButtons(0xF2F1F0, 0xC9C2BD));
    case TGxStyle::tsWindowsXP:
        return Same(0xFFFFFF, clNone, keep, {0xFFFFFF, kFace, 0x808080, 0x000000},
                    {0xFFFFFF, kFace, clNone, 0xEFD3C6, 0xEFD3C6, kHighlight, kInactiveCaption, kInactiveCaption,
                     kHighlight, 0xB6B6B6, 0xB6B6B6, 0xB9D8DC, 0xB9D8DC, 0x000000});
    case TGxStyle::tsWhidbey:
        return Same(0xF5F9FA, 0xF5F9FA, clNone, {0xEBEEEF, 0x7E9898, 0x962D00, 0xFFFFFF},
                    OfficeButtons(0xFFFFFF, 0xDFEDF0));
    case TGxStyle::tsOffice2007Silver:
        return Same(0xF8F4F1, 0xF0E8E3, clNone, {0xF8F7F6, 0xE8E0DB, 0x74706F, 0x8B4215},
                    OfficeButtons(0xF9F8F8, 0xE4E2DF));
    case TGxStyle::tsWindowsVista:
        return TDropDownPreset{0xFFFFFF,
                               0xFFFFFF,
                               0x979797,
                               {0xFFFDF9, 0xFFFAF0, 0xFCF2DA, 0x000000},
                               {0xFFFAF0, 0xFFFDF9, 0xFCF2DA, 0x000000},
                               {0xFFFDF9, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFDF0D7,
                                0xFEDF9A, 0xFFFFFF, 0xFFFFFF, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A}};
    case TGxStyle::tsWindows7:
        return Same(0xFFFFFF, 0xFFFFFF, 0x979797, {0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0x000000},
                    {0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFCEBDC, 0xFCDBC1, 0xCEA27D, 0xFFFFFF,
                     0xFFFFFF, 0xFEF9F0, 0xFCDBC1, 0xCEA27D});
    case TGxStyle::tsTerminal:
        return Same(0xFFFFFF, 0xFFFFFF, 0x808080, {kFace, kFace, clNone, 0x000000},
                    {kFace, kFace, clNone, 0xC0C0C0, 0xC0C0C0, 0x808080, kHighlight, kHighlight, 0x808080, kFace, kFace,
                     kFace, kFace, kHighlight});
    case TGxStyle::tsOffice2010Blue:
        return Same(0xFFFFFF, 0xF1EFED, 0xEDEDEC, {0xFDF6EF, 0xF0DAC7, 0xC7B29F, 0x5B391E},
                    Office2010Buttons(0xFDF6EF, 0xF0DAC7, 0xC7B29F));
    case TGxStyle::tsOffice2010Silver:
        return Same(0xFFFFFF, 0xF1EFED, 0xEDEDEC, {0xFFFFFF, 0xEDE5E0, 0xD2CDC8, 0x5B391E},
                    Office2010Buttons(0xFFFFFF, 0xEDE5E0, 0xD2CDC8));
    case TGxStyle::tsOffice2010Black:
        return Same(0xFFFFFF, 0xF1EFED, 0xEDEDEC, {0xBFBFBF, 0x919191, 0x6D6D6D, 0xD7D7D6},
                    Office2010Buttons(0xBFBFBF, 0x919191, 0xD7D7D6));
    case TGxStyle::tsCustom:
        break;
    }
    return std::nullopt;
}

void ApplyButtonPreset(TGxButtonAppearance& A, const TButtonPreset& P)
{
    A.SetColor(P.Color);
    A.SetColorTo(P.ColorTo);
    A.SetBorderColor(P.BorderColor);
    A.SetColorHot(P.ColorHot);
    A.SetColorHotTo(P.ColorHotTo);
    A.SetBorderColorHot(P.BorderColorHot);
    A.SetColorDown(P.ColorDown);
    A.SetColorDownTo(P.ColorDownTo);
    A.SetBorderColorDown(P.BorderColorDown);
    A.SetColorDisabled(P.ColorDisabled);
    A.SetColorDisabledTo(P.ColorDisabledTo);
    A.SetColorChecked(P.ColorChecked);
    A.SetColorCheckedTo(P.ColorCheckedTo);
    A.SetBorderColorChecked(P.BorderColorChecked);
}

std::optional<std::pair<TColor, TColor>> SelectionColors(TSelectionColorStyle Style)
{
    switch (Style) {
    case TSelectionColorStyle::scOffice2007:
        return std::pair<TColor, TColor>{0xD7FFFD, 0x58D4FC};
    case TSelectionColorStyle::scWindowsVista:
        return std::pair<TColor, TColor>{0xFDF8F1, 0xFCEFD5};
    case TSelectionColorStyle::scWindows7:
        return std::pair<TColor, TColor>{0xFCEBDC, 0xFCDBC1};
    case TSelectionColorStyle::scCustom:
        break;
    }
    return std::nullopt;
}

void DrawSelectionBackground(ui::TCanvas& Canvas, const ui::TRect& Rect, int Position, TColor BackColor,
                             TSelectionColorStyle Style, TColor SelectionColor, TColor SelectionColorTo)
{
    struct Frame {
        TColor Edge, Border, Bottom, Top, Mirror, MirrorTo;
    };
    Frame f{};
    switch (Style) {
    case TSelectionColorStyle::scCustom:
        Canvas.Brush()->SetStyle(ui::TBrushStyle::bsSolid);
        Canvas.Brush()->SetColor(SelectionColor);
        Canvas.Pen()->SetColor(SelectionColor);
        Canvas.FillRect(Rect);
        return;
    case TSelectionColorStyle::scOffice2007:
        f = {0xC3D9DF, 0x8DD7D3, 0xCAF8FF, 0xF4FEFF, 0x58D4FC, 0xB3F1FC};
        break;
    case TSelectionColorStyle::scWindowsVista:
        f = {0xFCEDCB, 0xFDDE99, 0xFDF5E7, 0xFDFBF6, clNone, clNone};
        break;
    case TSelectionColorStyle::scWindows7:
        f = {0xE0C5AE, 0xCEA27D, 0xFDEADB, 0xFDF4EB, clNone, clNone};
        break;
    default:
        return;
    }
    VozEdid::DrawGradientButtonFace(Canvas, SelectionColor, SelectionColorTo, f.Mirror, f.MirrorTo, f.Top, f.Bottom,
                                    f.Border, f.Edge, BackColor, Rect, Position);
}

void SetItemAppearanceStyle(TItemAppearance* A, TGxStyle AStyle)
{
    if (!A || AStyle == TGxStyle::tsCustom)
        return;
    A->BorderColorHot = clNone;
    A->BorderColorSelected = clNone;
    A->ColorSelectedText = 0;
    A->ColorHotText = 0;
    struct Item {
        TColor Hot, HotTo, MirrorHot, MirrorHotTo;
        TColor Sel, SelTo, MirrorSel, MirrorSelTo, Border;
        TColor Top, Bottom, Edge;
        std::optional<TColor> SelectedText;
    };
    const Item office{0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0xAAD9FF, 0x6EBBFF,    0x42AEFE,
                      0x7AE1FE, 0x42AEFE, clNone,   clNone,   clNone,   std::nullopt};
    Item it{};
    switch (AStyle) {
    case TGxStyle::tsOffice2003Blue:
    case TGxStyle::tsOffice2003Silver:
    case TGxStyle::tsOffice2003Olive:
    case TGxStyle::tsWhidbey:
        it = office;
        break;
    case TGxStyle::tsOffice2007Luna:
    case TGxStyle::tsOffice2007Obsidian:
    case TGxStyle::tsOffice2007Silver:
        it = office;
        it.Top = 0xF4FEFF;
        it.Bottom = 0xCAF8FF;
        it.Edge = 0xC3D9DF;
        break;
    case TGxStyle::tsOffice2003Classic:
        it = {0xD2BDB6, 0xD2BDB6, clNone, clNone, 0xB59285, 0xB59285,    clNone,
              clNone,   0x808080, clNone, clNone, clNone,   std::nullopt};
        break;
    case TGxStyle::tsWindowsXP:
        it = {0xEFD3C6,   0xEFD3C6, clNone, clNone, kHighlight,         clNone, clNone, clNone,
              kHighlight, clNone,   clNone, clNone, ui::clHighlightText};
        break;
    case TGxStyle::tsWindowsVista:
        it = {0xFFFDF9, 0xFFFAF0, clNone,   clNone,   0xFEF9F0, 0xFDF0D7,    clNone,
              clNone,   0xFEDF9A, 0xFDFBF6, 0xFDF5E7, 0xFCEDCB, std::nullopt};
        break;
    case TGxStyle::tsWindows7:
        it = {0xFDFBFA, 0xFDF3EB, clNone,   clNone,   0xFCEBDC, 0xFCDBC1,    clNone,
              clNone,   0xCEA27D, 0xFDF4EB, 0xFDEADB, 0xE0C5AE, std::nullopt};
        break;
    case TGxStyle::tsTerminal:
        it = {0xC0C0C0, 0xC0C0C0, clNone, clNone, kHighlight,         clNone, clNone, clNone,
              0x808080, clNone,   clNone, clNone, ui::clHighlightText};
        break;
    case TGxStyle::tsOffice2010Blue:
    case TGxStyle::tsOffice2010Silver:
    case TGxStyle::tsOffice2010Black:
        it = {0xD9F9FD, 0x8AE3FD, 0x8AE3FD, 0xD9F9FD, 0x7BEEFF, 0x6CD0FF, 0x6CD0FF,
              0x7BEEFF, 0x308AC2, clNone,   clNone,   clNone,   TColor{0}};
        break;
    default:
        return;
    }
    A->ColorHot = it.Hot;
    A->ColorHotTo = it.HotTo;
    A->ColorMirrorHot = it.MirrorHot;
    A->ColorMirrorHotTo = it.MirrorHotTo;
    A->ColorSelected = it.Sel;
    A->ColorSelectedTo = it.SelTo;
    A->ColorMirrorSelected = it.MirrorSel;
    A->ColorMirrorSelectedTo = it.MirrorSelTo;
    A->BorderColor = it.Border;
    A->BorderColorTop = it.Top;
    A->BorderColorBottom = it.Bottom;
    A->EdgeColor = it.Edge;
    if (it.SelectedText)
        A->ColorSelectedText = *it.SelectedText;
}

}  // namespace dropdown

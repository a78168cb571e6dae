// TGxStringGrid: named looks and style presets that set many colours at once: the Look setter, the
// sixteen presets of SetStyle, the flat look of SetColorTones, the older colour schemes of SetTheme,
// following the office theme, and the scroll-bar kind and visibility settings.
#include "grid/base/VozEdidDraw.h"
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridPaint.h"
#include "grid/stringgrid/GxGridPanels.h"

namespace gx {

using ui::TColor;

namespace {

constexpr TColor kBtnFace = ui::clBtnFace;
constexpr TColor N = ui::clNone;
constexpr TColor kKeep = 0x2FFFFFFF;  // "not written by the style"

struct StylePreset {
    int look;  // -1: Look unchanged
    TColor from, to, mirrorFrom, mirrorTo;
    TColor gridLine, fixedLine;
    TColor selColor, selTo, selText;
    int selStyle;  // -1: unchanged
    TColor hot[5], down[5];
    TColor active, activeTo;
    TColor sort[4];
};

// One row per style; kKeep marks a value the style leaves alone.
const StylePreset kPresets[16] = {
    {glXP,
     0xFCE1CB,
     0xE0A57D,
     N,
     N,
     0xC0C0C0,
     0x808080,
     0x94E6FB,
     0x1595EE,
     0,
     -1,
     {kKeep, kKeep, kKeep, kKeep, kKeep},
     {kKeep, kKeep, kKeep, kKeep, kKeep},
     0x94E6FB,
     0x1595EE,
     {kKeep, kKeep, kKeep, kKeep}},
    {glXP,
     0xECE2E1,
     0xB39698,
     N,
     N,
     0xC0C0C0,
     0x808080,
     0x94E6FB,
     0x1595EE,
     0,
     -1,
     {kKeep, kKeep, kKeep, kKeep, kKeep},
     {kKeep, kKeep, kKeep, kKeep, kKeep},
     0x94E6FB,
     0x1595EE,
     {kKeep, kKeep, kKeep, kKeep}},
    {glXP,
     0xCFF0EA,
     0x8CC0B1,
     N,
     N,
     0xC0C0C0,
     0x808080,
     0x94E6FB,
     0x1595EE,
     0,
     -1,
     {kKeep, kKeep, kKeep, kKeep, kKeep},
     {kKeep, kKeep, kKeep, kKeep, kKeep},
     0x94E6FB,
     0x1595EE,
     {kKeep, kKeep, kKeep, kKeep}},
    {glXP,
     0xFFFFFF,
     0xCCD4D8,
     N,
     N,
     0xC0C0C0,
     0x808080,
     kKeep,
     kKeep,
     kKeep,
     -1,
     {kKeep, kKeep, kKeep, kKeep, kKeep},
     {kKeep, kKeep, kKeep, kKeep, kKeep},
     0xD8D5D4,
     0xD8D5D4,
     {kKeep, kKeep, kKeep, kKeep}},
    {glOffice2007,
     0xFBF9F6,
     0xE8DBD2,
     N,
     N,
     0xF1EDEB,
     0xD1BBA4,
     0x5EC1F1,
     kKeep,
     0,
     ssOffice2007,
     {0xE4E2DF, 0xDBD3CD, 0xDBD3CD, 0xD2C5BC, 0xB79F87},
     {0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D, 0xE4C19D},
     0x9DD8F9,
     0x5EC1F1,
     {kKeep, kKeep, kKeep, kKeep}},
    {glOffice2007,
     0xF7F7F7,
     0xDEDEDE,
     N,
     N,
     0xE5D7D0,
     0x808080,
     0x5EC1F1,
     kKeep,
     0,
     -1,
     {kKeep, kKeep, kKeep, kKeep, kKeep},
     {kKeep, kKeep, kKeep, kKeep, kKeep},
     0x9DD8F9,
     0x5EC1F1,
     {kKeep, kKeep, kKeep, kKeep}},
    {glXP,
     kBtnFace,
     kBtnFace,
     N,
     N,
     0xC0C0C0,
     0x808080,
     kKeep,
     kKeep,
     kKeep,
     -1,
     {kKeep, kKeep, kKeep, kKeep, kKeep},
     {kKeep, kKeep, kKeep, kKeep, kKeep},
     kBtnFace,
     kBtnFace,
     {kKeep, kKeep, kKeep, kKeep}},
    {-1,
     0xFFFFFF,
     kBtnFace,
     N,
     N,
     0xC0C0C0,
     0x808080,
     kKeep,
     kKeep,
     kKeep,
     -1,
     {kKeep, kKeep, kKeep, kKeep, kKeep},
     {kKeep, kKeep, kKeep, kKeep, kKeep},
     0x94E6FB,
     0x1595EE,
     {kKeep, kKeep, kKeep, kKeep}},
    {-1,
     kKeep,
     kKeep,
     kKeep,
     kKeep,
     kKeep,
     kKeep,
     kKeep,
     kKeep,
     kKeep,
     -1,
     {kKeep, kKeep, kKeep, kKeep, kKeep},
     {kKeep, kKeep, kKeep, kKeep, kKeep},
     kKeep,
     kKeep,
     {kKeep, kKeep, kKeep, kKeep}},
    {glOffice2007,
     0xF3F3F1,
     0xCAC9C8,
     kKeep,
     kKeep,
     0xE5D7D0,
     0x808080,
     0x95C7F5,
     kKeep,
     0,
     -1,
     {kKeep, kKeep, kKeep, kKeep, kKeep},
     {kKeep, kKeep, kKeep, kKeep, kKeep},
     0x99CCFF,
     0x699CFF,
     {kKeep, kKeep, kKeep, kKeep}},
    {glVista,
     0xFFFFFF,
     0xFFFFFF,
     0xFAF8F7,
     0xF4F2F1,
     0xECECF0,
     0xD4D2D1,
     0xEACAB6,
     kKeep,
     0,
     ssVista,
     {0xFFF7E3, 0xFFF7E3, 0xFFEDBD, 0xFBE7B7, 0xE3C993},
     {0xF9E4BC, 0xF9E4BC, 0xF7D68D, 0xF5D18A, 0xAE904F},
     0xFDF8F1,
     0xFCEFD5,
     {0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8}},
    {glWin7,
     0xFDFCFA,
     0xFAF0E6,
     0xF4E6DC,
     0xF7E9DD,
     0xECECF0,
     0xD4D2D1,
     0xEACAB6,
     kKeep,
     0,
     ssWin7,
     {0xFEFBF8, 0xFAF2ED, 0xF4E4D7, 0xE8D2C1, 0xEEE8E3},
     {0xF1E8DD, 0xF1E4D8, 0xECDBCF, 0xEDDCCF, 0xD5BCAA},
     0xFCEBDC,
     0xFCDBC1,
     {0xFCF9F2, 0xFCF9F2, 0xF9F1E1, 0xF6ECD8}},
    {glStandard,
     kKeep,
     kKeep,
     kKeep,
     kKeep,
     kKeep,
     kKeep,
     kKeep,
     kKeep,
     kKeep,
     -1,
     {kKeep, kKeep, kKeep, kKeep, kKeep},
     {kKeep, kKeep, kKeep, kKeep, kKeep},
     kKeep,
     kKeep,
     {kKeep, kKeep, kKeep, kKeep}},
    {glOffice2007,
     0xF5E7DA,
     0xF5E7DA,
     0xF5E7DA,
     0xF5E7DA,
     0xC0C0C0,
     0xC7B0A0,
     0xFFDBB7,
     kKeep,
     0,
     ssDefault,
     {0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8},
     {0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2},
     0x5BD5FF,
     0x71EFFF,
     {0xD6CEC7, 0xD6CEC7, 0xD6CEC7, 0xD6CEC7}},
    {glOffice2007,
     0xE8E3DF,
     0xE8E3DF,
     0xE8E3DF,
     0xE8E3DF,
     0xC0C0C0,
     0xBAB5B1,
     0xFFDBB7,
     kKeep,
     0,
     ssDefault,
     {0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8},
     {0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2},
     0x5BD5FF,
     0x71EFFF,
     {0xAAAAAA, 0xAAAAAA, 0xAAAAAA, 0xAAAAAA}},
    {glOffice2007,
     0x6A6A6A,
     0x6A6A6A,
     0x6A6A6A,
     0x6A6A6A,
     0xC0C0C0,
     0x444444,
     0xFFDBB7,
     kKeep,
     0,
     ssDefault,
     {0x6BDFFF, 0xAFEFFF, 0xAFEFFF, 0xE6FCFF, 0x3ABFE8},
     {0x5BD5FF, 0x64E0FF, 0x64E0FF, 0x71EFFF, 0x308AC2},
     0x5BD5FF,
     0x71EFFF,
     {0xBABABA, 0xBABABA, 0xBABABA, 0xBABABA}},
};

}  // namespace

std::string LookToString(TGridLook Look)
{
    static const char* const names[] = {"glStandard", "glSoft",  "glClassic", "glDUD",       "glXP",
                                        "glListView", "glVista", "glWin7",    "glOffice2007"};
    return Look < glCustom ? names[Look] : std::string();
}

std::string LookToDisplayName(TGridLook Look)
{
    static const char* const names[] = {"Standard", "Soft",          "Classic",   "Gradient",  "Windows XP",
                                        "ListView", "Windows Vista", "Windows 7", "Office2007"};
    return Look < glCustom ? names[Look] : std::string();
}

void TGxStringGrid::SetLook(TGridLook Value)
{
    if (Value == Look)
        return;
    Look = Value;
    auto& fg = fixedGradients_;
    using TL = TControlLook;
    if (Value != glCustom) {
        controlLook_->SetFixedGradientFrom(ui::clNone);
        controlLook_->SetFixedGradientTo(ui::clNone);
        controlLook_->SetFixedGradientMirrorFrom(ui::clNone);
        controlLook_->SetFixedGradientMirrorTo(ui::clNone);
        fg[TL::kFrom] = fg[TL::kTo] = fg[TL::kMirrorFrom] = fg[TL::kMirrorTo] = ui::clNone;
        sortSettings_->SetHeaderColor(ui::clNone);
    }
    const bool loading = !loaded_ && ComponentState() & ui::csLoading;
    switch (Value) {
    case glVista:
        SetStyle(gsWindowsVista);
        InternalStyle = TGxStyle::tsWindowsVista;
        SetSelectionStyle(ssVista);
        break;
    case glWin7:
        SetStyle(gsWindows7);
        InternalStyle = TGxStyle::tsWindows7;
        SetSelectionStyle(ssWin7);
        break;
    case glOffice2007:
        SetStyle(gsOffice2007Luna);
        InternalStyle = TGxStyle::tsOffice2007Luna;
        SetSelectionStyle(ssOffice2007);
        break;
    case glCustom:
        break;
    default: {
        SetSelectionStyle(ssDefault);
        if (loading)
            break;
        const bool plain = Value == glStandard || Value == glSoft || Value == glClassic;
        if (plain) {
            SetFixedColor(ui::clBtnFace);
            controlLook_->SetFixedGradientFrom(ui::clBtnFace);
            controlLook_->SetFixedGradientTo(ui::clNone);
        } else {
            controlLook_->SetFixedGradientFrom(0xFFFFFF);
            controlLook_->SetFixedGradientTo(ui::clBtnFace);
        }
        SetGridFixedLineColor(0x808080);
        controlLook_->SetFixedGradientMirrorFrom(ui::clNone);
        controlLook_->SetFixedGradientMirrorTo(ui::clNone);
        SetGridLineColor(0xC0C0C0);
        if (Value == glDUD || Value == glXP) {
            ActiveCellColor = 0xEACAB6;
            ActiveCellColorTo = ui::clNone;
            SelectionColor = 0xEACAB6;
            SelectionColorTo = ui::clNone;
            SelectionTextColor = 0;
            searchFooter_->SetColor(fg[TL::kFrom]);
            searchFooter_->SetColorTo(fg[TL::kTo]);
            controlLook_->SetFixedGradientFrom(0xFFFFFF);
            controlLook_->SetFixedGradientTo(Value == glXP ? ui::clBtnFace : TColor(0xC0C0C0));
            controlLook_->SetFixedGradientHoverFrom(0xCFD0D1);
            controlLook_->SetFixedGradientHoverTo(0xBEC6C8);
            controlLook_->SetFixedGradientHoverMirrorFrom(0xBEC6C8);
            controlLook_->SetFixedGradientHoverMirrorTo(0xABBCBF);
            controlLook_->SetFixedGradientDownFrom(0x868788);
            controlLook_->SetFixedGradientDownTo(0x737C7E);
            controlLook_->SetFixedGradientDownMirrorFrom(0x737C7E);
            controlLook_->SetFixedGradientDownMirrorTo(0x627376);
        } else {
            ActiveCellColor = 0x808080;
            ActiveCellColorTo = ui::clNone;
            SelectionColor = ui::clHighlight;
            SelectionTextColor = ui::clHighlightText;
            searchFooter_->SetColor(ui::clBtnFace);
            searchFooter_->SetColorTo(ui::clBtnFace);
        }
        break;
    }
    }
    ScrollType = ssNormal;
    SetBorderStyle(ui::TBorderStyle::bsSingle);
    BorderColor = 0xB99D7F;
    Invalidate();
}

void TGxStringGrid::SetStyle(TGxGridStyle AStyle)
{
    SelectionColor = ui::clHighlight;
    SelectionColorTo = ui::clNone;
    SelectionTextColor = ui::clHighlightText;
    SetSelectionStyle(ssDefault);
    sortSettings_->SetHeaderColor(ui::clNone);
    sortSettings_->SetHeaderColorTo(ui::clNone);
    sortSettings_->SetHeaderMirrorColor(ui::clNone);
    sortSettings_->SetHeaderMirrorColorTo(ui::clNone);
    controlLook_->Init();
    const StylePreset& p = kPresets[AStyle];
    if (p.look >= 0)
        SetLook(static_cast<TGridLook>(p.look));
    auto& fg = fixedGradients_;
    using TL = TControlLook;
    const auto put = [](TColor& target, TColor v) {
        if (v != kKeep)
            target = v;
    };
    put(fg[TL::kFrom], p.from);
    put(fg[TL::kTo], p.to);
    put(fg[TL::kMirrorFrom], p.mirrorFrom);
    put(fg[TL::kMirrorTo], p.mirrorTo);
    if (p.gridLine != kKeep)
        SetGridLineColor(p.gridLine);
    if (p.fixedLine != kKeep)
        SetGridFixedLineColor(p.fixedLine);
    put(SelectionColor, p.selColor);
    put(SelectionColorTo, p.selTo);
    put(SelectionTextColor, p.selText);
    if (p.selStyle >= 0 && (AStyle != gsOffice2007Luna || Look == glOffice2007))
        SetSelectionStyle(static_cast<TGridSelectionStyle>(p.selStyle));
    const TL::FixedColor hot[5] = {TL::kHoverFrom, TL::kHoverTo, TL::kHoverMirrorFrom, TL::kHoverMirrorTo,
                                   TL::kHoverBorder};
    const TL::FixedColor down[5] = {TL::kDownFrom, TL::kDownTo, TL::kDownMirrorFrom, TL::kDownMirrorTo,
                                    TL::kDownBorder};
    for (int i = 0; i < 5; ++i) {
        put(fg[hot[i]], p.hot[i]);
        put(fg[down[i]], p.down[i]);
    }
    put(ActiveCellColor, p.active);
    put(ActiveCellColorTo, p.activeTo);
    if (p.sort[0] != kKeep) {
        sortSettings_->SetHeaderColor(p.sort[0]);
        sortSettings_->SetHeaderColorTo(p.sort[1]);
        sortSettings_->SetHeaderMirrorColor(p.sort[2]);
        sortSettings_->SetHeaderMirrorColorTo(p.sort[3]);
    }
    // The control look reports the fixed colours only for the presets that publish them.
    const bool publish = AStyle == gsOffice2003Blue || AStyle == gsOffice2003Silver || AStyle == gsOffice2003Olive ||
                         AStyle == gsOffice2007Luna || AStyle == gsOffice2007Obsidian || AStyle == gsOffice2007Silver;
    const TColor savedFrom = fg[TL::kFrom], savedTo = fg[TL::kTo];
    controlLook_->SetFixedGradientFrom(publish ? savedFrom : ui::clNone);
    controlLook_->SetFixedGradientTo(publish ? savedTo : ui::clNone);
    fg[TL::kFrom] = savedFrom;
    fg[TL::kTo] = savedTo;
    if (AStyle == gsWindowsXP)
        SetLook(glXP);
    if (AStyle != gsCustom && AStyle != gsTerminal) {
        searchFooter_->SetColor(fg[TL::kFrom]);
        searchFooter_->SetColorTo(fg[TL::kMirrorTo]);
    }
    Invalidate();
}

void TGxStringGrid::SetComponentStyle(TGxStyle AStyle)
{
    style_ = AStyle;
    SetStyle(static_cast<TGxGridStyle>(AStyle));
    if (AStyle != TGxStyle::tsCustom && ScrollType == ssMetro)
        SetScrollType(ssNormal);
}

void TGxStringGrid::SetColorTones(const TColorTones& ATones)
{
    tones_ = ATones;
    SetLook(glClassic);
    SetFlat(true);
    SetScrollType(ssMetro);
    SetFixedColor(ATones.Foreground.BrushColor);
    fixedFont_.SetColor(ATones.Foreground.TextColor);
    fixedFont_.SetName(GetDefaultFontName());
    Font()->SetName(GetDefaultFontName());
    SetColor(ATones.Background.BrushColor);
    Font()->SetColor(ATones.Background.TextColor);
    SelectionColor = ATones.Selected.BrushColor;
    SelectionTextColor = ATones.Selected.TextColor;
    SelectionColorTo = ui::clNone;
    SetGridLineColor(0xE6E6E6);
    SetGridFixedLineColor(VozEdid::AdjustColorPercent(ATones.Foreground.BrushColor, -20));
    SetBorderStyle(ui::TBorderStyle::bsNone);
    controlLook_->SetControlStyle(csGlyph);
    ui::TBitmap glyph;
    if (LoadGridGlyph("metrocheckon", glyph))
        controlLook_->SetCheckedGlyph(glyph);
    if (LoadGridGlyph("metrocheckoff", glyph))
        controlLook_->SetUnCheckedGlyph(glyph);
    if (LoadGridGlyph("metroradiooff", glyph))
        controlLook_->SetRadioOffGlyph(glyph);
    if (LoadGridGlyph("metroradioon", glyph))
        controlLook_->SetRadioOnGlyph(glyph);
    controlLook_->SetFlatButton(true);
    floatingFooter_->SetColor(ATones.Foreground.BrushColor);
    searchFooter_->SetColor(ATones.Foreground.BrushColor);
    searchFooter_->SetColorTo(ATones.Foreground.BrushColor);
    Invalidate();
}

void TGxStringGrid::SetTheme(TXPColorScheme Scheme)
{
    auto& fg = fixedGradients_;
    using TL = TControlLook;
    TColor from = 0xFFFFFF, to = ui::clBtnFace, mirrorFrom = ui::clNone, mirrorTo = ui::clNone;
    TColor lookFrom = ui::clNone, lookTo = ui::clNone, active = 0xFFFFFF, activeTo = 0xFFD9B3;
    TColor footer = 0xFFFFFF, footerTo = 0xFFD9B3;
    switch (Scheme) {
    case xpBlue:
        from = lookFrom = footer = 0xFCE1CB;
        to = lookTo = footerTo = 0xE0A57D;
        break;
    case xpGreen:
        from = lookFrom = footer = 0xCFF0EA;
        to = lookTo = footerTo = 0x8CC0B1;
        break;
    case xpGray:
        from = lookFrom = footer = 0xECE2E1;
        to = lookTo = footerTo = 0xB39698;
        break;
    case vistaAero:
        from = to = lookFrom = lookTo = 0xFFFFFF;
        mirrorFrom = 0xFAF8F7;
        mirrorTo = 0xF4F2F1;
        footer = 0xECE2E1;
        footerTo = 0xB39698;
        break;
    default:
        break;
    }
    if (Scheme != xpNone) {
        active = 0x94E6FB;
        activeTo = 0x1595EE;
    }
    fg[TL::kFrom] = from;
    fg[TL::kTo] = to;
    fg[TL::kMirrorFrom] = mirrorFrom;
    fg[TL::kMirrorTo] = mirrorTo;
    controlLook_->SetFixedGradientFrom(lookFrom);
    controlLook_->SetFixedGradientTo(lookTo);
    fg[TL::kFrom] = from;
    fg[TL::kTo] = to;
    ActiveCellColor = active;
    ActiveCellColorTo = activeTo;
    searchFooter_->SetColor(footer);
    searchFooter_->SetColorTo(footerTo);
    Invalidate();
}

void TGxStringGrid::AdaptToOfficeTheme()
{
    if (Pointer.Designing)
        return;
    const TOfficeTheme theme = GetOfficeTheme();
    if (theme == oldOfficeTheme_)
        return;
    static const TGxStyle styles[] = {TGxStyle::tsOffice2003Blue,     TGxStyle::tsOffice2003Silver,
                                      TGxStyle::tsOffice2003Olive,    TGxStyle::tsOffice2003Classic,
                                      TGxStyle::tsOffice2007Luna,     TGxStyle::tsOffice2007Silver,
                                      TGxStyle::tsOffice2007Obsidian, TGxStyle::tsOffice2010Blue,
                                      TGxStyle::tsOffice2010Silver,   TGxStyle::tsOffice2010Black};
    if (theme != TOfficeTheme::otUnknown)
        SetComponentStyle(styles[static_cast<int>(theme)]);
    oldOfficeTheme_ = theme;
}

// Flat and Encarta bars are the window bars drawn flat in ScrollColor and ScrollWidth
// (ApplyFlatScrollStyle); normal and slim (metro) ones are plain.
void TGxStringGrid::SetScrollType(TScrollType Value)
{
    ScrollType = Value;
    ApplyFlatScrollStyle();
}

void TGxStringGrid::UpdateScrollBarVisibility(bool Hide)
{
    (void)Hide;
    UpdateScrollBars();
}

}  // namespace gx

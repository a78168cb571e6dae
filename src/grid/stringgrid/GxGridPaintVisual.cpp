// TGxStringGrid: how a cell looks before anything of it is drawn, printed or measured: its
// background colour and gradient, font, alignment and word wrap, and whether it counts as fixed or
// selected; the reduced font-only form used for measuring; the text a cell shows.
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "grid/base/VozEdidDraw.h"
#include "grid/base/VozEdidText.h"
#include "grid/stringgrid/GxGrid.h"
#include "grid/stringgrid/GxGridPaint.h"

namespace gx {

namespace {

bool IsControlCell(TCellType kind)
{
    return kind == ctCheckBox || kind == ctDataCheckBox || kind == ctRadio || kind == ctButton || kind == ctRadioButton;
}

// Each component Percent % brighter, held at 255 (a near-white colour must not wrap to dark).
ui::TColor Lighter(ui::TColor Color, int Percent)
{
    const ui::TColor c = ui::ColorToRGB(Color);
    const auto up = [Percent](int v) {
        return std::min(255, static_cast<int>(std::lround(v * (100 + Percent) / 100.0)));
    };
    return ui::RGB(up(ui::GetRValue(c)), up(ui::GetGValue(c)), up(ui::GetBValue(c)));
}

}  // namespace

ui::TColor MixColors(ui::TColor Color, ui::TColor Base, int Factor)
{
    if (Factor >= 100)
        return Color;
    if (Factor < 1 || Color == ui::clNone)
        return Base;
    if (Base == ui::clNone)
        return Color;
    const ui::TColor c = ui::ColorToRGB(Color), b = ui::ColorToRGB(Base);
    const double f = Factor / 100.0;
    const auto mix = [f](int cv, int bv) {
        const long v = std::lround(f * cv + (1.0 - f) * bv);
        return static_cast<int>(v > 255 ? 255 : v);
    };
    return ui::RGB(mix(ui::GetRValue(c), ui::GetRValue(b)), mix(ui::GetGValue(c), ui::GetGValue(b)),
                   mix(ui::GetBValue(c), ui::GetBValue(b)));
}

bool TGxStringGrid::ApplyCellPropertiesLook(int RCol, int ARow, const TCellLook& L, bool& WW,
                                            TCellGradientDirection& GD)
{
    const TCellProperties* props = GridObjects(RCol, ARow);
    if (!props)
        return false;
    bool explicitColor = false;
    const TCellType kind = GetCellType(RCol, ARow);
    if (kind == ctNone || kind == ctRotated || kind == ctEmpty) {
        if (props->BrushColor() != ui::clNone) {
            L.Brush->SetColor(props->BrushColor());
            explicitColor = true;
        }
    } else if (IsControlCell(kind)) {
        L.Brush->SetColor(props->BrushColor());
        explicitColor = props->BrushColor() != ui::clNone;
    } else {
        L.Brush->SetColor(props->BrushColor());
    }
    if (props->FontColor() != ui::clNone)
        L.Font->SetColor(props->FontColor());
    if (props->FontStyle() != 0)
        L.Font->SetStyle(props->FontStyle());
    if (props->FontSize() != 0)
        L.Font->SetSize(props->FontSize());
    if (!props->FontName().empty())
        L.Font->SetName(props->FontName());
    WW = props->WordWrap();
    L.ColorTo = props->BrushColorTo();
    GD = props->GradientDirection();
    return explicitColor;
}

void TGxStringGrid::ApplyDefaultCellColor(int ACol, int ARow, bool Print, ui::TBrush* ABrush)
{
    const int fixedCols = TBaseGrid::FixedCols(), fixedRows = TBaseGrid::FixedRows();
    ABrush->SetColor(Color());
    const bool bandCell = ACol >= fixedCols && ACol < ColCount() + numHiddenColumns_ - fixedRightCols_ &&
                          ARow >= fixedRows && ARow < RowCount() - fixedFooters_;
    if (bands_->Active() && (!Print || Print == bands_->Print()) && bandCell && bands_->TotalLength() > 0) {
        const bool primary = (ARow - fixedRows) % bands_->TotalLength() < bands_->PrimaryLength();
        ABrush->SetColor(primary ? bands_->PrimaryColor() : bands_->SecondaryColor());
    }
    if (ACol < fixedCols || ARow < fixedRows || DisplColIndex(ACol) >= ColCount() - fixedRightCols_ ||
        ARow >= RowCount() - fixedFooters_)
        ABrush->SetColor(FixedColor());
}

void TGxStringGrid::ApplyFixedCellLook(bool Print, const TCellLook& L)
{
    if (!Print) {
        L.Brush->SetColor(FixedColor());
        L.Font->Assign(fixedFont_);
        L.State |= ui::gdFixed;
    }
    // A flat grid shows its fixed cells in the plain fixed colour.
    if (Look >= glDUD && (!flat_ || Print)) {
        L.Brush->SetColor(fixedGradients_[TControlLook::kFrom]);
        L.ColorTo = fixedGradients_[TControlLook::kTo];
        L.MirrorColor = fixedGradients_[TControlLook::kMirrorFrom];
        L.MirrorColorTo = fixedGradients_[TControlLook::kMirrorTo];
    }
}

void TGxStringGrid::ApplySelectionLook(int ACol, int ARow, int RRow, bool Live, bool Normal, const TCellLook& L)
{
    // The unselected colours.
    const ui::TColor plainBrush = L.Brush->Color();
    const ui::TColor plainFont = L.Font->Color();
    const auto selectionLook = [&] {
        L.ColorTo = SelectionColorTo;
        L.MirrorColor = SelectionMirrorColor;
        L.MirrorColorTo = SelectionMirrorColorTo;
        if (SelectionTextColor != ui::clNone)
            L.Font->SetColor(SelectionTextColor);
    };
    const bool down = Pointer.MouseDown;

    // Disjunct row selection.
    if (Live && Normal && mouseActions_->DisjunctRowSelect()) {
        const bool rowSelected = RowSelect(RRow);
        if ((rowSelected && !(down && ARow == Row())) || (down && !rowSelected && (L.State & ui::gdSelected))) {
            L.Brush->SetColor(SelectionColor);
            selectionLook();
            L.State = ui::gdSelected;
        } else {
            L.State &= ~ui::gdSelected;
        }
    }

    // Disjunct column selection.
    if (Live && Normal && mouseActions_->DisjunctColSelect()) {
        const bool colSelected = ColSelect(ACol);
        if ((colSelected && (!down || ACol != Col())) || (down && !colSelected && (L.State & ui::gdSelected))) {
            L.Brush->SetColor(SelectionColor);
            selectionLook();
            L.State = ui::gdSelected;
        }
    }

    // The normal selection.
    const bool disjunct = mouseActions_->DisjunctRowSelect() || mouseActions_->DisjunctColSelect();
    if ((Live && !disjunct && IsSelected(ACol, ARow)) || ((L.State & ui::gdSelected) && down && showSelection_)) {
        if (L.Brush->Color() == Color())
            L.Brush->SetColor(SelectionColor);
        else if (SelectionColorMixer)
            L.Brush->SetColor(MixColors(SelectionColor, L.Brush->Color(), selectionColorMixerFactor_));
        else
            L.Brush->SetColor(SelectionColor);
        selectionLook();
        L.State |= ui::gdSelected;
    }

    // Disjunct cell selection.
    if (mouseActions_->DisjunctCellSelect() && showSelection_) {
        const bool listed = selectedCellSet_.count({ACol, ARow}) != 0;
        if (listed) {
            L.Brush->SetColor(SelectionColor);
            selectionLook();
            L.State |= ui::gdSelected;
        } else if (ACol == Col() && ARow == Row()) {
            L.State &= ~ui::gdSelected;
            L.Brush->SetColor(plainBrush);
            L.Font->SetColor(plainFont);
            L.ColorTo = L.MirrorColor = L.MirrorColorTo = ui::clNone;
        }
    }
}

void TGxStringGrid::GetVisualProperties(int ACol, int ARow, ui::TGridDrawState& AState, bool Print, bool Select,
                                        bool Remap, ui::TBrush* ABrush, ui::TColor& AColorTo, ui::TColor& AMirrorColor,
                                        ui::TColor& AMirrorColorTo, ui::TFont* AFont, THAlignment& HA, TVAlignment& VA,
                                        bool& WW, TCellGradientDirection& GD)
{
    const int fixedCols = TBaseGrid::FixedCols(), fixedRows = TBaseGrid::FixedRows();
    const bool normal = ACol >= fixedCols && ARow >= fixedRows;
    const bool printFonts = Print && !printSettings_->UseDisplayFont;
    const TCellLook look{AState, ABrush, AColorTo, AMirrorColor, AMirrorColorTo, AFont};

    // The base font.
    if (normal)
        AFont->Assign(printFonts ? *printSettings_->Font() : *Font());
    else
        AFont->Assign(printFonts ? *printSettings_->FixedFont() : fixedFont_);

    // Columns and rows for the properties and the row-selection tests.
    const int rcol = Remap ? RealColIndex(ACol) : ACol;
    const bool persistent = mouseActions_->DisjunctRowSelect() && mouseActions_->RowSelectPersistent();
    const int rrow = persistent || useEnabledRows_ ? RealRowIndex(ARow) : ARow;

    // Colours of the cell's own properties.
    ABrush->SetColor(ui::clNone);
    AColorTo = AMirrorColor = AMirrorColorTo = ui::clNone;
    const bool explicitColor = ApplyCellPropertiesLook(rcol, ARow, look, WW, GD);

    // A selected cell always has a vertical gradient.
    if (AState & ui::gdSelected)
        GD = GradientVertical;

    // Default colouring: the grid colour, the bands, the fixed colour of the fixed areas.
    if (ABrush->Color() == ui::clNone)
        ApplyDefaultCellColor(ACol, ARow, Print, ABrush);

    const bool fixed = IsFixed(ACol, ARow) || ACol < fixedCols || ARow < fixedRows;
    if (fixed && !explicitColor)
        ApplyFixedCellLook(Print, look);

    // The colour hook.
    if (Print)
        GetCellPrintColor(rcol, ARow, AState, ABrush, AFont);
    else
        GetCellColor(rcol, ARow, AState, ABrush, AFont);

    // The gradient hook.
    if (OnGetCellGradient) {
        ui::TColor color = ABrush->Color();
        OnGetCellGradient(this, ARow, rcol, color, AColorTo, AMirrorColor, AMirrorColorTo, GD);
        ABrush->SetColor(color);
    }

    ApplySelectionLook(ACol, ARow, rrow, Select && !Print && showSelection_ && !fixed, normal, look);

    // Disabled rows and a disabled grid.
    if (UseDisabledFont && ((useEnabledRows_ && !RowEnabled(rrow)) || !Enabled()))
        AFont->SetColor(DisabledFontColor);

    // Other selected rows of a disjunct row selection are a little lighter.
    if (IsSelected(ACol, ARow) && ARow != Row() && mouseActions_->DisjunctRowSelect() && SelectionColorTo == ui::clNone)
        ABrush->SetColor(Lighter(ABrush->Color(), 7));

    // Word wrap and alignment.
    GetCellWordWrap(rcol, ARow, WW);
    GetCellTextAlignment(rcol, ARow, HA, VA);
}

void TGxStringGrid::GetFontProperties(int ACol, int RCol, int ARow, ui::TGridDrawState& AState, ui::TFont* AFont,
                                      ui::TBrush* ABrush, bool Remap)
{
    (void)Remap;
    const bool fixed = IsFixed(ACol, ARow) || ACol < TBaseGrid::FixedCols() || ARow < TBaseGrid::FixedRows();
    AFont->Assign(fixed ? fixedFont_ : *Font());
    if (const TCellProperties* props = GridObjects(RCol, ARow)) {
        if (props->FontColor() != ui::clNone)
            AFont->SetColor(props->FontColor());
        if (props->FontStyle() != 0)
            AFont->SetStyle(props->FontStyle());
        if (props->FontSize() != 0)
            AFont->SetSize(props->FontSize());
        if (!props->FontName().empty())
            AFont->SetName(props->FontName());
    }
    GetCellColor(RCol, ARow, AState, ABrush, AFont);
}

std::string TGxStringGrid::GetFormattedCell(int ACol, int ARow)
{
    std::string text = GetCellEx(ACol, ARow);
    if (!OnGetFloatFormat)
        return text;
    const int kind = GetNumberKind(text);
    bool isFloat = kind == 0 || kind == 1 || kind == 5;
    std::string format = FloatFormat;
    OnGetFloatFormat(this, ACol, ARow, isFloat, format);
    if (!isFloat || format.empty())
        return text;
    try {
        // Only one conversion is allowed in the format, and no "%n" or "%s": anything else would
        // read arguments that are not there.
        const auto percent = format.find('%');
        if (percent == std::string::npos || format.find('%', percent + 1) != std::string::npos ||
            format.find_first_of("ns*", percent) != std::string::npos)
            return text;
        char buffer[256];
        const bool integer = format.find('d') != std::string::npos;
        const int n = integer ? std::snprintf(buffer, sizeof buffer, format.c_str(), Ints(ACol, ARow))
                              : std::snprintf(buffer, sizeof buffer, format.c_str(), Floats(ACol, ARow));
        if (n < 0)
            return text;
        return std::string(buffer, static_cast<std::size_t>(std::min<int>(n, sizeof buffer - 1)));
    } catch (const std::exception&) {
        return text;
    }
}

}  // namespace gx

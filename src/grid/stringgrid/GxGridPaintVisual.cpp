// TGxStringGrid: how a cell looks before anything of it is drawn, printed or measured: its
// background colour and gradient, font, alignment and word wrap, and whether it counts as fixed or
// selected; the reduced font-only form used for measuring; the text a cell shows.
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

void TGxStringGrid::GetVisualProperties(int ACol, int ARow, ui::TGridDrawState& AState, bool Print, bool Select,
                                        bool Remap, ui::TBrush* ABrush, ui::TColor& AColorTo, ui::TColor& AMirrorColor,
                                        ui::TColor& AMirrorColorTo, ui::TFont* AFont, THAlignment& HA, TVAlignment& VA,
                                        bool& WW, TCellGradientDirection& GD)
{
    const int fixedCols = TBaseGrid::FixedCols(), fixedRows = TBaseGrid::FixedRows();
    const bool normal = ACol >= fixedCols && ARow >= fixedRows;
    const bool printFonts = Print && !printSettings_->UseDisplayFont;

    // 1. The base font.
    if (normal)
        AFont->Assign(printFonts ? *printSettings_->Font() : *Font());
    else
        AFont->Assign(printFonts ? *printSettings_->FixedFont() : fixedFont_);

    // 2. Columns and rows for the properties and the row-selection tests.
    const int rcol = Remap ? RealColIndex(ACol) : ACol;
    const bool persistent = mouseActions_->DisjunctRowSelect() && mouseActions_->RowSelectPersistent();
    const int rrow = persistent || useEnabledRows_ ? RealRowIndex(ARow) : ARow;

    // 3, 4. Colours of the cell's own properties.
    ABrush->SetColor(ui::clNone);
    AColorTo = AMirrorColor = AMirrorColorTo = ui::clNone;
    bool explicitColor = false;
    if (const TCellProperties* props = GridObjects(rcol, ARow)) {
        const TCellType kind = GetCellType(rcol, ARow);
        if (kind == ctNone || kind == ctRotated || kind == ctEmpty) {
            if (props->BrushColor() != ui::clNone) {
                ABrush->SetColor(props->BrushColor());
                explicitColor = true;
            }
        } else if (IsControlCell(kind)) {
            ABrush->SetColor(props->BrushColor());
            explicitColor = props->BrushColor() != ui::clNone;
        } else {
            ABrush->SetColor(props->BrushColor());
        }
        if (props->FontColor() != ui::clNone)
            AFont->SetColor(props->FontColor());
        if (props->FontStyle() != 0)
            AFont->SetStyle(props->FontStyle());
        if (props->FontSize() != 0)
            AFont->SetSize(props->FontSize());
        if (!props->FontName().empty())
            AFont->SetName(props->FontName());
        WW = props->WordWrap();
        AColorTo = props->BrushColorTo();
        GD = props->GradientDirection();
    }

    // 5. A selected cell always has a vertical gradient.
    if (AState & ui::gdSelected)
        GD = GradientVertical;

    // 6. Default colouring: the grid colour, the bands, the fixed colour of the fixed areas.
    const int hiddenCols = numHiddenColumns_;
    if (ABrush->Color() == ui::clNone) {
        ABrush->SetColor(Color());
        const bool bandCell = ACol >= fixedCols && ACol < ColCount() + hiddenCols - fixedRightCols_ &&
                              ARow >= fixedRows && ARow < RowCount() - fixedFooters_;
        if (bands_->Active() && (!Print || Print == bands_->Print()) && bandCell && bands_->TotalLength() > 0) {
            const bool primary = (ARow - fixedRows) % bands_->TotalLength() < bands_->PrimaryLength();
            ABrush->SetColor(primary ? bands_->PrimaryColor() : bands_->SecondaryColor());
        }
        if (ACol < fixedCols || ARow < fixedRows || DisplColIndex(ACol) >= ColCount() - fixedRightCols_ ||
            ARow >= RowCount() - fixedFooters_)
            ABrush->SetColor(FixedColor());
    }

    // 7. Fixed cells.
    const bool fixed = IsFixed(ACol, ARow) || ACol < fixedCols || ARow < fixedRows;
    if (fixed && !explicitColor) {
        if (!Print) {
            ABrush->SetColor(FixedColor());
            AFont->Assign(fixedFont_);
            AState |= ui::gdFixed;
        }
        if (Look >= glDUD) {
            ABrush->SetColor(fixedGradients_[TControlLook::kFrom]);
            AColorTo = fixedGradients_[TControlLook::kTo];
            AMirrorColor = fixedGradients_[TControlLook::kMirrorFrom];
            AMirrorColorTo = fixedGradients_[TControlLook::kMirrorTo];
        }
    }

    // 8. The colour hook.
    if (Print)
        GetCellPrintColor(rcol, ARow, AState, ABrush, AFont);
    else
        GetCellColor(rcol, ARow, AState, ABrush, AFont);

    // 9. The gradient hook.
    if (OnGetCellGradient) {
        ui::TColor color = ABrush->Color();
        OnGetCellGradient(this, ARow, rcol, color, AColorTo, AMirrorColor, AMirrorColorTo, GD);
        ABrush->SetColor(color);
    }

    // 10. The unselected colours.
    const ui::TColor plainBrush = ABrush->Color();
    const ui::TColor plainFont = AFont->Color();

    const auto selectionLook = [&] {
        AColorTo = SelectionColorTo;
        AMirrorColor = SelectionMirrorColor;
        AMirrorColorTo = SelectionMirrorColorTo;
        if (SelectionTextColor != ui::clNone)
            AFont->SetColor(SelectionTextColor);
    };
    const bool live = Select && !Print && showSelection_ && !fixed;
    const bool down = Pointer.MouseDown;

    // 11. Disjunct row selection.
    if (live && normal && mouseActions_->DisjunctRowSelect()) {
        const bool rowSelected = RowSelect(rrow);
        if ((rowSelected && !(down && ARow == Row())) || (down && !rowSelected && (AState & ui::gdSelected))) {
            ABrush->SetColor(SelectionColor);
            selectionLook();
            AState = ui::gdSelected;
        } else {
            AState &= ~ui::gdSelected;
        }
    }

    // 12. Disjunct column selection.
    if (live && normal && mouseActions_->DisjunctColSelect()) {
        const bool colSelected = ColSelect(ACol);
        if ((colSelected && (!down || ACol != Col())) || (down && !colSelected && (AState & ui::gdSelected))) {
            ABrush->SetColor(SelectionColor);
            selectionLook();
            AState = ui::gdSelected;
        }
    }

    // 13, 14. The normal selection.
    const bool disjunct = mouseActions_->DisjunctRowSelect() || mouseActions_->DisjunctColSelect();
    if ((live && !disjunct && IsSelected(ACol, ARow)) || ((AState & ui::gdSelected) && down && showSelection_)) {
        if (ABrush->Color() == Color())
            ABrush->SetColor(SelectionColor);
        else if (SelectionColorMixer)
            ABrush->SetColor(MixColors(SelectionColor, ABrush->Color(), selectionColorMixerFactor_));
        else
            ABrush->SetColor(SelectionColor);
        selectionLook();
        AState |= ui::gdSelected;
    }

    // 15. Disjunct cell selection.
    if (mouseActions_->DisjunctCellSelect() && showSelection_) {
        const bool listed = selectedCellSet_.count({ACol, ARow}) != 0;
        if (listed) {
            ABrush->SetColor(SelectionColor);
            selectionLook();
            AState |= ui::gdSelected;
        } else if (ACol == Col() && ARow == Row()) {
            AState &= ~ui::gdSelected;
            ABrush->SetColor(plainBrush);
            AFont->SetColor(plainFont);
            AColorTo = AMirrorColor = AMirrorColorTo = ui::clNone;
        }
    }

    // 16. Disabled rows and a disabled grid.
    if (UseDisabledFont && ((useEnabledRows_ && !RowEnabled(rrow)) || !Enabled()))
        AFont->SetColor(DisabledFontColor);

    // 17. Other selected rows of a disjunct row selection are a little lighter.
    if (IsSelected(ACol, ARow) && ARow != Row() && mouseActions_->DisjunctRowSelect() && SelectionColorTo == ui::clNone)
        ABrush->SetColor(VozEdid::AdjustColorPercent(ABrush->Color(), 107));

    // 18. Word wrap and alignment.
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

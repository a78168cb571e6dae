// TGxStringGrid: column widths and row heights fitted to their contents, columns stretched over the
// grid's width, the grid sized to its cells, numbering a column or row, the text margins, the line
// count of a row and the placement of rotated text.
#include <algorithm>
#include <cmath>

#include "grid/base/VozEdidCoding.h"
#include "grid/stringgrid/GxGrid.h"

namespace gx {

namespace {

// Rounding to the nearest integer, halves to the even neighbour.
int RoundEven(double v)
{
    return static_cast<int>(std::nearbyint(v));
}

}  // namespace

int TGxStringGrid::GetTotalXOffset() const
{
    return XYOffsetTopLeftOnly ? xyOffset_.X : 2 * xyOffset_.X;
}

int TGxStringGrid::GetTotalYOffset() const
{
    return XYOffsetTopLeftOnly ? xyOffset_.Y : 2 * xyOffset_.Y;
}

int TGxStringGrid::GetRowLineCount(int ARow)
{
    if (!Multilinecells)
        return 1;
    int lines = 1;
    for (int c = 0; c < ColCount(); ++c)
        lines = std::max(lines, LineCount(Cells(RealColIndex(c), ARow), true));
    return lines;
}

void TGxStringGrid::AutoSizeCol(int ACol, int Padding)
{
    const int r = RealColIndex(ACol);
    int first = 0, last = RowCount() - 1;
    if (columnSize_->Rows == arNormal) {
        first = FixedRows();
        last = fixedFooters_ > 0 ? RowCount() - fixedFooters_ : RowCount() - 1;
    } else if (columnSize_->Rows == arFixed) {
        last = FixedRows();
    }
    last = std::min(last, RowCount() - 1);
    const int gl = GridLineWidth();
    int widest = 0;
    for (int row = first; row <= last; ++row) {
        if (IsMergedCell(r, row) && CellSpan(r, row).X > 0)
            continue;
        int gw = 0, gh = 0;
        bool showText = true;
        TCellHAlign ha = haLeft;
        TCellVAlign va = vaTop;
        GetCellGraphicLayout(r, row, gw, gh, showText, ha, va);
        const std::string text = Cells(r, row);
        int w = gw + (text.empty() ? 0 : static_cast<int>(GetCellTextSize(r, row).cx));
        if (controlLook_->DropDownAlwaysVisible() && GetHasComboBox(r, row))
            w += 16;
        if (FilterDropDownAuto && row == FilterDropDownRow && GetColumnFilterList(r))
            w += 12;
        if (IsSortIndicatorCell(ACol, row) && ACol == sortSettings_->Column)
            w += 10;
        if (ha == haFull && GetCellGraphic(r, row))
            w = gw - (2 * (gl + 1) + xyOffset_.X);
        widest = std::max(widest, w);
    }
    int width = widest + GetTotalXOffset() + 2 * (gl + 1);
    if (SizeGrowOnly && ColWidths(ACol) >= width)
        return;
    DoUpdateAutoColumnSize(ACol, width);
    SetColWidths(ACol, LimitValue(width, MinColWidth, MaxColWidth));
    if (Padding != 0)
        SetColWidths(ACol, LimitValue(ColWidths(ACol) + Padding, MinColWidth, MaxColWidth));
}

void TGxStringGrid::AutoSizeColumns(bool DoFixedCols, int Padding)
{
    const int first = DoFixedCols ? 0 : FixedCols();
    const int last = DoFixedCols ? ColCount() - 1 : ColCount() - fixedRightCols_ - 1;
    for (int c = first; c <= last; ++c) {
        AutoSizeCol(c, 0);
        if (Padding != 0)
            SetColWidths(c, LimitValue(ColWidths(c) + Padding, MinColWidth, MaxColWidth));
    }
}

void TGxStringGrid::AutoSizeRow(int ARow, int Padding)
{
    int tallest = 0;
    for (int c = 0; c < ColCount(); ++c) {
        const int r = RealColIndex(c);
        if (IsIgnoredColumn(r))
            continue;
        if (IsMergedCell(r, ARow) && CellSpan(r, ARow).Y > 0 && !IsBaseCell(r, ARow))
            continue;
        const TCellType kind = GetCellType(r, ARow);
        if (kind == ctCheckBox || kind == ctDataCheckBox || kind == ctVirtCheckBox || kind == ctRadioButton) {
            tallest = std::max(tallest, DefaultRowHeight());
            continue;
        }
        const std::string text = Cells(r, ARow);
        int t = text.empty() ? 0 : static_cast<int>(GetCellTextSize(r, ARow, false, WordWrap()).cy);
        const ui::TPoint gs = CalcCellGraphicSize(r, ARow, Padding);
        int g = gs.Y;
        if (const TCellGraphic* graphic = GetCellGraphic(r, ARow); graphic && graphic->CellVAlign == vaFull)
            g = text.empty() ? DefaultRowHeight() : 0;
        if ((kind == ctDataCheckBox || kind == ctVirtCheckBox) && g > 0)
            t = 0;
        tallest = std::max(tallest, t + g);
    }
    int height = tallest + GetTotalYOffset() + 2 * GridLineWidth() + (XYOffsetTopLeftOnly ? 2 : 0);
    if (SizeGrowOnly)
        height = std::max(height, RowHeights(ARow));
    SetRowHeights(ARow, LimitValue(height, MinRowHeight, MaxRowHeight));
    if (Padding != 0)
        SetRowHeights(ARow, LimitValue(RowHeights(ARow) + Padding, MinRowHeight, MaxRowHeight));
}

void TGxStringGrid::AutoSizeRows(bool DoFixedRows, int Padding)
{
    if (RowCount() == 0)
        return;
    ExportNotification(0, 0);
    ui::TCanvas& canvas = *Canvas();
    for (int r = DoFixedRows ? 0 : FixedRows(); r < RowCount(); ++r) {
        if (WordWrap()) {
            AutoSizeRow(r, 0);
            if (Padding != 0)
                SetRowHeights(r, LimitValue(RowHeights(r) + Padding, MinRowHeight, MaxRowHeight));
        } else {
            ui::TGridDrawState state = 0;
            ui::TBrush brush;
            const int c = std::min(FixedCols(), ColCount() - 1);
            GetFontProperties(c, RealColIndex(c), r, state, canvas.Font(), &brush, true);
            const int h = canvas.TextHeight("gh");
            const int lines = GetRowLineCount(r);
            SetRowHeights(r, LimitValue(Padding + lines * (h + h / 8), MinRowHeight, MaxRowHeight));
        }
        ExportNotification(5, r);
    }
    UpdateScrollBarVisibility(false);
    ExportNotification(2, 0);
}

void TGxStringGrid::AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY)
{
    BeginUpdate();
    for (int c = DoFixedCells ? 0 : FixedCols(); c < ColCount(); ++c) {
        const int r = RealColIndex(c);
        int w = SizeGrowOnly ? ColWidths(c) : 0;
        for (int row = DoFixedCells ? 0 : FixedRows(); row < RowCount(); ++row) {
            const ui::TSize text = Cells(r, row).empty() ? ui::TSize{0, 0} : GetCellTextSize(r, row);
            const ui::TPoint graphic = GetCellGraphicSize(r, row);
            const int sx = text.cx + graphic.X + PaddingX + xyOffset_.X;
            const int sy = text.cy + graphic.Y + PaddingY + xyOffset_.Y;
            const bool spansCols = IsMergedCell(r, row) && CellSpan(r, row).X > 0;
            const bool spansRows = IsMergedCell(r, row) && CellSpan(r, row).Y > 0;
            if (!spansCols && sx > w) {
                const int limited = LimitValue(sx, MinColWidth, MaxColWidth);
                if (limited > w) {
                    SetColWidths(c, limited);
                    w = limited;
                }
            }
            if (!spansRows && sy > RowHeights(row)) {
                const int limited = LimitValue(sy, MinRowHeight, MaxRowHeight);
                if (limited > RowHeights(row))
                    SetRowHeights(row, limited);
            }
        }
    }
    EndUpdate();
}

void TGxStringGrid::AutoFitColumns(bool DoFixedCells)
{
    const bool rowsBeyond = VisibleRowCount() + FixedRows() < RowCount();
    const int v = scrollBarAlways_ == saVert || (ScrollBars() != ui::TScrollStyle::ssNone && rowsBeyond)
                      ? ui::TWinControl::ScrollBarSize
                      : 0;
    // A single border takes 4 pixels with the 3D look (a grid that is not flat), 2 without it.
    const int b = BorderStyle() == ui::TBorderStyle::bsSingle ? (flat_ ? 2 : 4) : 0;
    int first = 0, last = ColCount() - 1, W = Width();
    if (!DoFixedCells) {
        first = FixedCols();
        last = ColCount() - fixedRightCols_ - 1;
        for (int c = 0; c < FixedCols(); ++c)
            W -= ColWidths(c);
        for (int c = ColCount() - fixedRightCols_; c < ColCount(); ++c)
            W -= ColWidths(c);
    }
    if (last < first)
        return;
    int l = (Options() & ui::goVertLine) ? (ColCount() - FixedCols() - fixedRightCols_) * GridLineWidth() : 0;
    if ((Options() & ui::goFixedVertLine) && DoFixedCells)
        l += FixedCols() + fixedRightCols_;
    const int n = last - first + 1;
    const auto sum = [&] {
        int s = 0;
        for (int c = first; c <= last; ++c)
            s += ColWidths(c);
        return s;
    };
    if (ColCount() == 1) {
        SetColWidths(0, Width() - v - 5);
    } else {
        const int S = sum();
        if (S == W - v - b)
            return;
        if (S > 0) {
            const double f = double(W - v - b - l) / S;
            int T = 0;
            for (int c = first; c <= last; ++c)
                T += RoundEven(ColWidths(c) * f);
            for (int c = first; c <= last; ++c)
                SetColWidths(c, RoundEven(double(ColWidths(c)) * T / S));
        } else {
            // All widths 0: share the room out evenly instead of dividing by the sum.
            const int room = std::max(0, W - v - b - l);
            for (int c = first; c <= last; ++c)
                SetColWidths(c, room / n);
        }
    }
    int R = W - (sum() + v + b);
    if (R > n && n >= 2) {
        for (int c = first; c <= last; ++c)
            SetColWidths(c, ColWidths(c) + R / n);
        R %= n;
    }
    int widest = first;
    for (int c = first; c <= last; ++c)
        if (ColWidths(c) > ColWidths(widest))
            widest = c;
    SetColWidths(widest, ColWidths(widest) + R);
}

void TGxStringGrid::SizeToCols()
{
    int w = 0;
    for (int c = 0; c < ColCount(); ++c)
        w += ColWidths(c);
    SetClientWidth(w);
}

void TGxStringGrid::SizeToRows()
{
    int h = 0;
    for (int r = 0; r < RowCount(); ++r)
        h += RowHeights(r);
    SetClientHeight(h);
}

void TGxStringGrid::SizeToCells()
{
    const ui::TScrollStyle saved = ScrollBars();
    SetScrollBars(ui::TScrollStyle::ssNone);
    SizeToCols();
    SizeToRows();
    SetScrollBars(saved);
}

void TGxStringGrid::AutoNumberCol(int ACol)
{
    if (RowCount() == 0)
        return;
    const int fixed = FixedRows(), end = RowCount() - fixedFooters_ - 1;
    for (int r = fixed + AutoNumberStart; r <= end; ++r) {
        const int number = r - fixed + 1 + AutoNumberOffset;
        SetInts(ACol, AutoNumberDirection == sdAscending ? r : fixed + (end - r), number);
    }
}

void TGxStringGrid::AutoNumberRow(int ARow)
{
    const int fixed = FixedCols(), end = ColCount() - fixedRightCols_ - 1;
    for (int c = fixed + AutoNumberStart; c <= end; ++c) {
        const int number = c - fixed + 1 + AutoNumberOffset;
        SetInts(AutoNumberDirection == sdAscending ? c : ColCount() + fixed - fixedRightCols_ - c - 1, ARow, number);
    }
}

void TGxStringGrid::AlignRotatedText(ui::TCanvas& Canvas, ui::TRect& R, int Angle, const std::string& Text, int HAlign,
                                     int VAlign)
{
    const ui::TSize extent = Canvas.TextExtent(Text);
    R = R.Inflate(-2, -2);
    const double a = Angle * M_PI / 180.0;
    const int CW = std::abs(static_cast<int>(std::cos(a) * extent.cx));
    const int SH = std::abs(static_cast<int>(std::sin(a) * extent.cy));
    const int SW = std::abs(static_cast<int>(std::sin(a) * extent.cx));
    const int CH = std::abs(static_cast<int>(std::cos(a) * extent.cy));
    RotatedTextOrigin(R, HAlign, VAlign, Angle, CW, SH, SW, CH);
}

void TGxStringGrid::RotatedTextOrigin(ui::TRect& R, int HAlign, int VAlign, int Angle, int CW, int SH, int SW, int CH)
{
    const int L = R.Left, T = R.Top, Rt = R.Right, B = R.Bottom;
    const int vmid = (T - B + CH + SW) / 2;
    int left = L, top = T;
    if (Angle <= 90) {
        left = HAlign == 0 ? L : HAlign == 1 ? Rt - CW - SH : L + (Rt - L - SH - CW) / 2;
        top = VAlign == 0 ? T + SW : VAlign == 1 ? T + SW - vmid : B - CH;
    } else if (Angle <= 180) {
        left = HAlign == 0 ? L + CW : HAlign == 1 ? Rt - SH : Rt - (Rt - L + SH - CW) / 2;
        top = VAlign == 0 ? T + SW + CH : VAlign == 1 ? T + SW + CH - vmid : B;
    } else if (Angle <= 270) {
        left = HAlign == 0 ? L + SH + CW : HAlign == 1 ? Rt : Rt - (Rt - L - SH - CW) / 2;
        top = VAlign == 0 ? T + CH : VAlign == 1 ? T + CH - vmid : B - SW;
    } else {
        left = HAlign == 0 ? L + SH : HAlign == 1 ? Rt - CW : L + (Rt - L + SH - CW) / 2;
        top = VAlign == 0 ? T : VAlign == 1 ? T - vmid : B - CH - SW;
    }
    R.Left = left;
    R.Top = top;
}

}  // namespace gx

// Paste into the selection with the smart fill: one value fills the selection; two values in a
// single row or column start a series of dates, times or numbers; any other block is repeated
// with the block's own height or width as its period.
#include <algorithm>
#include <functional>

#include "grid/base/VozEdidText.h"
#include "grid/extras/GridClipboard.h"
#include "grid/extras/GridClipboardText.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/DateTime.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Format.h"

namespace gx {

namespace {

bool Editable(TGxStringGrid& grid, int c, int r)
{
    return grid.IsEditable(grid.RealColIndex(c), r);
}

// Pastes Value into (c, r) with the paste events; the events are left out for the selection's
// top-left cell, which the clipboard paste has just written.
void FillCell(TGxStringGrid& grid, int c, int r, std::string Value, bool Events)
{
    bool allow = true;
    if (Events && grid.OnClipboardBeforePasteCell)
        grid.OnClipboardBeforePasteCell(&grid, c, r, Value, allow);
    if (!allow)
        return;
    grid.PasteCellText(c, r, Value);
    if (Events && grid.OnClipboardAfterPasteCell)
        grid.OnClipboardAfterPasteCell(&grid, c, r, Value);
}

// Cells of the selection column by column, each column top to bottom.
void ForEachCell(const ui::TGridRect& s, const std::function<void(int, int)>& f)
{
    for (int c = s.Left; c <= s.Right; ++c)
        for (int r = s.Top; r <= s.Bottom; ++r)
            f(c, r);
}

// The text of the top-left cell copied into every cell of the selection.
void FillWithFirst(TGxStringGrid& grid, const ui::TGridRect& s)
{
    const int realCol = grid.RealColIndex(s.Left);
    std::string value = grid.Cells(realCol, s.Top);
    bool checked = false;
    if (grid.HasCheckBox(realCol, s.Top) && grid.GetCheckBoxState(realCol, s.Top, checked))
        value = checked ? grid.CheckTrue : grid.CheckFalse;
    grid.BeforePaste();
    ForEachCell(s, [&](int c, int r) {
        if (!grid.Navigation()->AllowClipboardAlways() && !Editable(grid, c, r))
            return;
        const bool first = c == s.Left && r == s.Top;
        FillCell(grid, c, r, value, !first);
        grid.MarkPastedRowsModified(grid.ClipTopLeft, {c, r, c, r});
    });
    grid.AfterPaste();
}

// A series from the first two cells a and b; false when they are no dates, times or numbers.
// A value that cannot be formed ends the series where it is.
bool FillSeries(TGxStringGrid& grid, const ui::TGridRect& s, const std::string& a, const std::string& b)
{
    const rtl::TFormatSettings& fs = rtl::Regional();
    std::function<std::string()> text;
    std::function<void()> step;
    rtl::TDateTime da = 0, db = 0, cur = 0;
    double fa = 0, fb = 0, fcur = 0;
    int ia = 0, ib = 0;
    long long icur = 0;
    const auto hasTime = [&fs](const std::string& t) { return t.find(fs.TimeSeparator) != std::string::npos; };
    if ((HasDateSeparators(a) && HasDateSeparators(b)) || (hasTime(a) && hasTime(b))) {
        if (!rtl::TryStrToDateTime(a, da) || !rtl::TryStrToDateTime(b, db))
            return true;  // a failed conversion ends the series before it starts
        int ya = 0, ma = 0, dya = 0, yb = 0, mb = 0, dyb = 0;
        rtl::DecodeDate(da, ya, ma, dya);
        rtl::DecodeDate(db, yb, mb, dyb);
        const bool timeOnly = !HasDateSeparators(a);
        cur = da;
        text = [&cur, timeOnly] { return timeOnly ? rtl::TimeToStr(cur) : rtl::DateToStr(cur); };
        step = [&cur, dy = yb - ya, dm = mb - ma, dd = dyb - dya, st = db - da] {
            cur = IncDateBy(dy, dm, dd, cur, st);
        };
    } else if (a.find(fs.DecimalSeparator) != std::string::npos || b.find(fs.DecimalSeparator) != std::string::npos) {
        if (!rtl::TryStrToFloat(a, fa) || !rtl::TryStrToFloat(b, fb))
            return false;
        fcur = fa;
        text = [&grid, &fcur] { return rtl::Fmt(grid.FloatFormat, fcur); };
        step = [&fcur, d = fb - fa] { fcur += d; };
    } else if (rtl::TryStrToInt(a, ia) && rtl::TryStrToInt(b, ib)) {
        icur = ia;
        text = [&icur] { return std::to_string(icur); };
        step = [&icur, d = static_cast<long long>(ib) - ia] { icur += d; };
    } else {
        return false;
    }
    try {
        ForEachCell(s, [&](int c, int r) {
            if (Editable(grid, c, r))
                FillCell(grid, c, r, text(), !(c == s.Left && r == s.Top));
            step();
        });
    } catch (const rtl::Exception&) {
        // A date the calendar does not have (the 31st of a shorter month) ends the series.
    }
    return true;
}

// Repeats the pasted block along the single column or row: each cell past the block takes the
// text of the cell one period before it.
void RepeatBlock(TGxStringGrid& grid, const ui::TGridRect& s, bool column, int period)
{
    if (period <= 0)
        return;
    if (column) {
        for (int r = s.Top + period; r <= s.Bottom; ++r)
            if (Editable(grid, s.Left, r))
                FillCell(grid, s.Left, r, grid.Cells(grid.RealColIndex(s.Left), r - period), true);
        grid.MarkPastedRowsModified({s.Left, s.Top}, {s.Left, s.Top + period, s.Left, s.Bottom});
    } else {
        for (int c = s.Left + period; c <= s.Right; ++c)
            if (Editable(grid, c, s.Top))
                FillCell(grid, c, s.Top, grid.Cells(grid.RealColIndex(c - period), s.Top), true);
        grid.MarkPastedRowsModified({s.Left, s.Top}, {s.Left + period, s.Top, s.Right, s.Top});
    }
}

}  // namespace

void PasteSelectionFromClipboard(TGxStringGrid& grid)
{
    grid.ImportNotification(isImportStart, -1);
    grid.PasteAll = false;
    ExpandSelectionToMergedCells(grid);
    const ui::TGridRect s = grid.Selection();
    const int startCol = (grid.Options() & ui::goRowSelect) ? grid.FixedCols() : s.Left;
    const clipboardtext::TPasteResult pasted = clipboardtext::PasteClipboardAt(grid, startCol, s.Top);
    if (!grid.Navigation()->AllowSmartClipboard())
        return;
    const int selCols = s.Right - s.Left + 1, selRows = s.Bottom - s.Top + 1;
    const int block = pasted.BlockCols * pasted.BlockRows;
    // Nothing to fill: nothing pasted, or the block covers the selection.
    if (block == 0 || (pasted.BlockCols >= selCols && pasted.BlockRows >= selRows))
        return;
    if (block == 1) {
        FillWithFirst(grid, s);
    } else if (selCols == 1 || selRows == 1) {
        const bool column = selCols == 1;
        const std::string a = grid.Cells(grid.RealColIndex(s.Left), s.Top);
        const std::string b = column ? grid.Cells(grid.RealColIndex(s.Left), s.Top + 1)
                                     : grid.Cells(grid.RealColIndex(s.Left + 1), s.Top);
        if (FillSeries(grid, s, a, b)) {
            grid.DoCellsChanged({grid.RealColIndex(s.Left), s.Top, grid.RealColIndex(s.Right), s.Bottom});
            return;
        }
        RepeatBlock(grid, s, column, column ? pasted.BlockRows : pasted.BlockCols);
    } else if (pasted.BlockRows == 1) {
        for (int r = s.Top + 1; r <= s.Bottom; ++r) {
            grid.SetRow(r);
            clipboardtext::PasteClipboardAt(grid, s.Left, r);
        }
        grid.SetSelection(s);
    } else if (pasted.BlockCols == 1) {
        for (int c = s.Left + 1; c <= s.Right; ++c) {
            grid.SetCol(c);
            clipboardtext::PasteClipboardAt(grid, c, s.Top);
        }
        grid.SetSelection(s);
    }
    grid.ImportNotification(isImportDone, -1);
    grid.DoCellsChanged({grid.RealColIndex(s.Left), s.Top, grid.RealColIndex(s.Right), s.Bottom});
    grid.ContentReloaded();
}

}  // namespace gx

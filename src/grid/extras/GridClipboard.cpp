// The grid's cells on the clipboard: the text layout, copy, cut, HTML copy and the three paste
// sources. The smart fill of a larger selection lives in GridClipboardFill.cpp.
#include "grid/extras/GridClipboard.h"

#include <algorithm>
#include <random>

#include "grid/base/GridUndoRedo.h"
#include "grid/base/HtmlTextUtils.h"
#include "grid/base/VozEdidCoding.h"
#include "grid/base/VozEdidText.h"
#include "grid/extras/CellStreamCodec.h"
#include "grid/extras/GridCellStream.h"
#include "grid/extras/GridClipboardText.h"
#include "grid/extras/GridExtras.h"
#include "grid/extras/GridFileCommon.h"
#include "grid/extras/GridHtml.h"
#include "grid/stringgrid/GxGridModule.h"
#include "grid/stringgrid/GxGridPanels.h"
#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Utf8.h"
#include "platform/ui/Clipboard.h"

namespace gx {

namespace {

using clipboardtext::TClipLine;

ui::TGridRect SavedArea(TGxStringGrid& grid)
{
    return {grid.SaveStartCol(), grid.SaveStartRow(), grid.SaveEndCol(), grid.SaveEndRow()};
}

// The text one cell contributes to the clipboard text.
std::string CellClipText(TGxStringGrid& grid, int c, int r)
{
    const int realCol = grid.RealColIndex(c);
    std::string t = grid.GetSaveCellText(realCol, r);
    if (t.starts_with("|\\"))
        t = rtl::Utf16ToUtf8(DecodeWideCellText(t));
    if (!grid.Navigation()->CopyHTMLTagsToClipboard() && t.find("</") != std::string::npos)
        t = StripHTMLTags(grid.Cells(realCol, r));
    else if (t.find("{\\") != std::string::npos)
        t = RichTextPlain(grid.Cells(realCol, r));
    if (grid.ExcelClipboardFormat && LineCount(t, grid.Multilinecells) > 1)
        return QuoteMultiLine(t);
    return clipboardtext::QuoteField(t);
}

// The grid an own-format stream on the clipboard came from: a number per grid and process, kept
// in the stream header's ID.
std::int64_t GridClipId(const TGxStringGrid& grid)
{
    static const std::uint64_t salt = std::random_device{}();
    return static_cast<std::int64_t>((reinterpret_cast<std::uintptr_t>(&grid) ^ salt) & 0x7FFFFFFF);
}

struct TCellsHeader {
    int cols = 0, rows = 0;
    std::int64_t id = 0;
};

// Entries of a comma-separated list.
std::size_t ListCount(const std::string& list)
{
    return list.empty() ? 0 : static_cast<std::size_t>(std::count(list.begin(), list.end(), ',')) + 1;
}

// Reads the header of a cell stream, refusing one whose sizes its own lists do not back (the
// clipboard may hold anything another program put there).
TCellsHeader ReadCellsHeader(const std::string& bytes, std::size_t& end)
{
    end = 0;
    const cellstream::Block b = cellstream::ReadBlock(bytes, end);
    if (b.className != "TGridPropIO")
        throw rtl::EReadError("Invalid stream format");
    TCellsHeader h;
    std::size_t widths = 0, heights = 0;
    for (const cellstream::Entry& e : b.entries) {
        if (e.name == "ColCount")
            h.cols = static_cast<int>(e.AsInt());
        else if (e.name == "RowCount")
            h.rows = static_cast<int>(e.AsInt());
        else if (e.name == "ID")
            h.id = e.AsInt();
        else if (e.name == "ColWidths")
            widths = ListCount(e.AsText());
        else if (e.name == "RowHeights")
            heights = ListCount(e.AsText());
    }
    // Every cell of the block has a record of at least its signature's four bytes, so a block
    // larger than the data could hold is refused before the grid grows for it.
    if (h.cols <= 0 || h.rows <= 0 || widths != static_cast<std::size_t>(h.cols) ||
        heights != static_cast<std::size_t>(h.rows) ||
        static_cast<std::uint64_t>(h.cols) * static_cast<std::uint64_t>(h.rows) > bytes.size() / 4)
        throw rtl::EReadError("Invalid stream format");
    return h;
}

}  // namespace

namespace clipboardtext {

std::string CellBlockBytes(TGxStringGrid& grid, const ui::TGridRect& R)
{
    rtl::TMemoryStream s;
    SaveRectToBinStream(grid, {R.Left, R.Top, R.Right, R.Bottom}, s);
    s.SetPosition(0);
    const std::string bytes = s.ReadRest();
    std::size_t end = 0;
    const cellstream::Block b = cellstream::ReadBlock(bytes, end);
    std::string out;
    {
        cellstream::BlockWriter w(out, "TGridPropIO");
        for (const cellstream::Entry& e : b.entries) {
            if (e.name == "ColCount" || e.name == "RowCount")
                w.Int(e.name, e.AsInt());
            else if (e.name == "ColWidths" || e.name == "RowHeights")
                w.Text(e.name, e.AsText());
        }
        w.Bool("FullGrid", false);
        w.Int("ID", GridClipId(grid));
        w.End();
    }
    return out + bytes.substr(end);
}

}  // namespace clipboardtext

namespace {

void CopyRTFToClipboard(TGxStringGrid& grid, int ACol, int ARow, ui::TDragData& data)
{
    const std::string text = grid.Cells(grid.RealColIndex(ACol), ARow);
    if (text.find("{\\") != std::string::npos)
        data.SetData(ui::kMimeRichText, RichTextToClipboard(text));
}

void CopyRectToClipboard(TGxStringGrid& grid, const ui::TGridRect& R, bool Disjunct)
{
    ui::TDragData data;
    data.SetText(GetRectAsText(grid, R, Disjunct));
    if (grid.Navigation()->AllowRTFClipboard())
        CopyRTFToClipboard(grid, R.Left, R.Top, data);
    if (grid.Navigation()->AllowFmtClipboard())
        data.SetData(ui::kMimeGridCells, clipboardtext::CellBlockBytes(grid, R));
    ui::Clipboard()->SetData(data);
}

bool MayEdit(TGxStringGrid& grid, int c, int r)
{
    return grid.Navigation()->AllowClipboardAlways() || grid.IsEditable(grid.RealColIndex(c), r);
}

// Characters beyond ASCII as character references: the clipboard document stays 8-bit, its
// offsets count what is there, and no character is lost to the code page.
std::string AsciiHtml(const std::string& html)
{
    std::string out;
    out.reserve(html.size());
    for (std::size_t pos = 0; pos < html.size();) {
        const int cp = rtl::DecodeUtf8(html, pos);
        if (cp >= 0 && cp < 0x80)
            out += static_cast<char>(cp);
        else
            out += "&#" + std::to_string(cp < 0 ? 0xFFFD : cp) + ";";
    }
    return out;
}

}  // namespace

std::string GetRectAsText(TGxStringGrid& grid, const ui::TGridRect& R, bool Disjunct)
{
    TMouseActions& ma = *grid.MouseActions();
    grid.ClipTopLeft = {R.Left, R.Top};
    grid.ExportNotification(esExportStart, -1);
    std::string out;
    for (int r = R.Top; r <= R.Bottom; ++r) {
        grid.ExportNotification(esExportNewRow, r);
        if (ma.DisjunctRowSelect() && Disjunct && !ma.DisjunctColSelect() &&
            !grid.RowSelect(ma.RowSelectPersistent() ? grid.RealRowIndex(r) : r))
            continue;
        for (int c = R.Left; c <= R.Right; ++c) {
            if (ma.DisjunctColSelect() && Disjunct && !grid.ColSelect(c))
                continue;
            out += CellClipText(grid, c, r);
            if (c < R.Right)
                out += '\t';
        }
        if (R.Top < R.Bottom)
            out += "\r\n";
    }
    grid.ExportNotification(esExportDone, -1);
    return out;
}

std::string GetSelectionAsText(TGxStringGrid& grid)
{
    return GetRectAsText(grid, grid.Selection(), false);
}

void ExpandSelectionToMergedCells(TGxStringGrid& grid)
{
    ui::TGridRect sel = grid.Selection();
    bool merged = false;
    const ui::TPoint tl = grid.BaseCell(sel.Left, sel.Top);
    if (grid.IsMergedCell(sel.Left, sel.Top)) {
        sel.Left = std::min(sel.Left, tl.X);
        sel.Top = std::min(sel.Top, tl.Y);
        merged = true;
    }
    if (grid.IsMergedCell(sel.Right, sel.Bottom)) {
        const ui::TPoint br = grid.BaseCell(sel.Right, sel.Bottom);
        const ui::TPoint span = grid.CellSpan(br.X, br.Y);
        sel.Right = std::max(sel.Right, br.X + span.X);
        sel.Bottom = std::max(sel.Bottom, br.Y + span.Y);
        merged = true;
    }
    if (merged)
        grid.SetSelection(sel);
}

void CopySelectionToClipboard(TGxStringGrid& grid)
{
    ExpandSelectionToMergedCells(grid);
    TMouseActions& ma = *grid.MouseActions();
    const bool fmt = grid.Navigation()->AllowFmtClipboard();
    if (ma.DisjunctRowSelect() && !fmt)
        CopyRectToClipboard(
            grid,
            {grid.FixedCols(), grid.SaveStartRow(), grid.ColCount() - grid.FixedRightCols() - 1, grid.SaveEndRow()},
            true);
    else if (ma.DisjunctColSelect() && !fmt)
        CopyRectToClipboard(grid, SavedArea(grid), true);
    else
        CopyRectToClipboard(grid, grid.Selection(), false);
    grid.ClipLastOp = coCopy;
}

void CopyToClipBoard(TGxStringGrid& grid)
{
    CopyRectToClipboard(grid, SavedArea(grid), false);
    grid.ClipLastOp = coCopy;
}

void CutSelectionToClipboard(TGxStringGrid& grid)
{
    const ui::TGridRect before = grid.Selection();
    CopySelectionToClipboard(grid);
    TMouseActions& ma = *grid.MouseActions();
    const bool modified = grid.ShowModified()->Enabled;
    if (ma.DisjunctRowSelect()) {
        for (int r = grid.FixedRows(); r < grid.RowCount(); ++r) {
            if (!grid.RowSelect(ma.RowSelectPersistent() ? grid.RealRowIndex(r) : r))
                continue;
            grid.ClearRows(r, 1);
            if (modified)
                grid.SetRowModified(r, true);
        }
    } else if (ma.DisjunctColSelect()) {
        for (int c = grid.FixedCols(); c < grid.ColCount(); ++c)
            if (grid.ColSelect(c))
                grid.ClearCols(c, 1);
    } else {
        const ui::TGridRect sel = grid.Selection();
        TGxGridUndoRedo* undo = grid.UndoRedo();
        if (undo)
            undo->StartSequence();
        for (int c = sel.Left; c <= sel.Right; ++c) {
            for (int r = sel.Top; r <= sel.Bottom; ++r) {
                if (!MayEdit(grid, c, r))
                    continue;
                const int realCol = grid.RealColIndex(c);
                if (undo)
                    undo->RegisterChange(realCol, r, grid.Cells(realCol, r), "");
                grid.SetCells(realCol, r, "");
            }
        }
        if (undo)
            undo->StopSequence();
        if (modified)
            for (int r = sel.Top; r <= sel.Bottom; ++r)
                grid.SetRowModified(r, true);
        if (grid.Navigation()->AllowFmtClipboard())
            grid.ClearCellPropertiesRect(sel.Left, sel.Top, sel.Right, sel.Bottom);
    }
    grid.ClipLastOp = coCut;
    grid.DoCellsChanged({before.Left, before.Top, before.Right, before.Bottom});
    if (grid.NumHiddenColumns() > 0)
        grid.RepaintWholeGrid();
}

void CutToClipboard(TGxStringGrid& grid)
{
    const ui::TGridRect area = SavedArea(grid);
    CopyRectToClipboard(grid, area, false);
    for (int c = area.Left; c <= area.Right; ++c)
        for (int r = area.Top; r <= area.Bottom; ++r)
            if (MayEdit(grid, c, r))
                grid.SetCells(grid.RealColIndex(c), r, "");
    if (grid.ShowModified()->Enabled)
        for (int r = area.Top; r <= area.Bottom; ++r)
            grid.SetRowModified(r, true);
    grid.ClipLastOp = coCut;
}

void CopyToClipBoardAsHTML(TGxStringGrid& grid)
{
    std::string doc = AsciiHtml(SaveToHTMLString(grid, ""));
    BuildClipboardHTML(doc);
    // The header names where the HTML document starts.
    std::size_t start = 0;
    const std::size_t key = doc.find("StartHTML:");
    if (key != std::string::npos)
        start = static_cast<std::size_t>(std::strtoul(doc.c_str() + key + 10, nullptr, 10));
    ui::TDragData data;
    data.SetData(ui::kMimeHtml, doc.substr(std::min(start, doc.size())));
    data.SetText(doc);
    ui::Clipboard()->SetData(data);
}

int PasteTextAt(TGxStringGrid& grid, int ACol, int ARow, const std::string& Text, int& Cols, int& Rows)
{
    TNavigation& nav = *grid.Navigation();
    if (ACol < 0 || ARow < 0)
        return 0;
    if (!(grid.Options() & ui::goEditing) && !nav.AllowClipboardAlways() && !grid.MouseActions()->RangeSelectAndEdit())
        return 0;
    TGxGridUndoRedo* undo = grid.UndoRedo();
    if (undo)
        undo->StartSequence();
    Cols = 0;
    Rows = 0;
    int count = 0;
    ui::TRect changed{ACol, ARow, ACol, ARow};
    const std::vector<TClipLine> lines = clipboardtext::ParseLines(Text);
    // The grid grows once for all the lines (a row at a time, every size change would go over all
    // rows again), and a run of lines with content to insert gets its rows in one insertion.
    const bool inserting = nav.ClipboardPasteAction() == paInsert;
    if (nav.AllowClipboardRowGrow()) {
        const bool footerLast =
            grid.FloatingFooter()->Visible() && grid.FloatingFooter()->FooterStyle() == fsFixedLastRow;
        const int added = clipboardtext::RowsToAdd(grid.RowCount(), footerLast ? 1 : 0, ARow, lines, inserting);
        if (added > 0)
            grid.SetRowCount(grid.RowCount() + added);
    }
    int r = ARow;
    for (std::size_t li = 0; li < lines.size(); ++li) {
        const TClipLine& line = lines[li];
        ++Rows;
        grid.ImportNotification(grid.PasteAll ? isImportNewRow : isImportSelRow, r);
        if (inserting && !line.Empty() && (li == 0 || lines[li - 1].Empty())) {
            std::size_t end = li;
            while (end < lines.size() && !lines[end].Empty())
                ++end;
            grid.InsertRows(r, static_cast<int>(end - li));
        }
        Cols = static_cast<int>(line.Fields.size());
        int c = ACol;
        for (std::size_t fi = 0; fi < line.Fields.size(); ++fi, ++c) {
            std::string value = line.Fields[fi];
            ++count;
            // A line end closing the text adds no empty cell.
            if (value.empty() && fi + 1 == line.Fields.size() && li + 1 == lines.size())
                continue;
            if (c == grid.ColCount() && nav.AllowClipboardColGrow())
                grid.SetColCount(c + 1);
            if (c >= grid.ColCount() || r >= grid.RowCount() || !MayEdit(grid, c, r))
                continue;
            bool allow = true;
            const bool wide = value.starts_with("|\\");
            std::u16string wideValue;
            if (wide) {
                wideValue = DecodeWideCellText(value);
                if (grid.OnClipboardBeforePasteWideCell)
                    grid.OnClipboardBeforePasteWideCell(&grid, c, r, wideValue, allow);
                value = EncodeWideCellText(wideValue);
            } else if (grid.OnClipboardBeforePasteCell) {
                grid.OnClipboardBeforePasteCell(&grid, c, r, value, allow);
            }
            if (!allow)
                continue;
            grid.PasteCellText(c, r, value);
            changed = {std::min(changed.Left, c), std::min(changed.Top, r), std::max(changed.Right, c),
                       std::max(changed.Bottom, r)};
            if (wide && grid.OnClipboardAfterPasteWideCell)
                grid.OnClipboardAfterPasteWideCell(&grid, c, r, wideValue);
            else if (!wide && grid.OnClipboardAfterPasteCell)
                grid.OnClipboardAfterPasteCell(&grid, c, r, value);
        }
        ++r;
    }
    if (undo)
        undo->StopSequence();
    grid.MarkPastedRowsModified(grid.ClipTopLeft, changed);
    grid.DoCellsChanged(
        {grid.RealColIndex(changed.Left), changed.Top, grid.RealColIndex(changed.Right), changed.Bottom});
    return count;
}

void GetTextDimensions(const std::string& Text, int& Cols, int& Rows)
{
    Cols = 0;
    int lines = 0;
    for (const TClipLine& line : clipboardtext::ParseLines(Text)) {
        Cols = std::max(Cols, static_cast<int>(line.Fields.size()));
        if (!line.Empty())
            ++lines;
    }
    Rows = std::max(0, lines - 1);
}

void SetSelectionAsText(TGxStringGrid& grid, const std::string& Value)
{
    const ui::TGridRect sel = grid.Selection();
    const std::vector<TClipLine> lines = clipboardtext::ParseLines(Value);
    const int added = clipboardtext::RowsToAdd(grid.RowCount(), 0, sel.Top, lines, false);
    if (added > 0)
        grid.SetRowCount(grid.RowCount() + added);
    int r = sel.Top, maxCol = sel.Left, maxRow = sel.Top;
    for (std::size_t li = 0; li < lines.size(); ++li) {
        const TClipLine& line = lines[li];
        for (std::size_t fi = 0; fi < line.Fields.size(); ++fi) {
            const int c = sel.Left + static_cast<int>(fi);
            if (line.Fields[fi].empty() && fi + 1 == line.Fields.size() && li + 1 == lines.size())
                continue;
            if (c == grid.ColCount())
                grid.SetColCount(c + 1);
            if (c >= grid.ColCount() || r >= grid.RowCount())
                continue;
            grid.SetGridCell(grid.RealColIndex(c), r, line.Fields[fi]);
            maxCol = std::max(maxCol, c);
            maxRow = std::max(maxRow, r);
        }
        ++r;
    }
    grid.DoCellsChanged({grid.RealColIndex(sel.Left), sel.Top, grid.RealColIndex(maxCol), maxRow});
}

namespace clipboardtext {

TPasteResult PasteClipboardAt(TGxStringGrid& grid, int ACol, int ARow)
{
    TPasteResult res;
    TNavigation& nav = *grid.Navigation();
    const ui::TDragData data = ui::Clipboard()->Data();
    if (grid.AllowFormattedClipboard() && data.HasFormat(ui::kMimeGridCells)) {
        const std::string bytes = data.Data(ui::kMimeGridCells);
        std::size_t end = 0;
        const TCellsHeader h = ReadCellsHeader(bytes, end);
        grid.BeforePaste();
        if (nav.AllowClipboardRowGrow() || nav.AllowClipboardColGrow() || nav.ClipboardPasteAction() == paInsert) {
            if (h.cols + ACol >= grid.ColCount() && nav.AllowClipboardColGrow())
                grid.SetColCount(h.cols + ACol);
            if (h.rows + ARow >= grid.RowCount() && nav.AllowClipboardRowGrow())
                grid.SetRowCount(h.rows + ARow);
            res.Cols = grid.ColCount();
            res.Rows = grid.RowCount();
            if (nav.ClipboardPasteAction() == paInsert)
                grid.InsertRows(ARow, h.rows);
        }
        rtl::TStringStream s(bytes);
        LoadAtPointFromBinStream(grid, {ACol, ARow}, s);
        const ui::TRect pasted{ACol, ARow, ACol + h.cols - 1, ARow + h.rows - 1};
        grid.MarkPastedRowsModified(h.id == GridClipId(grid) ? grid.ClipTopLeft : ui::TPoint{-1, -1}, pasted);
        res.Count = h.cols * h.rows;
        res.BlockCols = h.cols;
        res.BlockRows = h.rows;
        grid.AfterPaste();
        return res;
    }
    if (nav.AllowRTFClipboard() && data.HasFormat(ui::kMimeRichText)) {
        if (grid.IsEditable(grid.RealColIndex(ACol), ARow))
            grid.PasteCellText(ACol, ARow, RichTextFromClipboard(data.Data(ui::kMimeRichText)));
        res.Cols = res.Rows = res.BlockCols = res.BlockRows = 1;
        return res;
    }
    if (data.HasFormat(ui::kMimeText)) {
        const std::string text = data.Text();
        res.Count = PasteTextAt(grid, ACol, ARow, text, res.Cols, res.Rows);
        res.BlockCols = res.BlockRows = 0;
        for (const TClipLine& line : ParseLines(text)) {
            if (line.Empty())
                continue;
            ++res.BlockRows;
            res.BlockCols = std::max(res.BlockCols, static_cast<int>(line.Fields.size()));
        }
    }
    return res;
}

}  // namespace clipboardtext

void PasteFromClipboard(TGxStringGrid& grid)
{
    grid.ImportNotification(isImportStart, -1);
    grid.PasteAll = true;
    clipboardtext::PasteClipboardAt(grid, grid.SaveStartCol(), grid.SaveStartRow());
    grid.PasteAll = false;
    grid.ImportNotification(isImportDone, -1);
    grid.ContentReloaded();
}

void TGridExtras::CutSelectionToClipboard(TGxStringGrid& Grid)
{
    gx::CutSelectionToClipboard(Grid);
}

void TGridExtras::CopySelectionToClipboard(TGxStringGrid& Grid)
{
    gx::CopySelectionToClipboard(Grid);
}

void TGridExtras::PasteSelectionFromClipboard(TGxStringGrid& Grid)
{
    gx::PasteSelectionFromClipboard(Grid);
}

}  // namespace gx

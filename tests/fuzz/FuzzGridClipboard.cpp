// The grid's clipboard readers: the first byte picks what another program left on the clipboard
// (text, the grid's own cells, rich text), the rest is its content. Any input is pasted or
// refused with an exception; pasted text copied again and pasted into another grid gives the
// same cells; rich text leaves for the clipboard as 7-bit bytes.
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "grid/extras/GridClipboard.h"
#include "platform/rtl/Exceptions.h"
#include "platform/ui/Clipboard.h"

namespace {

// The cells of a grid over the given size ("" outside the grid): a closing empty field adds no
// column when pasted, so the two grids may differ in size by empty cells.
std::vector<std::string> Cells(gx::TGxStringGrid& g, int cols, int rows)
{
    std::vector<std::string> out;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c)
            out.push_back(c < g.ColCount() && r < g.RowCount() ? g.Cells(c, r) : "");
    return out;
}

void Editable(gx::TGxStringGrid& g)
{
    g.SetColCount(1);
    g.SetRowCount(1);
    g.SetFixedRows(0);
    g.SetFixedCols(0);
    g.SetOptions(g.Options() | ui::goEditing);
    g.SetSelection({0, 0, 0, 0});
}

// Texts the copy gives in another form on purpose: coded wide text (decoded) and rich text (its
// plain text).
bool CopiedAsOtherText(const std::vector<std::string>& cells)
{
    for (const std::string& c : cells)
        if (c.starts_with("|\\") || c.find("{\\") != std::string::npos)
            return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::string body(fuzz::Text(data + 1, size - 1));
    gx::TGxStringGrid grid(nullptr);
    Editable(grid);
    try {
        switch (data[0] % 3) {
        case 0: {
            ui::Clipboard()->SetAsText(body);
            gx::PasteSelectionFromClipboard(grid);
            const int cols = grid.ColCount(), rows = grid.RowCount();
            const auto cells = Cells(grid, cols, rows);
            grid.SetSelection({0, 0, grid.ColCount() - 1, grid.RowCount() - 1});
            gx::CopySelectionToClipboard(grid);
            gx::TGxStringGrid again(nullptr);
            Editable(again);
            gx::PasteSelectionFromClipboard(again);
            FUZZ_CHECK(again.ColCount() <= cols && again.RowCount() <= rows, "the copy grew beyond its source");
            FUZZ_CHECK(CopiedAsOtherText(cells) || Cells(again, cols, rows) == cells,
                       "pasted text copied again pastes differently");
            break;
        }
        case 1: {
            ui::TDragData cells;
            cells.SetData(ui::kMimeGridCells, body);
            ui::Clipboard()->SetData(cells);
            grid.Navigation()->SetAllowFmtClipboard(true);
            gx::PasteSelectionFromClipboard(grid);
            break;
        }
        case 2: {
            gx::RichTextPlain(body);
            const std::string cell = gx::RichTextFromClipboard(body);
            for (unsigned char ch : gx::RichTextToClipboard(cell))
                FUZZ_CHECK(ch < 0x80, "rich text left for the clipboard with an 8-bit byte");
            break;
        }
        }
    } catch (const rtl::Exception&) {
        // refused: fine
    }
    return 0;
}

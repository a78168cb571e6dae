#pragma once
// The life of a rule table, once for every dialog: reset at a show, load of the table file, the
// data check on OK and the save. Grids are handed in dialog order (TDialogDesc::Grids), each as
// the cells it holds; nothing here shows a message: faults and notes come back as text.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/tables/TableCells.h"
#include "core/tables/TableDesc.h"

namespace tables {

// The trimmed-cell rule: the text without leading and trailing blanks and control characters.
std::string Cell_Trim(std::string_view text);
// The integer reading rule (Str_To_Int_Rule): anything that is not a signed 32-bit number reads -1.
std::int32_t Cell_Int(std::string_view text);

// Whether a row is enabled by its enable cell, and whether a key cell ends the table (never where
// the grid has no key). A key whose column is a state variable needs the state.
bool Row_Enabled(const TGridDesc& grid, const TCells& cells, int row);
int Key_Column(const TKeyDesc& key, const TTableState* state = nullptr);
bool Key_Empty(const TKeyDesc& key, const TCells& cells, int row, const TTableState* state = nullptr);
// The rows written: 1 up to, not including, the first row whose write key is empty.
int Rows_Written(const TGridDesc& grid, const TCells& cells, const TTableState* state = nullptr);

// Rows 1 to RowCount - 1 over every column: column 0 the row number, the enable column "Y",
// every other cell its column's reset text (empty in most tables).
void Reset_Rows(const TGridDesc& grid, TCells& cells);
// The decimal texts 0 to count - 1 after the fixed items (the lists of position columns).
std::vector<std::string> Counted_Items(const TColumnDesc& column, const TTableState& state);

// A show: Prepare, every grid reset, the file loaded when it exists, After_Load. Returns what
// could not be loaded (empty when the file loaded whole or is missing).
std::string Show_Tables(const TDialogDesc& dialog, const std::vector<TCells*>& grids, TTableState& state);

// Loads the file into grids that were reset. The root is the document's first element (its name
// is not compared); each grid's section is found by name; the k-th child element of a section
// fills row k + 1; an attribute with a fallback gives it when missing, an attribute without one
// ends the loading there (the rows read so far stay). Rows beyond the grid and a missing section
// are passed over. Returns the note for the user, empty when everything was read. The file is
// never written.
std::string Load_Table_File(const TDialogDesc& dialog, const std::filesystem::path& file,
                            const std::vector<TCells*>& grids, TTableState& state);

// The first fault of the data check, its message composed, or nullopt when the tables pass. Each
// grid in order: rows from 1, the check stops at the first empty check key (or, with
// Enable_Before_Key, at the first enabled one), disabled rows are skipped, each other row must
// pass the rules in order. A row after the end of the written table that holds anything typed
// is a fault too (saving would drop it); then After_Rows. Never changes a cell.
struct TTableFault {
    int Grid = 0;  // index in TDialogDesc::Grids
    int Row = 0;   // 0 for a fault of no row
    int Text = 0;
    std::string Message;
};
std::optional<TTableFault> First_Fault(const TDialogDesc& dialog, const std::vector<const TCells*>& grids,
                                       TTableState& state);
// Whether the row holds anything typed: a non-blank cell that is neither a check box nor computed.
bool Row_Holds_Text(const TGridDesc& grid, const TCells& cells, int row);

// The document as the frame writes it: root, the comment "SW_VERSION = 1.000" after it, each
// grid's section (created along its path), one row element per written row with the written
// attributes in order.
std::string Table_File_Text(const TDialogDesc& dialog, const std::vector<const TCells*>& grids,
                            const TTableState& state);
// Writes it to the file through a temporary file renamed over it. Throws xml::XmlError naming the
// file when it cannot be written; the earlier file then stays as it was.
void Save_Table_File(const TDialogDesc& dialog, const std::filesystem::path& file,
                     const std::vector<const TCells*>& grids, const TTableState& state);

// OK's save: Before_Save on the grids (computed cells made current), then Save_Table_File.
void Save_Tables(const TDialogDesc& dialog, const std::filesystem::path& file, const std::vector<TCells*>& grids,
                 TTableState& state);

// The data check's message for a fault: prefix, row number, text and suffix.
std::string Fault_Message(const TDialogDesc& dialog, int row, const TRuleFault& fault);

}  // namespace tables

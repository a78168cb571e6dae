#pragma once
// A rule-table dialog as data: its grids and their columns, the table file's root, sections and
// attributes, the data check's rules, the texts of its block and the few hooks where a dialog
// departs from the frame. The engine (TableEngine.h) resets, loads, checks and saves from it; the
// window frame (dialogs/UTableFrame) builds and labels the form from it. Nothing here knows a widget.

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/tables/TableCells.h"

namespace tables {

// The comment every table file carries after its root element.
inline constexpr std::string_view Table_File_Comment = "SW_VERSION = 1.000";

// What a dialog keeps besides its cells while it is shown: its sizes (MAX_Byte, NByte_IN ...),
// running totals of a check, and whatever a hook remembers per row. Set at every show.
struct TTableState {
    std::map<std::string, std::int64_t, std::less<>> Vars{};
    std::int64_t Var(std::string_view name) const;
};

// A colour as the grids take it: red in the low byte.
constexpr std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b)
{
    return r | (g << 8) | (b << 16);
}
inline constexpr std::uint32_t No_Color = 0x1FFFFFFF;

// The cell editor of a column. CheckBox: a box whose cell text is "Y" when ticked, "N" when not.
enum class TEditor { Plain, ComboList, ComboEdit, CheckBox };

enum class TAlign { Left, Right, Center };

// How a key cell decides that the table ends there.
enum class TKeyCompare {
    Trimmed,    // the cell is empty after trimming
    Untrimmed,  // the cell is the empty text (a blank counts as filled)
};

// How an enable cell is read: the row is checked when the cell, so compared, is "Y".
enum class TEnableCompare {
    TrimmedExact,  // trimmed, letter case counts
    TrimmedUpper,  // trimmed and upper-cased
    Upper,         // upper-cased, not trimmed
    Exact,         // as it stands: neither trimmed nor upper-cased
};

// A column of a grid; index in TGridDesc::Columns = real column index (0 is the row number).
struct TColumnDesc {
    std::string_view Caption{};  // the header stored with the form (kept when Header is 0)
    int Header = 0;              // text number of the header that Set_Lang sets
    int Hint = 0;                // text number of the header hint (entry c - 1 of the hint list); 0: none
    int Width = 64;
    TEditor Editor = TEditor::Plain;
    std::vector<std::string> Items{};  // combo items (the fixed part, before any counted items)
    // Counted items, filled at every show after Items: the decimal texts 0 to Var(Items_Count) - 1.
    std::string_view Items_Count{};
    std::uint32_t Color = No_Color;  // cell background; No_Color: the grid's own
    TAlign Alignment = TAlign::Left;
    bool Hidden = false;    // left out of the display (its cells stay)
    bool ReadOnly = false;  // never edited in place (computed cells)
    // The text a reset gives the cell (the enable column's "Y" comes first); empty for most.
    std::string_view Reset{};
};

// An attribute of a row element, in file order.
struct TAttributeDesc {
    std::string_view Name{};
    int Column = -1;  // the column it is read into and written from; -1 for a computed attribute
    // Read in a guard of its own: a missing attribute gives this text (also the empty one). Without
    // one, a missing attribute ends the loading with a message (the rows read so far stay).
    std::optional<std::string> Fallback{};
    // Departures: what a row's cells make of the attribute (value nullopt when it is missing), and
    // the text written for a row. When set they replace the plain copy.
    std::function<void(std::optional<std::string_view> value, TCells& cells, int row, TTableState& state)> Read{};
    std::function<std::string(const TCells& cells, int row, const TTableState& state)> Write{};
    // False for an attribute only read (an older file's form of the row): never written.
    bool Written = true;
};

// One row of one grid as a rule sees it during the check.
struct TRowView {
    const TCells& Cells;
    int Row;
    TTableState& State;

    std::string Cell(int col) const { return Cells.Cell(col, Row); }
    std::string Trimmed(int col) const;  // the trimmed-cell rule
    std::int32_t Int(int col) const;     // the integer reading rule
};

// A broken rule: the message is the dialog's row prefix, the row number, text Text and Suffix, or
// (Row_Prefix false) text Text and Suffix alone, or Message as it stands when the rule composed it.
struct TRuleFault {
    int Text = 0;
    std::string Suffix{};
    bool Row_Prefix = true;
    std::string Message{};
    int Grid = 0;  // for a fault of After_Rows: the table it concerns (its tab is brought forward)
};
using TRowRule = std::function<std::optional<TRuleFault>(const TRowView&)>;

// Where a key column ends the table. Column -1: no key, every row of the grid belongs to the table.
// Column_Var names a variable of the dialog's state that, when set, gives the key column instead
// (a dialog whose key moves with a setting read at the show).
struct TKeyDesc {
    int Column = 2;
    TKeyCompare Compare = TKeyCompare::Trimmed;
    std::string_view Column_Var{};
};

enum class THintOutside {
    Clear,  // the hint handler clears the hint over data cells
    Keep,   // data cells keep the grid's own hint (their text, where cell hints are on)
};

struct TGridDesc {
    std::string_view Name{};   // component name of the grid ("ACG_CAN_Receive")
    std::string_view Sheet{};  // component name of its tab sheet in a paged dialog ("TS_Modbus_Read")
    int Sheet_Caption = 0;     // text number of the tab caption; 0 keeps Sheet_Text
    std::string_view Sheet_Text{};
    int Rows = 512;  // data rows (RowCount - 1)
    int Fixed_Width = 40;
    std::vector<TColumnDesc> Columns{};
    // The section element below the root that holds the rows, as a path of names (an empty path:
    // the rows lie directly under the root).
    std::vector<std::string_view> Section{};
    std::vector<TAttributeDesc> Attributes{};
    // The element written per row (any name is read).
    std::string_view Row_Element = "row";
    TKeyDesc Write_Key{};    // rows are written up to the first row whose key cell is empty
    TKeyDesc Check_Key{};    // the check stops at the first row whose key cell is empty
    int Enable_Column = -1;  // 1 where column 1 enables the row, -1 where no column does
    TEnableCompare Enable_Compare = TEnableCompare::TrimmedExact;
    // The check passes over disabled rows before it looks at the key (a disabled row with an empty
    // key does not end the check).
    bool Enable_Before_Key = false;
    std::vector<TRowRule> Rules{};  // in the order they are tested
    bool Insert_Flag = false;       // ColGrid_Ins_Row's flag: the opened row's column 1 becomes "Y"
    // Hints: shown over the grid at all, cell hints, and what the handler does outside the header.
    bool Show_Hints = true;
    bool Cell_Hints = true;
    THintOutside Hint_Outside = THintOutside::Clear;
    // Which handlers the grid has: Enter walk, header double click, column-0 click, header hints.
    bool Key_Press = true;
    bool Dbl_Click = true;
    bool Click_Cell = false;
    bool Grid_Hint = true;
    bool Editing = true;  // in-cell editing
    // The user can resize the columns.
    bool Col_Sizing = true;

    int Col_Count() const { return static_cast<int>(Columns.size()); }
};

enum class TGridClass { Column_Grid, String_Grid };

// The six buttons of the band, in this order.
enum TButton { Btn_OK, Btn_Cancel, Btn_DelRow, Btn_InsRow, Btn_CopyRow, Btn_PasteRow };
inline constexpr int Button_Count = 6;
inline constexpr std::array<std::string_view, Button_Count> Button_Names = {
    "Btn_OK", "Btn_Cancel", "Btn_DelRow", "Btn_InsRow", "Btn_CopyRow", "Btn_PasteRow"};
inline constexpr std::array<std::string_view, Button_Count> Button_Stored_Captions = {
    "OK", "Cancel", "Delete Row", "Insert Row", "Copy Row", "Paste Row"};

// The dialog's block of texts. A caption or hint number 0 leaves the stored text.
struct TTextsDesc {
    int Caption = 0;      // the form's caption
    int Description = 0;  // L_SW_Desc
    std::array<int, Button_Count> Button_Captions{};
    std::array<int, Button_Count> Button_Hints{};
    int Delete_Question = 0;  // followed by the row number (or, with Delete_Formats, its "%d")
    bool Delete_Formats = false;
    int Row_Prefix = 0;  // "Error row "
    // A row after the end of the table holds something typed: saving would drop it. Formatted with
    // the row number and the key column's header.
    int Dropped_Rows = 1106;
    // What loading could not give: a header naming the file, then one line per fault, formatted
    // with (reason) for an unreadable file, (row, attribute) for a missing attribute, (table,
    // rows in the file, rows of the grid) for rows beyond the grid, (table) for a missing section.
    // The table is its tab's caption, else its section path (or the root's name).
    int Load_Header = 1107;
    int Load_Unreadable = 1108;
    int Load_Missing_Attribute = 1109;
    int Load_Extra_Rows = 1110;
    int Load_Missing_Section = 1111;
};

enum class TButtonBand {
    Frame,               // the six buttons from the left: 16, 134, 252, 370, 488, 606
    Rows_Left_OK_Right,  // row buttons from the left, OK and Cancel at the right edge
    OK_Cancel,           // OK and Cancel only, from the left (a table without row buttons)
    No_Copy,             // OK, Cancel, Delete Row and Insert Row from the left (no copy and paste)
};

struct TDialogDesc {
    std::string_view Class_Name{};  // "TFReceiveCAN"
    std::string_view Form_Name{};   // "FReceiveCAN"
    int Client_Width = 1010;
    int Client_Height = 337;
    TGridClass Grid_Class = TGridClass::Column_Grid;
    std::vector<TGridDesc> Grids{};     // in the dialog's order (read table before write table)
    std::string_view Root{};            // the root element written
    const std::string* File = nullptr;  // the File_<table> global of the table file
    TTextsDesc Texts{};
    TButtonBand Band = TButtonBand::Frame;
    std::array<bool, Button_Count> Button_Hints_Shown{true, true, true, true, true, true};
    bool Focus_Grid_On_Show = false;
    // The table file holds secrets (keys, certificates): it is written readable by its owner only.
    bool Owner_Only_File = false;

    // Departures, all optional:
    // before the rows are reset at a show (sizes such as MAX_Byte, per-row memories);
    std::function<void(TTableState&)> Prepare{};
    // after the file was loaded (computed cells);
    std::function<void(std::vector<TCells*>& grids, TTableState&)> After_Load{};
    // after a passing check, before the cells are written (computed cells made current);
    std::function<void(std::vector<TCells*>& grids, TTableState&)> Before_Save{};
    // at the start of every check (running totals);
    std::function<void(TTableState&)> Before_Check{};
    // after every grid passed its rows (totals); a fault stops the check;
    std::function<std::optional<TRuleFault>(const std::vector<const TCells*>& grids, TTableState&)> After_Rows{};
    // the message for typed rows that saving would drop, in place of Texts.Dropped_Rows.
    std::function<std::string(int grid, int row)> Dropped_Message{};
};

}  // namespace tables

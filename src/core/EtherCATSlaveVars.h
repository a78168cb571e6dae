#pragma once
// The EtherCAT process-data variables of both directions as the variables dialog edits them: one
// row per grid row with its cells as plain data, the type rule of the Type column, the byte
// positions and start bits, and the checks run before the tables are saved. The file itself is
// EtherCATSlaveFile's; the compilers read it through TableRows.

#include <array>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/TableRows.h"
#include "core/tables/TableDesc.h"

namespace core {

enum class TEtherCAT_Direction { Slave_To_Master, Master_To_Slave };

// Variable rows of each direction (grid rows 1 to 256).
inline constexpr std::size_t EtherCAT_Rows = 256;

// One grid row. Texts are kept as typed (untrimmed); Position and BitStart are what
// Calc_Position_Bit computed (or, beyond the rows it walks, what the row held).
struct TEtherCAT_Var {
    bool Enable = true;  // the row's check box
    std::string Type;
    std::string Length;
    std::string Name;
    std::string InitValue;  // slave to master only: the other direction has no such column
    std::string Position;
    std::string BitStart;
    std::string Mnemonic;

    friend bool operator==(const TEtherCAT_Var&, const TEtherCAT_Var&) = default;
};

// Both tables, EtherCAT_Rows rows each.
struct TEtherCAT_Slave_Vars {
    TEtherCAT_Slave_Vars();
    std::vector<TEtherCAT_Var> Slave_To_Master;
    std::vector<TEtherCAT_Var> Master_To_Slave;

    std::vector<TEtherCAT_Var>& Rows(TEtherCAT_Direction d);
    const std::vector<TEtherCAT_Var>& Rows(TEtherCAT_Direction d) const;
};

// Grid columns of a direction's table (column 0 holds the row number). The master-to-slave table
// has no Init Value column (InitValue -1), so its later columns lie one to the left.
struct TEtherCAT_Columns {
    int Enable, Type, Length, Name, InitValue, Position, BitStart, Mnemonic, Count;
};
constexpr TEtherCAT_Columns EtherCAT_Columns(TEtherCAT_Direction d)
{
    return d == TEtherCAT_Direction::Slave_To_Master ? TEtherCAT_Columns{1, 2, 3, 4, 5, 6, 7, 8, 9}
                                                     : TEtherCAT_Columns{1, 2, 3, 4, -1, 5, 6, 7, 8};
}

// Text numbers of the column headers (index = column) and of the header hints (index = column - 1).
const std::vector<int>& EtherCAT_Header_Texts(TEtherCAT_Direction d);
const std::vector<int>& EtherCAT_Hint_Texts(TEtherCAT_Direction d);
// The hint of a cell: a data column's header hint in row 0, nothing elsewhere.
std::string EtherCAT_Cell_Hint(TEtherCAT_Direction d, int ACol, int ARow);
// Text number of a direction's name ("Slave To Master", "Master To Slave"; the tab captions).
int EtherCAT_Direction_Text(TEtherCAT_Direction d);

// The type names the Type column offers, in this order. Names compare exactly (letter case counts).
inline constexpr std::array<std::string_view, 9> EtherCAT_Type_Names = {"Bool",   "Int8",   "Int16",   "Int32", "UInt8",
                                                                        "UInt16", "UInt32", "Float32", "String"};

// The type rule: what a Type sets in its row's Length cell and whether that cell can be edited.
// "ByteString" (never offered, honoured when read from a file) behaves as "String".
struct TType_Rule {
    std::string_view Length;
    bool Length_Editable;
};
// nullopt for any other text, the empty one included: Length and its state stay as they are.
std::optional<TType_Rule> Type_Rule(std::string_view type);

// The Length a pasted row ends with: the rule's length for a fixed-size type; a String row (and a
// type the rule does not know) keeps the Length that was copied.
std::string Pasted_Length(std::string_view type, std::string_view copiedLength);

// Recomputes Position and BitStart of the rows from the first up to, not including, the first
// row whose Type is blank: enabled Bool rows share bytes, eight bits to a byte; every other enabled
// row starts a byte of its own and takes its type's size (String and unknown types: the Length
// read as a whole number, 0 when it is not one); disabled rows show 0 and 0 and do not break a run
// of Bool rows. Rows after the walk keep what they hold.
void Calc_Position_Bit(std::vector<TEtherCAT_Var>& rows);

// Rows that are saved: those before the first row whose Type is blank (empty after trimming).
std::size_t Saved_Row_Count(const std::vector<TEtherCAT_Var>& rows);

// Types whose Length the engineer sets: "String" and "ByteString", compared as the ESI generator
// compares types (blanks trimmed, any letter case), so that every reader of the file agrees.
bool Is_String_Type(std::string_view type);
// A Length bank2 can carry in its one byte and the ESI file states the same: a whole number from
// 1 to 255.
bool String_Length_Valid(std::string_view length);

// The first reason the tables cannot be saved as they stand.
struct TEtherCAT_Fault {
    TEtherCAT_Direction Direction;
    std::size_t Row;  // grid row, from 1
    std::string Message;
};
// The dialog's check, slave to master first, row by row in each: an enabled String row whose
// Length is not valid; then a first row without a Type when it or any later row holds anything
// typed (Type, Length, Name, Init Value or Mnemonic), since saving would drop those rows.
// nullopt when the tables can be saved.
std::optional<TEtherCAT_Fault> EtherCAT_Slave_First_Fault(const TEtherCAT_Slave_Vars& vars);

// The variables dialog as a rule table (tables::TDialogDesc): two string grids of 256 rows on the
// tabs of the two directions, the file EtherCAT_Slave.xml (root EtherCAT_Slave, the sections under
// EtherCAT_Slave_Variables), the type rule applied on loading, positions computed after loading and
// before saving, the check above. Grid 0 is slave to master, grid 1 master to slave.
const tables::TDialogDesc& EtherCAT_Slave_Desc();
// A direction's rows as its table's cells (Enable "Y" or "N"), and back.
tables::TTable EtherCAT_Table(TEtherCAT_Direction d, const std::vector<TEtherCAT_Var>& rows);
std::vector<TEtherCAT_Var> EtherCAT_Rows_Of(TEtherCAT_Direction d, const tables::TCells& cells);
// Position and BitStart of a direction's cells recomputed (Calc_Position_Bit).
void Calc_Position_Bit(TEtherCAT_Direction d, tables::TCells& cells);

// For the bank compiler and the ESI generator: throws rtl::EFileError naming the file and the row
// (its place among its section's rows) when an enabled row (Enable exactly "Y") of a String type
// has a Length that is not valid.
void Check_String_Lengths(const TEtherCAT_Slave_Table& table, const std::filesystem::path& file);

}  // namespace core

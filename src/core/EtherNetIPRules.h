#pragma once
// The EtherNet/IP scanner's connections as the connections dialog edits them: one row per grid row
// with its cells as plain data, the data check run before the table is saved, and the import of a
// connection chosen from an EDS file. The file itself is EtherNetIPRulesFile's.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/tables/TableDesc.h"

namespace core {

struct TConnData;

// Connection rows of the table (grid rows 1 to 10).
inline constexpr std::size_t EtherNetIP_Rows = 10;
// Largest total of input bytes, and of output bytes, over the enabled connections.
inline constexpr std::int32_t EtherNetIP_Max_Bytes = 1438;

// One grid row; every cell is text as typed (untrimmed).
struct TEtherNetIP_Row {
    std::string Enable = "Y";  // the check box's cell text, "Y" or "N"
    std::string IP_Address;
    std::string Start_Input;
    std::string Num_Input;
    std::string Start_Output;
    std::string Num_Output;
    std::string Time_Poll;
    std::string Instance_T_O;
    std::string Connection_Point_T_O;
    std::string Instance_O_T;
    std::string Connection_Point_O_T;
    std::string Dim_Header_T_O;
    std::string Dim_Header_O_T;
    std::string Mnemonic;

    friend bool operator==(const TEtherNetIP_Row&, const TEtherNetIP_Row&) = default;
};

// The data columns in grid order (grid column = index + 1; column 0 holds the row number): the
// row's field, the file's attribute and the text numbers of the header and of its hint.
struct TEtherNetIP_Column {
    std::string TEtherNetIP_Row::*Field;
    std::string_view Attribute;
    int Header_Text;
    int Hint_Text;
};
extern const std::array<TEtherNetIP_Column, 14> EtherNetIP_Columns;
// Text number of column 0's header ("N").
inline constexpr int EtherNetIP_Number_Header_Text = 4914;

// The connections dialog as a rule table (tables::TDialogDesc): one column grid of 10 rows, the
// file's root EtherNetIP_Master_Access, the data check below, the sizes Num_Byte_In and
// Num_Byte_Out (1438) set at every show. The check and the file of this unit go through it.
const tables::TDialogDesc& EtherNetIP_Desc();
// The rows as the table's cells, and back.
tables::TTable EtherNetIP_Table(const std::vector<TEtherNetIP_Row>& rows);
std::vector<TEtherNetIP_Row> EtherNetIP_Rows_Of(const tables::TCells& cells);

// The hint of a header cell (row 0) of a data column; nullopt for every other cell, which keeps
// the grid's own hint (its text).
std::optional<std::string> EtherNetIP_Cell_Hint(int ACol, int ARow);

// Rows that are saved: those before the first row whose IP Address is blank (empty after trimming).
std::size_t EtherNetIP_Saved_Row_Count(const std::vector<TEtherNetIP_Row>& rows);

// The first reason the table cannot be saved.
struct TEtherNetIP_Fault {
    std::size_t Row;  // grid row from 1; 0 for the byte totals
    int Text;         // the rule's text number
    std::string Message;
};

// The data check (Controllo_dati). Rows are visited from the first; a row whose Enable,
// upper-cased, is not "Y" is skipped; the visit ends at the first enabled row without an IP
// Address. Each other enabled row must pass, in this order: IP Address (four parts 0 to 255),
// Start Input, Num Input, Start Output, Num Output (0 to 65535), Time Poll (1 to 100000000),
// Instance T > O, Conn. Point T > O, Instance O > T, Conn. Point O > T (0 to 65535), Dim Header
// T > O and O > T ("Default" in any letter case, or 0 to 7); numbers are read as the bank compiler
// reads them (decimal, or hexadecimal after "0x", "x" or "$"), anything else counts as -1. The message is text 4931
// "Error row ", the row and the rule's text. Before the first row without an IP Address is visited, that row and every
// later one must be empty but for Enable: saving stops there, so anything typed there would be lost (text 4964). After
// the rows, the Num Input and then the Num Output totals of the rows checked must not exceed the limits (texts 4938 and
// 4939 followed by the limit).
std::optional<TEtherNetIP_Fault> EtherNetIP_First_Fault(const std::vector<TEtherNetIP_Row>& rows,
                                                        std::int32_t maxIn = EtherNetIP_Max_Bytes,
                                                        std::int32_t maxOut = EtherNetIP_Max_Bytes);

// The texts the EDS dialog shows for a connection, one per column of its list: "Connection" and
// the number, name, help string, Instance O > T, Conn. Point O > T, Instance T > O, Conn. Point
// T > O, Dim Header O > T ("Default" for 4), Dim Header T > O ("Default" for 0).
std::array<std::string, 9> EDS_Connection_Texts(const TConnData& c);

// Copies an imported connection's instances, connection points and header settings into the
// first row whose IP Address and Instance T > O are both blank, leaving its other cells for the
// engineer. The row's index, or nullopt (nothing changed) when every row holds one of them.
std::optional<std::size_t> Import_EDS_Connection(std::vector<TEtherNetIP_Row>& rows, const TConnData& c);

}  // namespace core

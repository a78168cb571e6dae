#pragma once
// The read and write tables of the two Modbus master dialogs, serial (TFSetAccess) and TCP
// (TFModbus_TCP_Master_Set_Access): the same columns, attributes and rules, except that the TCP
// tables name the slave by IP address and port as well (two columns after Enable, two rules ahead
// of the others). A dialog gives the labels and message texts of its block.

#include <string_view>
#include <vector>

#include "core/tables/TableDesc.h"
#include "core/tables/modbus_s7_bacnet/FieldColumns.h"

namespace tables::modbus_s7_bacnet {

enum class TModbusLink { Serial, TCP };
enum class TModbusTable { Read, Write };

// Size in bytes of the internal data arrays that read rules fill (NByte_IN) and write rules take
// from (NByte_OUT); set at every show.
inline constexpr int Modbus_NByte = 1500;
// Set in the state while the Topic column of the read table is shown (only then is a topic
// required). Every show hides the column.
inline constexpr std::string_view Topic_Shown = "Topic_Shown";

// Text numbers of a table's messages.
struct TModbusMessages {
    int IP_Address = 0;  // TCP tables only
    int Port = 0;        // TCP tables only
    int Slave_ID = 0;
    int Type = 0;
    int Address = 0;
    int NPoint = 0;  // followed by the table's limit for the row's type
    int Poll_Time = 0;
    int Max_Error = 0;
    int Position = 0;  // followed by the array size - 1
    int Bit = 0;
    int Span = 0;
    int Topic = 0;  // read tables only
};

// The grid with its name, tab sheet, section, columns and attributes in file order: key column 2
// (the Slave ID, or the Slave IP Address), enable column 1, new rows enabled, and the rules in order.
// The Topic column's attribute Index_Topic is a plain copy here: each dialog gives it its own reading.
TGridDesc Modbus_Grid(TModbusLink link, TModbusTable table, const std::vector<TLabel>& labels,
                      const TModbusMessages& messages);

// A show's sizes (NByte_IN, NByte_OUT) and the Topic column hidden.
void Prepare_Modbus(TTableState& state);

// The real index of the read table's Topic column.
int Topic_Column(TModbusLink link);

}  // namespace tables::modbus_s7_bacnet

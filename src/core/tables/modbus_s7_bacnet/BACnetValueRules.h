#pragma once
// The value vocabulary of the BACnet client's rule tables as pure functions on cell texts: object
// type names and their object codes, property names and sizes, the write table's data types and
// their largest byte counts, the data type a write of a Present Value expects, the byte list of a
// routed destination address, the byte-count hint of the read table, and the conversions from the
// object type numbers of an EDE file to the tables' names, data types and byte counts.
// Text arguments are compared trimmed and upper-cased; numbers follow the integer reading rule.

#include <string>
#include <string_view>

namespace tables::modbus_s7_bacnet {

// The table a rule belongs to (read_write of the checks).
inline constexpr int BACnet_Read = 0, BACnet_Write = 1;

// Results of Check_Property that are not a size: Present Value, and a proprietary property by number.
inline constexpr int Property_Present_Value = 100, Property_Proprietary = 200;
// Check_Data_Type of a property other than Present Value: any data type is accepted.
inline constexpr int Data_Type_Any = 1000;

// The object code of an object type cell, -1 when the table does not take it.
int Check_Object_Type(std::string_view str, int read_write);
// The property code of a property cell for that object code: 1..49 a size in bytes,
// Property_Present_Value, Property_Proprietary, or -1.
int Check_Property(std::string_view str, int read_write, int Obj_Type);
// Whether a write table's data type suits the object and property: Data_Type_Any, a size, or -1.
int Check_Data_Type(std::string_view str, int Obj_Type, int Property_val);
// The data type a write of a Present Value to that object expects, empty when none is named.
std::string Aspected_Data_Type_Value(int Obj_Type, int Property_val);
// The largest NByte for a data type (255 for an unknown one).
int Check_Num_Byte_Max(std::string_view str);

// The fault of a destination address list of NumByte bytes ("10, 20,30"): the text number of the
// message (the read table's or the write table's), 0 when the list is good.
int Check_Dest_Add(std::string_view values, int NumByte, bool InRead);

// The byte-count hint over the NByte cell of a read row with these object type and property cells.
std::string Str_Hint_Read(std::string_view objectType, std::string_view property);

// From an object type number of the BACnet standard (as an EDE file has it).
std::string Get_ObjType_EDE(int val);
std::string Get_DataType_EDE(int val);
int Get_NumByte_EDE(int val);

}  // namespace tables::modbus_s7_bacnet

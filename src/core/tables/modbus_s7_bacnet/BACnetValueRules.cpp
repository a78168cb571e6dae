#include "core/tables/modbus_s7_bacnet/BACnetValueRules.h"

#include <array>

#include "core/tables/TableEngine.h"
#include "platform/rtl/StrUtils.h"

namespace tables::modbus_s7_bacnet {

namespace {

std::string Key(std::string_view text)
{
    return rtl::UpperCase(Cell_Trim(text));
}

bool One_Of(int code, std::initializer_list<int> codes)
{
    for (int c : codes)
        if (c == code)
            return true;
    return false;
}

bool Proprietary_Object(int code)
{
    return code >= 128 && code <= 1023;
}

struct TObjectName {
    std::string_view Name;
    int Code;
    bool Write;  // the write table takes it too
};

constexpr std::array<TObjectName, 15> Object_Names = {{
    {"ACCUMULATOR", 1, false},
    {"MULTI-STATE INPUT", 2, false},
    {"MULTI-STATE OUTPUT", 3, true},
    {"ANALOG INPUT", 4, false},
    {"ANALOG OUTPUT", 5, true},
    {"BINARY INPUT", 6, false},
    {"BINARY OUTPUT", 7, true},
    {"INTEGER VALUE", 8, true},
    {"LARGE ANALOG VALUE", 9, true},
    {"POSITIVE INTEGER VALUE", 10, true},
    {"MULTI-STATE VALUE", 11, true},
    {"ANALOG VALUE", 12, true},
    {"BINARY VALUE", 13, true},
    {"LIFE SAFETY POINT", 14, true},
    {"LIFE SAFETY ZONE", 15, true},
}};

// A read-table property named in the list: its size for that object, or -1 when the name is not
// one of them or does not apply to the object.
int Listed_Property(const std::string& p, int obj)
{
    if (p == "OBJECT IDENTIFIER (75)" || p == "EVENT STATE (36)")
        return 4;
    if (p == "UNITS (117)")
        return One_Of(obj, {2, 3, 6, 7, 11, 13}) ? -1 : 4;
    if (p == "SCALE (187)" && obj == 1)
        return 1;
    if (p == "PRESCALE (185)" && obj == 1)
        return 5;
    if (p == "POLARITY (84)" && One_Of(obj, {6, 7, 13}))
        return 1;
    if (p == "STATUS FLAGS (111)")
        return 1;
    if (p == "OBJECT TYPE (79)")
        return 2;
    if (p == "NUMBER OF STATES (74)" && One_Of(obj, {2, 3, 11}))
        return 4;
    return 0;
}

struct TEdeType {
    int Number;
    std::string_view Object_Type;
    std::string_view Data_Type;
    int Bytes;
};

constexpr std::array<TEdeType, 15> Ede_Types = {{
    {0, "Analog Input", "Real", 4},
    {1, "Analog Output", "Real", 4},
    {2, "Analog Value", "Real", 4},
    {3, "Binary Input", "Enumerated", 1},
    {4, "Binary Output", "Enumerated", 1},
    {5, "Binary Value", "Enumerated", 1},
    {13, "Multi-State Input", "Unsigned Int", 4},
    {14, "Multi-State Output", "Unsigned Int", 4},
    {19, "Multi-State Value", "Unsigned Int", 4},
    {21, "Life Safety Point", "Enumerated", 2},
    {22, "Life Safety Zone", "Enumerated", 2},
    {23, "Accumulator", "Unsigned Int", 4},
    {45, "Integer Value", "Signed Int", 4},
    {46, "Large Analog Value", "Double", 8},
    {48, "Positive Integer Value", "Unsigned Int", 4},
}};

const TEdeType* Ede_Type(int val)
{
    for (const TEdeType& t : Ede_Types)
        if (t.Number == val)
            return &t;
    return nullptr;
}

}  // namespace

int Check_Object_Type(std::string_view str, int read_write)
{
    const std::string name = Key(str);
    for (const TObjectName& o : Object_Names)
        if ((read_write == BACnet_Read || o.Write) && name == o.Name)
            return o.Code;
    const std::int32_t n = Cell_Int(name);
    return Proprietary_Object(n) ? n : -1;
}

int Check_Property(std::string_view str, int read_write, int Obj_Type)
{
    const std::string p = Key(str);
    if (p == "PRESENT VALUE (85)")
        return Property_Present_Value;
    if (read_write == BACnet_Read) {
        const int size = Listed_Property(p, Obj_Type);
        if (size != 0)
            return size;
    }
    const std::int32_t n = Cell_Int(p);
    return n >= 512 && n <= 4194303 ? Property_Proprietary : -1;
}

int Check_Data_Type(std::string_view str, int Obj_Type, int Property_val)
{
    if (Property_val != Property_Present_Value)
        return Data_Type_Any;
    const std::string t = Key(str);
    if (t == "UNSIGNED INT" && One_Of(Obj_Type, {3, 10, 11}))
        return 4;
    if (t == "SIGNED INT" && Obj_Type == 8)
        return 4;
    if (t == "REAL" && One_Of(Obj_Type, {5, 12}))
        return 4;
    if (t == "DOUBLE" && Obj_Type == 9)
        return 8;
    if (t == "ENUMERATED" && One_Of(Obj_Type, {7, 13}))
        return 1;
    if (Proprietary_Object(Obj_Type))
        return 1;
    return -1;
}

std::string Aspected_Data_Type_Value(int Obj_Type, int Property_val)
{
    if (Property_val != Property_Present_Value)
        return {};
    switch (Obj_Type) {
    case 3:
    case 10:
    case 11:
        return "Unsigned Int";
    case 5:
    case 12:
        return "Real";
    case 7:
    case 13:
        return "Enumerated";
    case 8:
        return "Signed Int";
    case 9:
        return "Double";
    default:
        return {};
    }
}

int Check_Num_Byte_Max(std::string_view str)
{
    const std::string t = Key(str);
    if (t == "NULL")
        return 0;
    if (t == "BOOLEAN")
        return 1;
    if (t == "UNSIGNED INT" || t == "SIGNED INT" || t == "REAL" || t == "ENUMERATED" || t == "DATE" || t == "TIME" ||
        t == "OBJECT ID")
        return 4;
    if (t == "DOUBLE")
        return 8;
    if (t == "BIT STRING")
        return 120;
    return 255;  // octet and character strings, and any other text
}

int Check_Dest_Add(std::string_view values, int NumByte, bool InRead)
{
    const int out_of_range = InRead ? 2082 : 2083;
    const int too_many = InRead ? 2084 : 2085;
    const int too_few = InRead ? 2088 : 2089;
    std::string rest = Cell_Trim(values);
    if (rest.empty())
        return too_few;
    int count = 0;
    while (!rest.empty()) {
        const std::size_t comma = rest.find(',');
        const std::string item = Cell_Trim(std::string_view(rest).substr(0, comma));
        rest = comma == std::string::npos ? std::string() : Cell_Trim(std::string_view(rest).substr(comma + 1));
        const std::int32_t v = Cell_Int(item);
        if (v < 0 || v > 255)
            return out_of_range;
        if (++count > NumByte)
            return too_many;
    }
    return count < NumByte ? too_few : 0;
}

std::string Str_Hint_Read(std::string_view objectType, std::string_view property)
{
    if (Cell_Trim(objectType).empty() || Cell_Trim(property).empty())
        return {};
    const int obj = Check_Object_Type(objectType, BACnet_Read);
    const int prop = Check_Property(property, BACnet_Read, obj);
    if (prop >= 1 && prop <= 49)
        return std::to_string(prop);
    if (prop != Property_Present_Value)
        return {};
    if (One_Of(obj, {1, 2, 3, 4, 5, 8, 10}))
        return "4";
    if (One_Of(obj, {6, 7}))
        return "1";
    if (obj == 9)
        return "8";
    return {};
}

std::string Get_ObjType_EDE(int val)
{
    const TEdeType* t = Ede_Type(val);
    return t ? std::string(t->Object_Type) : std::string();
}

std::string Get_DataType_EDE(int val)
{
    const TEdeType* t = Ede_Type(val);
    return t ? std::string(t->Data_Type) : std::string("Null");
}

int Get_NumByte_EDE(int val)
{
    const TEdeType* t = Ede_Type(val);
    return t ? t->Bytes : 4;
}

}  // namespace tables::modbus_s7_bacnet

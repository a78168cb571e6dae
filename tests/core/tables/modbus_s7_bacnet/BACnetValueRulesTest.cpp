// The value vocabulary of the BACnet client's tables: object and property codes per table, the data
// types a Present Value write accepts and the type it names, byte maxima, the destination byte
// lists, the NByte hint and the conversions of EDE object type numbers.
#include <gtest/gtest.h>

#include "CaseName.h"
#include "core/tables/modbus_s7_bacnet/BACnetValueRules.h"

namespace {

using namespace tables::modbus_s7_bacnet;

struct ObjectCase {
    const char* what;
    std::string text;
    int read, write;  // the object code in each table
};

class BACnetObjectTypes : public ::testing::TestWithParam<ObjectCase> {};

TEST_P(BACnetObjectTypes, CodeInEachTable)
{
    EXPECT_EQ(Check_Object_Type(GetParam().text, BACnet_Read), GetParam().read);
    EXPECT_EQ(Check_Object_Type(GetParam().text, BACnet_Write), GetParam().write);
}

INSTANTIATE_TEST_SUITE_P(
    Names, BACnetObjectTypes,
    ::testing::Values(ObjectCase{"analog value in lower case with blanks", "  analog value \t", 12, 12},
                      ObjectCase{"analog input is read only", "Analog Input", 4, -1},
                      ObjectCase{"accumulator is read only", "Accumulator", 1, -1},
                      ObjectCase{"multi state output", "Multi-State Output", 3, 3},
                      ObjectCase{"life safety zone although not offered for writing", "Life Safety Zone", 15, 15},
                      ObjectCase{"the server's spelling is not the client's", "Multi State Value", -1, -1},
                      ObjectCase{"proprietary 300", "300", 300, 300},
                      ObjectCase{"proprietary 128 in hexadecimal", "0x80", 128, 128},
                      ObjectCase{"127 below the proprietary range", "127", -1, -1},
                      ObjectCase{"1024 above it", "1024", -1, -1}, ObjectCase{"empty", "", -1, -1}),
    testsupport::kNameByWhat);

struct PropertyCase {
    const char* what;
    std::string text;
    int rw, object, code;
};

class BACnetProperties : public ::testing::TestWithParam<PropertyCase> {};

TEST_P(BACnetProperties, Code)
{
    EXPECT_EQ(Check_Property(GetParam().text, GetParam().rw, GetParam().object), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(
    ReadAndWrite, BACnetProperties,
    ::testing::Values(PropertyCase{"present value in both tables", "present value (85) ", BACnet_Write, 5, 100},
                      PropertyCase{"units of a binary input", "Units (117)", BACnet_Read, 6, -1},
                      PropertyCase{"units of an analog input", "Units (117)", BACnet_Read, 4, 4},
                      PropertyCase{"scale of an accumulator", "Scale (187)", BACnet_Read, 1, 1},
                      PropertyCase{"scale of an analog input", "Scale (187)", BACnet_Read, 4, -1},
                      PropertyCase{"prescale of an accumulator", "PreScale (185)", BACnet_Read, 1, 5},
                      PropertyCase{"polarity of a binary value", "Polarity (84)", BACnet_Read, 13, 1},
                      PropertyCase{"polarity of an analog value", "Polarity (84)", BACnet_Read, 12, -1},
                      PropertyCase{"number of states of a multi state value", "Number of States (74)", BACnet_Read, 11,
                                   4},
                      PropertyCase{"object type", "Object Type (79)", BACnet_Read, 4, 2},
                      PropertyCase{"status flags when reading", "Status Flags (111)", BACnet_Read, 4, 1},
                      PropertyCase{"status flags when writing", "Status Flags (111)", BACnet_Write, 12, -1},
                      PropertyCase{"proprietary 512", "512", BACnet_Write, 12, 200},
                      PropertyCase{"proprietary 4194303", "4194303", BACnet_Read, 12, 200},
                      PropertyCase{"511", "511", BACnet_Write, 12, -1},
                      PropertyCase{"4194304", "4194304", BACnet_Write, 12, -1}),
    testsupport::kNameByWhat);

struct DataTypeCase {
    const char* what;
    std::string text;
    int object, property;
    int code;
    std::string expected;  // Aspected_Data_Type_Value
};

class BACnetDataTypes : public ::testing::TestWithParam<DataTypeCase> {};

TEST_P(BACnetDataTypes, AcceptedAndNamed)
{
    const DataTypeCase& c = GetParam();
    EXPECT_EQ(Check_Data_Type(c.text, c.object, c.property), c.code);
    EXPECT_EQ(Aspected_Data_Type_Value(c.object, c.property), c.expected);
    // The type named is always one that is accepted.
    if (!c.expected.empty()) {
        EXPECT_GT(Check_Data_Type(c.expected, c.object, c.property), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    PresentValueWrites, BACnetDataTypes,
    ::testing::Values(DataTypeCase{"real to a positive integer value", "Real", 10, 100, -1, "Unsigned Int"},
                      DataTypeCase{"unsigned int to a positive integer value", "unsigned int", 10, 100, 4,
                                   "Unsigned Int"},
                      DataTypeCase{"real to an analog output", "Real", 5, 100, 4, "Real"},
                      DataTypeCase{"double to a large analog value", "Double", 9, 100, 8, "Double"},
                      DataTypeCase{"enumerated to a binary value", "Enumerated", 13, 100, 1, "Enumerated"},
                      DataTypeCase{"signed int to an integer value", "Signed Int", 8, 100, 4, "Signed Int"},
                      DataTypeCase{"any text to a proprietary object", "whatever", 300, 100, 1, ""},
                      DataTypeCase{"a life safety point names no type", "Enumerated", 14, 100, -1, ""},
                      DataTypeCase{"a proprietary property takes any type", "Octet String", 12, 200, 1000, ""}),
    testsupport::kNameByWhat);

TEST(BACnetValueRules, LargestByteCountPerDataType)
{
    const std::pair<const char*, int> cases[] = {
        {"Null", 0},
        {"boolean", 1},
        {"Unsigned Int", 4},
        {"Real", 4},
        {"Double", 8},
        {"Octet String", 255},
        {"Character String", 255},
        {"Bit String", 120},
        {" Object ID ", 4},
        {"", 255},
        {"Float", 255},
    };
    for (const auto& [type, most] : cases)
        EXPECT_EQ(Check_Num_Byte_Max(type), most) << type;
}

struct DestCase {
    const char* what;
    std::string list;
    int bytes;
    int read, write;  // the message in each table, 0 for a good list
};

class BACnetDestinationLists : public ::testing::TestWithParam<DestCase> {};

TEST_P(BACnetDestinationLists, Fault)
{
    EXPECT_EQ(Check_Dest_Add(GetParam().list, GetParam().bytes, true), GetParam().read);
    EXPECT_EQ(Check_Dest_Add(GetParam().list, GetParam().bytes, false), GetParam().write);
}

INSTANTIATE_TEST_SUITE_P(
    Lists, BACnetDestinationLists,
    ::testing::Values(DestCase{"three bytes with blanks", " 10, 20,30", 3, 0, 0},
                      DestCase{"a trailing comma ends the list", "10,20,30,", 3, 0, 0},
                      DestCase{"too few", "10,20", 3, 2088, 2089}, DestCase{"too many", "10,20,30,40", 3, 2084, 2085},
                      DestCase{"out of range", "10,300,5", 3, 2082, 2083},
                      DestCase{"out of range before too many", "1,2,3,999", 3, 2082, 2083},
                      DestCase{"zero", "0", 1, 0, 0}, DestCase{"255", "255", 1, 0, 0},
                      DestCase{"256", "256", 1, 2082, 2083}, DestCase{"minus one", "-1", 1, 2082, 2083},
                      DestCase{"a letter", "a", 1, 2082, 2083}, DestCase{"two for one", "1,2", 1, 2084, 2085},
                      DestCase{"an empty item", "1,,2", 3, 2082, 2083}, DestCase{"empty", "  ", 1, 2088, 2089}),
    testsupport::kNameByWhat);

TEST(BACnetValueRules, NByteHintOfReadRows)
{
    struct Case {
        const char* object;
        const char* property;
        const char* hint;
    } cases[] = {
        {"Binary Output", "Present Value (85)", "1"},
        {"Analog Input", "Present Value (85)", "4"},
        {"Large Analog Value", "Present Value (85)", "8"},
        {"Analog Value", "Present Value (85)", ""},
        {"Analog Value", "Status Flags (111)", "1"},
        {"Accumulator", "PreScale (185)", "5"},
        {"Analog Input", "600", ""},
        {"", "Present Value (85)", ""},
        {"Analog Input", " ", ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Str_Hint_Read(c.object, c.property), c.hint) << c.object << " / " << c.property;
}

TEST(BACnetValueRules, EdeObjectTypeNumbers)
{
    struct Case {
        int number;
        const char* object;
        const char* data;
        int bytes;
    } cases[] = {
        {0, "Analog Input", "Real", 4},
        {4, "Binary Output", "Enumerated", 1},
        {19, "Multi-State Value", "Unsigned Int", 4},
        {22, "Life Safety Zone", "Enumerated", 2},
        {45, "Integer Value", "Signed Int", 4},
        {46, "Large Analog Value", "Double", 8},
        {48, "Positive Integer Value", "Unsigned Int", 4},
        {8, "", "Null", 4},
        {-1, "", "Null", 4},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Get_ObjType_EDE(c.number), c.object) << c.number;
        EXPECT_EQ(Get_DataType_EDE(c.number), c.data) << c.number;
        EXPECT_EQ(Get_NumByte_EDE(c.number), c.bytes) << c.number;
        // Every name the conversion gives is one the read table takes.
        if (*c.object) {
            EXPECT_GT(Check_Object_Type(c.object, BACnet_Read), 0) << c.object;
        }
    }
}

}  // namespace

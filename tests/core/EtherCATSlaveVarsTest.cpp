#include <gtest/gtest.h>

#include "BankFixture.h"
#include "core/EtherCATSlaveVars.h"
#include "core/UEtherCAT_ESI_File.h"
#include "platform/xml/Xml.h"

using namespace core;
using namespace coretest;

namespace {

constexpr auto StM = TEtherCAT_Direction::Slave_To_Master;
constexpr auto MtS = TEtherCAT_Direction::Master_To_Slave;

// Rows written compactly: "Bool", "-Int8" (disabled), "String:20" (with its Length).
std::vector<TEtherCAT_Var> Vars(std::initializer_list<std::string> specs)
{
    std::vector<TEtherCAT_Var> rows;
    for (std::string s : specs) {
        TEtherCAT_Var v;
        if (!s.empty() && s[0] == '-') {
            v.Enable = false;
            s.erase(0, 1);
        }
        const auto colon = s.find(':');
        v.Type = s.substr(0, colon);
        if (colon != std::string::npos)
            v.Length = s.substr(colon + 1);
        rows.push_back(v);
    }
    return rows;
}

// "position.bit" of each row, blank-separated.
std::string Positions(const std::vector<TEtherCAT_Var>& rows)
{
    std::string s;
    for (const auto& v : rows)
        s += (s.empty() ? "" : " ") + v.Position + "." + v.BitStart;
    return s;
}

}  // namespace

TEST(EtherCATTypeRule, FixedTypesSetTheirLengthStringsAnEditableTen)
{
    struct Case {
        const char* type;
        const char* length;
        bool editable;
    };
    const Case cases[] = {{"Bool", "1", false},      {"Int8", "1", false},    {"UInt8", "1", false},
                          {"Int16", "2", false},     {"UInt16", "2", false},  {"Int32", "4", false},
                          {"UInt32", "4", false},    {"Float32", "4", false}, {"String", "10", true},
                          {"ByteString", "10", true}};
    for (const auto& c : cases) {
        const auto rule = Type_Rule(c.type);
        ASSERT_TRUE(rule) << c.type;
        EXPECT_EQ(rule->Length, c.length) << c.type;
        EXPECT_EQ(rule->Length_Editable, c.editable) << c.type;
    }
    for (const char* other : {"", "bool", "STRING", "Real", " Int8"})
        EXPECT_FALSE(Type_Rule(other)) << "'" << other << "' leaves the Length as it is";
    // Every type offered has a rule.
    for (auto name : EtherCAT_Type_Names)
        EXPECT_TRUE(Type_Rule(name)) << name;
}

TEST(EtherCATTypeRule, APastedStringKeepsItsCopiedLength)
{
    EXPECT_EQ(Pasted_Length("String", "37"), "37");
    EXPECT_EQ(Pasted_Length("ByteString", "5"), "5");
    EXPECT_EQ(Pasted_Length("Int16", "7"), "2") << "a fixed type takes its own length";
    EXPECT_EQ(Pasted_Length("Real", "3"), "3") << "an unknown type keeps what was copied";
}

TEST(EtherCATPositions, BoolRunsDisabledRowsAndLengths)
{
    struct Case {
        const char* name;
        std::vector<TEtherCAT_Var> rows;
        const char* expected;
    };
    const Case cases[] = {
        {"three Bools then an Int16", Vars({"Bool", "Bool", "Bool", "Int16"}), "0.0 0.1 0.2 1.0"},
        {"eight Bools fill a byte, the Int8 takes the next",
         Vars({"Bool", "Bool", "Bool", "Bool", "Bool", "Bool", "Bool", "Bool", "Int8"}),
         "0.0 0.1 0.2 0.3 0.4 0.5 0.6 0.7 1.0"},
        {"the ninth Bool starts the next byte",
         Vars({"Bool", "Bool", "Bool", "Bool", "Bool", "Bool", "Bool", "Bool", "Bool"}),
         "0.0 0.1 0.2 0.3 0.4 0.5 0.6 0.7 1.0"},
        {"a disabled row does not break the run", Vars({"Bool", "-Int8", "Bool"}), "0.0 0.0 0.1"},
        {"a disabled Bool takes no bit", Vars({"Bool", "-Bool", "Bool", "UInt16", "Int32"}), "0.0 0.0 0.1 1.0 3.0"},
        {"a String takes its Length", Vars({"String:20", "UInt32", "Float32", "Int8"}), "0.0 20.0 24.0 28.0"},
        {"a Length that is not a number takes nothing", Vars({"String:abc", "Int8"}), "0.0 0.0"},
        {"an unknown type takes its Length", Vars({"Real:3", "UInt8"}), "0.0 3.0"},
        {"a Bool after a fixed type starts at the next free byte", Vars({"Int16", "Bool", "Bool", "Int8"}),
         "0.0 2.0 2.1 3.0"},
    };
    for (auto c : cases) {
        Calc_Position_Bit(c.rows);
        EXPECT_EQ(Positions(c.rows), c.expected) << c.name;
    }
}

TEST(EtherCATPositions, TheWalkStopsAtTheFirstRowWithoutAType)
{
    auto rows = Vars({"Int8", "Int8", "Int8", "Int8", " ", "Int8", "Int8"});
    rows[5].Position = "kept";
    rows[4].Position = "kept too";
    Calc_Position_Bit(rows);
    EXPECT_EQ(rows[3].Position, "3");
    EXPECT_EQ(rows[4].Position, "kept too");
    EXPECT_EQ(rows[5].Position, "kept");
    EXPECT_EQ(Saved_Row_Count(rows), 4u);
}

TEST(EtherCATCheck, StringLengthsFromOneTo255)
{
    for (const char* ok : {"1", "10", "255", " 20", "$FF"})
        EXPECT_TRUE(String_Length_Valid(ok)) << ok;
    for (const char* bad : {"0", "256", "300", "-1", "", "abc", "20 ", "1.5"})
        EXPECT_FALSE(String_Length_Valid(bad)) << bad;
    for (const char* s : {"String", "ByteString", " string ", "BYTESTRING"})
        EXPECT_TRUE(Is_String_Type(s)) << s;
    for (const char* s : {"Bool", "Str", "", "Strings"})
        EXPECT_FALSE(Is_String_Type(s)) << s;
}

TEST(EtherCATCheck, FirstFaultNamesDirectionAndRow)
{
    struct Case {
        const char* name;
        std::vector<TEtherCAT_Var> toMaster, toSlave;
        std::optional<std::pair<TEtherCAT_Direction, std::size_t>> fault;
        const char* message;
    };
    auto named = [](std::vector<TEtherCAT_Var> rows, std::size_t i, const char* name) {
        rows[i].Name = name;
        return rows;
    };
    const Case cases[] = {
        {"empty tables pass", {}, {}, std::nullopt, ""},
        {"a String of 255 passes", Vars({"String:255", "Bool"}), Vars({"ByteString:1"}), std::nullopt, ""},
        {"a String of 300",
         Vars({"Bool", "String:300"}),
         {},
         std::pair{StM, std::size_t{2}},
         "Slave To Master, row 2: the Length of a String must be a whole number from 1 to 255."},
        {"a ByteString without a Length in the other direction",
         {},
         Vars({"Int8", "ByteString:"}),
         std::pair{MtS, std::size_t{2}},
         "Master To Slave, row 2: the Length of a ByteString must be a whole number from 1 to 255."},
        {"a disabled String is not checked", Vars({"-String:0"}), {}, std::nullopt, ""},
        {"a bad String after the first empty Type is not saved, so not checked",
         Vars({"Int8", "", "String:0"}),
         {},
         std::pair{StM, std::size_t{2}},
         nullptr},
        {"a row after an empty Type row holds a Name",
         named(Vars({"Int8", "Bool", "", "", ""}), 4, "late"),
         {},
         std::pair{StM, std::size_t{3}},
         "Slave To Master, row 3: the Type is empty. Rows are saved only up to the first row without a Type, so "
         "this row and the rows after it would not be saved. Choose a Type or delete the rows."},
        {"the empty Type row itself holds a Name",
         named(Vars({"Int8", ""}), 1, "lost"),
         {},
         std::pair{StM, std::size_t{2}},
         nullptr},
        {"blanks are nothing typed", named(Vars({"Int8", " "}), 1, "  "), {}, std::nullopt, ""},
        {"unticked empty rows hold nothing", Vars({"Int8", "-", "-"}), {}, std::nullopt, ""},
        {"slave to master is checked first", Vars({"String:0"}), Vars({"String:0"}), std::pair{StM, std::size_t{1}},
         nullptr},
    };
    for (const auto& c : cases) {
        TEtherCAT_Slave_Vars vars;
        std::copy(c.toMaster.begin(), c.toMaster.end(), vars.Slave_To_Master.begin());
        std::copy(c.toSlave.begin(), c.toSlave.end(), vars.Master_To_Slave.begin());
        const auto fault = EtherCAT_Slave_First_Fault(vars);
        ASSERT_EQ(fault.has_value(), c.fault.has_value()) << c.name;
        if (!fault)
            continue;
        EXPECT_EQ(fault->Direction, c.fault->first) << c.name;
        EXPECT_EQ(fault->Row, c.fault->second) << c.name;
        if (c.message) {
            EXPECT_EQ(fault->Message, c.message) << c.name;
        }
    }
}

TEST(EtherCATColumns, HeadersAndHintsOfBothDirections)
{
    EXPECT_EQ(EtherCAT_Header_Texts(StM).size(), std::size_t(EtherCAT_Columns(StM).Count));
    EXPECT_EQ(EtherCAT_Header_Texts(MtS).size(), std::size_t(EtherCAT_Columns(MtS).Count));
    EXPECT_EQ(EtherCAT_Cell_Hint(StM, 5, 0), "Insert the Initial Value of the Variable");
    EXPECT_EQ(EtherCAT_Cell_Hint(MtS, 5, 0), "Position of the Variable in the Data Array");
    EXPECT_EQ(EtherCAT_Cell_Hint(MtS, 7, 0), "Insert the Description of the Variable");
    for (auto [col, row] : {std::pair{0, 0}, {8, 0}, {1, 1}})
        EXPECT_EQ(EtherCAT_Cell_Hint(MtS, col, row), "") << col << "," << row;
    EXPECT_EQ(EtherCAT_Cell_Hint(StM, 8, 0), "Insert the Description of the Variable");
}

// A hand-edited file with a String length one byte cannot carry: the bank compiler and the ESI
// generator refuse the same rows, naming the file and the row, and write nothing.
using StringLengths = BankFixture;

TEST_F(StringLengths, CompilerAndEsiGeneratorRefuseTheSameRows)
{
    auto row = [](const char* enable, const char* type, const char* length) {
        return std::string("<row Enable=\"") + enable + "\" Type=\"" + type + "\" Length=\"" + length +
               "\" Name=\"n\"/>";
    };
    struct Case {
        const char* name;
        std::string toMaster, toSlave;
        const char* fault;  // nullptr: both accept the file
    };
    const Case cases[] = {
        {"lengths 1 and 255", row("Y", "String", "1") + row("Y", "String", "255"), "", nullptr},
        {"a disabled row of 300", row("N", "String", "300"), "", nullptr},
        {"300", row("Y", "Int8", "1") + row("Y", "String", "300"), "",
         "row 2 of EtherCAT_Slave_To_Master: the length 300 of a String is not a whole number from 1 to 255"},
        {"0 in the outputs", "", row("Y", "String", "0"), "row 1 of EtherCAT_Master_To_Slave: the length 0 "},
        {"a ByteString of 256", "", row("Y", "ByteString", "256"), "row 1 of EtherCAT_Master_To_Slave: the length 256"},
        {"a lower-case string without a number", row("Y", "string", "ten"), "", "the length ten of a string"},
        {"no Length", "<row Enable=\"Y\" Type=\"String\"/>", "", "the length (empty) of a String"},
    };
    const std::string file = (dir / "EtherCAT_Slave.xml").string();
    for (const auto& c : cases) {
        Variables(c.toMaster, c.toSlave);
        Write_File(dir / "device.xml", "earlier");
        auto storage = std::make_unique<TBankStorage>();
        for (int reader = 0; reader < 2; ++reader) {
            const char* who = reader == 0 ? "compiler" : "ESI generator";
            try {
                if (reader == 0)
                    Build_Banks(*storage, Sources());
                else
                    Build_ESI_File(dir / "device.xml", dir / "ParGen.xml", dir / "EtherCAT_Slave.xml");
                EXPECT_EQ(c.fault, nullptr) << c.name << ": the " << who << " accepted it";
            } catch (const rtl::EFileError& e) {
                ASSERT_NE(c.fault, nullptr) << c.name << ": " << e.what();
                EXPECT_EQ(dynamic_cast<const xml::XmlError*>(&e), nullptr) << c.name << ": a length is no XML error";
                EXPECT_EQ(e.File(), file) << c.name;
                EXPECT_NE(e.Reason().find(c.fault), std::string::npos) << c.name << ", " << who << ": " << e.Reason();
            }
        }
        if (c.fault) {
            EXPECT_EQ(Read_File(dir / "device.xml"), "earlier") << c.name;
            EXPECT_EQ(storage->Bank2.Bytes().size(), 0u) << c.name << ": the storage keeps what it held";
        }
    }
}

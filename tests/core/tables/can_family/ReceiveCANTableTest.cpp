// The raw CAN receive table without its window: the data check's rules and bounds, the file's
// fallbacks and its exact form.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CaseName.h"
#include "ScratchDir.h"
#include "common/UComon.h"
#include "common/ULanguage.h"
#include "core/tables/TableEngine.h"
#include "core/tables/can_family/ReceiveCANTable.h"

namespace {

using namespace tables;

class ReceiveCANTable : public ::testing::Test {
protected:
    ReceiveCANTable()
    {
        Load_Default_Lang();
        saved_ = File_CAN_Rec_Frames;
        File_CAN_Rec_Frames = dir.File("CAN_Rec_Frames.xml");
        Show();
    }
    ~ReceiveCANTable() override { File_CAN_Rec_Frames = saved_; }
    std::string Show() { return Show_Tables(desc, grids, state); }
    // Row r from column 1 on: Enable, CobID, Type, Dimension, TimeOut, Byte1 ...
    void Put(int r, std::vector<std::string> cells)
    {
        for (std::size_t c = 0; c < cells.size(); ++c)
            cells_.SetCell(static_cast<int>(c) + 1, r, cells[c]);
    }
    std::string Check()
    {
        const auto fault = First_Fault(desc, {&cells_}, state);
        return fault ? fault->Message : "";
    }

    const TDialogDesc& desc = can::Receive_CAN_Desc();
    TTable cells_{15, 513};
    std::vector<TCells*> grids{&cells_};
    TTableState state;
    testsupport::ScratchDir dir;

private:
    std::string saved_;
};

struct CheckCase {
    const char* what;
    std::vector<std::string> row;
    std::string message;  // empty: the row passes
    friend void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.what; }
};

class ReceiveCANCheck : public ReceiveCANTable, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(ReceiveCANCheck, FirstBrokenRuleOfRowFour)
{
    for (int r = 1; r <= 3; ++r)
        Put(r, {"Y", std::to_string(r), "", "1", "0"});
    Put(4, GetParam().row);
    EXPECT_EQ(Check(), GetParam().message);
}

const std::string Prefix = "Error row 4";

INSTANTIATE_TEST_SUITE_P(
    Rules, ReceiveCANCheck,
    ::testing::Values(
        CheckCase{"an empty type takes 29 bits", {"Y", "3000", "", "1", "0"}, ""},
        CheckCase{"29 bits reach 0x1FFFFFFF", {"Y", "0x1FFFFFFF", "2.0B (29 bits)", "1", "0"}, ""},
        CheckCase{"29 bits end there",
                  {"Y", "$20000000", "", "1", "0"},
                  Prefix + "!! CobID must be between 0x00000000 and 0x1FFFFFFF"},
        CheckCase{"11 bits end at 2047",
                  {"Y", "2048", "2.0A (11 bits)", "1", "0"},
                  Prefix + "!! CobID must be between 0 and 2047"},
        CheckCase{"11 bits reach 0x7FF", {"Y", "0x7FF", " 2.0A (11 bits) ", "1", "0"}, ""},
        CheckCase{"a dollar identifier", {"Y", "$100", "2.0A (11 bits)", "1", "0"}, ""},
        CheckCase{"an identifier followed by a blank",
                  {"Y", "100 ", "", "1", "0"},
                  Prefix + "!! CobID must be between 0x00000000 and 0x1FFFFFFF"},
        CheckCase{"lower-case enable is tested",
                  {"y", "-1", "", "1", "0"},
                  Prefix + "!! CobID must be between 0x00000000 and 0x1FFFFFFF"},
        CheckCase{"a disabled row is not tested", {"N", "-1", "", "0", "x"}, ""},
        CheckCase{"no data", {"Y", "1", "", "0", "0"}, Prefix + "!! Dimension must be between 1 and 8"},
        CheckCase{"nine bytes", {"Y", "1", "", "9", "0"}, Prefix + "!! Dimension must be between 1 and 8"},
        CheckCase{"timeout off", {"Y", "1", "", "8", "0"}, ""},
        CheckCase{"timeout too long",
                  {"Y", "1", "", "8", "100000001"},
                  Prefix + "!! TimeOut must be between 0 and 100000000 milliseconds"},
        CheckCase{"empty timeout",
                  {"Y", "1", "", "8", ""},
                  Prefix + "!! TimeOut must be between 0 and 100000000 milliseconds"},
        CheckCase{"bytes beyond the length are not looked at", {"Y", "1", "", "2", "0", "None", "1999", "2000"}, ""},
        CheckCase{"the second byte beyond the array",
                  {"Y", "1", "", "2", "0", "", "2000"},
                  Prefix + "!! Byte2 must be between 0 and 1999 or None"},
        CheckCase{"the first byte's own text",
                  {"Y", "1", "", "1", "0", "-1"},
                  Prefix + "!! Byte1 must be between 0 and 1999 or None"},
        CheckCase{"the third byte's own text",
                  {"Y", "1", "", "3", "0", "0", "1", "x"},
                  Prefix + "!! Byte3 must be between 0 and 1999 or None"},
        CheckCase{"the eighth byte's own text",
                  {"Y", "1", "", "8", "0", "", "", "", "", "", "", "", "2000"},
                  Prefix + "!! Byte8 must be between 0 and 1999 or None"},
        CheckCase{"None in other letter case is no position",
                  {"Y", "1", "", "1", "0", "none"},
                  Prefix + "!! Byte1 must be between 0 and 1999 or None"},
        CheckCase{"the same identifier and position as row 1", {"Y", "1", "", "1", "0", "0"}, ""}),
    testsupport::kNameByWhat);

TEST_F(ReceiveCANTable, BoundFollowsMAX_Byte)
{
    Put(1, {"Y", "1", "", "1", "0", "1999"});
    EXPECT_EQ(Check(), "");
    state.Vars["MAX_Byte"] = 1000;
    EXPECT_EQ(Check(), "Error row 1!! Byte1 must be between 0 and 999 or None");
}

TEST_F(ReceiveCANTable, MissingFileGivesNumberedEnabledRowsAndAnEmptyRoot)
{
    EXPECT_EQ(cells_.Cell(0, 512), "512");
    EXPECT_EQ(cells_.Cell(1, 512), "Y");
    EXPECT_EQ(state.Var("MAX_Byte"), 2000);
    EXPECT_EQ(Check(), "");
    EXPECT_EQ(Table_File_Text(desc, {&cells_}, state), "<Receive_Frames/><!--SW_VERSION = 1.000-->");
}

TEST_F(ReceiveCANTable, EveryAttributeHasItsFallback)
{
    testsupport::WriteFile(File_CAN_Rec_Frames, "<X><row/><row Enable=\"N\" COBID=\"5\" CAN_Type=\"2.0A (11 bits)\" "
                                                "Dim=\"2\" TimeOut=\"7\" Byte2=\"None\" Mnemonic=\"m\"/></X>");
    EXPECT_EQ(Show(), "");
    const std::vector<std::string> first = {"1", "Y", "", "", "", "0", "", "", "", "", "", "", "", "", ""};
    for (int c = 0; c < 15; ++c)
        EXPECT_EQ(cells_.Cell(c, 1), first[static_cast<std::size_t>(c)]) << c;
    EXPECT_EQ(cells_.Cell(1, 2), "N");
    EXPECT_EQ(cells_.Cell(3, 2), "2.0A (11 bits)");
    EXPECT_EQ(cells_.Cell(7, 2), "None");
    EXPECT_EQ(cells_.Cell(14, 2), "m");
}

TEST_F(ReceiveCANTable, FileHoldsEveryAttributeInOrderAsTyped)
{
    Put(1, {"N", " 0x100 ", "2.0A (11 bits)", "2", "50", "None", "3", "", "", "", "", "", "", "a&b"});
    EXPECT_EQ(Table_File_Text(desc, {&cells_}, state),
              "<Receive_Frames><row Enable=\"N\" COBID=\" 0x100 \" CAN_Type=\"2.0A (11 bits)\" Dim=\"2\" "
              "TimeOut=\"50\" Byte1=\"None\" Byte2=\"3\" Byte3=\"\" Byte4=\"\" Byte5=\"\" Byte6=\"\" Byte7=\"\" "
              "Byte8=\"\" Mnemonic=\"a&amp;b\"/></Receive_Frames><!--SW_VERSION = 1.000-->");
}

}  // namespace

// The IEC 61850 client dialog's model without its window: the catalog and the device list, the
// choice in the tree, Add and Remove Var, byte sizes, data-set members, the data check and the
// table file.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "CaseName.h"
#include "SclFixtures.h"
#include "ScratchDir.h"
#include "common/UComon.h"
#include "core/iec61850/UIEC_61850_AccessModel.h"

namespace {

namespace fs = std::filesystem;
using namespace iec;
using testsupport::ReadFile;
using testsupport::WriteFile;

std::string Named(const char* iedName)
{
    std::string text = scltest::kServer;
    text.replace(text.find("IED1"), 4, iedName);
    return text;
}

class ClientModelTest : public ::testing::Test {
protected:
    ClientModelTest() : savedProject_(Path_Project)
    {
        Path_Project = (dir_ / "project").string();
        fs::create_directories(Path_Project);
    }
    ~ClientModelTest() override { Path_Project = savedProject_; }

    // A file the user picks in the open-file dialog.
    fs::path Chosen(const std::string& name, const std::string& text)
    {
        WriteFile(dir_ / "picked" / name, text);
        return dir_ / "picked" / name;
    }

    void Add(const std::string& name = "server.icd", const std::string& text = scltest::kServer)
    {
        const auto result = model_.Add_IEC_Device(Chosen(name, text), [] { return CatalogAnswer::Yes; });
        ASSERT_TRUE(result.Added) << result.Message;
    }

    const TIEC_Device& Device(int index) { return *model_.List_IEC_Dev[std::size_t(index)]; }
    TIEC_LN& LN(int device, int ld, int ln)
    {
        return *model_.List_IEC_Dev[std::size_t(device)]->List_LDevice[std::size_t(ld)]->List_LN[std::size_t(ln)];
    }
    // LD0/LLN0 Mod.stVal and data set DS1 of device 0.
    TIEC_DA* ModStVal(int device = 0) { return LN(device, 0, 0).List_DO[0]->List_DA[0].get(); }
    TIEC_DataSet* DS1(int device = 0) { return LN(device, 0, 0).List_DataSet[0].get(); }

    void AddDA(TIEC_DA* da, int line = 0)
    {
        model_.Clear_Choice();
        model_.Selected_IEC_DA = da;
        model_.Add_Var(line, da_, ds_);
    }
    void AddDataSet(TIEC_DataSet* set, int line = 0)
    {
        model_.Clear_Choice();
        model_.Selected_IEC_DS = set;
        model_.Add_Var(line, da_, ds_);
    }
    std::vector<std::string> Column(const TClientGrid& grid, int col)
    {
        std::vector<std::string> cells;
        for (int r = 1; r < grid.RowCount(); ++r)
            cells.push_back(grid.Cell(col, r));
        return cells;
    }

    testsupport::ScratchDir dir_;
    std::string savedProject_;
    ClientModel model_;
    TMemoryGrid da_{col::DA_Count, 2};
    TMemoryGrid ds_{col::DS_Count, 2};
    TMemoryGrid members_{col::DM_Count, 2};
};

// ---- catalog and devices

TEST_F(ClientModelTest, AddingADeviceCopiesItIntoTheCatalogAndDecodesTheCopy)
{
    bool asked = false;
    const auto result = model_.Add_IEC_Device(Chosen("server.icd", scltest::kServer), [&] {
        asked = true;
        return CatalogAnswer::Yes;
    });
    EXPECT_TRUE(result.Added);
    EXPECT_EQ(result.Message, "");
    EXPECT_FALSE(asked);  // nothing of that name in the catalog yet
    EXPECT_EQ(ReadFile(fs::path(Path_Project) / "ICD_Catalog" / "server.icd"), scltest::kServer);
    EXPECT_EQ(model_.Device_Lines(), std::vector<std::string>{"IED1"});
    EXPECT_EQ(Device(0).fFileName, "server.icd");
}

struct AnswerCase {
    const char* what;
    CatalogAnswer answer;
    std::vector<std::string> lines;
    const char* catalogIed;
};

class CatalogQuestion : public ClientModelTest, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(CatalogQuestion, DecidesWhatTheCatalogHoldsAndWhatIsAdded)
{
    WriteFile(fs::path(Path_Project) / "ICD_Catalog" / "server.icd", Named("OLD1"));
    int asked = 0;
    const auto result = model_.Add_IEC_Device(Chosen("server.icd", Named("NEW1")), [&] {
        ++asked;
        return GetParam().answer;
    });
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(model_.Device_Lines(), GetParam().lines);
    EXPECT_EQ(ReadFile(fs::path(Path_Project) / "ICD_Catalog" / "server.icd"), Named(GetParam().catalogIed));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, CatalogQuestion,
    ::testing::Values(AnswerCase{"yes copies over the catalog file", CatalogAnswer::Yes, {"NEW1"}, "NEW1"},
                      AnswerCase{"no decodes the catalog file as it is", CatalogAnswer::No, {"OLD1"}, "OLD1"},
                      AnswerCase{"cancel adds nothing", CatalogAnswer::Cancel, {}, "OLD1"}),
    testsupport::kNameByWhat);

TEST_F(ClientModelTest, AFileChosenFromTheCatalogIsItsOwnCopy)
{
    Add();
    const auto again =
        model_.Add_IEC_Device(fs::path(Path_Project) / "ICD_Catalog" / "server.icd", [] { return CatalogAnswer::Yes; });
    EXPECT_TRUE(again.Added) << again.Message;
    EXPECT_EQ(model_.Device_Lines(), (std::vector<std::string>{"IED1", "IED1"}));
}

TEST_F(ClientModelTest, FailuresAddNothingAndSayWhy)
{
    // Not well-formed: the catalog copy stays, no device.
    const auto broken = model_.Add_IEC_Device(Chosen("broken.icd", "<SCL><IED>"), [] { return CatalogAnswer::Yes; });
    EXPECT_FALSE(broken.Added);
    EXPECT_NE(broken.Message.find("broken.icd"), std::string::npos) << broken.Message;
    EXPECT_TRUE(fs::exists(fs::path(Path_Project) / "ICD_Catalog" / "broken.icd"));
    // A file that cannot be copied (gone since it was chosen).
    const auto gone = model_.Add_IEC_Device(dir_ / "picked" / "gone.icd", [] { return CatalogAnswer::Yes; });
    EXPECT_FALSE(gone.Added);
    EXPECT_NE(gone.Message.find("gone.icd"), std::string::npos) << gone.Message;
    EXPECT_TRUE(model_.List_IEC_Dev.empty());
    // No temporary file is left in the catalog.
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(fs::path(Path_Project) / "ICD_Catalog"))
        names.push_back(e.path().filename().string());
    EXPECT_EQ(names, std::vector<std::string>{"broken.icd"});
}

TEST_F(ClientModelTest, ADeviceCutShortIsAddedWithTheDecodersNote)
{
    const auto result =
        model_.Add_IEC_Device(Chosen("loop.icd", R"(<SCL><IED name="D"><AccessPoint><Server><LDevice inst="L">
            <LN0 lnClass="LLN0" lnType="T"/></LDevice></Server></AccessPoint></IED><DataTypeTemplates>
            <LNodeType id="T"><DO name="d" type="O"/></LNodeType><DOType id="O"><SDO name="s" type="O"/></DOType>
            </DataTypeTemplates></SCL>)"),
                              [] { return CatalogAnswer::Yes; });
    EXPECT_TRUE(result.Added);
    EXPECT_EQ(result.Message, "loop.icd: the type O refers back to itself; the repeated part is left out.");
}

TEST_F(ClientModelTest, RemovingADeviceIsRefusedWhileARowUsesIt)
{
    Add();
    Add();
    AddDA(ModStVal(1), 1);
    EXPECT_FALSE(model_.Remove_IEC_Device(1, da_, ds_));
    AddDataSet(DS1(0), 0);
    EXPECT_FALSE(model_.Remove_IEC_Device(0, da_, ds_));
    // The data set row keeps its data set whatever its "Index" cell is changed to.
    ds_.SetCell(col::DS_Index, 1, "7");
    EXPECT_FALSE(model_.Remove_IEC_Device(0, da_, ds_));
    EXPECT_FALSE(model_.Remove_IEC_Device(2, da_, ds_));  // no such device
    EXPECT_EQ(model_.List_IEC_Dev.size(), 2u);
}

TEST_F(ClientModelTest, RemovingADeviceCountsTheLaterIndexesDown)
{
    Add();
    Add("second.icd", Named("IED2"));
    Add("third.icd", Named("IED3"));
    AddDA(ModStVal(2), 2);
    AddDA(ModStVal(1), 1);
    AddDataSet(DS1(2), 2);
    model_.Selected_IEC_DA = ModStVal(0);
    EXPECT_TRUE(model_.Remove_IEC_Device(0, da_, ds_));
    EXPECT_EQ(model_.Device_Lines(), (std::vector<std::string>{"IED2", "IED3"}));
    EXPECT_EQ(Column(da_, col::DA_Index), (std::vector<std::string>{"1", "0"}));
    EXPECT_EQ(Column(ds_, col::DS_Index), std::vector<std::string>{"1"});
    EXPECT_EQ(model_.Selected_IEC_DA, nullptr);
}

// ---- the choice in the tree

TEST_F(ClientModelTest, OnlyALeafAttributeOrADataSetIsChosen)
{
    Add();
    Add();
    // The window's nodes: any distinct addresses.
    int nodes[8] = {};
    auto& device = *model_.List_IEC_Dev[0];
    auto& lln0 = LN(0, 0, 0);
    device.TreeNode = &nodes[0];
    lln0.TreeNode = &nodes[1];
    lln0.List_DO[0]->TreeNode = &nodes[2];                          // Mod
    lln0.List_DO[0]->List_DA[0]->TreeNode = &nodes[3];              // Mod.stVal
    lln0.List_DO[0]->List_DA[2]->TreeNode = &nodes[4];              // Mod.Oper (structured)
    lln0.List_DO[0]->List_DA[2]->List_DA[1]->TreeNode = &nodes[5];  // Mod.Oper.T
    lln0.List_DataSet[1]->TreeNode = &nodes[6];                     // DS2
    const struct {
        const char* what;
        int line;
        const void* node;
        const TIEC_DA* da;
        const TIEC_DataSet* set;
    } cases[] = {
        {"a leaf attribute", 0, &nodes[3], lln0.List_DO[0]->List_DA[0].get(), nullptr},
        {"a component", 0, &nodes[5], lln0.List_DO[0]->List_DA[2]->List_DA[1].get(), nullptr},
        {"a structured attribute", 0, &nodes[4], nullptr, nullptr},
        {"a data object", 0, &nodes[2], nullptr, nullptr},
        {"a logical node", 0, &nodes[1], nullptr, nullptr},
        {"the device", 0, &nodes[0], nullptr, nullptr},
        {"a data set", 0, &nodes[6], nullptr, lln0.List_DataSet[1].get()},
        {"no node", 0, nullptr, nullptr, nullptr},
        {"a node of another device", 1, &nodes[3], nullptr, nullptr},
        {"no line", -1, &nodes[3], nullptr, nullptr},
    };
    for (const auto& c : cases) {
        model_.Selected_IEC_DS = DS1();
        model_.Choose_In_Tree(c.line, c.node);
        EXPECT_EQ(model_.Selected_IEC_DA, c.da) << c.what;
        EXPECT_EQ(model_.Selected_IEC_DS, c.set) << c.what;
    }
    // A cleared tree is forgotten: its nodes choose nothing any more.
    model_.Forget_Tree();
    model_.Choose_In_Tree(0, &nodes[3]);
    EXPECT_EQ(model_.Selected_IEC_DA, nullptr);
}

// ---- Add Var, Remove Var, sizes, members

TEST_F(ClientModelTest, AddVarFillsTheEmptyFirstRowThenAppends)
{
    Add();
    AddDA(ModStVal());
    AddDA(LN(0, 1, 1).List_DO[0]->List_DA[0]->List_DA[0].get());  // LD1 Q1MMXU1 TotW.mag.f
    ASSERT_EQ(da_.RowCount(), 3);
    const std::vector<std::string> first = {
        "1", "0", "Enum", "ST", "IED1LD0/LLN0.Mod.stVal", "0", "1", "", "", "N", "N", "N", "", "", "", "", "", "", ""};
    const std::vector<std::string> second = {
        "2", "0", "FLOAT32", "MX", "IED1LD1/Q1MMXU1.TotW.mag.f", "0", "4", "", "", "N", "N", "N", "", "", "",
        "",  "",  "",        ""};
    for (int c = 0; c < col::DA_Count; ++c) {
        EXPECT_EQ(da_.Cell(c, 1), first[std::size_t(c)]) << c;
        EXPECT_EQ(da_.Cell(c, 2), second[std::size_t(c)]) << c;
    }
    // Nothing chosen: nothing happens.
    model_.Clear_Choice();
    EXPECT_EQ(model_.Add_Var(0, da_, ds_), AddVarPage::None);
    EXPECT_EQ(da_.RowCount(), 3);
}

TEST_F(ClientModelTest, AddVarTakesADataSetWithItsMembers)
{
    Add();
    model_.Selected_IEC_DS = DS1();
    EXPECT_EQ(model_.Add_Var(0, da_, ds_), AddVarPage::DataSet);
    model_.Selected_IEC_DS = LN(0, 0, 0).List_DataSet[1].get();
    model_.Add_Var(0, da_, ds_);
    EXPECT_EQ(Column(ds_, col::DS_Reference), (std::vector<std::string>{"IED1LD0/LLN0.DS1", "IED1LD0/LLN0.DS2"}));
    EXPECT_EQ(Column(ds_, col::DS_GooseName), (std::vector<std::string>{"GCB2", ""}));
    EXPECT_EQ(Column(ds_, col::DS_EnGoose), (std::vector<std::string>{"Y", "N"}));
    ASSERT_EQ(model_.List_DataSet.size(), 2u);
    EXPECT_EQ(model_.List_DataSet[0]->List_DAs.size(), 4u);
    model_.Show_DataSet_DAs(2, members_);
    EXPECT_EQ(Column(members_, col::DM_Reference), std::vector<std::string>{"IED1LD0/LLN0.Beh.q"});
    EXPECT_EQ(Column(members_, col::DM_bType), std::vector<std::string>{"Quality"});
    // A row that has no data set shows one empty member row.
    model_.Show_DataSet_DAs(3, members_);
    EXPECT_EQ(members_.RowCount(), 2);
    EXPECT_EQ(members_.Cell(col::DM_Reference, 1), "");
}

TEST_F(ClientModelTest, AddVarOnTheClearedFirstDataSetRowKeepsRowsAndDataSetsInStep)
{
    Add();
    AddDataSet(DS1());
    ds_.SetCell(col::DS_Index, 1, "");  // the user empties the only row's index
    AddDataSet(LN(0, 0, 0).List_DataSet[1].get());
    ASSERT_EQ(model_.List_DataSet.size(), 1u);
    EXPECT_EQ(model_.List_DataSet[0]->Select_DataSet->fName, "DS2");
}

TEST_F(ClientModelTest, SizesFollowTheBasicType)
{
    const struct {
        const char* bType;
        const char* start;
        const char* count;
        bool fixed;
    } cases[] = {
        {"FLOAT32", "0", "4", true},   {"INT32U", "0", "4", true},        {"int32", "0", "4", true},
        {"Quality", "0", "4", true},   {"FLOAT64", "0", "8", true},       {"INT64", "0", "8", true},
        {"INT8U", "0", "1", true},     {"INT8", "0", "1", true},          {"BOOLEAN", "0", "1", true},
        {"Timestamp", "0", "1", true}, {"Enum", "0", "1", true},          {"INT16U", "0", "2", true},
        {"INT16", "0", "2", true},     {"VisString255", "7", "9", false}, {"Octet64", "7", "9", false},
        {"", "7", "9", false},         {"INT24", "7", "9", false},
    };
    TMemoryGrid grid(col::DA_Count, int(std::size(cases)) + 1);
    for (int r = 1; r < grid.RowCount(); ++r) {
        grid.SetCell(col::DA_bType, r, cases[r - 1].bType);
        grid.SetCell(col::DA_StartByte, r, "7");
        grid.SetCell(col::DA_NumByte, r, "9");
        grid.SetReadOnly(col::DA_StartByte, r, true);
    }
    ClientModel::Set_Start_Num_Byte(grid);
    for (int r = 1; r < grid.RowCount(); ++r) {
        const auto& c = cases[r - 1];
        EXPECT_EQ(grid.Cell(col::DA_StartByte, r), c.start) << c.bType;
        EXPECT_EQ(grid.Cell(col::DA_NumByte, r), c.count) << c.bType;
        EXPECT_EQ(grid.ReadOnly(col::DA_StartByte, r), c.fixed) << c.bType;
        EXPECT_EQ(grid.ReadOnly(col::DA_NumByte, r), c.fixed) << c.bType;
    }
}

TEST_F(ClientModelTest, RemoveVarMovesTheRowsUpAndEmptiesTheLastOne)
{
    Add();
    AddDA(ModStVal());
    AddDA(LN(0, 1, 1).List_DO[0]->List_DA[0]->List_DA[0].get());
    da_.SetCell(col::DA_bType, 2, "VisString255");  // the row that moves up gets editable sizes
    da_.SetReadOnly(col::DA_StartByte, 1, true);
    model_.Remove_Var_DA(1, da_);
    EXPECT_EQ(da_.RowCount(), 2);
    EXPECT_EQ(da_.Cell(col::DA_N, 1), "1");
    EXPECT_EQ(da_.Cell(col::DA_Reference, 1), "IED1LD1/Q1MMXU1.TotW.mag.f");
    EXPECT_FALSE(da_.ReadOnly(col::DA_StartByte, 1));
    model_.Remove_Var_DA(1, da_);
    EXPECT_EQ(da_.RowCount(), 2);
    for (int c = 1; c < col::DA_Count; ++c)
        EXPECT_EQ(da_.Cell(c, 1), "") << c;
    EXPECT_EQ(da_.Cell(col::DA_N, 1), "1");
    EXPECT_EQ(model_.Table_File_Text(da_, ds_).find("DA_Item"), std::string::npos);
}

TEST_F(ClientModelTest, RemoveVarOnTheDataSetPageShowsAndEditsTheDataSetNowInItsPlace)
{
    Add();
    AddDataSet(DS1());
    AddDataSet(LN(0, 0, 0).List_DataSet[1].get());
    AddDataSet(LN(0, 1, 1).List_DataSet[0].get());  // Meas
    // The user looks at the first data set's members, then removes that row.
    model_.Show_DataSet_DAs(1, members_);
    model_.Member_Select_Cell(1);
    EXPECT_EQ(model_.Remove_Var_DataSet(1, ds_, members_), 1);
    EXPECT_EQ(Column(ds_, col::DS_Reference), (std::vector<std::string>{"IED1LD0/LLN0.DS2", "IED1LD1/MMXU.Meas"}));
    EXPECT_EQ(Column(ds_, col::DS_N), (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(Column(members_, col::DM_Reference), std::vector<std::string>{"IED1LD0/LLN0.Beh.q"});
    // An edit in the member grid lands in the data set shown.
    model_.Member_Edit_Done(col::DM_Position, 1, "12");
    EXPECT_EQ(model_.List_DataSet[0]->List_DAs[0]->Position, "12");
    // Removing the last row shows the row before it; removing everything leaves one empty row.
    EXPECT_EQ(model_.Remove_Var_DataSet(2, ds_, members_), 1);
    EXPECT_EQ(model_.Remove_Var_DataSet(1, ds_, members_), 1);
    EXPECT_TRUE(model_.List_DataSet.empty());
    EXPECT_EQ(ds_.RowCount(), 2);
    EXPECT_EQ(ds_.Cell(col::DS_Reference, 1), "");
    EXPECT_EQ(members_.RowCount(), 2);
    EXPECT_EQ(members_.Cell(col::DM_Reference, 1), "");
}

TEST_F(ClientModelTest, MemberEditsKeepTheirColumnsAndIgnoreOthers)
{
    Add();
    AddDataSet(DS1());
    model_.Member_Edit_Done(col::DM_Position, 1, "lost");  // no row selected yet
    model_.Member_Select_Cell(1);
    model_.Member_Edit_Done(col::DM_Position, 2, "3");
    model_.Member_Edit_Done(col::DM_StartBit, 2, "4");
    model_.Member_Edit_Done(col::DM_Convertion, 2, "ItoF/FtoI");
    model_.Member_Edit_Done(col::DM_MultFact, 2, "0,5");
    model_.Member_Edit_Done(col::DM_Mnemonic, 2, "power");
    model_.Member_Edit_Done(col::DM_Reference, 2, "changed");
    model_.Member_Edit_Done(col::DM_Position, 9, "no member");
    const auto& m = *model_.List_DataSet[0]->List_DAs[1];
    EXPECT_EQ(model_.List_DataSet[0]->List_DAs[0]->Position, "");
    EXPECT_EQ(std::vector<std::string>({m.Position, m.bitAddress, m.conversion, m.multFactor, m.Mnemonic}),
              (std::vector<std::string>{"3", "4", "ItoF/FtoI", "0,5", "power"}));
    EXPECT_EQ(m.Select_DA->fReference, "IED1LD1/Q1MMXU1.TotW.mag.f");
}

// ---- the data check

struct CheckCase {
    const char* what;
    std::vector<std::pair<int, std::string>> cells;  // over a row that passes
    std::string message;
};

class ClientCheck : public ::testing::TestWithParam<CheckCase> {};

TEST_P(ClientCheck, ReportsTheFirstBrokenRule)
{
    TMemoryGrid da(col::DA_Count, 4);
    for (int r = 1; r <= 3; ++r) {
        da.SetCell(col::DA_bType, r, "INT32");
        da.SetCell(col::DA_StartByte, r, "0");
        da.SetCell(col::DA_NumByte, r, "4");
        da.SetCell(col::DA_IPAddress, r, "127.0.0.1");
        da.SetCell(col::DA_Port, r, "102");
        da.SetCell(col::DA_OnTimer, r, "N");
        da.SetCell(col::DA_Position, r, "0");
        da.SetCell(col::DA_MoltFact, r, "None");
    }
    for (const auto& [c, text] : GetParam().cells)
        da.SetCell(c, 3, text);
    const auto fault = ClientModel::Controllo_dati(da);
    EXPECT_EQ(fault ? fault->Message : "", GetParam().message);
    if (fault) {
        EXPECT_EQ(fault->Row, 3);
    }
}

const std::string kRow3 = "Error row 3";

INSTANTIATE_TEST_SUITE_P(
    Rules, ClientCheck,
    ::testing::Values(
        CheckCase{"a string of 200 and 55 bytes", {{2, "VISSTRING255"}, {5, "200"}, {6, "55"}}, ""},
        CheckCase{"a string of 200 and 56 bytes",
                  {{2, "VisString255"}, {5, "200"}, {6, "56"}},
                  kRow3 + "!! Start Byte plus Num Byte must be minor of 255"},
        CheckCase{"a string starting at 255",
                  {{2, "VisString255"}, {5, "255"}, {6, "1"}},
                  kRow3 + "!! Start Byte must be between 0 and 254"},
        CheckCase{"a string of no bytes",
                  {{2, "VisString255"}, {5, "0"}, {6, "0"}},
                  kRow3 + "!! Num Byte must be between 1 and 255"},
        CheckCase{"an octet string of 64 bytes", {{2, "Octet64"}, {5, "0"}, {6, "64"}}, ""},
        CheckCase{"an octet string of 1 and 64 bytes",
                  {{2, "Octet64"}, {5, "1"}, {6, "64"}},
                  kRow3 + "!! Start Byte plus Num Byte must be minor of 64"},
        CheckCase{"an octet string starting at 64",
                  {{2, "Octet64"}, {5, "64"}, {6, "1"}},
                  kRow3 + "!! Start Byte must be between 0 and 63"},
        CheckCase{"an octet string of 65 bytes",
                  {{2, "Octet64"}, {5, "0"}, {6, "65"}},
                  kRow3 + "!! Num Byte must be between 1 and 64"},
        CheckCase{"other types have no byte rule", {{5, "x"}, {6, "-5"}}, ""},
        CheckCase{"an address of three parts",
                  {{7, "127.0.1"}},
                  kRow3 + "!! IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
        CheckCase{"an address part over 255",
                  {{7, "127.0.0.256"}},
                  kRow3 + "!! IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"},
        CheckCase{"an empty port", {{8, ""}}, kRow3 + "!! Port must be between 0 and 65535"},
        CheckCase{"port 65536", {{8, "65536"}}, kRow3 + "!! Port must be between 0 and 65535"},
        CheckCase{"a timer without time", {{11, "Y"}, {12, ""}}, kRow3 + "!! Time must be between 1 and 100000000 ms"},
        CheckCase{"a timer of 100000001 ms",
                  {{11, " Y "}, {12, "100000001"}},
                  kRow3 + "!! Time must be between 1 and 100000000 ms"},
        CheckCase{"no timer, no time", {{11, "N"}, {12, ""}}, ""},
        CheckCase{"an empty position", {{13, ""}}, kRow3 + "!! Position must be between 0 and 1399"},
        CheckCase{"position 1400", {{13, "1400"}}, kRow3 + "!! Position must be between 0 and 1399"},
        CheckCase{"position 1399", {{13, "1399"}}, ""}, CheckCase{"factor none in lower case", {{17, " none "}}, ""},
        CheckCase{"an empty factor", {{17, ""}}, kRow3 + "!! Mult. Factor must be a valid Float"},
        CheckCase{"a factor with a comma", {{17, "1,5"}}, ""}, CheckCase{"a factor with a point", {{17, "1.5"}}, ""},
        CheckCase{"a factor that is no number", {{17, "1.5x"}}, kRow3 + "!! Mult. Factor must be a valid Float"},
        CheckCase{"a row without basic type is not checked", {{2, ""}, {7, "x"}, {8, "x"}}, ""},
        CheckCase{"the byte rules before the address",
                  {{2, "VisString255"}, {5, "255"}, {7, ""}},
                  kRow3 + "!! Start Byte must be between 0 and 254"},
        CheckCase{"the time before the position",
                  {{11, "Y"}, {12, "0"}, {13, ""}, {17, ""}},
                  kRow3 + "!! Time must be between 1 and 100000000 ms"},
        CheckCase{"the position before the factor",
                  {{13, "-1"}, {17, "x"}},
                  kRow3 + "!! Position must be between 0 and 1399"},
        CheckCase{"the address before the port",
                  {{7, ""}, {8, ""}},
                  kRow3 + "!! IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)"}),
    testsupport::kNameByWhat);

TEST(ClientCheckRows, RowsAfterARowWithoutTypeAreChecked)
{
    TMemoryGrid da(col::DA_Count, 3);
    da.SetCell(col::DA_bType, 2, "BOOLEAN");
    const auto fault = ClientModel::Controllo_dati(da);
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->Message, "Error row 2!! IP Address must be a valid TCP IP Address (Ex. 192.168.1.125)");
}

// ---- the table file

TEST_F(ClientModelTest, TableFileHoldsDevicesRowsAndDataSetsWithTheirMembers)
{
    Add();
    AddDA(ModStVal());
    da_.SetCell(col::DA_IPAddress, 1, "127.0.0.1");
    da_.SetCell(col::DA_Mnemonic, 1, "a \"mode\" & more");
    AddDataSet(LN(0, 0, 0).List_DataSet[1].get());
    model_.Member_Select_Cell(1);
    model_.Member_Edit_Done(col::DM_Position, 1, "5");
    EXPECT_EQ(model_.Table_File_Text(da_, ds_),
              "<IEC_68850_Client>"
              "<List_ICD_Files><ICD_File Name=\"IED1\" FileName=\"server.icd\"/></List_ICD_Files>"
              "<List_DA_Selected><DA_Item Index=\"0\" bType=\"Enum\" fc=\"ST\" Reference=\"IED1LD0/LLN0.Mod.stVal\" "
              "StartByte=\"0\" NumByte=\"1\" IPAddress=\"127.0.0.1\" Port=\"\" OnChange=\"N\" OnCMD=\"N\" "
              "OnTimer=\"N\" Time=\"\" Position=\"\" StartBit=\"\" ReadWrite=\"\" Convertion=\"\" MoltFact=\"\" "
              "Mnemonic=\"a &quot;mode&quot; &amp; more\"/></List_DA_Selected>"
              "<List_DataSet_Selected><DataSet_Item Index=\"0\" Reference=\"IED1LD0/LLN0.DS2\" GooseName=\"\" "
              "EnGoose=\"N\" IPAddress=\"\" Port=\"\" Time=\"\" Mnemonic=\"\"><DataSet_List_DAs>"
              "<DataSet_DA_Item bType=\"Quality\" Reference=\"IED1LD0/LLN0.Beh.q\" Position=\"5\" StartBit=\"\" "
              "Convertion=\"\" MoltFact=\"\" Mnemonic=\"\"/></DataSet_List_DAs></DataSet_Item>"
              "</List_DataSet_Selected></IEC_68850_Client><!--SW_VERSION = 1.000-->");
}

TEST_F(ClientModelTest, TableFileReadsBackToTheSameTablesAndBytes)
{
    Add();
    Add("second.icd", Named("IED2"));
    AddDA(ModStVal(1), 1);
    AddDA(LN(0, 1, 1).List_DO[0]->List_DA[0]->List_DA[0].get(), 0);
    AddDataSet(DS1(1), 1);
    AddDataSet(LN(0, 1, 1).List_DataSet[0].get(), 0);
    model_.Member_Select_Cell(1);
    for (int c = col::DM_Position; c <= col::DM_Mnemonic; ++c)
        model_.Member_Edit_Done(c, 3, "m" + std::to_string(c));
    const fs::path file = fs::path(Path_Project) / "IEC_61850_Client.xml";
    model_.Save_Table_File(file, da_, ds_);
    const std::string saved = ReadFile(file);

    ClientModel again;
    TMemoryGrid da(col::DA_Count, 9), ds(col::DS_Count, 9), members(col::DM_Count, 9);
    da.SetCell(col::DA_Reference, 7, "stale");
    EXPECT_EQ(again.Show(file, da, ds, members), "");
    EXPECT_EQ(again.Device_Lines(), (std::vector<std::string>{"IED1", "IED2"}));
    EXPECT_EQ(da.RowCount(), 3);
    EXPECT_EQ(ds.RowCount(), 3);
    for (int r = 1; r < 3; ++r) {
        for (int c = 0; c < col::DA_Count; ++c)
            EXPECT_EQ(da.Cell(c, r), da_.Cell(c, r)) << c << "," << r;
        for (int c = 0; c < col::DS_Count; ++c)
            EXPECT_EQ(ds.Cell(c, r), ds_.Cell(c, r)) << c << "," << r;
    }
    EXPECT_TRUE(da.ReadOnly(col::DA_NumByte, 2));
    ASSERT_EQ(again.List_DataSet.size(), 2u);
    EXPECT_EQ(again.List_DataSet[0]->Select_DataSet,
              again.List_IEC_Dev[1]->List_LDevice[0]->List_LN[0]->List_DataSet[0].get());
    again.Show_DataSet_DAs(1, members);
    EXPECT_EQ(Column(members, col::DM_Reference),
              (std::vector<std::string>{"IED2LD0/LLN0.Mod.stVal", "IED2LD1/Q1MMXU1.TotW.mag.f",
                                        "IED2LD1/Q1MMXU1.A.phsA.cVal.mag.f", "IED2LD0/LLN0.Mod.stVal"}));
    EXPECT_EQ(members.Cell(col::DM_Mnemonic, 3), "m7");
    again.Save_Table_File(file, da, ds);
    EXPECT_EQ(ReadFile(file), saved);
}

TEST_F(ClientModelTest, AMissingCatalogFileKeepsItsPlaceSoIndexesStillNameTheirDevice)
{
    Add();
    Add("second.icd", Named("IED2"));
    AddDA(ModStVal(1), 1);
    const fs::path file = fs::path(Path_Project) / "IEC_61850_Client.xml";
    model_.Save_Table_File(file, da_, ds_);
    fs::remove(fs::path(Path_Project) / "ICD_Catalog" / "server.icd");

    const std::string message = model_.Show(file, da_, ds_, members_);
    EXPECT_EQ(message, "The file server.icd of the device list is missing from the catalog folder: the device keeps "
                       "its place in the list, empty.");
    EXPECT_EQ(model_.Device_Lines(), (std::vector<std::string>{"server.icd", "IED2"}));
    EXPECT_TRUE(Device(0).List_LDevice.empty());
    EXPECT_EQ(da_.Cell(col::DA_Index, 1), "1");
    EXPECT_EQ(da_.Cell(col::DA_Reference, 1), "IED2LD0/LLN0.Mod.stVal");
    // Saved again, the stand-in keeps the file's name.
    EXPECT_NE(model_.Table_File_Text(da_, ds_).find("<ICD_File Name=\"server.icd\" FileName=\"server.icd\"/>"),
              std::string::npos);
}

TEST_F(ClientModelTest, CatalogNamesThatCannotBeUsedStandInEmpty)
{
    WriteFile(fs::path(Path_Project) / "ICD_Catalog" / "broken.icd", "<SCL>");
    WriteFile(fs::path(Path_Project) / "outside.icd", scltest::kServer);
    const fs::path file = fs::path(Path_Project) / "IEC_61850_Client.xml";
    WriteFile(file, R"(<IEC_68850_Client><List_ICD_Files>
        <ICD_File Name="a" FileName="../outside.icd"/>
        <ICD_File Name="b" FileName="broken.icd"/>
        <ICD_File Name="c"/>
        </List_ICD_Files></IEC_68850_Client>)");
    const std::string message = model_.Show(file, da_, ds_, members_);
    EXPECT_EQ(model_.Device_Lines(), (std::vector<std::string>{"../outside.icd", "broken.icd", ""}));
    EXPECT_NE(message.find("The file ../outside.icd of the device list is missing"), std::string::npos) << message;
    EXPECT_NE(message.find("The file broken.icd of the device list cannot be decoded ("), std::string::npos) << message;
    for (const auto& d : model_.List_IEC_Dev)
        EXPECT_TRUE(d->List_LDevice.empty());
}

TEST_F(ClientModelTest, ReadingStopsAtAMissingAttributeWithoutFallback)
{
    const fs::path file = fs::path(Path_Project) / "IEC_61850_Client.xml";
    const std::string item = R"(Index="0" bType="BOOLEAN" fc="ST" Reference="r" IPAddress="1.2.3.4" Port="1"
        OnChange="N" OnCMD="N" OnTimer="N" Time="" Position="1" StartBit="0" ReadWrite="Read" Convertion="None"
        MoltFact="None" Mnemonic="m")";
    WriteFile(file, "<IEC_68850_Client><List_ICD_Files/><List_DA_Selected><DA_Item " + item +
                        "/><DA_Item Mnemonic=\"kept\" Index=\"0\" bType=\"INT8\"/><DA_Item " + item +
                        "/></List_DA_Selected></IEC_68850_Client>");
    const std::string message = model_.Show(file, da_, ds_, members_);
    EXPECT_EQ(message, "Not everything in the file " + file.string() +
                           " could be loaded. The file stays as it is until OK saves the table over it.\n"
                           "Row 2 has no attribute fc: the rows from there on were not loaded.");
    EXPECT_EQ(da_.RowCount(), 3);
    EXPECT_EQ(da_.Cell(col::DA_Mnemonic, 1), "m");
    EXPECT_EQ(da_.Cell(col::DA_StartByte, 1), "0");  // no StartByte in the file: empty, then by its type
    EXPECT_EQ(da_.Cell(col::DA_NumByte, 2), "1");
}

TEST_F(ClientModelTest, FilesThatHoldNothingUsableReadAsEmpty)
{
    const fs::path file = fs::path(Path_Project) / "IEC_61850_Client.xml";
    const struct {
        const char* what;
        std::string text;
        bool note;
    } cases[] = {
        {"another root", "<IEC_61850_Client><List_DA_Selected><DA_Item/></List_DA_Selected></IEC_61850_Client>", false},
        {"no sections", "<IEC_68850_Client/>", false},
        {"empty sections", "<IEC_68850_Client><List_ICD_Files/><List_DA_Selected/></IEC_68850_Client>", false},
        {"not well-formed", "<IEC_68850_Client>", true},
    };
    for (const auto& c : cases) {
        WriteFile(file, c.text);
        da_.SetRowCount(5);
        da_.SetCell(col::DA_Reference, 4, "stale");
        const std::string message = model_.Show(file, da_, ds_, members_);
        EXPECT_EQ(!message.empty(), c.note) << c.what << ": " << message;
        EXPECT_EQ(da_.RowCount(), 2) << c.what;
        EXPECT_EQ(da_.Cell(col::DA_Reference, 1), "") << c.what;
        EXPECT_TRUE(model_.List_IEC_Dev.empty()) << c.what;
    }
}

TEST_F(ClientModelTest, ADataSetThatChangedKeepsOnlyTheMembersThatStillMatch)
{
    Add();
    AddDataSet(DS1());
    AddDataSet(LN(0, 0, 0).List_DataSet[1].get());
    const fs::path file = fs::path(Path_Project) / "IEC_61850_Client.xml";
    model_.Save_Table_File(file, da_, ds_);
    // The catalog file changes: DS1's second member is now another attribute, DS2 is gone.
    std::string changed = scltest::kServer;
    changed.replace(changed.find("<FCDA ldInst=\"LD1\" lnClass=\"MMXU\" doName=\"TotW\" fc=\"MX\"/>"), 0,
                    "<FCDA ldInst=\"LD0\" lnClass=\"LLN0\" doName=\"Beh\"/>");
    changed.replace(changed.find("name=\"DS2\""), 10, "name=\"DSX\"");
    WriteFile(fs::path(Path_Project) / "ICD_Catalog" / "server.icd", changed);

    EXPECT_EQ(model_.Show(file, da_, ds_, members_), "");
    ASSERT_EQ(model_.List_DataSet.size(), 2u);
    std::vector<std::string> kept;
    for (const auto& m : model_.List_DataSet[0]->List_DAs)
        kept.push_back(m->Select_DA->fReference);
    EXPECT_EQ(kept, (std::vector<std::string>{"IED1LD0/LLN0.Mod.stVal"}));
    EXPECT_EQ(model_.List_DataSet[1]->Select_DataSet, nullptr);
    EXPECT_TRUE(model_.List_DataSet[1]->List_DAs.empty());
    EXPECT_EQ(Column(ds_, col::DS_Reference), (std::vector<std::string>{"IED1LD0/LLN0.DS1", "IED1LD0/LLN0.DS2"}));
}

TEST_F(ClientModelTest, ShowingWithoutATableFileEmptiesEverything)
{
    Add();
    AddDA(ModStVal());
    AddDataSet(DS1());
    model_.Show_DataSet_DAs(1, members_);
    model_.Member_Select_Cell(1);
    EXPECT_EQ(model_.Show(fs::path(Path_Project) / "IEC_61850_Client.xml", da_, ds_, members_), "");
    EXPECT_TRUE(model_.List_IEC_Dev.empty());
    EXPECT_TRUE(model_.List_DataSet.empty());
    EXPECT_EQ(model_.DataSet_Row_Select, 0);
    EXPECT_EQ(model_.Selected_IEC_DS, nullptr);
    for (const TMemoryGrid* grid : {&da_, &ds_, &members_}) {
        EXPECT_EQ(grid->RowCount(), 2);
        for (int c = 0; c < grid->ColCount(); ++c)
            EXPECT_EQ(grid->Cell(c, 1), "") << c;
    }
}

}  // namespace

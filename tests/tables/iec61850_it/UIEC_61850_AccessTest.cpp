// The IEC 61850 client in its window (offscreen): the catalog question and its
// three answers, the model tree with its pictures, colours and what a click in
// it picks, Add Var and Remove Var on both pages, removing a device, and OK
// followed by the next show.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "ScratchDir.h"
#include "common/UComon.h"
#include "common/ULanguage.h"
#include "core/iec61850/SclFixtures.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Input.h"
#include "tables/iec61850_it/UIEC_61850_Access.h"

namespace {

namespace fs = std::filesystem;

class IEC61850ClientDialog : public ::testing::Test {
protected:
    IEC61850ClientDialog()
    {
        Load_Default_Lang();
        savedProject_ = Path_Project;
        savedFile_ = File_IEC_61850_Client;
        Path_Project = dir.File("demo");
        fs::create_directories(Path_Project);
        File_IEC_61850_Client = (fs::path(Path_Project) / "IEC_61850_Client.xml").string();
        form = std::make_unique<TFIEC_61850_Access>(nullptr);
        form->FormShow(form.get());
    }
    ~IEC61850ClientDialog() override
    {
        form.reset();
        Path_Project = savedProject_;
        File_IEC_61850_Client = savedFile_;
    }

    // A server model written outside the catalog, as the user would pick it.
    fs::path Model_File(const std::string& name, const std::string& iedName = "IED1")
    {
        std::string text = scltest::kServer;
        text.replace(text.find("name=\"IED1\""), 11, "name=\"" + iedName + "\"");
        const fs::path file = fs::path(dir.File("picked")) / name;
        fs::create_directories(file.parent_path());
        testsupport::WriteFile(file, text);
        return file;
    }
    void Add_Device(const fs::path& file)
    {
        dialogs.FileAnswers.push_back({true, {file.string()}, 1});
        form->Btn_Add_IEC_DeviceClick(form->Btn_Add_IEC_Device);
    }
    void Show_Device(int line)
    {
        form->LB_IEC_Devices->SetItemIndex(line);
        form->LB_IEC_DevicesClick(form->LB_IEC_Devices);
    }
    // The node at a path of captions from the root.
    ui::TTreeNode* Node(const std::vector<std::string>& path)
    {
        ui::TTreeNodes* items = form->TV_IEC_Device->Items();
        ui::TTreeNode* node = nullptr;
        for (const std::string& caption : path) {
            ui::TTreeNode* next = nullptr;
            const int count = node ? node->Count() : items->RootCount();
            for (int i = 0; i < count && !next; ++i) {
                ui::TTreeNode* c = node ? node->Item(i) : items->Root(i);
                if (c->Text() == caption)
                    next = c;
            }
            if (!next)
                return nullptr;
            node = next;
        }
        return node;
    }
    // Picks a node as a click does and adds it.
    void Pick(const std::vector<std::string>& path)
    {
        ui::TTreeNode* node = Node(path);
        ASSERT_NE(node, nullptr);
        form->TV_IEC_Device->SetSelected(node);
        form->TV_IEC_DeviceClick(form->TV_IEC_Device);
    }
    void Add_Var(const std::vector<std::string>& path)
    {
        Pick(path);
        form->Btn_AddVarClick(form->Btn_AddVar);
    }
    std::string Last_Message() const { return dialogs.Messages.empty() ? "" : dialogs.Messages.back().Text; }

    testsupport::ScratchDir dir;
    ui::ScriptedDialogs dialogs;
    std::unique_ptr<TFIEC_61850_Access> form;

private:
    std::string savedProject_, savedFile_;
};

TEST_F(IEC61850ClientDialog, LayoutAndTexts)
{
    EXPECT_EQ(form->ClientWidth(), 1200);
    EXPECT_EQ(form->ClientHeight(), 550);
    EXPECT_EQ(form->Caption(), "IEC61850 Client Set Access");
    EXPECT_EQ(form->Btn_Add_IEC_Device->Caption(), "Add IEC Device");
    EXPECT_EQ(form->Btn_RemoveVar->Hint(), "Remove the Selected DA from Table");
    EXPECT_FALSE(form->Btn_MoveUp->Visible());
    EXPECT_FALSE(form->Btn_ModeDown->Visible());
    // The list, the tree and the tables share the width; the splitters take 4 pixels each.
    EXPECT_EQ(form->PDevIEC->Width(), 465);
    EXPECT_EQ(form->PDevIECList->Width(), 161);
    EXPECT_EQ(form->TV_IEC_Device->Width(), 300);
    EXPECT_EQ(form->PTable->Left(), 469);
    EXPECT_EQ(form->PTable->Width(), 731);
    EXPECT_EQ(form->ACG_DA->ColCount(), 19);
    EXPECT_EQ(form->ACG_DA->Cells(17, 0), "Molt Fact");
    EXPECT_EQ(form->ACG_DA->Cells(5, 0), "Start Byte");
    EXPECT_EQ(form->ACG_DataSet->ColCount(), 9);
    EXPECT_EQ(form->ACG_DS_Vars->ColCount(), 8);
    EXPECT_EQ(form->ACG_DataSet->Height(), 185);
    EXPECT_EQ(form->IL_IEC->Count(), 6);
    EXPECT_EQ(form->TV_IEC_Device->Images(), form->IL_IEC);
    // The data-set grids show the hint of the ACG_DA column at the same position.
    std::string hint;
    form->ACG_DAGridHint(form->ACG_DS_Vars, 0, 2, hint);
    EXPECT_EQ(hint, "bType of DA");
    hint = "own";
    form->ACG_DAGridHint(form->ACG_DA, 1, 2, hint);
    EXPECT_EQ(hint, "own");
}

TEST_F(IEC61850ClientDialog, TheTreeShowsTheModelWithPicturesAndColours)
{
    Add_Device(Model_File("server.icd"));
    ASSERT_EQ(form->LB_IEC_Devices->Items()->Count(), 1);
    EXPECT_EQ(form->LB_IEC_Devices->Items()->Strings(0), "IED1");
    Show_Device(0);
    ui::TTreeNode* root = Node({"IED1"});
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(form->NODE_ORIG, root);
    struct Expect {
        std::vector<std::string> path;
        int picture;
        bool expanded;
        ui::TColor color;
    };
    const Expect expected[] = {
        {{"IED1"}, 0, true, ui::clBlack},
        {{"IED1", "LD1"}, 1, true, ui::clBlack},
        {{"IED1", "LD1", "Q1MMXU1"}, 2, true, ui::clBlack},
        {{"IED1", "LD0", "LLN0", "Mod"}, 3, false, ui::clBlue},
        {{"IED1", "LD0", "LLN0", "Mod", "Oper", "ctlVal"}, 4, false, ui::clBlack},
        {{"IED1", "LD1", "Q1MMXU1", "A", "phsA", "cVal", "mag", "f"}, 4, false, ui::clBlack},
        {{"IED1", "LD0", "LLN0", "DS2"}, 5, false, ui::clGreen},
    };
    for (const Expect& e : expected) {
        ui::TTreeNode* node = Node(e.path);
        ASSERT_NE(node, nullptr) << e.path.back();
        EXPECT_EQ(node->ImageIndex(), e.picture) << e.path.back();
        EXPECT_EQ(node->SelectedIndex(), e.picture) << e.path.back();
        EXPECT_EQ(node->Expanded(), e.expanded) << e.path.back();
        bool defaultDraw = true;
        form->TV_IEC_Device->Canvas()->Font()->SetColor(ui::clRed);
        form->TV_IEC_DeviceCustomDrawItem(form->TV_IEC_Device, node, 0, defaultDraw);
        EXPECT_EQ(form->TV_IEC_Device->Canvas()->Font()->Color(), e.color) << e.path.back();
    }
    // Data objects come before the data sets of their logical node.
    ui::TTreeNode* lln0 = Node({"IED1", "LD0", "LLN0"});
    std::vector<std::string> children;
    for (int i = 0; i < lln0->Count(); ++i)
        children.push_back(lln0->Item(i)->Text());
    EXPECT_EQ(children, (std::vector<std::string>{"Mod", "Beh", "DS1", "DS2"}));
}

TEST_F(IEC61850ClientDialog, OnlyALeafOrADataSetIsPicked)
{
    Add_Device(Model_File("server.icd"));
    Show_Device(0);
    struct Case {
        std::vector<std::string> path;
        bool attribute, dataSet;
    };
    const Case cases[] = {
        {{"IED1"}, false, false},
        {{"IED1", "LD0", "LLN0"}, false, false},
        {{"IED1", "LD0", "LLN0", "Mod"}, false, false},
        {{"IED1", "LD0", "LLN0", "Mod", "Oper"}, false, false},  // structured
        {{"IED1", "LD0", "LLN0", "Mod", "Oper", "T"}, true, false},
        {{"IED1", "LD0", "LLN0", "DS1"}, false, true},
    };
    for (const Case& c : cases) {
        Pick(c.path);
        EXPECT_EQ(form->Selected_IEC_DA != nullptr, c.attribute) << c.path.back();
        EXPECT_EQ(form->Selected_IEC_DS != nullptr, c.dataSet) << c.path.back();
    }
    // Another device line clears the choice.
    Add_Device(Model_File("second.icd", "IED2"));
    Show_Device(1);
    EXPECT_EQ(form->Selected_IEC_DS, nullptr);
    EXPECT_EQ(Node({"IED1"}), nullptr);
    EXPECT_NE(Node({"IED2"}), nullptr);
}

TEST_F(IEC61850ClientDialog, TheCatalogQuestionAndItsThreeAnswers)
{
    Add_Device(Model_File("server.icd", "FIRST"));
    const fs::path again = Model_File("server.icd", "SECOND");  // same name, other content
    struct Case {
        int answer;
        int devices;
        std::string lastName;
    };
    const Case cases[] = {
        {ui::IDCANCEL, 1, "FIRST"},  // nothing added
        {ui::IDNO, 2, "FIRST"},      // the catalog copy is kept and decoded
        {ui::IDYES, 3, "SECOND"},    // the catalog copy is replaced
    };
    for (const Case& c : cases) {
        dialogs.MessageAnswers.push_back(c.answer);
        const std::size_t asked = dialogs.Messages.size();
        Add_Device(again);
        ASSERT_EQ(dialogs.Messages.size(), asked + 1);
        EXPECT_EQ(Last_Message(), "File already exists in catalog directory. Do "
                                  "you want to overwrite file?");
        ASSERT_EQ(form->LB_IEC_Devices->Items()->Count(), c.devices) << c.answer;
        EXPECT_EQ(form->LB_IEC_Devices->Items()->Strings(c.devices - 1), c.lastName) << c.answer;
    }
    EXPECT_TRUE(fs::exists(fs::path(Path_Project) / "ICD_Catalog" / "server.icd"));
}

TEST_F(IEC61850ClientDialog, AddVarFillsThePageOfWhatWasPicked)
{
    Add_Device(Model_File("server.icd"));
    Show_Device(0);
    form->PC_DA_DataSet->SetActivePage(form->TS_DataSet);
    Add_Var({"IED1", "LD1", "Q1MMXU1", "TotW", "mag", "f"});
    EXPECT_EQ(form->PC_DA_DataSet->ActivePage(), form->TS_DA);
    EXPECT_EQ(form->ACG_DA->RowCount(), 2) << "the empty first row is used";
    EXPECT_EQ(form->ACG_DA->Cells(1, 1), "0");
    EXPECT_EQ(form->ACG_DA->Cells(2, 1), "FLOAT32");
    EXPECT_EQ(form->ACG_DA->Cells(3, 1), "MX");
    EXPECT_EQ(form->ACG_DA->Cells(4, 1), "IED1LD1/Q1MMXU1.TotW.mag.f");
    EXPECT_EQ(form->ACG_DA->Cells(6, 1), "4");
    EXPECT_TRUE(form->ACG_DA->ReadOnly(6, 1));
    Add_Var({"IED1", "LD1", "Q1MMXU1", "TotW", "mag", "f"});
    EXPECT_EQ(form->ACG_DA->RowCount(), 3) << "the same attribute may be added again";

    Add_Var({"IED1", "LD0", "LLN0", "DS1"});
    EXPECT_EQ(form->PC_DA_DataSet->ActivePage(), form->TS_DataSet);
    EXPECT_EQ(form->ACG_DataSet->Cells(2, 1), "IED1LD0/LLN0.DS1");
    EXPECT_EQ(form->ACG_DataSet->Cells(3, 1), "GCB2");
    EXPECT_EQ(form->ACG_DataSet->Cells(4, 1), "Y");
    form->ACG_DataSet->SetRow(1);
    form->ClickCell(form->ACG_DataSet, 1, 2);
    EXPECT_EQ(form->ACG_DS_Vars->Cells(2, 1), "IED1LD0/LLN0.Mod.stVal");
    EXPECT_GT(form->ACG_DS_Vars->RowCount(), 2);

    // Nothing picked: nothing added.
    Pick({"IED1", "LD0"});
    form->Btn_AddVarClick(form->Btn_AddVar);
    EXPECT_EQ(form->ACG_DA->RowCount(), 3);
    EXPECT_EQ(form->ACG_DataSet->RowCount(), 2);
}

TEST_F(IEC61850ClientDialog, RemoveVarOnTheDataSetPageShowsTheMembersOfTheRowThatMovesUp)
{
    Add_Device(Model_File("server.icd"));
    Show_Device(0);
    Add_Var({"IED1", "LD0", "LLN0", "DS1"});
    Add_Var({"IED1", "LD0", "LLN0", "DS2"});
    form->ACG_DataSet->SetRow(1);
    form->ClickCell(form->ACG_DataSet, 1, 2);
    EXPECT_EQ(form->ACG_DS_Vars->Cells(2, 1), "IED1LD0/LLN0.Mod.stVal");
    form->Btn_RemoveVarClick(form->Btn_RemoveVar);
    ASSERT_EQ(form->ACG_DataSet->Cells(2, 1), "IED1LD0/LLN0.DS2");
    EXPECT_EQ(form->ACG_DataSet->Row(), 1);
    EXPECT_EQ(form->ACG_DS_Vars->Cells(2, 1), "IED1LD0/LLN0.Beh.q") << "the members of the data set now in row 1";
    EXPECT_EQ(form->ACG_DS_Vars->RowCount(), 2);

    // A member edited next lands in the data set the user sees.
    bool can = true;
    form->ACG_DS_VarsSelectCell(form->ACG_DS_Vars, 3, 1, can);
    form->ACG_DS_Vars->SetCells(3, 1, "42");
    form->ACG_DS_VarsEditCellDone(form->ACG_DS_Vars, 3, 1);
    ASSERT_EQ(form->List_DataSet.size(), 1u);
    ASSERT_EQ(form->List_DataSet[0]->List_DAs.size(), 1u);
    EXPECT_EQ(form->List_DataSet[0]->List_DAs[0]->Position, "42");
}

TEST_F(IEC61850ClientDialog, RemovingADeviceIsRefusedWhileUsedAndRenumbersTheRest)
{
    Add_Device(Model_File("a.icd", "A"));
    Add_Device(Model_File("b.icd", "B"));
    Show_Device(1);
    Add_Var({"B", "LD0", "LLN0", "Mod", "q"});
    EXPECT_EQ(form->ACG_DA->Cells(1, 1), "1");

    form->LB_IEC_Devices->SetItemIndex(1);
    form->Btn_Remove_IEC_DeviceClick(form->Btn_Remove_IEC_Device);
    EXPECT_EQ(form->LB_IEC_Devices->Items()->Count(), 2) << "B is used by row 1";
    EXPECT_NE(Node({"B"}), nullptr) << "a refused removal leaves the tree";

    form->LB_IEC_Devices->SetItemIndex(0);
    form->Btn_Remove_IEC_DeviceClick(form->Btn_Remove_IEC_Device);
    ASSERT_EQ(form->LB_IEC_Devices->Items()->Count(), 1);
    EXPECT_EQ(form->LB_IEC_Devices->Items()->Strings(0), "B");
    EXPECT_EQ(form->ACG_DA->Cells(1, 1), "0");
    EXPECT_EQ(form->TV_IEC_Device->Items()->Count(), 0);
    EXPECT_EQ(form->Selected_IEC_DA, nullptr);
    // The remaining device forgot the nodes of the cleared tree.
    EXPECT_EQ(form->List_IEC_Dev[0]->TreeNode, nullptr);
    EXPECT_EQ(form->List_IEC_Dev[0]->List_LDevice[0]->TreeNode, nullptr);
}

TEST_F(IEC61850ClientDialog, OkWritesTheTablesAndTheNextShowReadsThemBack)
{
    Add_Device(Model_File("server.icd"));
    Show_Device(0);
    Add_Var({"IED1", "LD0", "LLN0", "Mod", "q"});
    form->ACG_DA->SetCells(7, 1, "127.0.0.1");
    form->ACG_DA->SetCells(8, 1, "102");
    form->ACG_DA->SetCells(13, 1, "1400");
    form->ACG_DA->SetCells(16, 1, "None");
    form->ACG_DA->SetCells(17, 1, "None");
    form->SetModalResult(ui::mrNone);
    form->Btn_OKClick(form->Btn_OK);
    EXPECT_EQ(Last_Message(), "Error row 1!! Position must be between 0 and 1399");
    EXPECT_EQ(form->ModalResult(), ui::mrNone);
    EXPECT_FALSE(fs::exists(File_IEC_61850_Client));

    form->ACG_DA->SetCells(13, 1, "1399");
    Add_Var({"IED1", "LD0", "LLN0", "DS2"});
    form->Btn_OKClick(form->Btn_OK);
    ASSERT_EQ(form->ModalResult(), ui::mrOk);
    const std::string first = testsupport::ReadFile(File_IEC_61850_Client);
    EXPECT_NE(first.find("<IEC_68850_Client>"), std::string::npos);

    form->FormShow(form.get());
    EXPECT_EQ(form->LB_IEC_Devices->Items()->Count(), 1);
    EXPECT_EQ(form->TV_IEC_Device->Items()->Count(), 0);
    EXPECT_EQ(form->ACG_DA->Cells(4, 1), "IED1LD0/LLN0.Mod.q");
    EXPECT_EQ(form->ACG_DataSet->Cells(2, 1), "IED1LD0/LLN0.DS2");
    form->SetModalResult(ui::mrNone);
    form->Btn_OKClick(form->Btn_OK);
    EXPECT_EQ(testsupport::ReadFile(File_IEC_61850_Client), first);
}

}  // namespace

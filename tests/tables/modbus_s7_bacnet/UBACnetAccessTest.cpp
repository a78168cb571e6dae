// The BACnet client dialog in its window (offscreen): its button band with "Import EDE" in place of
// copy and paste, the address column by the BACnet type of the settings and the message when that
// setting is missing, the NByte hint of the read table, and the EDE import from the file chosen to
// the rows it fills, through the import dialog and its boxes.
#include <gtest/gtest.h>

#include <functional>

#include "common/UComon.h"
#include "dialogs/TableFrameFixture.h"
#include "platform/ui/Application.h"
#include "tables/modbus_s7_bacnet/UBACnetAccess.h"

namespace {

// The import dialog shown "modally" by the test: its show runs, then the test's steps on it, and the
// result the steps leave.
class TScriptedImport : public TFImportEDEFile {
public:
    using TFImportEDEFile::TFImportEDEFile;
    std::function<void(TScriptedImport&)> Steps;
    int Shows = 0;
    ui::TModalResult ShowModal() override
    {
        ++Shows;
        SetModalResult(ui::mrNone);
        FormShow(this);
        if (Steps)
            Steps(*this);
        return ModalResult();
    }
};

class BACnetAccessDialog : public frametest::TableFrameTest<TFBACnetAccess> {
protected:
    BACnetAccessDialog()
        : TableFrameTest(File_BACnet_Master_Access, "BACnet_Master_Access.xml"),
          savedParGen_(File_ParGen),
          savedEdePath_(Last_EDE_Path)
    {
        File_ParGen = dir.File("ParGen.xml");
        Set_Type("0");
        import_ = std::make_unique<TScriptedImport>(nullptr);
        form->Import_Dialog = import_.get();
    }
    ~BACnetAccessDialog() override
    {
        File_ParGen = savedParGen_;
        Last_EDE_Path = savedEdePath_;
    }
    void Set_Type(const char* type)
    {
        std::filesystem::remove(File_ParGen);
        if (type)
            testsupport::WriteFile(File_ParGen, std::string("<Par_Gen><BACnet_Master_Type>") + type +
                                                    "</BACnet_Master_Type></Par_Gen>");
    }
    // The user picks the file in the open dialog and presses the button.
    void Import(const std::string& file)
    {
        dialogs.FileAnswers.push_back({true, {file}, 1});
        form->Btn_Import_CSVClick(form->Btn_Import_CSV);
    }
    std::string Ede_File(const std::string& lines)
    {
        const std::string file = dir.File("device/objects.csv");
        testsupport::WriteFile(file, "# mandatory;mandatory\r\n# keyname;...\r\n" + lines);
        return file;
    }

    std::unique_ptr<TScriptedImport> import_;

private:
    std::string savedParGen_, savedEdePath_;
};

TEST_F(BACnetAccessDialog, ButtonBandWithImportInPlaceOfCopyAndPaste)
{
    EXPECT_EQ(form->ClientWidth(), ui::GetScreen()->Width() > 1270 ? 1305 : 1000);
    EXPECT_EQ(form->ClientHeight(), 337);
    EXPECT_EQ(form->Caption(), "Set BACnet Access");
    controls::TLbButton* buttons[] = {form->Btn_OK, form->Btn_Cancel, form->Btn_DelRow, form->Btn_InsRow,
                                      form->Btn_Import_CSV};
    const int lefts[] = {16, 134, 252, 370, 488};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(buttons[i]->Parent(), form->P_Button) << i;
        EXPECT_EQ(buttons[i]->Left(), lefts[i]) << i;
        EXPECT_FALSE(buttons[i]->ShowHint()) << i;
    }
    EXPECT_EQ(form->Btn_CopyRow, nullptr);
    EXPECT_EQ(form->Btn_PasteRow, nullptr);
    EXPECT_EQ(form->Btn_Import_CSV->Caption(), "Import EDE");
    EXPECT_EQ(form->OD_EDE_File->Filter, "BACnet EDE File (*.csv)|*.csv");
    EXPECT_EQ(form->TS_BACnet_Write->Caption(), "BACnet Write");
    EXPECT_EQ(form->ACG1->Columns()->Items(17)->Width(), 307);
    EXPECT_EQ(form->ACG2->Cells(13, 0), "Change");
    for (int c : {15, 16})
        EXPECT_TRUE(form->ACG1->IsHiddenColumn(c)) << c;
    for (int c : {19, 20})
        EXPECT_TRUE(form->ACG2->IsHiddenColumn(c)) << c;
    Lang_List[2059] = "EDE importieren";
    form->Set_Lang();
    EXPECT_EQ(form->Btn_Import_CSV->Caption(), "EDE importieren");
}

TEST_F(BACnetAccessDialog, AddressColumnFollowsTheBACnetType)
{
    struct Case {
        const char* type;
        bool shown;
        const char* header;
    } cases[] = {{"1", true, "Slave ID"}, {"2", false, "Slave ID"}, {"0", true, "IP Address"}};
    for (const Case& c : cases) {
        Set_Type(c.type);
        Show();
        EXPECT_TRUE(dialogs.Messages.empty()) << c.type;
        for (dlg::TFrameColumnGrid* grid : {form->ACG1, form->ACG2}) {
            EXPECT_EQ(!grid->IsHiddenColumn(2), c.shown) << c.type;
            EXPECT_EQ(grid->Cells(2, 0), c.header) << c.type << " keeps its last text when hidden";
        }
        EXPECT_EQ(form->App_BACnet_Type(), std::atoi(c.type));
    }
}

TEST_F(BACnetAccessDialog, MissingTypeIsSaidAtEveryShow)
{
    Set_Type(nullptr);
    for (int show = 1; show <= 2; ++show) {
        Show();
        ASSERT_EQ(dialogs.Messages.size(), static_cast<std::size_t>(show));
        EXPECT_EQ(Last_Message(), "Select the BACnet Type in the \"Set Communication\" section");
        EXPECT_EQ(form->ACG1->Cells(2, 0), "IP Address");
        EXPECT_EQ(form->App_BACnet_Type(), 0);
    }
}

TEST_F(BACnetAccessDialog, ByteCountHintOverTheReadTablesNByteOnly)
{
    Show();
    Put(1, {"Y", "10.0.0.1", "Binary Output", "1", "Present Value (85)", "1"});
    Put(1, {"Y", "10.0.0.1", "Binary Output", "Real", "1", "Present Value (85)", "0", "1"}, 1);
    auto hint = [&](int g, int row, int col) {
        std::string text = "grid's own";
        form->ACG1GridHint(Grid(g), row, Grid(g)->DisplColIndex(col), text);
        return text;
    };
    EXPECT_EQ(hint(0, 1, 6), "1");
    EXPECT_EQ(hint(0, 1, 5), "");
    EXPECT_EQ(hint(0, 0, 6), "") << "the header";
    EXPECT_EQ(hint(1, 1, 8), "") << "the write table has none";
    EXPECT_TRUE(form->ACG1->ShowHint());
    EXPECT_FALSE(form->ACG2->ShowHint());
}

TEST_F(BACnetAccessDialog, ImportFillsBothTablesAfterWhatIsThere)
{
    Show();
    Put(1, {"Y", "10.0.0.1", "Analog Input", "1", "Present Value (85)", "4", "N", "", "", "", "1000", "0", "10"});
    const std::string file = Ede_File("k;1;Flow;0;3;flow temp;;;;N;\r\nk;1;Valve;1;4;valve pos;;;;Y;\r\n"
                                      "k;1;Dev;8;1;the device;;;;N;\r\n");
    import_->Steps = [](TScriptedImport& d) {
        EXPECT_EQ(d.ACG->RowCount(), 3) << "one row per kept object";
        EXPECT_EQ(d.ACG->Cells(4, 2), "Valve");
        EXPECT_EQ(d.ACG->Cells(3, 1), "N") << "not commandable: not for writing";
        d.E_ID_IP->SetText("10.0.0.9");
        d.Btn_OKClick(d.Btn_OK);
    };
    Import(file);
    EXPECT_EQ(Cell(2, 2), "10.0.0.9");
    EXPECT_EQ(Cell(3, 2), "Analog Input");
    EXPECT_EQ(Cell(13, 2), "14") << "after the 4 bytes at 10";
    EXPECT_EQ(Cell(3, 3), "Analog Output");
    EXPECT_EQ(Cell(13, 3), "18");
    EXPECT_EQ(Cell(17, 3), "Valve - valve pos");
    EXPECT_EQ(Cell(3, 1, 1), "Analog Output");
    EXPECT_EQ(Cell(4, 1, 1), "Real");
    EXPECT_EQ(Cell(17, 1, 1), "0");
    EXPECT_EQ(Cell(2, 2, 1), "");
    EXPECT_EQ(Last_EDE_Path, dir.File("device"));
    EXPECT_EQ(form->OD_EDE_File->InitialDir, Last_EDE_Path);
    EXPECT_TRUE(Press_OK()) << Last_Message();
}

TEST_F(BACnetAccessDialog, BoxesOfTheImportDialogDecideWhatIsImported)
{
    Show();
    const std::string file = Ede_File("k;1;A;2;1;a;;;;y;\r\nk;1;B;3;2;b;;;;N;\r\nk;1;C;5;3;c;;;;Y;\r\n");
    import_->Steps = [&](TScriptedImport& d) {
        d.ACG->ToggleCellCheck(3, 2, true);  // Write on B, which is not commandable
        EXPECT_EQ(Last_Message(), "Error line 2!! The Variable is only in read");
        EXPECT_EQ(d.ACG->Cells(3, 2), "N");
        EXPECT_FALSE(d.List_EDE_Var[1].write);
        d.ACG->ToggleCellCheck(8, 1, true);  // Commandable only shows the file's word
        EXPECT_EQ(d.ACG->Cells(8, 1), "Y");
        d.ACG->ToggleCellCheck(2, 1, true);  // A: not for reading
        d.Btn_Unselect_AllClick(d.Btn_Unselect_All);
        d.ACG->ToggleCellCheck(1, 1, true);  // A imported again
        EXPECT_EQ(d.ACG->Cells(1, 3), "N");
        d.E_ID_IP->SetText("300.1.1.1");
        d.Btn_OKClick(d.Btn_OK);
        EXPECT_EQ(Last_Message(), "Error!! IP Address is not correct");
        EXPECT_EQ(d.ModalResult(), ui::mrNone);
        d.E_ID_IP->SetText("10.0.0.2");
        d.Btn_OKClick(d.Btn_OK);
    };
    Import(file);
    EXPECT_EQ(Cell(2, 1), "") << "A was taken out of the read table";
    EXPECT_EQ(Cell(3, 1, 1), "Analog Value") << "A is written";
    EXPECT_EQ(Cell(3, 2, 1), "") << "C was unselected";
}

TEST_F(BACnetAccessDialog, CancelAndMissingFilesLeaveTheTablesButNotTheFolder)
{
    Set_Type("1");
    Show();
    import_->Steps = [](TScriptedImport& d) {
        d.E_ID_IP->SetText("255");
        d.Btn_OKClick(d.Btn_OK);
        EXPECT_EQ(d.ModalResult(), ui::mrNone);
    };
    Import(Ede_File("k;1;A;2;1;a;;;;y;\r\n"));
    EXPECT_EQ(import_->Shows, 1);
    EXPECT_EQ(Cell(3, 1), "") << "the import dialog was not confirmed";
    EXPECT_EQ(Last_Message(), "Error!! Slave ID must be between 0 and 254");
    Last_EDE_Path.clear();
    Import(dir.File("elsewhere/none.csv"));
    EXPECT_EQ(import_->Shows, 1) << "no import dialog for a missing file";
    EXPECT_EQ(Last_EDE_Path, dir.File("elsewhere"));
    dialogs.FileAnswers.push_back({false, {}, 1});
    form->Btn_Import_CSVClick(form->Btn_Import_CSV);
    EXPECT_EQ(Last_EDE_Path, dir.File("elsewhere"));
    EXPECT_EQ(dialogs.FileRequests.back().InitialDir, Last_EDE_Path);
}

TEST_F(BACnetAccessDialog, MoreObjectsThanRowsAreSaid)
{
    Show();
    std::string lines;
    for (int i = 0; i < 515; ++i)
        lines += "k;1;O" + std::to_string(i) + ";3;" + std::to_string(i) + ";d;;;;N;\r\n";
    import_->Steps = [](TScriptedImport& d) {
        EXPECT_EQ(d.ACG->RowCount(), 516);
        d.E_ID_IP->SetText("10.0.0.2");
        d.Btn_OKClick(d.Btn_OK);
    };
    Import(Ede_File(lines));
    EXPECT_EQ(Cell(17, 512), "O511 - d");
    EXPECT_EQ(Last_Message(),
              "Not every object was imported: 3 did not fit into the read table and 0 into the write table.");
    // A shorter file shown next leaves nothing of the longer list.
    import_->Steps = [](TScriptedImport& d) {
        EXPECT_EQ(d.ACG->RowCount(), 2);
        EXPECT_EQ(d.ACG->Cells(4, 1), "");
        EXPECT_EQ(d.ACG->Cells(1, 1), "");
    };
    Import(Ede_File("no objects here\r\n"));
}

}  // namespace

// The shell's windows driven directly, without the message loop: the main window's layout and
// gate, the update dialog, the version link and the language order.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "ShellScript.h"
#include "TempProgramFolder.h"
#include "app/UAbout.h"
#include "app/UBrevandoreFirmWare.h"
#include "app/UConfigurator.h"
#include "app/UMakerLink.h"
#include "app/UNew_Project.h"
#include "app/UProgramFolder.h"
#include "app/UProjects.h"
#include "app/USoftOptions.h"
#include "app/UVersionCheck.h"
#include "app/UWindows.h"
#include "dialogs/UBoot.h"
#include "platform/sys/LoopbackServer.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Render.h"
#include "tables/can_family/UDMXDefVal.h"
#include "tables/can_family/UDNet.h"
#include "tables/can_family/UDefOffset.h"
#include "tables/can_family/UReceiveCAN.h"
#include "tables/can_family/UTransmitCAN.h"
#include "tables/canopen/USet_PDO_Access.h"
#include "tables/canopen/USet_SDO_Client_Access.h"
#include "tables/canopen/USet_SDO_Server_Access.h"
#include "tables/modbus_s7_bacnet/UBACnetAccess.h"
#include "tables/modbus_s7_bacnet/UModbus_TCP_Master_Set_Access.h"
#include "tables/modbus_s7_bacnet/US7_Protocol_Set_Access.h"

namespace fs = std::filesystem;

namespace {

// The windows created in a temporary program folder, destroyed afterwards.
class ShellWindowsTest : public ProgramWindowsTest {
protected:
    void SetUp() override
    {
        ProgramWindowsTest::SetUp();
        main = FBrevandoreFirmWare;
    }
    void TearDown() override
    {
        ProgramWindowsTest::TearDown();
        Set_Default_Version_Fetcher({});
    }

    ui::ScriptedDialogs dialogs;
    TFBrevandoreFirmWare* main = nullptr;
};

}  // namespace

TEST_F(ShellWindowsTest, FirstStartLayoutAndPicture)
{
    for (const char* sub : {"MASTER", "PROJECTS", "LANGUAGE"})
        EXPECT_TRUE(fs::is_directory(folder.dir / sub)) << sub;
    EXPECT_EQ(main->ClientWidth(), 694);
    EXPECT_EQ(main->ClientHeight(), 484);
    EXPECT_EQ(main->L_Name_Conf->Caption(), "None Configuration Opened ");
    EXPECT_EQ(main->L_Name_Conf_L2->Caption(), "Use Step1 to open or create new configuration");
    EXPECT_FALSE(main->Timer_Update->Enabled());
    EXPECT_EQ(main->Caption(), "Example Maker - Configurator SW58E26 - EtherCAT Slave / EtherNet/IP Master ");

    int shown = 0;
    for (controls::TLbButton* b : main->Buttons())
        shown += b->Visible() ? 1 : 0;
    EXPECT_EQ(shown, 10);  // three header buttons and seven step buttons
    EXPECT_EQ(main->Btn_EtherCAT_ESI_File->Caption(), "EtherCAT ESI File");
    EXPECT_EQ(main->Shape1->Top(), 383);
    EXPECT_EQ(main->L_Varnok->Top(), 348);

    EXPECT_EQ(FAbout->Image1->Picture()->Bitmap()->Width(), 16);  // the maker's logo

    const fs::path png = fs::path(CFG_BIN_DIR) / "main_window.png";
    ASSERT_TRUE(ui::RenderToPng(*main, png.string()));
    EXPECT_GT(fs::file_size(png), 1000u);
}

TEST_F(ShellWindowsTest, StepsNeedAnOpenConfiguration)
{
    // Hidden buttons too: dispatched by code they are refused just the same.
    for (controls::TLbButton* b : main->Buttons()) {
        if (b == main->Btn_New || b == main->Btn_Open || b == main->Btn_Info || b == main->Btn_Opz ||
            b == main->Btn_Close)
            continue;
        const std::size_t before = dialogs.Messages.size();
        main->Btn_Click(b);
        ASSERT_EQ(dialogs.Messages.size(), before + 1) << b->Caption();
        EXPECT_EQ(dialogs.Messages.back().Text, "Error! Project not Valid") << b->Caption();
    }
    EXPECT_TRUE(dialogs.FileRequests.empty());
}

TEST_F(ShellWindowsTest, BankFileThatCannotBeWrittenIsReportedAndTheUpdateDialogStaysClosed)
{
    ASSERT_EQ(Create_Project("demo").Text, 0);
    fs::remove_all(folder.dir / "PROJECTS" / "demo" / "bin");
    TempProgramFolder::WriteFile(folder.dir / "PROJECTS" / "demo" / "bin", "not a folder");

    bool opened = false;
    ShellScript script;
    script.Then(
        "update dialog", [] { return FBoot->Modal(); },
        [&] {
            opened = true;
            FBoot->SetModalResult(ui::mrCancel);
        });
    main->Btn_CreateBin->Click();
    EXPECT_FALSE(opened);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_NE(dialogs.Messages[0].Text.find("bank1.bin"), std::string::npos) << dialogs.Messages[0].Text;
}

TEST_F(ShellWindowsTest, UpdateDialogTakesTheRememberedAddress)
{
    struct Case {
        std::string stored;
        std::vector<std::string> shown;
    };
    const Case cases[] = {
        {"192.168.2.205", {"192", "168", "2", "205"}},
        {"10.1.2.300", {"192", "168", "2", "205"}},  // refused: the edits keep what they showed
        {"", {"192", "168", "2", "205"}},
        {" 10 .0.0.9", {"10", "0", "0", "9"}},
    };
    for (const Case& c : cases) {
        Last_IP_Address = c.stored;
        FBoot->FormShow(nullptr);
        EXPECT_EQ((std::vector<std::string>{FBoot->E_IP1->Text(), FBoot->E_IP2->Text(), FBoot->E_IP3->Text(),
                                            FBoot->E_IP4->Text()}),
                  c.shown)
            << c.stored;
        EXPECT_EQ(FBoot->ClientHeight(), 230);
        EXPECT_TRUE(FBoot->P_IP_Address->Visible());
        EXPECT_FALSE(FBoot->P_Eth_Search->Visible());
    }
    char32_t key = U'.';
    FBoot->KeyPress(FBoot->E_IP4, key);
    EXPECT_EQ(key, 0u);
}

TEST_F(ShellWindowsTest, UpdateSequence)
{
    ASSERT_EQ(Create_Project("demo").Text, 0);
    struct Case {
        const char* label;
        int reply;  // bytes of every echo; -1: the echo cannot be sent; -2: Cancel pressed meanwhile
        const char* message;
        unsigned icon;
        bool started;
    };
    const Case cases[] = {
        {"answers", 1024, nullptr, 0, true},
        {"unusable address", -1, "Error!!! Check the Ip Address", ui::MB_ICONERROR, false},
        {"silent converter", 0, "Device Not Found!", ui::MB_ICONWARNING, false},
        {"cancelled during the echoes", -2, nullptr, 0, false},
    };
    for (const Case& c : cases) {
        Last_IP_Address = "127.0.0.1";
        FBoot->FormShow(nullptr);
        FBoot->E_IP4->SetText("2");
        fs::remove(folder.dir / "Ethernet_Update.xml");
        dialogs.Messages.clear();
        bool enabledDuringEcho = true;
        std::string started;
        FBoot->Echo = [&](const std::string&) -> std::size_t {
            enabledDuringEcho = FBoot->Btn_Update->Enabled();
            if (c.reply == -2) {
                FBoot->Btn_Cancel->Click();  // pressed while the echoes keep the dialog alive
                return 1024;
            }
            if (c.reply < 0)
                throw std::runtime_error("unusable");
            return static_cast<std::size_t>(c.reply);
        };
        FBoot->Start_Program = [&](const std::string& program, const std::string&, bool) { started = program; };
        // A short echo window: a silent converter is given up on after its first echo.
        FBoot->Ping_Window = std::chrono::milliseconds(c.reply == 0 ? 0 : 5000);
        FBoot->SetModalResult(ui::mrNone);
        FBoot->Btn_UpdateClick(nullptr);

        EXPECT_FALSE(enabledDuringEcho) << c.label;
        EXPECT_TRUE(FBoot->Btn_Update->Enabled()) << c.label;
        EXPECT_EQ(started.empty(), !c.started) << c.label;
        EXPECT_EQ(fs::exists(folder.dir / "Ethernet_Update.xml"), c.started) << c.label;
        EXPECT_EQ(Last_IP_Address, c.started ? "127.0.0.2" : "127.0.0.1") << c.label;
        if (c.started) {
            EXPECT_EQ(started, folder.dir.string() + "/Ethernet_Update") << c.label;
        }
        if (c.message) {
            ASSERT_EQ(dialogs.Messages.size(), 1u) << c.label;
            EXPECT_EQ(dialogs.Messages[0].Text, c.message) << c.label;
            EXPECT_EQ(dialogs.Messages[0].Flags & 0xF0, c.icon) << c.label;
        } else {
            EXPECT_TRUE(dialogs.Messages.empty()) << c.label;
        }
    }
}

TEST_F(ShellWindowsTest, VersionLinkFollowsTheLatestCheck)
{
    using testing_support::LoopbackServer;
    struct Case {
        const char* label;
        const char* body;  // nullptr: the server never answers
        bool shown;
    };
    const Case cases[] = {
        {"newer", "VER. 1.002", true}, {"explicit none", "VER. 0.000", false}, {"newer again", "VER. 1.002", true},
        {"empty body", "", false},     {"silent server", nullptr, false},
    };
    std::vector<std::string> opened;
    Set_Url_Opener([&](const std::string& url) { opened.push_back(url); });
    for (const Case& c : cases) {
        const std::string body = c.body ? c.body : "";
        const bool silent = c.body == nullptr;
        LoopbackServer server([body, silent](int fd, const std::string&) {
            if (silent) {
                pollfd p{fd, POLLIN, 0};
                ::poll(&p, 1, 3000);
                return;
            }
            LoopbackServer::Send(fd, "HTTP/1.0 200 OK\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" +
                                         body);
        });
        ASSERT_TRUE(server.Ok());
        Set_Default_Version_Fetcher(Http_Version_Fetcher("127.0.0.1", server.Port(), 300));
        main->Timer_UpdateTimer(main->Timer_Update);
        EXPECT_EQ(main->LL_Update->Visible(), c.shown) << c.label;
        EXPECT_TRUE(main->Timer_Update->Enabled()) << c.label;
        EXPECT_EQ(main->Timer_Update->Interval(), 7200000u) << c.label;
        if (c.shown) {
            EXPECT_EQ(main->LL_Update->DisplayText(), "New Version Available. Click Here for more Details");
            main->LL_UpdateLinkClick(main->LL_Update, main->LL_Update->LinkTarget());
            ASSERT_FALSE(opened.empty());
            EXPECT_EQ(opened.back(), Download_Link());
        }
    }
    Set_Url_Opener({});
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(ShellWindowsTest, HiddenTableButtonsOpenTheirDialogOnTheOpenConfiguration)
{
    ASSERT_EQ(Create_Project("demo").Text, 0);
    std::filesystem::create_directories(Path_Project);
    TempProgramFolder::WriteFile(File_CAN_Rec_Frames, "<Receive_Frames><row COBID=\"0x100\"/></Receive_Frames>");
    ShellScript script;
    script.Then(
        "receive frames shown", [] { return FReceiveCAN->Modal(); },
        [] {
            EXPECT_EQ(FReceiveCAN->ACG_CAN_Receive->Cells(2, 1), "0x100");
            FReceiveCAN->Btn_Cancel->Click();
        });
    main->Btn_Click(main->Btn_CAN_Rec_Frame);
    ASSERT_TRUE(script.Finished()) << script.Stuck();
    EXPECT_FALSE(main->Btn_CAN_Rec_Frame->Visible());
    EXPECT_FALSE(FReceiveCAN->Visible());
}

TEST_F(ShellWindowsTest, HiddenModbusAndS7ButtonsOpenTheirDialogs)
{
    ASSERT_EQ(Create_Project("demo").Text, 0);
    std::filesystem::create_directories(Path_Project);
    TempProgramFolder::WriteFile(
        File_ModbusTCPM_SetAccess,
        "<R><Modbus_Read><row IP_Address=\"127.0.0.1\" Port=\"502\" Slave_ID=\"1\" Type=\"Coil Status\" "
        "Address=\"0\" NPoint=\"1\" PollTime=\"1\" MaxError=\"0\" Position=\"0\" Bit=\"0\" Mnemonic=\"\"/>"
        "</Modbus_Read><Modbus_Write/></R>");
    TempProgramFolder::WriteFile(File_S7_Protocol,
                                 "<S7_Protocol><S7_Protocol_Read/><S7_Protocol_Write/></S7_Protocol>");
    const struct {
        controls::TLbButton* button;
        dlg::TFTableFrame* dialog;
    } openers[] = {{main->Btn_Modbus_Set_Access, FModbus_TCP_Master_Set_Access},
                   {main->Btn_S7_Protocol_Access, FS7_Protocol_Set_Access}};
    for (const auto& o : openers) {
        SCOPED_TRACE(o.dialog->Name());
        ShellScript script;
        script.Then(
            "dialog shown", [&] { return o.dialog->Modal(); },
            [&] {
                EXPECT_EQ(o.dialog->Cells(0).Cell(0, 512), "512");
                o.dialog->Btn_Cancel->Click();
            });
        main->Btn_Click(o.button);
        ASSERT_TRUE(script.Finished()) << script.Stuck();
        EXPECT_FALSE(o.button->Visible());
    }
    EXPECT_EQ(FModbus_TCP_Master_Set_Access->Cells(0).Cell(2, 1), "127.0.0.1");
    EXPECT_TRUE(dialogs.Messages.empty()) << dialogs.Messages.back().Text;
}

TEST_F(ShellWindowsTest, HiddenCANFamilyButtonsOpenTheirDialogsOnTheOpenConfiguration)
{
    ASSERT_EQ(Create_Project("demo").Text, 0);
    std::filesystem::create_directories(Path_Project);
    using F = TFBrevandoreFirmWare;
    struct Opener {
        controls::TLbButton* F::*button;
        dlg::TFTableFrame* form;
        const std::string& file;
        std::string text;
        int col;  // the cell of row 1 that shows the file was loaded (-1: the slave list's ID)
        std::string cell;
    };
    const Opener openers[] = {
        {&F::Btn_CAN_Send_Frame, FTransmitCAN, File_CAN_Send_Frames,
         "<Transmit_Frames><row COBID=\"0x200\"/></Transmit_Frames>", 2, "0x200"},
        {&F::Btn_DNet_Net, FDNet, File_DNETM_Net,
         "<DNET_Net><row ID=\"9\" NB_IN=\"1\" NB_OUT=\"2\" Mnemonic=\"\"/></DNET_Net>", 1, "9"},
        {&F::Btn_DNet_Offset, FDefOffset, File_DNETM_Net,
         "<DNET_Net><row ID=\"9\" NB_IN=\"1\" NB_OUT=\"2\" Mnemonic=\"\"/></DNET_Net>", -1, "9"},
        {&F::Btn_DMX_Default, FDMXDefVal, File_DMX_Default_Values,
         "<DMX_Default_Values><Row Default_Value=\"77\"/></DMX_Default_Values>", 1, "77"},
    };
    for (const Opener& o : openers) {
        SCOPED_TRACE(o.form->Name());
        TempProgramFolder::WriteFile(o.file, o.text);
        ShellScript script;
        script.Then(
            "dialog shown", [&o] { return o.form->Modal(); },
            [&o] {
                EXPECT_EQ(o.col < 0 ? FDefOffset->ACG_DN_Slaves->Cells(0, 1) : o.form->Cells(0).Cell(o.col, 1), o.cell);
                o.form->Btn_Cancel->Click();
            });
        main->Btn_Click(main->*o.button);
        ASSERT_TRUE(script.Finished()) << script.Stuck();
        EXPECT_FALSE((main->*o.button)->Visible());
        EXPECT_FALSE(o.form->Visible());
    }
}

TEST_F(ShellWindowsTest, LanguageChangeReachesEveryWindowInItsOrder)
{
    std::vector<std::string> relabelled = Relabel_Windows();
    const std::vector<std::string> expected = {"TFBrevandoreFirmWare",
                                               "TFNew_Project",
                                               "TFOpenConf",
                                               "TFSoftOptions",
                                               "TFBoot",
                                               "TFParGen",
                                               "TFEtherCATSlave",
                                               "TFSetAccess",
                                               "TFModbus_TCP_Master_Set_Access",
                                               "TFBACnetAccess",
                                               "TFImportEDEFile",
                                               "TFBACnetSlaveSetAccess",
                                               "TFBACnet_Eng_Unit",
                                               "TFReceiveCAN",
                                               "TFTransmitCAN",
                                               "TFSet_PDO_Access",
                                               "TFSet_SDO_Client_Access",
                                               "TFSet_SDO_Server_Access",
                                               "TFDNet",
                                               "TFDefOffset",
                                               "TFDMXDefVal",
                                               "TFIEC_61850_Access",
                                               "TFTLS_Server_Known_Cert",
                                               "TFIEC61850_Variables",
                                               "TFReceiveJ1939",
                                               "TFTransmitJ1939",
                                               "TFMQTT_Set_Topic",
                                               "TFTopicTemplate",
                                               "TFReceiveNMEA",
                                               "TFTransmitNMEA",
                                               "TFOPC_UA_Client_Access",
                                               "TFOPC_UA_Add_Server",
                                               "TFOPC_UA_Scan_Server",
                                               "TFOPC_UA_Server_Access",
                                               "TFSNMPManagerAccess",
                                               "TFSNMP_Trap_Access",
                                               "TFProfinetFileName",
                                               "TFEtherNetIP_Master_Access",
                                               "TFEtherNEtIP_EDS",
                                               "TFS7_Protocol_Set_Access"};
    EXPECT_EQ(relabelled, expected);
    for (const std::string& name : Window_Language_Order())
        EXPECT_NE(name, "TFAbout");
    EXPECT_EQ(Window_Creation_Order().size(), 41u);
    EXPECT_EQ(Window_Language_Order().size(), 40u);
}

TEST_F(ShellWindowsTest, OptionsDialogPagesAndDependentControls)
{
    for (int i = 0; i < 13; ++i)
        TempProgramFolder::WriteFile(folder.dir / "LANGUAGE" / ("Lang" + std::string(1, char('A' + i)) + ".lng"), "");
    TFSoftOptions* o = FSoftOptions;
    o->FormShow(nullptr);
    struct Page {
        int shown;
        bool prev, next;
        const char* label;
        const char* first;
    };
    const Page pages[] = {
        {6, false, true, "Page 1 / 3", "LangA"},
        {6, true, true, "Page 2 / 3", "LangG"},
        {1, true, false, "Page 3 / 3", "LangM"},
        {1, true, false, "Page 3 / 3", "LangM"},  // Next on the last page stays there
    };
    for (std::size_t p = 0; p < std::size(pages); ++p) {
        if (p > 0)
            o->Btn_NextClick(o->Btn_Next);
        int shown = 0;
        for (ui::TLabel* l : o->L_L)
            shown += l->Visible() ? 1 : 0;
        EXPECT_EQ(shown, pages[p].shown) << p;
        EXPECT_EQ(o->Btn_Prev->Visible(), pages[p].prev) << p;
        EXPECT_EQ(o->Btn_Next->Visible(), pages[p].next) << p;
        EXPECT_EQ(o->L_Page_Lang->Caption(), pages[p].label) << p;
        EXPECT_EQ(o->L_L[0]->Caption(), pages[p].first) << p;
    }

    // The periodic check box and the Check button follow the internet box; a disabled box keeps its tick.
    struct Boxes {
        bool internet, update, updateEnabled, checkEnabled;
    };
    for (const Boxes& b :
         {Boxes{true, true, true, true}, Boxes{true, false, true, false}, Boxes{false, true, false, false}}) {
        o->CB_En_Con->SetChecked(b.internet);
        o->CB_Update->SetChecked(b.update);
        o->Update_CheckBox();
        EXPECT_EQ(o->CB_Update->Enabled(), b.updateEnabled);
        EXPECT_EQ(o->Btn_Check_Update->Enabled(), b.checkEnabled);
        EXPECT_TRUE(o->CB_Update->Checked() == b.update);
    }
    // OK stores the boxes as they are; the timer needs both internet and the periodic check.
    o->Btn_OKClick(o->Btn_OK);
    EXPECT_FALSE(Enable_Internet);
    EXPECT_TRUE(Enable_Update);
    EXPECT_FALSE(main->Timer_Update->Enabled());
}

TEST_F(ShellWindowsTest, RefusedConfigurationNameKeepsTheDialogOpen)
{
    FNew_Project->FormShow(nullptr);
    FNew_Project->E_New_Proj->SetText("../outside");
    FNew_Project->Btn_OKClick(FNew_Project->Btn_OK);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Text.rfind("Error! Name project is not valid\n", 0), 0u) << dialogs.Messages[0].Text;
    EXPECT_EQ(FNew_Project->ModalResult(), ui::mrNone);
    EXPECT_EQ(FNew_Project->E_New_Proj->Text(), "../outside");
    EXPECT_FALSE(fs::exists(folder.dir / "outside"));
    EXPECT_TRUE(Path_Project.empty());
}

TEST_F(ShellWindowsTest, EdeFileNameGetsItsEndingAndAnExistingFileNeedsYes)
{
    ASSERT_EQ(Create_Project("demo").Text, 0);
    const std::string dir = Path_Project + "/";
    TempProgramFolder::WriteFile(dir + "old.csv", "x");
    struct Case {
        std::string typed;
        int answer;           // to the overwrite question, 0: none expected
        std::string written;  // empty: nothing written
    };
    const Case cases[] = {
        {dir + "list", 0, dir + "list.csv"},         {dir + "LIST.CSV", 0, dir + "LIST.CSV"},
        {dir + "list.txt", 0, dir + "list.txt.csv"}, {dir + "old", ui::IDNO, ""},
        {dir + "old.csv", ui::IDCANCEL, ""},         {dir + "old", ui::IDYES, dir + "old.csv"},
    };
    std::vector<std::string> written;
    main->Save_EDE_File = [&](const std::string& file) { written.push_back(file); };
    for (const Case& c : cases) {
        written.clear();
        dialogs.Messages.clear();
        dialogs.FileAnswers.push_back({true, {c.typed}, 1});
        if (c.answer)
            dialogs.MessageAnswers.push_back(c.answer);
        main->Btn_Click(main->Btn_BACnet_EDE_File);
        EXPECT_EQ(dialogs.FileRequests.back().InitialDir, Path_Project);
        EXPECT_EQ(dialogs.Messages.size(), c.answer ? 1u : 0u) << c.typed;
        EXPECT_EQ(written, c.written.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.written})
            << c.typed;
    }
}

TEST(ShellStartTest, RememberedConfigurationReopensOnlyAsAFolderBelowProjects)
{
    struct Case {
        const char* label;
        std::string stored;
        bool open;
    };
    TempProgramFolder folder;
    fs::create_directories(folder.dir / "PROJECTS" / "plant");
    fs::create_directories(folder.dir / "outside");
    fs::create_directory_symlink(folder.dir / "outside", folder.dir / "PROJECTS" / "link_out");
    fs::create_directory_symlink("plant", folder.dir / "PROJECTS" / "link_in");
    const Case cases[] = {
        {"existing", "plant", true},
        {"link inside PROJECTS to a folder elsewhere", "link_out", false},
        {"link inside PROJECTS to a configuration", "link_in", true},
        {"deleted", "gone", false},
        {"climbs out of PROJECTS", "../outside", false},
        {"absolute path of an existing folder", (folder.dir / "outside").string(), false},
        {"the PROJECTS folder itself", ".", false},
    };
    ui::ScriptedDialogs dialogs;
    for (const Case& c : cases) {
        TempProgramFolder::WriteFile(folder.dir / "Brevandor.xml", "<Conf_Settings><lastproj><projectname>" + c.stored +
                                                                       "</projectname></lastproj></Conf_Settings>");
        Set_Program_Folder(folder.dir.string());
        Create_Windows();
        EXPECT_EQ(Path_Project, c.open ? Path_Projects + "/" + c.stored : "") << c.label;
        EXPECT_EQ(Name_Project, c.open ? c.stored : "") << c.label;
        EXPECT_EQ(FBrevandoreFirmWare->L_Name_Conf_L2->Caption(),
                  c.open ? c.stored : "Use Step1 to open or create new configuration")
            << c.label;
        Destroy_Windows();
    }
    EXPECT_TRUE(dialogs.Messages.empty());
}

TEST_F(ShellWindowsTest, EsiStepAsksForTheFileAndBeforeOverwritingIt)
{
    ASSERT_EQ(Create_Project("demo").Text, 0);
    const std::string dir = Path_Project + "/";
    const std::string kept = "earlier file";
    struct Case {
        const char* label;
        std::string typed;  // empty: the save dialog is cancelled
        int answer;         // to the overwrite question, 0: none expected
        std::string file;   // where the ESI file must stand afterwards (empty: none written)
    };
    const Case cases[] = {
        {"cancelled", "", 0, ""},
        {"name without extension", dir + "slave", 0, dir + "slave.xml"},
        {"other extension kept", dir + "slave.esi", 0, dir + "slave.esi"},
        {"existing, No", dir + "old.xml", ui::IDNO, ""},
        {"existing typed without extension, Yes", dir + "old", ui::IDYES, dir + "old.xml"},
    };
    for (const Case& c : cases) {
        TempProgramFolder::WriteFile(dir + "old.xml", kept);
        dialogs.Messages.clear();
        dialogs.FileAnswers.push_back({!c.typed.empty(), {c.typed}, 1});
        if (c.answer)
            dialogs.MessageAnswers.push_back(c.answer);
        main->Btn_Click(main->Btn_EtherCAT_ESI_File);

        ASSERT_FALSE(dialogs.FileRequests.empty()) << c.label;
        EXPECT_TRUE(dialogs.FileRequests.back().Save) << c.label;
        EXPECT_EQ(dialogs.FileRequests.back().InitialDir, Path_Project) << c.label;
        EXPECT_EQ(dialogs.FileRequests.back().Filter, "EtherCAT ESI File (*.xml)|*.xml") << c.label;
        ASSERT_EQ(dialogs.Messages.size(), c.answer ? 1u : 0u) << c.label;
        if (c.answer) {
            EXPECT_EQ(dialogs.Messages[0].Text, "File already exists. Do you want to overwrite?") << c.label;
            EXPECT_EQ(dialogs.Messages[0].Flags & 0xF, ui::MB_YESNO) << c.label;
        }
        if (!c.file.empty()) {
            EXPECT_EQ(TempProgramFolder::ReadFile(c.file).rfind("<?xml version=\"1.0\"?>\r\n<EtherCATInfo", 0), 0u)
                << c.label;
        }
        if (c.file != dir + "old.xml") {
            EXPECT_EQ(TempProgramFolder::ReadFile(dir + "old.xml"), kept) << c.label;
        }
        std::size_t files = 0;  // nothing else was written
        for (const auto& e : fs::directory_iterator(Path_Project))
            files += e.is_regular_file() ? 1 : 0;
        EXPECT_EQ(files, c.file.empty() || c.file == dir + "old.xml" ? 1u : 2u) << c.label;
        if (!c.file.empty())
            fs::remove(c.file);
    }
    // Another configuration: the dialog opens in its folder, offering the last name without the
    // folder of the configuration it was written for.
    ASSERT_EQ(Create_Project("other").Text, 0);
    dialogs.FileAnswers.push_back({false, {}, 1});
    main->Btn_Click(main->Btn_EtherCAT_ESI_File);
    EXPECT_EQ(dialogs.FileRequests.back().InitialDir, Path_Project);
    EXPECT_EQ(dialogs.FileRequests.back().FileName, "old.xml");
}

TEST_F(ShellWindowsTest, SaveDialogsOfOtherModelsAddTheirExtension)
{
    ASSERT_EQ(Create_Project("demo").Text, 0);
    std::string saved;
    main->Save_EDS_File = [&](const std::string& file) { saved = file; };
    const std::pair<std::string, std::string> cases[] = {{"net", "net.eds"}, {"net.EDS", "net.EDS"}};
    for (const auto& [typed, file] : cases) {
        dialogs.FileAnswers.push_back({true, {Path_Project + "/" + typed}, 1});
        main->Btn_Click(main->Btn_CANopen_EDS);
        EXPECT_EQ(saved, Path_Project + "/" + file) << typed;
    }
}

TEST_F(ShellWindowsTest, BacnetTypeIsReadLikeEveryTableNumber)
{
    ASSERT_EQ(Create_Project("demo").Text, 0);
    const std::pair<const char*, int> cases[] = {
        {nullptr, 0},  // no ParGen.xml
        {"<ParGen><BACnet_Type>3</BACnet_Type></ParGen>", 3},
        {"<ParGen><BACnet_Type>$10</BACnet_Type></ParGen>", 16},
        {"<ParGen><BACnet_Type>0x1F</BACnet_Type></ParGen>", 31},
        {"<ParGen><BACnet_Type>3 </BACnet_Type></ParGen>", 0},
        {"<ParGen><BACnet_Type>99999999999</BACnet_Type></ParGen>", 0},
        {"<ParGen><Other>3</Other></ParGen>", 0},
        {"<ParGen><BACnet_Type>3", 0},  // not well-formed
    };
    for (const auto& [file, type] : cases) {
        fs::remove(File_ParGen);
        if (file)
            TempProgramFolder::WriteFile(File_ParGen, file);
        EXPECT_EQ(main->Get_Type_BACnet(), type) << (file ? file : "no file");
    }
}

TEST_F(ShellWindowsTest, HiddenCANopenButtonsOpenTheirTablesAndTheEDSIsWrittenFromTheSavedOnes)
{
    ASSERT_EQ(Create_Project("demo").Text, 0);
    std::filesystem::create_directories(Path_Project);
    using F = TFBrevandoreFirmWare;
    struct Opener {
        controls::TLbButton* F::*button;
        TCANopenTables* form;
        int rows;
    };
    const Opener openers[] = {{&F::Btn_PDO_CANopen, FSet_PDO_Access, 30},
                              {&F::Btn_SDO_Client_CANopen, FSet_SDO_Client_Access, 256},
                              {&F::Btn_SDO_Server_CANopen, FSet_SDO_Server_Access, 500}};
    for (const Opener& o : openers) {
        SCOPED_TRACE(o.form->Name());
        ShellScript script;
        script.Then(
            "dialog shown", [&o] { return o.form->Modal(); },
            [&o] {
                EXPECT_EQ(o.form->sgb->Cells(0, o.rows), std::to_string(o.rows));
                EXPECT_EQ(o.form->PageControl1->ActivePage(), o.form->Sheets[0]);
                o.form->Btn_Cancel->Click();
            });
        main->Btn_Click(main->*o.button);
        ASSERT_TRUE(script.Finished()) << script.Stuck();
    }

    // The PDO table saved by its dialog, then the EDS under a name typed without extension.
    FSet_PDO_Access->FormShow(FSet_PDO_Access);
    FSet_PDO_Access->Cells(0).SetCell(1, 1, "0x201");
    FSet_PDO_Access->Cells(0).SetCell(2, 1, "1");
    FSet_PDO_Access->Cells(0).SetCell(3, 1, "0");
    FSet_PDO_Access->Cells(0).SetCell(11, 1, "0");
    FSet_PDO_Access->Btn_OKClick(FSet_PDO_Access->Btn_OK);
    ASSERT_EQ(FSet_PDO_Access->ModalResult(), ui::mrOk)
        << (dialogs.Messages.empty() ? "" : dialogs.Messages.back().Text);
    dialogs.FileAnswers.push_back({true, {Path_Project + "/converter"}, 1});
    main->Btn_Click(main->Btn_CANopen_EDS);
    EXPECT_EQ(dialogs.FileRequests.back().InitialDir, Path_Project);
    const std::string eds = TempProgramFolder::ReadFile(Path_Project + "/converter.eds");
    EXPECT_EQ(eds.substr(0, 12), "[FileInfo]\r\n");
    EXPECT_NE(eds.find("\r\nNrOfRXPDO=1\r\nNrOfTXPDO=0\r\n"), std::string::npos);
    EXPECT_TRUE(dialogs.Messages.empty());

    // A table the export cannot describe is said, and the earlier file stays.
    TempProgramFolder::WriteFile(File_SDO_Server_CANopen, "<SDO_Server_CANopen><SDO_Read/></SDO_Server_CANopen>");
    dialogs.FileAnswers.push_back({true, {Path_Project + "/converter.eds"}, 1});
    main->Btn_Click(main->Btn_CANopen_EDS);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages.back().Text,
              "The EDS file was not written: the file " + File_SDO_Server_CANopen + " has no section SDO_Write.");
    EXPECT_EQ(TempProgramFolder::ReadFile(Path_Project + "/converter.eds"), eds);
}

TEST_F(ShellWindowsTest, HiddenBACnetButtonsOpenTheClientAndWriteTheEdeFile)
{
    ASSERT_EQ(Create_Project("demo").Text, 0);
    std::filesystem::create_directories(Path_Project);
    TempProgramFolder::WriteFile(File_ParGen, "<Par_Gen><BACnet_Master_Type>1</BACnet_Master_Type>"
                                              "<BACnet_DEV_IDE>1234</BACnet_DEV_IDE></Par_Gen>");
    ShellScript script;
    script.Then(
        "dialog shown", [&] { return FBACnetAccess->Modal(); },
        [&] {
            EXPECT_EQ(FBACnetAccess->ACG1->Cells(2, 0), "Slave ID");
            FBACnetAccess->Btn_Cancel->Click();
        });
    main->Btn_Click(main->Btn_BACnet_SetAccess);
    ASSERT_TRUE(script.Finished()) << script.Stuck();

    TempProgramFolder::WriteFile(File_BACnet_Slave,
                                 "<BACnet_to_Modbus><BACnet_in_Read><row Data_Type=\"Binary Input\" Eng_Unit=\"95\" "
                                 "Position=\"0\" Bit=\"0\" Length=\"\" Swap=\"N\" Mnemonic=\"pump\"/>"
                                 "</BACnet_in_Read><BACnet_in_Write/></BACnet_to_Modbus>");
    dialogs.FileAnswers.push_back({true, {Path_Project + "/objects"}, 1});
    main->Btn_Click(main->Btn_BACnet_EDE_File);
    const std::string text = TempProgramFolder::ReadFile(Path_Project + "/objects.csv");
    EXPECT_TRUE(text.starts_with("PROJECT_NAME; Example Maker--demo;;;;;;\r\n")) << text;
    EXPECT_TRUE(text.ends_with("\r\n1234_pump_0;1234;pump;3;0;pump;95;\r\n")) << text;
    EXPECT_TRUE(dialogs.Messages.empty()) << dialogs.Messages.back().Text;
}

TEST_F(ShellWindowsTest, HiddenSnmpMibButtonExportsTheSavedAgentTable)
{
    main->Btn_Click(main->Btn_SNMP_MIB);
    EXPECT_EQ(dialogs.Messages.back().Text, "Error! Project not Valid");
    ASSERT_EQ(Create_Project("demo").Text, 0);
    std::filesystem::create_directories(Path_Project);
    TempProgramFolder::WriteFile(File_SNMP_Trap, "<SNMP_Trap><SNMP_Trap_Read><row Enable=\"Y\" Type=\"Int\" "
                                                 "Description=\"temp1\"/></SNMP_Trap_Read></SNMP_Trap>");
    dialogs.FileAnswers.push_back({.Accepted = true, .Files = {Path_Project + "/agent"}});
    main->Btn_Click(main->Btn_SNMP_MIB);
    ASSERT_EQ(dialogs.FileRequests.size(), 1u);
    EXPECT_EQ(dialogs.FileRequests[0].InitialDir, Path_Project);
    const std::string mib = TempProgramFolder::ReadFile(Path_Project + "/agent.mib");
    EXPECT_NE(mib.find("temp1 OBJECT-TYPE SYNTAX INTEGER MAX-ACCESS read-only"), std::string::npos);
    EXPECT_EQ(SNMP_Trap_Read_List, std::vector<std::string>{"temp1"});
}

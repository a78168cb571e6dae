// The main road through the real entry point: a new configuration, ten EtherCAT variables per
// direction and two EtherNet/IP connections (one typed, one imported from an EDS file) typed through
// the grids' input (key strokes into text cells, the list editor for list cells), the ESI file,
// and Update Device against the loopback address with the updater stand-in beside the program;
// bank2 carries what was typed.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "../dialogs/GridTyping.h"
#include "ShellScript.h"
#include "TempProgramFolder.h"
#include "TestData.h"
#include "app/UBrevandoreFirmWare.h"
#include "app/UConfigurator.h"
#include "app/UNew_Project.h"
#include "app/UStartProgram.h"
#include "dialogs/UBoot.h"
#include "dialogs/UEtherCATSlave.h"
#include "dialogs/UEtherNetIP_EDS.h"
#include "dialogs/UEtherNetIP_Master_Access.h"
#include "platform/sys/IcmpEcho.h"
#include "platform/ui/Dialogs.h"
#include "platform/xml/Xml.h"

namespace fs = std::filesystem;

namespace {

void Expect_Valid_Esi(const fs::path& file)
{
    CFG_TESTDATA_FILE(xsd, "esi-schema/EtherCATInfo.xsd");
    const auto r =
        sys::RunAndWait("xmllint", {"--noout", "--schema", xsd.string(), file.string()}, std::chrono::seconds(60));
    EXPECT_EQ(r.exitCode.value_or(-1), 0) << file;
}

std::string Read_File_Text(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

unsigned U16(const std::string& bytes, std::size_t at)
{
    return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

unsigned U32(const std::string& bytes, std::size_t at)
{
    return U16(bytes, at) | U16(bytes, at + 2) << 16;
}

bool Contains(const std::string& bytes, std::size_t from, std::size_t to, const std::string& what)
{
    const std::size_t at = bytes.find(what, from);
    return at != std::string::npos && at + what.size() <= to;
}

}  // namespace

TEST(EndToEndTest, NewConfigurationEsiFileAndUpdateDevice)
{
    try {
        sys::IcmpEcho({"127.0.0.1"});
    } catch (const std::exception& e) {
        GTEST_SKIP() << "no echo socket on this machine: " << e.what();
    }
    TempProgramFolder folder;
    fs::copy_file(fs::path(CFG_BIN_DIR) / "Ethernet_Update", folder.dir / "Ethernet_Update");
    TempProgramFolder::WriteFile(folder.dir / "MASTER" / "Sim58E26.sim", std::string(4096, '\x5A'));
    const fs::path esi = folder.dir / "PROJECTS" / "demo" / "demo_esi";
    CFG_TESTDATA_FILE(eds, "eds/opener_sample_app.eds");

    ui::ScriptedDialogs dialogs;
    dialogs.FileAnswers.push_back({true, {eds.string()}, 1});
    dialogs.FileAnswers.push_back({true, {esi.string()}, 1});
    ShellScript script;
    sys::RunResult updater;
    std::size_t refused = 0;

    script.Then(
        "main window", [] { return FBrevandoreFirmWare && FBrevandoreFirmWare->Visible(); },
        [&] {
            auto* w = FBrevandoreFirmWare;
            for (controls::TLbButton* b : w->Buttons()) {
                if (!b->Visible() || b == w->Btn_New || b == w->Btn_Open || b == w->Btn_Info || b == w->Btn_Opz ||
                    b == w->Btn_Close)
                    continue;
                const std::size_t before = dialogs.Messages.size();
                b->Click();
                ASSERT_EQ(dialogs.Messages.size(), before + 1) << b->Caption();
                EXPECT_EQ(dialogs.Messages.back().Text, "Error! Project not Valid") << b->Caption();
                ++refused;
            }
            w->Btn_New->Click();
        });
    script.Then(
        "new configuration", [] { return FNew_Project->Modal(); },
        [] {
            FNew_Project->E_New_Proj->SetText("demo");
            FNew_Project->Btn_OK->Click();
        });
    script.Then(
        "step 3", [] { return !FNew_Project->Modal() && !Path_Project.empty(); },
        [] {
            EXPECT_EQ(FBrevandoreFirmWare->L_Name_Conf_L2->Caption(), "demo");
            FBrevandoreFirmWare->Btn_EtherCAT_Set_Access->Click();
        });
    script.Then(
        "EtherCAT variables", [] { return FEtherCATSlave->Modal(); },
        [] {
            const char* types[] = {"Bool",   "Bool",  "Bool",   "Int8",    "Int16",
                                   "UInt16", "Int32", "UInt32", "Float32", "String"};
            for (int r = 1; r <= 10; ++r) {
                gridtest::Type_Into_Cell(FEtherCATSlave->GSG_SlaveMaster, 2, r, types[r - 1]);
                gridtest::Key_Into_Cell(FEtherCATSlave->GSG_SlaveMaster, 4, r, "in" + std::to_string(r));
                gridtest::Key_Into_Cell(FEtherCATSlave->GSG_SlaveMaster, 5, r, std::to_string(r));
            }
            gridtest::Key_Into_Cell(FEtherCATSlave->GSG_SlaveMaster, 3, 10, "12");
            FEtherCATSlave->PageControl1->SetActivePage(FEtherCATSlave->TS_MasterToSlave);
            for (int r = 1; r <= 10; ++r) {
                gridtest::Type_Into_Cell(FEtherCATSlave->GSG_MasterSlave, 2, r, types[10 - r]);
                gridtest::Key_Into_Cell(FEtherCATSlave->GSG_MasterSlave, 4, r, "out" + std::to_string(r));
            }
            FEtherCATSlave->Btn_OK->Click();
        });
    script.Then(
        "step 4", [] { return !FEtherCATSlave->Modal(); }, [] { FBrevandoreFirmWare->Btn_EtherNetIP_Access->Click(); });
    script.Then(
        "EtherNet/IP connections", [] { return FEtherNetIP_Master_Access->Modal(); },
        [] {
            const char* typed[] = {"127.0.0.1", "0",   "8", "0",   "4",       "100",
                                   "1",         "100", "1", "101", "Default", "Default"};
            for (int c = 2; c <= 13; ++c)
                (c >= 12 ? gridtest::Type_Into_Cell : gridtest::Key_Into_Cell)(FEtherNetIP_Master_Access->ACG, c, 1,
                                                                               typed[c - 2]);
            FEtherNetIP_Master_Access->Btn_Import_EDS->Click();
        });
    script.Then(
        "EDS list", [] { return FEtherNEtIP_EDS->Modal(); },
        [] {
            EXPECT_EQ(FEtherNEtIP_EDS->ACG->RowCount(), 4);
            FEtherNEtIP_EDS->ACG->SetRow(2);
            FEtherNEtIP_EDS->Btn_OK->Click();
        });
    script.Then(
        "imported connection", [] { return !FEtherNEtIP_EDS->Modal(); },
        [] {
            const char* typed[] = {"127.0.0.2", "8", "4", "4", "4", "50"};
            for (int c = 2; c <= 7; ++c)
                gridtest::Key_Into_Cell(FEtherNetIP_Master_Access->ACG, c, 2, typed[c - 2]);
            EXPECT_EQ(FEtherNetIP_Master_Access->ACG->Cells(11, 2), "152");
            FEtherNetIP_Master_Access->Btn_OK->Click();
        });
    script.Then(
        "ESI file and Update Device", [] { return !FEtherNetIP_Master_Access->Modal(); },
        [&] {
            FBrevandoreFirmWare->Btn_EtherCAT_ESI_File->Click();
            FBrevandoreFirmWare->Btn_CreateBin->Click();
        });
    script.Then(
        "update dialog", [] { return FBoot->Modal(); },
        [&] {
            // Record what the launcher reports; the program itself does not look at it.
            FBoot->Start_Program = [&](const std::string& program, const std::string& parameter, bool hidden) {
                updater = Start_Program(program, parameter, hidden);
            };
            for (auto [edit, text] :
                 {std::pair{FBoot->E_IP1, "127"}, {FBoot->E_IP2, "0"}, {FBoot->E_IP3, "0"}, {FBoot->E_IP4, "1"}})
                edit->SetText(text);
            FBoot->Btn_Update->Click();
            FBoot->Btn_Cancel->Click();
        });
    script.Then(
        "close", [] { return !FBoot->Modal(); }, [] { FBrevandoreFirmWare->Btn_Close->Click(); });

    EXPECT_EQ(folder.Run(), 0);
    EXPECT_TRUE(script.Finished()) << "stuck at: " << script.Stuck();
    EXPECT_EQ(refused, 5u);  // Set Communication, EtherCAT, EtherNet/IP, ESI, Update Device
    EXPECT_TRUE(dialogs.FileAnswers.empty());

    const fs::path project = folder.dir / "PROJECTS" / "demo";
    EXPECT_TRUE(fs::exists(esi.string() + ".xml"));
    Expect_Valid_Esi(esi.string() + ".xml");
    EXPECT_EQ(fs::file_size(project / "bin" / "bank1.bin"), 2048u);
    EXPECT_GT(fs::file_size(project / "bin" / "bank2.bin"), 0u);
    // bank2: the two connections' addresses in the first two records, the variables' names after
    // the EtherCAT entries.
    std::string bank2;
    {
        std::ifstream in(project / "bin" / "bank2.bin", std::ios::binary);
        bank2.assign(std::istreambuf_iterator<char>(in), {});
    }
    // The connection table: one 32-byte record per connection, the typed one first.
    ASSERT_GE(bank2.size(), 552u + 20u * 36u);
    struct Connection {
        std::string ip;
        unsigned startIn, numIn, startOut, numOut, instTO, pointTO, instOT, pointOT, poll, headers;
    };
    const Connection connections[] = {
        {std::string("\x7F\x00\x00\x01", 4), 0, 8, 0, 4, 1, 100, 1, 101, 100, 0 | 4 << 3},
        // From the EDS file's second connection: instance 151, points 100 and 152, O > T header 3.
        {std::string("\x7F\x00\x00\x02", 4), 8, 4, 4, 4, 151, 100, 151, 152, 50, 0 | 3 << 3},
    };
    for (std::size_t k = 0; k < 2; ++k) {
        const Connection& c = connections[k];
        const std::size_t at = 32 * k;
        EXPECT_EQ(bank2.substr(at, 4), c.ip) << k;
        const unsigned got[] = {U16(bank2, at + 4),  U16(bank2, at + 6),  U16(bank2, at + 10), U16(bank2, at + 12),
                                U16(bank2, at + 16), U16(bank2, at + 18), U16(bank2, at + 20), U16(bank2, at + 22),
                                U32(bank2, at + 24), U32(bank2, at + 28)};
        const unsigned want[] = {c.startIn, c.numIn,  c.startOut, c.numOut, c.instTO,
                                 c.pointTO, c.instOT, c.pointOT,  c.poll,   c.headers};
        for (std::size_t f = 0; f < std::size(want); ++f)
            EXPECT_EQ(got[f], want[f]) << "connection " << k << ", field " << f;
    }
    EXPECT_EQ(U32(bank2, 64 + 0), 0u) << "no third connection";
    // The EtherCAT section after the 512-byte table: a 40-byte header (entry count at 32), then one
    // 36-byte entry per enabled variable, slave to master first; the names after the entries.
    EXPECT_EQ(U32(bank2, 512 + 32), 20u);
    const unsigned codes[] = {1, 1, 1, 2, 3, 6, 4, 7, 8, 9};  // Bool ... String, as typed
    const unsigned lengths[] = {1, 1, 1, 1, 2, 2, 4, 4, 4, 12};
    for (unsigned k = 0; k < 20; ++k) {
        const std::size_t at = 552 + 36 * k;
        const unsigned i = k < 10 ? k : 19 - k;  // the outputs were typed in the reverse type order
        const unsigned length = k < 10 ? lengths[i] : (i == 9 ? 10 : lengths[i]);
        EXPECT_EQ(static_cast<unsigned char>(bank2[at]), codes[i]) << "entry " << k;
        EXPECT_EQ(static_cast<unsigned char>(bank2[at + 1]), length) << "entry " << k;
        EXPECT_EQ(static_cast<unsigned char>(bank2[at + 2]), k < 10 ? 1u : 0u) << "entry " << k;
        const std::string name = (k < 10 ? "in" + std::to_string(k + 1) : "out" + std::to_string(k - 9));
        EXPECT_EQ(U32(bank2, at + 28), name.size()) << "entry " << k;
    }
    for (const char* name : {"in1", "in10", "out1", "out10"})
        EXPECT_TRUE(Contains(bank2, 552 + 512 * 36, bank2.size(), name)) << name;
    EXPECT_NE(Read_File_Text(esi.string() + ".xml").find("out10"), std::string::npos);

    xml::Document job;
    job.LoadFromFile(folder.dir / "Ethernet_Update.xml");
    EXPECT_EQ(job.DocumentElement().ChildByName("IP_Address_Dev").Text(), "127.0.0.1");
    std::vector<std::string> files;
    for (const xml::Element& op : job.DocumentElement().ChildByName("Operations").Children("Operation"))
        files.push_back(op.ChildByName("Ope_FileName").Text().value_or(""));
    EXPECT_EQ(files, (std::vector<std::string>{(folder.dir / "MASTER" / "Sim58E26.sim").string(),
                                               (project / "bin" / "bank1.bin").string(),
                                               (project / "bin" / "bank2.bin").string()}));
    EXPECT_EQ(updater.outcome, sys::RunOutcome::Ended);
    EXPECT_EQ(updater.exitCode, 0);

    // The settings written at exit name the configuration and the address reached.
    xml::Document settings;
    settings.LoadFromFile(folder.dir / "Brevandor.xml");
    EXPECT_EQ(settings.DocumentElement().ChildByName("lastproj").ChildByName("projectname").Text(), "demo");
    EXPECT_EQ(settings.DocumentElement().ChildByName("lastipadd").ChildByName("ipaddress").Text(), "127.0.0.1");
    EXPECT_EQ(FBrevandoreFirmWare, nullptr);
}

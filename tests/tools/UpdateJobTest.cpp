#include "UpdateJob.h"

#include <gtest/gtest.h>

#include "ScratchDir.h"
#include "core/USaveBincc.h"

#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <regex>

namespace fs = std::filesystem;

namespace {

// Stores the byte sum of bytes 0..2043 at 2044, as the compiler does.
void SetChecksum(std::vector<std::uint8_t>& image)
{
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < 2044; ++i)
        sum += image[i];
    for (int b = 0; b < 4; ++b)
        image[2044 + b] = static_cast<std::uint8_t>(sum >> (8 * b));
}

// bank1.bin and bank2.bin as the configurator compiles them from a configuration with the given
// variable rows (slave to master) and connection rows.
struct BankPair {
    std::vector<std::uint8_t> bank1, bank2;
};

BankPair Compile(const fs::path& folder, const std::string& variables, const std::string& connections)
{
    testsupport::WriteFile(folder / "EtherCAT_Slave.xml",
                           "<EtherCAT_Slave><EtherCAT_Slave_Variables><EtherCAT_Slave_To_Master>" + variables +
                               "</EtherCAT_Slave_To_Master><EtherCAT_Master_To_Slave/></EtherCAT_Slave_Variables>"
                               "</EtherCAT_Slave>");
    testsupport::WriteFile(folder / "EtherNetIP_Master_Rules.xml", "<Rules>" + connections + "</Rules>");
    auto storage = std::make_unique<core::TBankStorage>();
    core::Build_Banks(*storage,
                      {folder / "ParGen.xml", folder / "EtherCAT_Slave.xml", folder / "EtherNetIP_Master_Rules.xml"});
    return {storage->Bank1.Bytes(), storage->Bank2.Bytes()};
}

const std::string kVariables = R"(<row Enable="Y" Type="Int16" Name="speed"/><row Enable="Y" Type="Bool" Name=""/>)";
const std::string kConnections = R"(<row Enable="Y" IP_Address="127.0.0.2" Num_Input="10" Num_Output="4"/>)"
                                 R"(<row Enable="Y" IP_Address="127.0.0.3" Num_Input="6"/>)";

void WriteFile(const fs::path& p, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream out(p, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void WriteText(const fs::path& p, const std::string& text)
{
    std::ofstream out(p, std::ios::binary);
    out << text;
}

std::string Operation(const fs::path& file, const char* address, const char* bank, const char* goApp)
{
    return std::string("<Operation><Ope_Protection_Enabled/><Ope_GoToBoot_Before>0</Ope_GoToBoot_Before>"
                       "<Ope_GoToApp_Before>0</Ope_GoToApp_Before><Ope_IP_Address/><Ope_Port>2008</Ope_Port>"
                       "<Ope_Port_Sec>2007</Ope_Port_Sec><Ope_Erase_Memory>0</Ope_Erase_Memory><Ope_FileName>") +
           file.string() + "</Ope_FileName><Ope_Start_Address>" + address +
           "</Ope_Start_Address><Ope_Memory_Type>0</Ope_Memory_Type><Ope_Bank_Type>" + bank +
           "</Ope_Bank_Type><Ope_Read_Back>1</Ope_Read_Back><Ope_Write_CSS>0</Ope_Write_CSS>"
           "<Ope_Address_CSS>0x07A00</Ope_Address_CSS><Ope_Command_CSS>0x02</Ope_Command_CSS>"
           "<Ope_Write_Internal_Data>0</Ope_Write_Internal_Data><Ope_WID_Address>0x07810</Ope_WID_Address>"
           "<Ope_WID_Command>0x02</Ope_WID_Command><Ope_WID_Data>0x00, 0x00, 0x00, 0x01</Ope_WID_Data>"
           "<Ope_GoToApp_After>" +
           goApp + "</Ope_GoToApp_After></Operation>";
}

class UpdateJobTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        pair = Compile(dir, kVariables, kConnections);
        WriteFile(dir / "bank1.bin", pair.bank1);
        WriteFile(dir / "bank2.bin", pair.bank2);
    }

    std::string Job() const
    {
        return "<Ethernet_Update><Version>1000</Version><Title>example.com - SW58E26 Ethernet Update</Title>"
               "<IP_Address_Dev>127.0.0.1</IP_Address_Dev><Application_Port>10000</Application_Port>"
               "<Boot_Port>2008</Boot_Port><Boot_Port_Sec>2007</Boot_Port_Sec>"
               "<Address_Protection>0x07800</Address_Protection><Protections><Protection>0x448</Protection>"
               "</Protections><Operations>" +
               Operation(dir / "bank1.bin", "0x07000", "2", "0") + Operation(dir / "bank2.bin", "0x80000", "2", "1") +
               "</Operations></Ethernet_Update>";
    }

    updater::CheckResult Check(const std::string& text)
    {
        WriteText(dir / "Ethernet_Update.xml", text);
        return updater::CheckJobFile(dir / "Ethernet_Update.xml");
    }

    testsupport::ScratchDir scratch{"upd"};
    fs::path dir = scratch.Path();
    BankPair pair;
};

TEST_F(UpdateJobTest, AcceptsConfigurationJobAndDescribesTransfer)
{
    const auto result = Check(Job());
    ASSERT_TRUE(result.ok()) << result.errors.front();
    ASSERT_EQ(result.job.operations.size(), 2u);
    EXPECT_EQ(result.job.operations[0].fileSize, 2048u);
    const auto lines = updater::DescribeTransfer(result.job);
    EXPECT_NE(lines[2].find("to 0x07000, bank type 2, read back"), std::string::npos);
    EXPECT_NE(lines[3].find("then start the application"), std::string::npos);
}

TEST_F(UpdateJobTest, RefusesFaultyJobs)
{
    struct Case {
        const char* name;
        std::function<void(std::string&, const fs::path&)> spoil;
        const char* error;
    };
    auto replace = [](std::string& s, const std::string& from, const std::string& to) {
        s.replace(s.find(from), from.size(), to);
    };
    const std::vector<Case> cases = {
        {"not xml", [](std::string& s, const fs::path&) { s = "<Ethernet_Update>"; }, "cannot read"},
        {"wrong root",
         [&](std::string& s, const fs::path&) {
             replace(s, "<Ethernet_Update>", "<Job>");
             replace(s, "</Ethernet_Update>", "</Job>");
         },
         "root element is <Job>"},
        {"version", [&](std::string& s, const fs::path&) { replace(s, ">1000<", ">999<"); }, "unsupported job version"},
        {"address", [&](std::string& s, const fs::path&) { replace(s, "127.0.0.1", "127.0.0.256"); },
         "not a dotted IPv4"},
        {"missing element", [&](std::string& s, const fs::path&) { replace(s, "<Boot_Port>2008</Boot_Port>", ""); },
         "expected <Boot_Port>"},
        {"operation element",
         [&](std::string& s, const fs::path&) { replace(s, "<Ope_Memory_Type>0</Ope_Memory_Type>", ""); },
         "operation 1: expected <Ope_Memory_Type>"},
        {"no operations",
         [&](std::string& s, const fs::path&) {
             s = s.substr(0, s.find("<Operations>")) + "<Operations/></Ethernet_Update>";
         },
         "holds no <Operation>"},
        {"missing image", [](std::string&, const fs::path& d) { fs::remove(d / "bank2.bin"); },
         "operation 2: image not found"},
        {"short bank1",
         [](std::string&, const fs::path& d) {
             WriteFile(d / "bank1.bin", {1, 2, 3});
         },
         "3 bytes, not 2048"},
        {"bank1 checksum",
         [&](std::string&, const fs::path& d) {
             auto img = pair.bank1;
             img[10] ^= 1;
             WriteFile(d / "bank1.bin", img);
         },
         "checksum is wrong"},
    };
    for (const Case& c : cases) {
        SetUp();
        std::string text = Job();
        c.spoil(text, dir);
        const auto result = Check(text);
        ASSERT_FALSE(result.ok()) << c.name;
        bool found = false;
        for (const auto& e : result.errors)
            found |= e.find(c.error) != std::string::npos;
        EXPECT_TRUE(found) << c.name << ": " << result.errors.front();
    }
}

TEST_F(UpdateJobTest, RefusesBankImagesThatAreNotOnePair)
{
    testsupport::ScratchDir other{"upd-other"};
    struct Case {
        const char* name;
        std::function<void(BankPair&)> spoil;
        const char* error;
    };
    const Case cases[] = {
        {"bank2 of a build with other connections",
         [&](BankPair& p) {
             p.bank2 =
                 Compile(other.Path(), kVariables, R"(<row Enable="Y" IP_Address="127.0.0.2" Num_Input="9"/>)").bank2;
         },
         "bank1 describes 2 connections with 16 input and 4 output bytes; bank2 holds 9 and 0"},
        {"bank1 of a build without connections",
         [&](BankPair& p) { p.bank1 = Compile(other.Path(), kVariables, "").bank1; },
         "bank2 holds more connections than the 0 bank1 describes"},
        {"bank2 cut short", [](BankPair& p) { p.bank2.pop_back(); },
         "bank2 has 18990 bytes, but its 2 EtherCAT entries make 18991"},
        {"bank2 one byte longer", [](BankPair& p) { p.bank2.push_back(0); }, "bank2 has 18992 bytes"},
        {"bank2 shorter than its tables", [](BankPair& p) { p.bank2.resize(512); }, "bank2 has 512 bytes, not 18985"},
        {"bank2 of another layout", [](BankPair& p) { p.bank2.assign(18985, 0); },
         "bank2's entry table lies at 0x0, bank1 places it at 0x80228"},
        {"bank1 places the tables elsewhere",
         [](BankPair& p) {
             p.bank1[1776 + 2] = 0x09;
             SetChecksum(p.bank1);
         },
         "the EtherCAT section at 0x90200, but bank2 goes to 0x80000"},
        {"bank1 counts more connections than a table holds",
         [](BankPair& p) {
             p.bank1[1552] = 11;
             SetChecksum(p.bank1);
         },
         "bank1 describes 11 connections, more than 10"},
        {"bank2 holds a connection bank1 does not count",
         [](BankPair& p) {
             p.bank2[2 * 32] = 127;  // a third record's address
         },
         "bank2 holds more connections than the 2 bank1 describes"},
    };
    for (const Case& c : cases) {
        BankPair p = pair;
        c.spoil(p);
        WriteFile(dir / "bank1.bin", p.bank1);
        WriteFile(dir / "bank2.bin", p.bank2);
        const auto result = Check(Job());
        ASSERT_FALSE(result.ok()) << c.name;
        bool found = false;
        for (const auto& e : result.errors) {
            EXPECT_EQ(e.find("bank1 and bank2 are not one pair: "), 0u) << c.name << ": " << e;
            found |= e.find(c.error) != std::string::npos;
        }
        EXPECT_TRUE(found) << c.name << ": " << result.errors.front();
    }
}

TEST_F(UpdateJobTest, ProgramReadsJobBesideItselfAndExitsWithVerdict)
{
    const fs::path program = dir / "Ethernet_Update";
    fs::copy_file(fs::path(CFG_BIN_DIR) / "Ethernet_Update", program);
    // Without a display: the verdict goes to the output only.
    const std::string command =
        "env -u DISPLAY -u WAYLAND_DISPLAY " + program.string() + " > " + (dir / "out.txt").string();

    WriteText(dir / "Ethernet_Update.xml", Job());
    EXPECT_EQ(std::system(command.c_str()), 0);

    WriteFile(dir / "bank1.bin", {0});
    EXPECT_EQ(WEXITSTATUS(std::system(command.c_str())), 1);
    std::ifstream in(dir / "out.txt");
    std::string out((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(out.find("refused"), std::string::npos);
}

}  // namespace

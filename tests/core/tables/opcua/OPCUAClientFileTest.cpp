// OPC_UA_Client.xml, the client's data check and its automatic positions, without the window.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <functional>
#include <string>

#include "CaseName.h"
#include "ScratchDir.h"
#include "common/ULanguage.h"
#include "core/tables/opcua/OPCUAClientFile.h"

namespace {

using namespace tables::opcua;
using testsupport::ReadFile;
using testsupport::ScratchDir;
using testsupport::WriteFile;

TOPC_UA_Variable Var(const std::string& name, const std::string& type, const std::string& position)
{
    TOPC_UA_Variable v;
    v.Enable = true;
    v.DispalyName = name;
    v.SetVarType(type);
    v.VarArray = "Variable";
    v.Start = v.Len = "0";
    v.Time = "100";
    v.Position = position;
    v.OnChange = v.OnCMD = v.OnTimer = "N";
    return v;
}

TOPC_UA_Server Server(const std::string& address)
{
    TOPC_UA_Server s;
    s.Enable = true;
    s.ServerAddress = address;
    s.Authorization = "Certificate";
    s.Certificate = "-----BEGIN CERTIFICATE-----\nMIIB\r\n-----END CERTIFICATE-----";
    s.PrivateKey = "key\tline";
    s.SecurityType = "Sign";
    s.SecurityPolicy = "Basic 256";
    return s;
}

TEST(OpcUaClientFile, RoundTripKeepsEveryField)
{
    TOPC_UA_Server_List servers = {Server("opc.tcp://127.0.0.1:4840"), Server("opc.tcp://127.0.0.1:4841")};
    servers[1].Enable = false;
    servers[1].Authorization = "Username and Password";
    servers[1].UserName = "op\xC3\xA9rateur";
    servers[1].Password = "p\"w<d>&";
    TOPC_UA_Variable guid = Var("Guid var", "Guid", "3");
    guid.SetNodeType("Guid");
    guid.SetNodeID("1A2B3C4D-ABCD-0102-DEAD-BEEF00010203");
    guid.nameSpaceIndex = 65535;
    TOPC_UA_Variable big = Var("Big", "UInt32", "7");
    big.SetNodeID("4294967295");
    big.VarArray = "Array";
    big.Start = "2";
    big.Len = "5";
    servers[0].Var_List_R = {guid, big};
    TOPC_UA_Variable w = Var("Out", "Int16", "9");
    w.SetNodeType("String");
    w.SetNodeID("Line.Out");
    w.OnChange = "Y";
    w.OnTimer = "Y";
    w.Enable = false;
    servers[1].Var_List_W = {w};

    ScratchDir dir;
    const auto file = dir / "OPC_UA_Client.xml";
    Save_OPC_UA_Client(file, servers);
    const TClient_Read read = Load_OPC_UA_Client(file);
    EXPECT_EQ(read.Note, "");
    ASSERT_EQ(read.Servers.size(), 2u);
    EXPECT_EQ(Client_File_Text(read.Servers), ReadFile(file));
    const TOPC_UA_Server& b = read.Servers[1];
    EXPECT_FALSE(b.Enable);
    EXPECT_EQ(b.UserName, "op\xC3\xA9rateur");
    EXPECT_EQ(b.Password, "p\"w<d>&");
    EXPECT_EQ(read.Servers[0].Certificate, servers[0].Certificate);  // line breaks kept
    EXPECT_EQ(read.Servers[0].PrivateKey, "key\tline");
    const TOPC_UA_Variable& g = read.Servers[0].Var_List_R[0];
    EXPECT_EQ(g.NodeID(), "1A2B3C4D-ABCD-0102-DEAD-BEEF00010203");
    EXPECT_EQ(g.nameSpaceIndex, 65535);
    EXPECT_EQ(read.Servers[0].Var_List_R[1].numeric, 4294967295u);
    EXPECT_EQ(read.Servers[0].Var_List_R[1].VarArray, "Array");
    // A write variable is stored as "Var", "0", "0"; its flags as 1 and 0.
    const TOPC_UA_Variable& wr = b.Var_List_W[0];
    EXPECT_FALSE(wr.Enable);
    EXPECT_EQ(wr.VarArray + wr.Start + wr.Len, "Var00");
    EXPECT_EQ(wr.OnChange + wr.OnCMD + wr.OnTimer, "YNY");
    EXPECT_EQ(wr.NodeID(), "Line.Out");
}

TEST(OpcUaClientFile, LayoutHasNoCommentAndIsReadableByTheOwnerOnly)
{
    ScratchDir dir;
    const auto file = dir / "OPC_UA_Client.xml";
    WriteFile(file, "old");
    ::chmod(file.c_str(), 0644);  // a file of an earlier version, readable by all
    TOPC_UA_Server s = Server("a");
    s.Var_List_R = {Var("R", "Int32", "0")};
    Save_OPC_UA_Client(file, {s});
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
    EXPECT_EQ(ReadFile(file),
              "<OPC_UA_Client><OPC_UA_Server_List><OPC_UA_Server Enable=\"1\" ServerAddress=\"a\" "
              "Authorization=\"Certificate\" UserName=\"\" Password=\"\" Certificate=\"-----BEGIN "
              "CERTIFICATE-----&#10;MIIB&#13;&#10;-----END CERTIFICATE-----\" PrivateKey=\"key&#09;line\" "
              "SecurityType=\"Sign\" SecurityPolicy=\"Basic 256\" Mnemonic=\"\"><OPC_UA_Variables><OPC_UA_Read_Var>"
              "<Variable Enable=\"1\" DisplayName=\"R\" NodeType=\"Numeric\" NodeID=\"0\" VarType=\"Int32\" "
              "NameSpaceIndex=\"0\" VarArray=\"Variable\" Start=\"0\" Length=\"0\" OnChange=\"0\" OnCMD=\"0\" "
              "OnTimer=\"0\" Time=\"100\" Position=\"0\" Mnemonic=\"\"/></OPC_UA_Read_Var><OPC_UA_Write_Var/>"
              "</OPC_UA_Variables></OPC_UA_Server></OPC_UA_Server_List></OPC_UA_Client>");
}

TEST(OpcUaClientFile, GuardedAttributesTakeTheirFallbacks)
{
    ScratchDir dir;
    const auto file = dir / "c.xml";
    WriteFile(file,
              "<OPC_UA_Client><OPC_UA_Server_List><OPC_UA_Server ServerAddress=\"a\" Authorization=\"\" UserName=\"\" "
              "Password=\"\" Certificate=\"\" PrivateKey=\"\" SecurityType=\"\" SecurityPolicy=\"\" Mnemonic=\"\">"
              "<OPC_UA_Variables><OPC_UA_Read_Var><Variable DisplayName=\"x\" NodeType=\"Numeric\" NodeID=\"1\" "
              "VarType=\"Int16\" NameSpaceIndex=\"2\" Time=\"1\" Position=\"0\" Mnemonic=\"\"/></OPC_UA_Read_Var>"
              "<OPC_UA_Write_Var/></OPC_UA_Variables></OPC_UA_Server></OPC_UA_Server_List></OPC_UA_Client>");
    const TClient_Read read = Load_OPC_UA_Client(file);
    EXPECT_EQ(read.Note, "");
    ASSERT_EQ(read.Servers.size(), 1u);
    EXPECT_FALSE(read.Servers[0].Enable);
    const TOPC_UA_Variable& v = read.Servers[0].Var_List_R.at(0);
    EXPECT_FALSE(v.Enable);
    EXPECT_EQ(v.VarArray + "," + v.Start + "," + v.Len, "Variable,0,0");
    EXPECT_EQ(v.OnChange + v.OnCMD + v.OnTimer, "NNN");
}

struct BadFileCase {
    std::string what;
    std::string text;
    std::size_t servers;    // servers read
    std::string noteHolds;  // part of the note
};

class OpcUaClientBadFile : public ::testing::TestWithParam<BadFileCase> {};

TEST_P(OpcUaClientBadFile, GivesANoteAndWhatCouldBeRead)
{
    ScratchDir dir;
    const auto file = dir / "OPC_UA_Client.xml";
    WriteFile(file, GetParam().text);
    const TClient_Read read = Load_OPC_UA_Client(file);
    EXPECT_EQ(read.Servers.size(), GetParam().servers);
    EXPECT_NE(read.Note.find(GetParam().noteHolds), std::string::npos) << read.Note;
    EXPECT_NE(read.Note.find(file.string()), std::string::npos);
    EXPECT_EQ(ReadFile(file), GetParam().text);
}

const std::string Full_Server = "<OPC_UA_Server Enable=\"1\" ServerAddress=\"a\" Authorization=\"\" UserName=\"\" "
                                "Password=\"\" Certificate=\"\" PrivateKey=\"\" SecurityType=\"\" "
                                "SecurityPolicy=\"\" Mnemonic=\"\">";

const BadFileCase Bad_Files[] = {
    BadFileCase{"not well formed", "<OPC_UA_Client><OPC_UA_Server_List>", 0, "cannot be read"},
    BadFileCase{"another root", "<Client/>", 0, "OPC_UA_Client: the file has no section"},
    BadFileCase{"no server list", "<OPC_UA_Client/>", 0, "OPC_UA_Client/OPC_UA_Server_List"},
    BadFileCase{"a server without an address keeps the servers before it",
                "<OPC_UA_Client><OPC_UA_Server_List>" + Full_Server + "</OPC_UA_Server><OPC_UA_Server Enable=\"1\"/>" +
                    Full_Server + "</OPC_UA_Server></OPC_UA_Server_List></OPC_UA_Client>",
                1, "Row 2 has no attribute ServerAddress"},
    BadFileCase{"a server without variables",
                "<OPC_UA_Client><OPC_UA_Server_List>" + Full_Server +
                    "</OPC_UA_Server></OPC_UA_Server_List></OPC_UA_Client>",
                1, "OPC_UA_Server 1/OPC_UA_Variables"},
    BadFileCase{"a variable without its identifier keeps its server",
                "<OPC_UA_Client><OPC_UA_Server_List>" + Full_Server +
                    "<OPC_UA_Variables><OPC_UA_Read_Var><Variable DisplayName=\"x\" NodeType=\"Numeric\"/>"
                    "</OPC_UA_Read_Var></OPC_UA_Variables></OPC_UA_Server></OPC_UA_Server_List></OPC_UA_Client>",
                1, "Row 1 has no attribute NodeID"},
    BadFileCase{"a namespace index that is not a number",
                "<OPC_UA_Client><OPC_UA_Server_List>" + Full_Server +
                    "<OPC_UA_Variables><OPC_UA_Read_Var><Variable DisplayName=\"x\" NodeType=\"Numeric\" "
                    "NodeID=\"1\" VarType=\"Int16\" NameSpaceIndex=\"70000\" Time=\"1\" Position=\"0\" "
                    "Mnemonic=\"\"/></OPC_UA_Read_Var><OPC_UA_Write_Var/></OPC_UA_Variables></OPC_UA_Server>"
                    "</OPC_UA_Server_List></OPC_UA_Client>",
                1, "Name Space Index \"70000\""}};

INSTANTIATE_TEST_SUITE_P(Files, OpcUaClientBadFile, ::testing::ValuesIn(Bad_Files), testsupport::kNameByWhat);

TEST(OpcUaClientFile, TenThousandServersAreRead)
{
    ScratchDir dir;
    const auto file = dir / "c.xml";
    TOPC_UA_Server_List many(10000, Server("opc.tcp://127.0.0.1"));
    Save_OPC_UA_Client(file, many);
    const TClient_Read read = Load_OPC_UA_Client(file);
    EXPECT_EQ(read.Note, "");
    EXPECT_EQ(read.Servers.size(), 10000u);
}

TEST(OpcUaClientFile, MissingFileGivesNoServer)
{
    ScratchDir dir;
    const TClient_Read read = Load_OPC_UA_Client(dir / "none.xml");
    EXPECT_TRUE(read.Servers.empty());
    EXPECT_EQ(read.Note, "");
}

// --- the data check -------------------------------------------------------------------------------

struct CheckCase {
    std::string what;
    bool write;
    std::function<void(TOPC_UA_Variable&)> change;
    std::string message;  // empty: passes
};

class OpcUaClientCheck : public ::testing::TestWithParam<CheckCase> {};

// Server 2's second variable is the one changed; everything else passes.
TEST_P(OpcUaClientCheck, FirstBrokenRuleNamesServerAndVariable)
{
    TOPC_UA_Server_List servers = {Server("a"), Server("b")};
    for (TOPC_UA_Server& s : servers) {
        s.Var_List_R = {Var("r1", "Int16", "0"), Var("r2", "Int16", "2")};
        s.Var_List_W = {Var("w1", "Int16", "0"), Var("w2", "Int16", "2")};
    }
    TOPC_UA_Variable& v = GetParam().write ? servers[1].Var_List_W[1] : servers[1].Var_List_R[1];
    GetParam().change(v);
    const auto fault = Controllo_Dati(servers);
    EXPECT_EQ(fault ? fault->Message : "", GetParam().message);
}

const std::string R = "Error in Server Number 2 in Read Variable 2!! ";
const std::string W = "Error in Server Number 2 in Write Variable 2!! ";

const CheckCase Check_Cases[] = {
    CheckCase{"a valid read variable", false, [](TOPC_UA_Variable&) {}, ""},
    CheckCase{"a read variable without a name", false, [](TOPC_UA_Variable& v) { v.DispalyName.clear(); },
              R + "Display Name cannot be empty"},
    CheckCase{"a write variable without a name", true, [](TOPC_UA_Variable& v) { v.DispalyName.clear(); },
              W + "Display Name cannot be empty"},
    CheckCase{"numeric id not a number", false, [](TOPC_UA_Variable& v) { v.SetNodeID("abc"); },
              R + "Node ID must be a number between 0 and 4294967295"},
    CheckCase{"numeric id negative in write", true, [](TOPC_UA_Variable& v) { v.SetNodeID("-1"); },
              W + "Node ID must be a number between 0 and 4294967295"},
    CheckCase{"var array empty", false, [](TOPC_UA_Variable& v) { v.VarArray = " "; }, R + "Var/Array cannot be empty"},
    CheckCase{"start of a numeric variable is not tested", false, [](TOPC_UA_Variable& v) { v.Start = "x"; }, ""},
    CheckCase{"start of a string", false,
              [](TOPC_UA_Variable& v) {
                  v.SetVarType("String");
                  v.Start = "x";
              },
              R + "Start byte is Wrong"},
    CheckCase{"length of a byte string", false,
              [](TOPC_UA_Variable& v) {
                  v.SetVarType("ByteString");
                  v.Len = "-1";
              },
              R + "Length is Wrong"},
    CheckCase{"a string array", false,
              [](TOPC_UA_Variable& v) {
                  v.SetVarType("String");
                  v.VarArray = "array";
              },
              R + "The String and ByteString cannot be Array"},
    CheckCase{"start of an array", false,
              [](TOPC_UA_Variable& v) {
                  v.VarArray = "Array";
                  v.Start = "";
              },
              R + "Start byte is Wrong"},
    CheckCase{"length of an array", false,
              [](TOPC_UA_Variable& v) {
                  v.VarArray = "Array";
                  v.Len = "y";
              },
              R + "Length is Wrong"},
    CheckCase{"read time empty", false, [](TOPC_UA_Variable& v) { v.Time = ""; }, R + "Time cannot be empty"},
    CheckCase{"read time zero", false, [](TOPC_UA_Variable& v) { v.Time = "0"; }, R + "Time must be major to 0"},
    CheckCase{"read position empty", false, [](TOPC_UA_Variable& v) { v.Position = " "; },
              R + "Position cannot be empty"},
    CheckCase{"read position 1499 passes", false, [](TOPC_UA_Variable& v) { v.Position = "1499"; }, ""},
    CheckCase{"read position 1500", false, [](TOPC_UA_Variable& v) { v.Position = "1500"; },
              R + "Position must be between 0 and 1499"},
    CheckCase{"write time without timer is not tested", true, [](TOPC_UA_Variable& v) { v.Time = ""; }, ""},
    CheckCase{"write time empty with timer", true,
              [](TOPC_UA_Variable& v) {
                  v.OnTimer = "Y";
                  v.Time = "";
              },
              W + "Time cannot be empty"},
    CheckCase{"write time zero with timer", true,
              [](TOPC_UA_Variable& v) {
                  v.OnTimer = "Y";
                  v.Time = "0";
              },
              W + "Time must be major to 0"},
    CheckCase{"write position empty", true, [](TOPC_UA_Variable& v) { v.Position = ""; },
              W + "Position cannot be empty"},
    CheckCase{"write position negative", true, [](TOPC_UA_Variable& v) { v.Position = "-1"; },
              W + "Position must be between 0 and 1499"},
    CheckCase{"a disabled variable is not tested", true,
              [](TOPC_UA_Variable& v) {
                  v.Enable = false;
                  v.Position = "";
              },
              ""}};

INSTANTIATE_TEST_SUITE_P(Rules, OpcUaClientCheck, ::testing::ValuesIn(Check_Cases), testsupport::kNameByWhat);

TEST(OpcUaClientCheck, ReadBeforeWriteAndDisabledServersToo)
{
    TOPC_UA_Server_List servers = {Server("a")};
    servers[0].Enable = false;
    servers[0].Var_List_R = {Var("r", "Int16", "")};
    servers[0].Var_List_W = {Var("w", "Int16", "")};
    const auto fault = Controllo_Dati(servers);
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->Message, "Error in Server Number 1 in Read Variable 1!! Position cannot be empty");
}

TEST(OpcUaClientCheck, ATranslationWithBrokenPlaceholdersStillGivesItsMessage)
{
    TOPC_UA_Server_List servers = {Server("a")};
    servers[0].Var_List_R = {Var("r", "Int16", "-1")};
    Load_Default_Lang();
    Lang_List[4200] = "Server %d Variable %s: %d..%d %d %d";
    const auto fault = Controllo_Dati(servers);
    Load_Default_Lang();
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->Message, "Server 1 Variable 1: 1499..%d %d %d");
}

// --- automatic positions --------------------------------------------------------------------------

TEST(OpcUaAutoPosition, StartsAfterTheServerBefore)
{
    TOPC_UA_Server_List servers = {Server("a"), Server("b"), Server("c")};
    servers[0].Var_List_R = {Var("a", "Int32", "10"), Var("b", "Double", "0")};
    servers[0].Var_List_W = {Var("c", "Guid", "x")};  // not a number counts as 0
    servers[1].Var_List_R = {Var("d", "Boolean", ""), Var("e", "DateTime", ""), Var("f", "String", "")};
    servers[1].Var_List_W = {Var("g", "UInt16", "99"), Var("h", "Float", "")};
    servers[1].Var_List_R[1].Enable = false;  // disabled ones get positions too
    int readStart = -1, writeStart = -1;
    Start_Position(servers, 1, readStart, writeStart);
    EXPECT_EQ(readStart, 14);
    EXPECT_EQ(writeStart, 16);
    Auto_Position(servers, 1);
    EXPECT_EQ(servers[1].Var_List_R[0].Position + "," + servers[1].Var_List_R[1].Position + "," +
                  servers[1].Var_List_R[2].Position,
              "14,15,23");
    EXPECT_EQ(servers[1].Var_List_W[0].Position + "," + servers[1].Var_List_W[1].Position, "16,18");
    // The first server starts at 0 whatever the others hold; servers further back are not consulted.
    Auto_Position(servers, 0);
    EXPECT_EQ(servers[0].Var_List_R[0].Position + "," + servers[0].Var_List_R[1].Position, "0,4");
    Start_Position(servers, 2, readStart, writeStart);
    EXPECT_EQ(readStart, 43);  // String at 23 takes 20 bytes
    Start_Position(servers, -1, readStart, writeStart);
    EXPECT_EQ(readStart + writeStart, 0);
}

TEST(OpcUaAutoPosition, TypeSizes)
{
    const std::pair<const char*, int> cases[] = {{"boolean", 1},     {"UInt8", 1},    {"int16", 2}, {"Float", 4},
                                                 {"UINT64", 8},      {"DateTime", 8}, {"Guid", 16}, {"String", 20},
                                                 {"ByteString", 20}, {"Word", 0}};
    for (auto [type, size] : cases)
        EXPECT_EQ(GetLenVarType(type), size) << type;
}

}  // namespace

#include <gtest/gtest.h>

#include "BankFixture.h"
#include "CaseName.h"
#include "core/GeneralBank.h"
#include "core/ParGenFile.h"

using namespace core;
using namespace coretest;

using Bank1Golden = BankFixture;

TEST_F(Bank1Golden, WithoutParGen)
{
    EXPECT_TRUE(Same_Bytes(Bank1(), Load_Hex_Golden("bank1_no_pargen.hex")));
}

TEST_F(Bank1Golden, WithTheDialogsDefaultParGen)
{
    Write_ParGen_Settings(dir / "ParGen.xml", TParGenSettings{});
    EXPECT_TRUE(Same_Bytes(Bank1(), Load_Hex_Golden("bank1_default_pargen.hex")));
}

TEST_F(Bank1Golden, WithDnsOnDhcpAndGateway)
{
    Write_File(dir / "ParGen.xml", Read_Golden("pargen_dns_on.xml"));
    EXPECT_TRUE(Same_Bytes(Bank1(), Load_Hex_Golden("bank1_dns_on.hex")));
}

// One ParGen.xml key set and the bytes it must leave at one offset of bank1.
struct FieldCase {
    const char* what;
    std::string keys;
    std::size_t offset;
    std::vector<std::uint8_t> bytes;
};

[[maybe_unused]] static void PrintTo(const FieldCase& c, std::ostream* os)
{
    *os << c.what;
}

class Bank1Field : public BankFixture, public ::testing::WithParamInterface<FieldCase> {};

TEST_P(Bank1Field, StoresTheKeyAsSpecified)
{
    const auto& c = GetParam();
    ParGen(c.keys);
    const auto b = Bank1();
    EXPECT_EQ(Slice(b, c.offset, c.bytes.size()), c.bytes) << c.what;
    std::uint32_t sum = 0;
    for (std::size_t i = 0; i < 2044; ++i)
        sum += b[i];
    EXPECT_EQ(U32_At(b, 2044), sum) << "checksum after every field is in place";
}

const std::string Name20 = "ABCDEFGHIJKLMNOPQRST";
const std::string Name40 = Name20 + "abcdefghijklmnopqrst";

INSTANTIATE_TEST_SUITE_P(
    Keys, Bank1Field,
    ::testing::Values(
        FieldCase{"slave name cut to 15 characters",
                  "<EtherCAT_Slave_Name>" + Name20 + "</EtherCAT_Slave_Name>",
                  80,
                  {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', 'L', 'M', 'N', 'O', 0}},
        FieldCase{"device name cut to 31 characters",
                  "<Eth_Conn_Device_Name>" + Name40 + "</Eth_Conn_Device_Name>",
                  1328,
                  {'i', 'j', 'k', 0}},
        FieldCase{"a character beyond 0xFF gives the low 8 bits of its code unit",
                  "<EtherCAT_Slave_Name>x\xCE\xA9y</EtherCAT_Slave_Name>",
                  80,
                  {'x', 0xA9, 'y', 0}},
        FieldCase{"an empty slave name stays empty", "<EtherCAT_Slave_Name/>", 80, {0, 0}},
        FieldCase{"Wi-Fi DHCP sets bit 1", "<Eth_Conn_DHCP_WiFi>1</Eth_Conn_DHCP_WiFi>", 1256, {2, 0}},
        FieldCase{"flags are on only for exactly 1", "<Eth_Conn_DHCP_Cable> 1</Eth_Conn_DHCP_Cable>", 1256, {0, 0}},
        FieldCase{"DNS off leaves the DNS fields zero",
                  "<Eth_Conn_Enable_DNS>0</Eth_Conn_Enable_DNS><Eth_Conn_Primary_DNS1>1</Eth_Conn_Primary_DNS1>",
                  1420,
                  {0, 0, 0, 0}},
        FieldCase{"DNS on without its keys: primary 8.8.8.8",
                  "<Eth_Conn_Enable_DNS>1</Eth_Conn_Enable_DNS>",
                  1420,
                  {8, 8, 8, 8}},
        FieldCase{
            "octets: low 8 bits, hexadecimal, fallback, blanks around",
            "<EtherNetIP_Master_IP1>300</EtherNetIP_Master_IP1><EtherNetIP_Master_IP2>0x10</EtherNetIP_Master_IP2>"
            "<EtherNetIP_Master_IP3>abc</EtherNetIP_Master_IP3><EtherNetIP_Master_IP4> 7 </EtherNetIP_Master_IP4>",
            40,
            {44, 16, 0, 7}},
        FieldCase{
            "gateway enabled keeps its octets",
            "<EtherNetIP_Master_EN_GAT>1</EtherNetIP_Master_EN_GAT><EtherNetIP_Master_GAT4>9</EtherNetIP_Master_GAT4>",
            48,
            {192, 168, 0, 9}},
        FieldCase{"version text only when the file exists", "", 1644, {'1', '.', '0', '0', '0', 0, 0, 0}},
        FieldCase{"a file without the address keys: their fallbacks, not the block defaults",
                  "",
                  40,
                  {192, 168, 0, 5, 255, 255, 255, 0, 255, 255, 255, 255}},
        FieldCase{"gateway enabled without its keys",
                  "<EtherNetIP_Master_EN_GAT>1</EtherNetIP_Master_EN_GAT>",
                  48,
                  {192, 168, 0, 1}},
        FieldCase{
            "a file without the slave name key", "", 80, {'d', 'e', 'v', 'i', 'c', 'e', 'n', 'a', 'm', 'e', '1', 0}}),
    testsupport::kNameByWhat);

// The EtherCAT identity that ParGen.xml gives the header of the EtherCAT section.
struct BankIdentityCase {
    const char* what;
    std::string keys;
    std::vector<std::uint8_t> eeprom;  // 14 bytes
    std::uint16_t node;
    std::uint32_t revision;
};

[[maybe_unused]] static void PrintTo(const BankIdentityCase& c, std::ostream* os)
{
    *os << c.what;
}

class EtherCATIdentity : public BankFixture, public ::testing::WithParamInterface<BankIdentityCase> {};

TEST_P(EtherCATIdentity, FillsTheHeader)
{
    const auto& c = GetParam();
    ParGen(c.keys);
    const auto s = Build();
    const auto& h = s->EtherCAT_Bank_Header;
    EXPECT_EQ(std::vector<std::uint8_t>(h.Eeprom_Config.begin(), h.Eeprom_Config.end()), c.eeprom) << c.what;
    EXPECT_EQ(h.Node_Address, c.node) << c.what;
    EXPECT_EQ(h.Revision_Number, c.revision) << c.what;
    const auto& b2 = s->Bank2.Bytes();
    EXPECT_EQ(U16_At(b2, 512 + 14), c.node);
    EXPECT_EQ(U32_At(b2, 512 + 24), c.revision);
}

const std::vector<std::uint8_t> Default_Eeprom = {0x80, 0x0F, 0x00, 0xCC, 0x88, 0x13, 0xFF,
                                                  0x00, 0x00, 0x00, 0x00, 0x80, 0x00, 0x00};

INSTANTIATE_TEST_SUITE_P(
    Keys, EtherCATIdentity,
    ::testing::Values(
        BankIdentityCase{"fallbacks", "", Default_Eeprom, 1, 0},
        BankIdentityCase{"a pair that is not a byte is skipped",
                         "<EtherCAT_Slave_Eeprom_Config>0102G30405</EtherCAT_Slave_Eeprom_Config>",
                         {1, 2, 4, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                         1,
                         0},
        BankIdentityCase{"an odd digit count ends with a single digit",
                         "<EtherCAT_Slave_Eeprom_Config>ABC</EtherCAT_Slave_Eeprom_Config>",
                         {0xAB, 0x0C, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                         1,
                         0},
        BankIdentityCase{"an empty configuration stores nothing",
                         "<EtherCAT_Slave_Eeprom_Config></EtherCAT_Slave_Eeprom_Config>",
                         std::vector<std::uint8_t>(14, 0), 1, 0},
        BankIdentityCase{"a configuration longer than 14 bytes writes nothing beyond them",
                         "<EtherCAT_Slave_Eeprom_Config>0102030405060708090A0B0C0D0E0F10</EtherCAT_Slave_Eeprom_Config>"
                         "<EtherCAT_Slave_Node_Address>7</EtherCAT_Slave_Node_Address>",
                         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14},
                         7,
                         0},
        BankIdentityCase{"the largest revision the dialog accepts, in decimal",
                         "<EtherCAT_Slave_Revision_Number>4294967295</EtherCAT_Slave_Revision_Number>", Default_Eeprom,
                         1, 0xFFFFFFFF},
        BankIdentityCase{"a revision in hexadecimal",
                         "<EtherCAT_Slave_Revision_Number>$FFFFFFFF</EtherCAT_Slave_Revision_Number>", Default_Eeprom,
                         1, 0xFFFFFFFF},
        BankIdentityCase{"a revision beyond 32 bits is not a number",
                         "<EtherCAT_Slave_Revision_Number>4294967296</EtherCAT_Slave_Revision_Number>", Default_Eeprom,
                         1, 0},
        BankIdentityCase{"a node address that is not a number",
                         "<EtherCAT_Slave_Node_Address>1a</EtherCAT_Slave_Node_Address>", Default_Eeprom, 1, 0}),
    testsupport::kNameByWhat);

// The 40-byte header of the EtherCAT section at offset 512 of bank2: EEPROM configuration, node
// address, vendor ID, product code, revision, serial number, entry count, entry-table address.
TEST_F(EtherCATIdentity, HeaderFieldsLandInTheirOrder)
{
    const std::vector<std::uint8_t> tail = {0, 0, 0, 0, 0x28, 0x02, 0x08, 0x00};  // no entries; table at 0x80228
    auto header = [](std::vector<std::uint8_t> eeprom, std::vector<std::uint8_t> rest) {
        eeprom.insert(eeprom.end(), rest.begin(), rest.end());
        return eeprom;
    };

    // Without ParGen.xml the identity stays zero: no default EEPROM configuration, node address 0.
    std::vector<std::uint8_t> zero(18, 0);
    zero.insert(zero.end(), tail.begin(), tail.end());
    EXPECT_EQ(Slice(Bank2(), 512, 40), header(std::vector<std::uint8_t>(14, 0), zero));

    ParGen("<EtherCAT_Slave_Vendor_ID>$11223344</EtherCAT_Slave_Vendor_ID>"
           "<EtherCAT_Slave_Product_Code>0x8899AABB</EtherCAT_Slave_Product_Code>"
           "<EtherCAT_Slave_Revision_Number>5</EtherCAT_Slave_Revision_Number>"
           "<EtherCAT_Slave_Serial_Number>258</EtherCAT_Slave_Serial_Number>"
           "<EtherCAT_Slave_Node_Address>65537</EtherCAT_Slave_Node_Address>");
    std::vector<std::uint8_t> rest = {0x01, 0x00, 0x44, 0x33, 0x22, 0x11, 0xBB, 0xAA, 0x99,
                                      0x88, 0x05, 0,    0,    0,    0x02, 0x01, 0,    0};
    rest.insert(rest.end(), tail.begin(), tail.end());
    EXPECT_EQ(Slice(Bank2(), 512, 40), header(Default_Eeprom, rest)) << "node address keeps its low 16 bits";

    // All four identity values read unsigned decimal beyond the signed 32-bit range; a value past
    // 32 bits is not a number.
    ParGen("<EtherCAT_Slave_Vendor_ID>4294967295</EtherCAT_Slave_Vendor_ID>"
           "<EtherCAT_Slave_Product_Code>2147483648</EtherCAT_Slave_Product_Code>"
           "<EtherCAT_Slave_Revision_Number>4294967296</EtherCAT_Slave_Revision_Number>"
           "<EtherCAT_Slave_Serial_Number>3000000000</EtherCAT_Slave_Serial_Number>");
    auto s = Build();
    EXPECT_EQ(s->EtherCAT_Bank_Header.Vendor_ID, 4294967295u);
    EXPECT_EQ(s->EtherCAT_Bank_Header.Product_Code, 2147483648u);
    EXPECT_EQ(s->EtherCAT_Bank_Header.Revision_Number, 0u);
    EXPECT_EQ(s->EtherCAT_Bank_Header.Serial_Number, 3000000000u);
    ParGen("<EtherCAT_Slave_Serial_Number>-1</EtherCAT_Slave_Serial_Number>");
    s = Build();
    EXPECT_EQ(s->EtherCAT_Bank_Header.Serial_Number, 0xFFFFFFFFu);
}

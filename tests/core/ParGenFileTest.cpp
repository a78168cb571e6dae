#include <gtest/gtest.h>

#include "CoreTestSupport.h"
#include "core/ParGenFile.h"
#include "platform/xml/Xml.h"

using namespace core;
using coretest::TScratchDir;

namespace {

const char* const Key_Order[] = {"Eth_Conn_Device_Name",
                                 "Eth_Conn_DHCP_Cable",
                                 "Eth_Conn_DHCP_WiFi",
                                 "Eth_Conn_Enable_DNS",
                                 "Eth_Conn_Primary_DNS1",
                                 "Eth_Conn_Primary_DNS2",
                                 "Eth_Conn_Primary_DNS3",
                                 "Eth_Conn_Primary_DNS4",
                                 "Eth_Conn_Secondary_DNS1",
                                 "Eth_Conn_Secondary_DNS2",
                                 "Eth_Conn_Secondary_DNS3",
                                 "Eth_Conn_Secondary_DNS4",
                                 "EtherCAT_Slave_Revision_Number",
                                 "EtherCAT_Slave_Name",
                                 "EtherCAT_Slave_Node_Address",
                                 "EtherNetIP_Master_IP1",
                                 "EtherNetIP_Master_IP2",
                                 "EtherNetIP_Master_IP3",
                                 "EtherNetIP_Master_IP4",
                                 "EtherNetIP_Master_SM1",
                                 "EtherNetIP_Master_SM2",
                                 "EtherNetIP_Master_SM3",
                                 "EtherNetIP_Master_SM4",
                                 "EtherNetIP_Master_GAT1",
                                 "EtherNetIP_Master_GAT2",
                                 "EtherNetIP_Master_GAT3",
                                 "EtherNetIP_Master_GAT4",
                                 "EtherNetIP_Master_EN_GAT",
                                 "EtherNetIP_Master_Port"};

TParGenSettings Edited_Settings()
{
    TParGenSettings s;
    s.Device_Name = "conv <1> & co";
    s.DHCP_Cable = true;
    s.Enable_DNS = true;
    s.Primary_DNS = {"1", "1", "1", "1"};
    s.Secondary_DNS = {"010", " 2", "$0F", "0x10"};  // kept exactly as typed
    s.Revision_Number = "4294967295";
    s.Slave_Name = "Température";
    s.Node_Address = "192";
    s.Master_IP = {"10", "0", "0", "7"};
    s.Master_SM = {"255", "0", "0", "0"};
    s.Master_GAT = {"10", "0", "0", "1"};
    s.Enable_Gateway = true;
    return s;
}

}  // namespace

TEST(ParGenFile, WritesAllKeysInFixedOrderAfterWhichTheVersionCommentFollowsTheRoot)
{
    TScratchDir dir;
    Write_ParGen_Settings(dir / "ParGen.xml", Edited_Settings());

    xml::Document doc;
    doc.LoadFromFile(dir / "ParGen.xml");
    const auto root = doc.DocumentElement();
    EXPECT_EQ(root.Name(), "Par_Gen");
    const auto children = root.Children();
    ASSERT_EQ(children.size(), std::size(Key_Order));
    for (std::size_t i = 0; i < children.size(); ++i)
        EXPECT_EQ(children[i].Name(), Key_Order[i]) << "position " << i;
    EXPECT_EQ(root.ChildByName("Eth_Conn_DHCP_WiFi").Text(), "0");
    EXPECT_EQ(root.ChildByName("EtherNetIP_Master_Port").Text(), "44818");

    const auto top = doc.ChildNodes();
    ASSERT_EQ(top.size(), 2u);
    EXPECT_EQ(top[1].Kind(), xml::NodeKind::Comment);
    EXPECT_EQ(top[1].Value(), "SW_VERSION = 1.000");
    EXPECT_NE(coretest::Read_File(dir / "ParGen.xml").rfind("<Par_Gen>", 0), std::string::npos)
        << "no declaration before the root";
}

TEST(ParGenFile, ReadsBackWhatWasWritten)
{
    TScratchDir dir;
    for (const TParGenSettings& s : {TParGenSettings{}, Edited_Settings()}) {
        Write_ParGen_Settings(dir / "ParGen.xml", s);
        EXPECT_EQ(Read_ParGen_Settings(dir / "ParGen.xml"), s);
    }
}

TEST(ParGenFile, MissingFileOrKeysGiveTheDialogFallbacks)
{
    TScratchDir dir;
    EXPECT_EQ(Read_ParGen_Settings(dir / "absent.xml"), TParGenSettings{});

    // Keys in another order, some removed, Wi-Fi DHCP on and another port: only the present
    // keys count, Wi-Fi DHCP is not the dialog's and the port is not read.
    coretest::Write_File(dir / "ParGen.xml", "<Par_Gen><EtherNetIP_Master_Port>502</EtherNetIP_Master_Port>"
                                             "<EtherNetIP_Master_IP4>9</EtherNetIP_Master_IP4>"
                                             "<Eth_Conn_DHCP_WiFi>1</Eth_Conn_DHCP_WiFi>"
                                             "<Eth_Conn_Enable_DNS>yes</Eth_Conn_Enable_DNS>"
                                             "<EtherCAT_Slave_Name>S1</EtherCAT_Slave_Name></Par_Gen>");
    TParGenSettings expected;
    expected.Master_IP[3] = "9";
    expected.Slave_Name = "S1";
    EXPECT_EQ(Read_ParGen_Settings(dir / "ParGen.xml"), expected);

    Write_ParGen_Settings(dir / "ParGen.xml", Read_ParGen_Settings(dir / "ParGen.xml"));
    const auto f = TParGenFile::Open(dir / "ParGen.xml");
    EXPECT_EQ(f->Key("EtherNetIP_Master_Port"), "44818");
    EXPECT_EQ(f->Key("Eth_Conn_DHCP_WiFi"), "0");
}

TEST(ParGenFile, KeyLookUpToleratesOtherWritersAndRefusesBrokenFiles)
{
    TScratchDir dir;
    coretest::Write_File(dir / "ParGen.xml", "\xEF\xBB\xBF<?xml version=\"1.0\"?>\n<!-- by hand -->\n<Settings>\n"
                                             "  <EtherCAT_Slave_Name>X</EtherCAT_Slave_Name>\n"
                                             "  <EtherCAT_Slave_Node_Address><b>2</b></EtherCAT_Slave_Node_Address>\n"
                                             "  <Eth_Conn_Device_Name>ab<!--x-->cd</Eth_Conn_Device_Name>\n"
                                             "  <EtherCAT_Slave_Revision_Number><![CDATA[1]]>2<!---->"
                                             "</EtherCAT_Slave_Revision_Number>\n"
                                             "</Settings>\n");
    const auto f = TParGenFile::Open(dir / "ParGen.xml");
    ASSERT_TRUE(f);
    // A key's value is its text content: every piece of character data below it, in order.
    EXPECT_EQ(f->Key("EtherCAT_Slave_Name"), "X");
    EXPECT_EQ(f->Key("EtherCAT_Slave_Node_Address"), "2");
    EXPECT_EQ(f->Key("Eth_Conn_Device_Name"), "abcd");
    EXPECT_EQ(f->Key("EtherCAT_Slave_Revision_Number"), "12");
    EXPECT_EQ(Read_ParGen_Settings(dir / "ParGen.xml").Device_Name, "abcd");
    EXPECT_EQ(f->Key("Eth_Conn_Secondary_DNS1"), std::nullopt);
    EXPECT_FALSE(TParGenFile::Open(dir / "none.xml"));

    coretest::Write_File(dir / "Broken.xml", "<Par_Gen><EtherCAT_Slave_Name>X</Par_Gen>");
    try {
        Read_ParGen_Settings(dir / "Broken.xml");
        FAIL() << "no error";
    } catch (const xml::XmlError& e) {
        EXPECT_EQ(e.File(), (dir / "Broken.xml").string());
    }
}

#include <gtest/gtest.h>

#include "CoreTestSupport.h"
#include "core/UBootJob.h"

using namespace core;
using namespace coretest;

TEST(GetTypeDev, LoadsTheSettingsFileWhenThereIsOne)
{
    TScratchDir dir;
    xml::Document doc;
    doc.CreateRoot("earlier");
    EXPECT_EQ(Get_Type_Dev(doc, dir / "ParGen.xml"), 0);
    EXPECT_EQ(doc.DocumentElement().Name(), "earlier") << "no file: the document stays";
    Write_File(dir / "ParGen.xml", "<Par_Gen><EtherCAT_Slave_Name>n</EtherCAT_Slave_Name></Par_Gen>");
    EXPECT_EQ(Get_Type_Dev(doc, dir / "ParGen.xml"), 0);
    EXPECT_EQ(doc.DocumentElement().Name(), "Par_Gen");
    Write_File(dir / "ParGen.xml", "<Par_Gen>");
    EXPECT_THROW(Get_Type_Dev(doc, dir / "ParGen.xml"), xml::XmlError);
}

#include <gtest/gtest.h>

#include "BankFixture.h"
#include "common/UComon.h"

using namespace core;
using namespace coretest;

using SaveBanks = BankFixture;

TEST_F(SaveBanks, WritesBothImagesWhole)
{
    Variables("<row Enable=\"Y\" Type=\"Int8\" Length=\"1\" Name=\"n\"/>", "");
    const auto s = Build();
    std::filesystem::create_directory(dir / "bin");
    Write_File(dir / "bin" / "bank2.bin", std::string(30000, 'x'));
    Save_Banks(*s, dir / "bin");
    EXPECT_EQ(Read_Bytes(dir / "bin" / "bank1.bin"), s->Bank1.Bytes());
    EXPECT_EQ(Read_Bytes(dir / "bin" / "bank2.bin"), s->Bank2.Bytes()) << "an older, longer file is replaced";
    EXPECT_EQ(s->Bank1.Length(), 2048u);
    EXPECT_EQ(s->Bank2.Length(), 18985u + 2);
}

TEST_F(SaveBanks, ReportsEveryFileThatCannotBeWrittenAndStillTriesTheOther)
{
    const auto s = Build();
    try {
        Save_Banks(*s, dir / "missing");
        FAIL() << "no error";
    } catch (const EBankWriteError& e) {
        EXPECT_EQ(e.Files, (std::vector<std::string>{(dir / "missing" / "bank1.bin").string(),
                                                     (dir / "missing" / "bank2.bin").string()}));
        EXPECT_NE(std::string(e.what()).find("bank2.bin"), std::string::npos);
    }

    // bank1.bin cannot be replaced (a folder of that name); bank2.bin is written all the same.
    std::filesystem::create_directories(dir / "bin" / "bank1.bin" / "x");
    try {
        Save_Banks(*s, dir / "bin");
        FAIL() << "no error";
    } catch (const EBankWriteError& e) {
        EXPECT_EQ(e.Files, std::vector<std::string>{(dir / "bin" / "bank1.bin").string()});
    }
    EXPECT_EQ(Read_Bytes(dir / "bin" / "bank2.bin"), s->Bank2.Bytes());
}

TEST_F(SaveBanks, ProgramEntriesCompileTheOpenConfiguration)
{
    struct Restore {
        ~Restore() { Path_Project = File_ParGen = File_EtherCAT_Slave = File_EtherNetIP_Master_Rules = ""; }
    } restore;
    Path_Project = dir.Path().string();
    File_ParGen = (dir / "ParGen.xml").string();
    File_EtherCAT_Slave = (dir / "EtherCAT_Slave.xml").string();
    File_EtherNetIP_Master_Rules = (dir / "EtherNetIP_Master_Rules.xml").string();
    Write_File(dir / "ParGen.xml", Read_Golden("pargen_dns_on.xml"));
    Variables("<row Enable=\"Y\" Type=\"Bool\" Name=\"in\"/>", "<row Enable=\"Y\" Type=\"Bool\" Name=\"out\"/>");
    Connections("<row Enable=\"Y\" IP_Address=\"10.0.0.2\" Num_Input=\"3\"/>");
    std::filesystem::create_directory(dir / "bin");

    core::Build_Banks();
    core::Save_Banks();
    const auto expected = Build();
    EXPECT_EQ(Read_Bytes(dir / "bin" / "bank1.bin"), expected->Bank1.Bytes());
    EXPECT_EQ(Read_Bytes(dir / "bin" / "bank2.bin"), expected->Bank2.Bytes());
    EXPECT_EQ(core::Bank_Storage().Bank2.Bytes(), expected->Bank2.Bytes());
    EXPECT_EQ(U32_At(expected->Bank2.Bytes(), 512 + 32), 2u);
    EXPECT_EQ(expected->Bank2.Bytes()[0], 10);
}

#include <gtest/gtest.h>

#include "BankFixture.h"

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

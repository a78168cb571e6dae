#include <gtest/gtest.h>

#include <sys/resource.h>

#include <algorithm>
#include <csignal>

#include "BankFixture.h"
#include "KillAtSystemCalls.h"
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

TEST_F(SaveBanks, AFailureReplacesNeitherFileOfThePair)
{
    const auto s = Build();
    const auto bin = dir / "bin";
    const std::vector<std::string> both = {(bin / "bank1.bin").string(), (bin / "bank2.bin").string()};
    // Hidden temporaries in the bin folder or beside it.
    auto leftovers = [&] {
        std::vector<std::string> names;
        for (const auto& folder : {bin, dir.Path()})
            for (const auto& e : std::filesystem::directory_iterator(folder))
                if (e.path().filename().string().starts_with("."))
                    names.push_back(e.path().filename().string());
        return names;
    };
    try {
        Save_Banks(*s, dir / "missing");
        FAIL() << "no error";
    } catch (const EBankWriteError& e) {
        EXPECT_EQ(e.Files.size(), 2u);
        EXPECT_NE(std::string(e.what()).find("bank1.bin"), std::string::npos) << e.what();
    }

    // An earlier pair, then bank1.bin cannot be replaced (a folder of that name): bank2.bin keeps
    // its earlier content too, and no temporary file is left behind.
    std::filesystem::create_directories(bin / "bank1.bin" / "x");
    Write_File(bin / "bank2.bin", "earlier");
    try {
        Save_Banks(*s, bin);
        FAIL() << "no error";
    } catch (const EBankWriteError& e) {
        EXPECT_EQ(e.Files, both);
        EXPECT_EQ(e.File(), both[0]) << "the file that failed";
        EXPECT_NE(std::string(e.what()).find("Neither bank file was replaced"), std::string::npos) << e.what();
    }
    EXPECT_EQ(Read_File(bin / "bank2.bin"), "earlier");
    EXPECT_EQ(leftovers(), std::vector<std::string>{});

    // The disk fills up while bank2.bin is written (a file size limit between the sizes of the two
    // images): bank1.bin is not replaced either.
    std::filesystem::remove_all(bin);
    std::filesystem::create_directories(bin);
    Write_File(bin / "bank1.bin", "earlier");
    Write_File(bin / "bank2.bin", "earlier");
    {
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
        rlimit small = old;
        small.rlim_cur = 8192;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
        try {
            Save_Banks(*s, bin);
            ADD_FAILURE() << "no error";
        } catch (const EBankWriteError& e) {
            EXPECT_EQ(e.Files, both);
            EXPECT_EQ(e.File(), both[1]);
            EXPECT_NE(std::string(e.what()).find("bank2.bin"), std::string::npos) << e.what();
        }
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);
    }
    EXPECT_EQ(Read_File(bin / "bank1.bin"), "earlier");
    EXPECT_EQ(Read_File(bin / "bank2.bin"), "earlier");
    EXPECT_EQ(leftovers(), std::vector<std::string>{});

    // bank2.bin cannot be replaced (a folder of that name): bank1.bin is not replaced either.
    std::filesystem::remove(bin / "bank2.bin");
    std::filesystem::create_directories(bin / "bank2.bin" / "x");
    try {
        Save_Banks(*s, bin);
        FAIL() << "no error";
    } catch (const EBankWriteError& e) {
        EXPECT_EQ(e.Files, both);
        EXPECT_EQ(e.File(), both[1]);
    }
    EXPECT_EQ(Read_File(bin / "bank1.bin"), "earlier");
    EXPECT_TRUE(std::filesystem::is_directory(bin / "bank2.bin" / "x"));
    EXPECT_EQ(leftovers(), std::vector<std::string>{});
}

// The program stopped at any point of a save (killed just before each of its system calls in turn)
// leaves the earlier pair or the new one, never a bank1.bin of one build beside a bank2.bin of the
// other; the next save finishes the job and leaves nothing of the stopped one behind.
TEST_F(SaveBanks, AStopAtAnyPointLeavesTheEarlierPairOrTheNewOne)
{
    const auto earlier = Build();
    Variables("<row Enable=\"Y\" Type=\"Int32\" Name=\"in\"/>", "<row Enable=\"Y\" Type=\"Int16\" Name=\"out\"/>");
    Connections("<row Enable=\"Y\" IP_Address=\"127.0.0.1\" Num_Input=\"4\"/>");
    const auto fresh = Build();
    ASSERT_NE(earlier->Bank1.Bytes(), fresh->Bank1.Bytes());
    ASSERT_NE(earlier->Bank2.Bytes(), fresh->Bank2.Bytes());
    // In memory where the system has such a folder: the same system calls, without waiting for a
    // disk at each of the hundreds of rounds.
    const testsupport::ScratchDir memory("savebanks", testsupport::MemoryFolder());
    const auto config = memory.Path() / "config";
    const auto bin = config / "bin";
    auto pairIs = [&](const core::TBankStorage& s) {
        std::error_code ec;
        return std::filesystem::exists(bin / "bank1.bin", ec) && std::filesystem::exists(bin / "bank2.bin", ec) &&
               Read_Bytes(bin / "bank1.bin") == s.Bank1.Bytes() && Read_Bytes(bin / "bank2.bin") == s.Bank2.Bytes();
    };
    auto entries = [](const std::filesystem::path& folder) {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(folder))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    };
    std::vector<int> mixed, notCleaned;
    int keptEarlier = 0, tookNew = 0;
    const int rounds = testsupport::KillAtEverySystemCall(
        [&] {
            std::filesystem::remove_all(config);
            std::filesystem::create_directories(bin);
            Write_File(bin / "bank1.bin", earlier->Bank1.View());
            Write_File(bin / "bank2.bin", earlier->Bank2.View());
            Write_File(bin / "notes.txt", "kept");
        },
        [&] { Save_Banks(*fresh, bin); },
        [&](const testsupport::KillPoint& p) {
            if (p.Before == 0) {
                EXPECT_EQ(p.ExitCode, 0);
                EXPECT_TRUE(pairIs(*fresh));
                return;
            }
            if (pairIs(*earlier))
                ++keptEarlier;
            else if (pairIs(*fresh))
                ++tookNew;
            else
                mixed.push_back(p.Before);
            Save_Banks(*fresh, bin);
            if (!pairIs(*fresh) || entries(config) != std::vector<std::string>{"bin"} ||
                entries(bin) != std::vector<std::string>{"bank1.bin", "bank2.bin", "notes.txt"} ||
                Read_File(bin / "notes.txt") != "kept")
                notCleaned.push_back(p.Before);
        });
    if (rounds < 0)
        GTEST_SKIP() << "processes cannot be traced here";
    RecordProperty("rounds", rounds);
    EXPECT_EQ(mixed, std::vector<int>{}) << "killed before these system calls: a mixed pair (of " << rounds
                                         << " rounds)";
    EXPECT_EQ(notCleaned, std::vector<int>{}) << "the next save did not finish the job";
    EXPECT_GT(keptEarlier, 0);
    EXPECT_GT(tookNew, 0);
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

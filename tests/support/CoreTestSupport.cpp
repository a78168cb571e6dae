#include "CoreTestSupport.h"

#include "TestData.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace coretest {

namespace fs = std::filesystem;

void Write_File(const fs::path& file, std::string_view content)
{
    std::ofstream out(file, std::ios::binary);
    out.write(content.data(), static_cast<std::streamsize>(content.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

std::string Read_File(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    std::ostringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

std::vector<std::uint8_t> Read_Bytes(const fs::path& file)
{
    const std::string s = Read_File(file);
    return {s.begin(), s.end()};
}

fs::path Golden_Path(std::string_view name)
{
    return fs::path(CFG_SOURCE_DIR) / "tests" / "core" / "golden" / name;
}

std::string Read_Golden(std::string_view name)
{
    return Read_File(Golden_Path(name));
}

std::vector<std::uint8_t> Load_Hex_Golden(std::string_view name)
{
    std::istringstream in(Read_Golden(name));
    std::vector<std::uint8_t> image;
    bool sized = false;
    std::string line;
    while (std::getline(in, line)) {
        line = line.substr(0, line.find('#'));
        std::istringstream ls(line);
        std::string first;
        if (!(ls >> first))
            continue;
        if (first == "size") {
            std::size_t size = 0;
            ls >> size;
            image.assign(size, 0);
            sized = true;
            continue;
        }
        if (!sized || first.back() != ':')
            throw std::runtime_error(std::string(name) + ": bad line: " + line);
        std::size_t offset = std::stoul(first, nullptr, 16);
        std::string byte;
        while (ls >> byte)
            image.at(offset++) = static_cast<std::uint8_t>(std::stoul(byte, nullptr, 16));
    }
    return image;
}

::testing::AssertionResult Same_Bytes(const std::vector<std::uint8_t>& actual,
                                      const std::vector<std::uint8_t>& expected)
{
    std::ostringstream msg;
    int shown = 0;
    if (actual.size() != expected.size())
        msg << "size " << actual.size() << ", expected " << expected.size() << "\n";
    for (std::size_t i = 0; i < std::min(actual.size(), expected.size()) && shown < 8; ++i)
        if (actual[i] != expected[i]) {
            msg << std::hex << "offset 0x" << i << ": 0x" << int(actual[i]) << ", expected 0x" << int(expected[i])
                << std::dec << "\n";
            ++shown;
        }
    if (msg.str().empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << msg.str();
}

namespace {

// Runs xmllint --noout with the extra arguments on the file; its output goes to a log beside it.
void Expect_Xmllint_Passes(const fs::path& file, std::vector<std::string> args)
{
    const std::string target = file.string();
    const fs::path log = file.parent_path() / (file.filename().string() + ".xmllint.txt");
    const std::string logName = log.string();

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, logName.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    args.insert(args.begin(), {"xmllint", "--noout"});
    args.push_back(target);
    std::vector<char*> argv;
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, "xmllint", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ASSERT_EQ(rc, 0) << "xmllint could not be started";
    int status = 0;
    waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << Read_File(log);
}

}  // namespace

void Expect_Valid_ESI(const fs::path& file)
{
    CFG_TESTDATA_FILE(schemaFile, "esi-schema/EtherCATInfo.xsd");
    Expect_Xmllint_Passes(file, {"--schema", schemaFile.string()});
}

void Expect_Well_Formed_XML(const fs::path& file)
{
    Expect_Xmllint_Passes(file, {});
}

}  // namespace coretest

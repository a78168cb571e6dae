// Updater stand-in: checks the update job written by the configurator beside this program and
// reports the transfer it would make. Sending images to a converter is not done here.
#include "UpdateJob.h"

#include <filesystem>
#include <iostream>
#include <system_error>

namespace fs = std::filesystem;

static fs::path ProgramFolder(const char* argv0)
{
    std::error_code ec;
    fs::path self = fs::read_symlink("/proc/self/exe", ec);
    if (ec)
        self = fs::absolute(argv0);
    return self.parent_path();
}

int main(int argc, char** argv)
{
    (void)argc;
    const fs::path jobFile = ProgramFolder(argv[0]) / "Ethernet_Update.xml";
    const updater::CheckResult result = updater::CheckJobFile(jobFile);
    if (!result.ok()) {
        std::cout << "Update job " << jobFile.string() << " refused:\n";
        for (const auto& e : result.errors)
            std::cout << "  " << e << "\n";
        return 1;
    }
    for (const auto& line : updater::DescribeTransfer(result.job))
        std::cout << line << "\n";
    return 0;
}

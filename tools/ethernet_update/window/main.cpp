// Updater stand-in: checks the update job written by the configurator beside this program and
// reports the transfer it would make, on its output and in a window. Sending images to a converter
// is not done here.
#include "UpdateJob.h"
#include "VerdictWindow.h"

#include <filesystem>
#include <iostream>
#include <string>
#include <system_error>
#include <vector>

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
    std::vector<std::string> report;
    if (!result.ok()) {
        report.push_back("Update job " + jobFile.string() + " refused:");
        for (const auto& e : result.errors)
            report.push_back("  " + e);
    } else {
        report = updater::DescribeTransfer(result.job);
    }
    for (const auto& line : report)
        std::cout << line << "\n";
    std::cout.flush();
    // The user sees the verdict too, where there is a screen.
    updater::ShowVerdictWindow(result.ok(), report);
    return result.ok() ? 0 : 1;
}

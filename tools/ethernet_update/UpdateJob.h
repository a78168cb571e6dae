// Reading and checking an update job file (Ethernet_Update.xml) as the updater sees it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace updater {

struct Operation {
    std::string fileName;
    std::string startAddress;
    int bankType = 0;
    bool readBack = false;
    bool goToAppAfter = false;
    bool writeCss = false;
    std::uintmax_t fileSize = 0;
};

struct Job {
    std::string title;
    std::string deviceAddress;
    int applicationPort = 0;
    int bootPort = 0;
    int bootPortSec = 0;
    std::vector<Operation> operations;
};

// Outcome of checking a job: the job when it is sound, otherwise every fault found.
struct CheckResult {
    Job job;
    std::vector<std::string> errors;
    bool ok() const { return errors.empty(); }
};

// Reads the job file and checks its root, version, elements, images, the bank1 checksum and
// that bank1 and bank2 come from one build.
CheckResult CheckJobFile(const std::filesystem::path& jobFile);

// The transfer the updater would make, one line per step.
std::vector<std::string> DescribeTransfer(const Job& job);

// True when the 2048-byte parameter block carries the byte sum of bytes 0..2043 at offset 2044.
bool Bank1ChecksumOk(const std::vector<std::uint8_t>& image);

}  // namespace updater

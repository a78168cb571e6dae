#include "BankPair.h"

#include <algorithm>

namespace updater {
namespace {

// The parts of the two images that tie them together.
constexpr std::size_t kConnectionCount = 1552;  // bank1: compiled connections
constexpr std::size_t kInputTotal = 116;        // bank1: their input bytes
constexpr std::size_t kOutputTotal = 120;       // bank1: their output bytes
constexpr std::size_t kTableAddress = 1556;     // bank1: device address of the connection table
constexpr std::size_t kSectionAddress = 1776;   // bank1: device address of the EtherCAT section

constexpr std::size_t kConnections = 10;
constexpr std::size_t kConnectionSize = 32;
constexpr std::size_t kSection = 512;  // offset of the EtherCAT section in bank2
constexpr std::size_t kHeaderSize = 40;
constexpr std::size_t kEntries = 512;
constexpr std::size_t kEntrySize = 36;
constexpr std::size_t kFixedSize = kSection + kHeaderSize + kEntries * kEntrySize + 1;  // 18985
constexpr std::size_t kMaxSize = 131072;

std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t(b[at + 3]) << 24);
}

std::uint16_t U16(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}

bool Zero(const std::vector<std::uint8_t>& b, std::size_t from, std::size_t to)
{
    return std::all_of(b.begin() + static_cast<std::ptrdiff_t>(from), b.begin() + static_cast<std::ptrdiff_t>(to),
                       [](std::uint8_t v) { return v == 0; });
}

std::string Hex(std::uint32_t v)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string s;
    do {
        s.insert(s.begin(), digits[v & 15]);
        v >>= 4;
    } while (v);
    return "0x" + s;
}

void CheckConnections(const std::vector<std::uint8_t>& b1, const std::vector<std::uint8_t>& b2,
                      std::vector<std::string>& faults)
{
    const std::uint32_t count = U32(b1, kConnectionCount);
    if (count > kConnections) {
        faults.push_back("bank1 describes " + std::to_string(count) + " connections, more than " +
                         std::to_string(kConnections));
        return;
    }
    std::uint32_t inputs = 0, outputs = 0;
    for (std::size_t i = 0; i < count; ++i) {
        inputs += U16(b2, i * kConnectionSize + 6);
        outputs += U16(b2, i * kConnectionSize + 12);
    }
    if (inputs != U32(b1, kInputTotal) || outputs != U32(b1, kOutputTotal))
        faults.push_back("bank1 describes " + std::to_string(count) + " connections with " +
                         std::to_string(U32(b1, kInputTotal)) + " input and " + std::to_string(U32(b1, kOutputTotal)) +
                         " output bytes; bank2 holds " + std::to_string(inputs) + " and " + std::to_string(outputs));
    else if (!Zero(b2, count * kConnectionSize, kSection))
        faults.push_back("bank2 holds more connections than the " + std::to_string(count) + " bank1 describes");
}

void CheckSection(const std::vector<std::uint8_t>& b1, const std::vector<std::uint8_t>& b2,
                  std::vector<std::string>& faults)
{
    const std::uint32_t count = U32(b2, kSection + 32);
    const std::uint32_t tableAddress = U32(b2, kSection + 36);
    const std::uint32_t expectedTable = U32(b1, kSectionAddress) + kHeaderSize;
    if (tableAddress != expectedTable) {
        faults.push_back("bank2's entry table lies at " + Hex(tableAddress) + ", bank1 places it at " +
                         Hex(expectedTable));
        return;
    }
    if (count > kEntries) {
        faults.push_back("bank2 holds " + std::to_string(count) + " EtherCAT entries, more than " +
                         std::to_string(kEntries));
        return;
    }
    std::size_t size = kFixedSize;
    for (std::size_t i = 0; i < count; ++i)
        if (const std::uint32_t length = U32(b2, kSection + kHeaderSize + i * kEntrySize + 28); length != 0)
            size += std::size_t{length} + 1;
    if (size != b2.size())
        faults.push_back("bank2 has " + std::to_string(b2.size()) + " bytes, but its " + std::to_string(count) +
                         " EtherCAT entries make " + std::to_string(size));
}

void CheckPair(const std::vector<std::uint8_t>& bank1, const std::vector<std::uint8_t>& bank2,
               std::uint32_t bank2Address, std::vector<std::string>& faults)
{
    if (bank2.size() < kFixedSize || bank2.size() > kMaxSize) {
        faults.push_back("bank2 has " + std::to_string(bank2.size()) + " bytes, not " + std::to_string(kFixedSize) +
                         " to " + std::to_string(kMaxSize));
        return;
    }
    if (U32(bank1, kTableAddress) != bank2Address || U32(bank1, kSectionAddress) != bank2Address + kSection) {
        faults.push_back("bank1 places the connection table at " + Hex(U32(bank1, kTableAddress)) +
                         " and the EtherCAT section at " + Hex(U32(bank1, kSectionAddress)) + ", but bank2 goes to " +
                         Hex(bank2Address));
        return;
    }
    CheckConnections(bank1, bank2, faults);
    CheckSection(bank1, bank2, faults);
}

}  // namespace

std::vector<std::string> CheckBankPair(const std::vector<std::uint8_t>& bank1, const std::vector<std::uint8_t>& bank2,
                                       std::uint32_t bank2Address)
{
    std::vector<std::string> faults;
    CheckPair(bank1, bank2, bank2Address, faults);
    for (std::string& f : faults)
        f = "bank1 and bank2 are not one pair: " + f;
    return faults;
}

}  // namespace updater

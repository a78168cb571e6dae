// Whether bank1.bin and bank2.bin were compiled together: bank1, the parameter block, describes
// where bank2 lies and what its EtherNet/IP connection table holds; bank2's EtherCAT section says
// how long the file is. A bank2 that disagrees comes from another build (a mixed pair).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace updater {

// The faults found in the pair (empty when they agree). bank1 is a 2048-byte block whose
// checksum was already checked; bank2Address is the device address the job sends bank2 to.
std::vector<std::string> CheckBankPair(const std::vector<std::uint8_t>& bank1, const std::vector<std::uint8_t>& bank2,
                                       std::uint32_t bank2Address);

}  // namespace updater

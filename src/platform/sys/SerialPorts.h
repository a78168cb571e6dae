// The serial ports present on this machine.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace sys {

// Device paths (e.g. "/dev/ttyS0", "/dev/ttyUSB0") of the serial ports backed by a device,
// in natural order (ttyS2 before ttyS10). A port is listed when it can be opened or is held
// by another program; one that cannot be opened for any other reason is left out. The folders
// are parameters so that tests can supply their own.
std::vector<std::string> ListSerialPorts(const std::filesystem::path& ttyClass = "/sys/class/tty",
                                         const std::filesystem::path& devices = "/dev");

}  // namespace sys

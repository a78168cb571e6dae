#include "platform/sys/SerialPorts.h"

#include <fcntl.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

namespace sys {
namespace {

namespace fs = std::filesystem;

// "ttyUSB10" -> ("ttyUSB", 10); names without a trailing number get -1.
std::pair<std::string, long> SplitNumber(const std::string& name)
{
    const auto digits = name.find_last_not_of("0123456789") + 1;
    if (digits == name.size())
        return {name, -1};
    return {name.substr(0, digits), std::stol(name.substr(digits, 9))};
}

bool Present(const fs::path& device)
{
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno == EBUSY || errno == EACCES;
    // Standard UART slots exist whether or not a UART sits behind them.
    serial_struct info{};
    const bool emptySlot = ::ioctl(fd, TIOCGSERIAL, &info) == 0 && info.type == PORT_UNKNOWN;
    ::close(fd);
    return !emptySlot;
}

}  // namespace

std::vector<std::string> ListSerialPorts(const fs::path& ttyClass, const fs::path& devices)
{
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(ttyClass, ec)) {
        const std::string name = entry.path().filename().string();
        // Virtual terminals and pseudo-terminals have no device behind them.
        if (!fs::exists(entry.path() / "device", ec))
            continue;
        if (Present(devices / name))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return SplitNumber(a) < SplitNumber(b); });
    std::vector<std::string> paths;
    for (const auto& n : names)
        paths.push_back((devices / n).string());
    return paths;
}

}  // namespace sys

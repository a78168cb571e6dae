#include "common/AddressHelpers.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <fstream>

#include "common/NumConv.h"
#include "platform/rtl/Conversions.h"
#include "platform/rtl/Regional.h"
#include "platform/rtl/StrUtils.h"

namespace {

bool validPart(const std::string& text, int64_t max)
{
    auto v = Str_To_IP_Part(text);
    return v && *v >= 0 && *v <= max;
}

// Text before the first `sep` (npos: none) and the text after it.
bool splitAt(const std::string& text, char sep, std::string& before, std::string& after)
{
    auto p = text.find(sep);
    if (p == std::string::npos)
        return false;
    before = text.substr(0, p);
    after = text.substr(p + 1);
    return true;
}

}  // namespace

bool Split_IP_Address(const std::string& text, std::string& ip1, std::string& ip2, std::string& ip3, std::string& ip4)
{
    std::string rest = rtl::Trim(text);
    std::string part, after;
    if (!splitAt(rest, '.', part, after))
        return false;
    ip1 = rtl::Trim(part);
    rest = rtl::Trim(after);
    if (!splitAt(rest, '.', part, after))
        return false;
    ip2 = rtl::Trim(part);
    rest = rtl::Trim(after);
    if (!splitAt(rest, '.', part, after))
        return false;
    ip3 = rtl::Trim(part);
    ip4 = rtl::Trim(after);
    return validPart(ip1, 255) && validPart(ip2, 255) && validPart(ip3, 255) && validPart(ip4, 255);
}

bool IP_To_Bytes(const std::string& text, uint8_t& b1, uint8_t& b2, uint8_t& b3, uint8_t& b4)
{
    if (text.empty())
        return true;
    uint8_t* bytes[4] = {&b1, &b2, &b3, &b4};
    bool error = false;
    std::string rest = text;
    for (int k = 0; k < 4; ++k) {
        const auto dot = rest.find('.');
        std::string part;
        if (k == 3)
            part = rest;
        else
            part = dot == std::string::npos ? std::string() : rest.substr(0, dot);
        auto v = Str_To_IP_Part(part);
        if (v && *v >= 0 && *v <= 255) {
            *bytes[k] = uint8_t(*v);
        } else {
            *bytes[k] = 0;
            error = true;
        }
        if (dot != std::string::npos)
            rest = rest.substr(dot + 1);
    }
    return error;
}

bool IP_Port_To_Bytes(const std::string& text, uint8_t& b1, uint8_t& b2, uint8_t& b3, uint8_t& b4, uint16_t& port)
{
    b1 = b2 = b3 = b4 = 0;
    port = 0;
    uint8_t parts[4];
    std::string rest = text, before, after;
    for (int k = 0; k < 3; ++k) {
        if (!splitAt(rest, '.', before, after))
            return false;
        before = rtl::Trim(before);
        if (!validPart(before, 255))
            return false;
        parts[k] = uint8_t(*Str_To_IP_Part(before));
        rest = rtl::Trim(after);
    }
    if (!splitAt(rest, ':', before, after))
        return false;
    before = rtl::Trim(before);
    after = rtl::Trim(after);
    if (!validPart(before, 255) || !validPart(after, 65535))
        return false;
    parts[3] = uint8_t(*Str_To_IP_Part(before));
    b1 = parts[0];
    b2 = parts[1];
    b3 = parts[2];
    b4 = parts[3];
    port = uint16_t(*Str_To_IP_Part(after));
    return true;
}

char Get_Decimal_Separator()
{
    const char c = rtl::Regional().DecimalSeparator;
    return (c == ',' || c == '.') ? c : ',';
}

bool Str_To_Float_Sep(const std::string& text, char separator, float& value)
{
    std::string normal = text;
    for (char& c : normal) {
        if (separator == '.' && c == ',')
            c = '.';
        else if (separator != '.' && c == '.')
            c = ',';
    }
    // Blanks at both ends, sign, digits with at most one regional decimal separator and an
    // optional exponent; read the same whatever C locale the process runs with.
    double d = 0;
    if (!rtl::TryStrToFloat(normal, d, rtl::Regional()) || !std::isfinite(d) || std::fabs(d) > double(FLT_MAX)) {
        value = 1.0f;
        return false;
    }
    value = float(d);
    return true;
}

std::vector<std::string> List_COM_Ports(const std::function<ComPortProbe(int)>& probe)
{
    std::vector<std::string> ports;
    for (int n = 1; n <= 256; ++n)
        if (probe(n) != ComPortProbe::Absent)
            ports.push_back(std::to_string(n));
    return ports;
}

ComPortProbe Serial_Open_Failure(int error, const std::string& uartType)
{
    if (error != EACCES && error != EBUSY)
        return ComPortProbe::Absent;
    // Device nodes exist for every possible port, so a refusal for lack of permission
    // says nothing about hardware: a node without a UART behind it is no port.
    if (error == EACCES && rtl::Trim(uartType) == "0")
        return ComPortProbe::Absent;
    return ComPortProbe::InUse;
}

std::vector<std::string> List_COM_Ports()
{
    // Port n is the serial device /dev/ttyS<n-1>. A device node without hardware
    // behind it refuses the open with EIO and is not listed.
    return List_COM_Ports([](int n) {
        const std::string name = "ttyS" + std::to_string(n - 1);
        const std::string path = "/dev/" + name;
        const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) {
            ::close(fd);
            return ComPortProbe::Opened;
        }
        const int error = errno;
        std::string uartType;
        std::getline(std::ifstream("/sys/class/tty/" + name + "/type"), uartType);
        return Serial_Open_Failure(error, uartType);
    });
}

// ICMP echo ("ping") over IPv4: one request, one awaited reply.
#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

namespace sys {

// Which socket carries the echo. Automatic takes the unprivileged echo socket when the system
// allows it to this user and a raw socket otherwise.
enum class EchoSocket { Automatic, Unprivileged, Raw };

struct EchoRequest {
    std::string host;  // dotted address or host name
    std::size_t dataSize = 1024;
    std::chrono::milliseconds timeout{400};
    EchoSocket socket = EchoSocket::Automatic;
};

// Sends one echo request whose data area (dataSize bytes) starts with the host text, and waits
// up to the time-out for the matching reply. Returns the number of data bytes the reply carried,
// 0 when no reply came in time. Throws SysError when the address cannot be used (not a valid
// dotted address, a name that does not resolve, a destination the system refuses) or when no
// echo socket can be opened.
std::size_t IcmpEcho(const EchoRequest& request);

}  // namespace sys

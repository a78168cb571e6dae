#include "platform/sys/IcmpEcho.h"

#include <arpa/inet.h>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/ip.h>
#include <netinet/ip_icmp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/sys/SysError.h"

namespace sys {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t kIcmpHeader = 8;

class Socket {
public:
    explicit Socket(int fd) : fd_(fd) {}
    ~Socket()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int fd() const { return fd_; }

private:
    int fd_;
};

// A text made only of digits and dots is meant as a dotted address and is never looked up as a
// name; anything else is resolved (an IPv4 address only).
in_addr ResolveIpv4(const std::string& host)
{
    if (host.empty())
        throw SysError("Invalid address: empty");
    in_addr addr{};
    const bool dotted = host.find_first_not_of("0123456789.") == std::string::npos;
    if (dotted) {
        if (::inet_pton(AF_INET, host.c_str(), &addr) != 1)
            throw SysError("Invalid address: " + host);
        return addr;
    }
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_RAW;
    addrinfo* found = nullptr;
    const int rc = ::getaddrinfo(host.c_str(), nullptr, &hints, &found);
    if (rc != 0 || !found)
        throw SysError("Cannot resolve " + host + ": " + ::gai_strerror(rc));
    addr = reinterpret_cast<sockaddr_in*>(found->ai_addr)->sin_addr;
    ::freeaddrinfo(found);
    return addr;
}

int OpenSocket(EchoSocket kind, bool& raw)
{
    int err = 0;
    if (kind != EchoSocket::Raw) {
        const int fd = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, IPPROTO_ICMP);
        if (fd >= 0) {
            raw = false;
            return fd;
        }
        err = errno;
        if (kind == EchoSocket::Unprivileged)
            throw SysError(ErrnoText("Cannot open an echo socket", err));
    }
    const int fd = ::socket(AF_INET, SOCK_RAW | SOCK_CLOEXEC, IPPROTO_ICMP);
    if (fd < 0)
        throw SysError(ErrnoText("Cannot open an echo socket", errno));
    raw = true;
    return fd;
}

uint16_t Checksum(const uint8_t* data, std::size_t size)
{
    uint32_t sum = 0;
    for (std::size_t i = 0; i + 1 < size; i += 2)
        sum += static_cast<uint32_t>(data[i] << 8 | data[i + 1]);
    if (size % 2)
        sum += static_cast<uint32_t>(data[size - 1] << 8);
    while (sum >> 16)
        sum = (sum & 0xFFFF) + (sum >> 16);
    return static_cast<uint16_t>(~sum);
}

uint16_t NextSequence()
{
    static std::atomic<uint16_t> sequence{static_cast<uint16_t>(::getpid())};
    return sequence++;
}

}  // namespace

std::size_t IcmpEcho(const EchoRequest& request)
{
    const in_addr target = ResolveIpv4(request.host);
    bool raw = false;
    Socket sock(OpenSocket(request.socket, raw));

    // The unprivileged socket puts its own identifier into the header and filters replies by it;
    // on a raw socket we use our process id and match it ourselves.
    const uint16_t id = static_cast<uint16_t>(::getpid());
    const uint16_t seq = NextSequence();
    std::vector<uint8_t> packet(kIcmpHeader + request.dataSize, 0);
    packet[0] = ICMP_ECHO;
    packet[4] = static_cast<uint8_t>(id >> 8);
    packet[5] = static_cast<uint8_t>(id);
    packet[6] = static_cast<uint8_t>(seq >> 8);
    packet[7] = static_cast<uint8_t>(seq);
    std::copy_n(request.host.begin(), std::min(request.host.size(), request.dataSize), packet.begin() + kIcmpHeader);
    const uint16_t sum = Checksum(packet.data(), packet.size());
    packet[2] = static_cast<uint8_t>(sum >> 8);
    packet[3] = static_cast<uint8_t>(sum);

    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_addr = target;
    if (::sendto(sock.fd(), packet.data(), packet.size(), 0, reinterpret_cast<sockaddr*>(&to), sizeof to) < 0)
        throw SysError(ErrnoText("Cannot send to " + request.host, errno));

    const auto deadline = Clock::now() + request.timeout;
    std::vector<uint8_t> reply(packet.size() + 60 + 64);  // room for an IP header with options
    for (;;) {
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0)
            return 0;
        pollfd pfd{sock.fd(), POLLIN, 0};
        const int ready = ::poll(&pfd, 1, static_cast<int>(left));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready < 0)
            throw SysError(ErrnoText("Cannot wait for the echo reply", errno));
        if (ready == 0)
            return 0;

        sockaddr_in from{};
        socklen_t fromLen = sizeof from;
        const ssize_t got =
            ::recvfrom(sock.fd(), reply.data(), reply.size(), 0, reinterpret_cast<sockaddr*>(&from), &fromLen);
        if (got < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            throw SysError(ErrnoText("Cannot receive the echo reply", errno));
        }
        std::size_t offset = 0;
        if (raw) {  // a raw socket hands over the IP header too
            if (got < 20)
                continue;
            offset = static_cast<std::size_t>(reply[0] & 0x0F) * 4;
        }
        if (static_cast<std::size_t>(got) < offset + kIcmpHeader)
            continue;
        const uint8_t* icmp = reply.data() + offset;
        const uint16_t replySeq = static_cast<uint16_t>(icmp[6] << 8 | icmp[7]);
        const uint16_t replyId = static_cast<uint16_t>(icmp[4] << 8 | icmp[5]);
        if (icmp[0] != ICMP_ECHOREPLY || replySeq != seq)
            continue;
        if (raw && (replyId != id || from.sin_addr.s_addr != target.s_addr))
            continue;
        return static_cast<std::size_t>(got) - offset - kIcmpHeader;
    }
}

}  // namespace sys

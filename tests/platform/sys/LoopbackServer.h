// A one-thread TCP server on a loopback address for tests of network clients.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace testing_support {

class LoopbackServer {
public:
    // Called for each connection with the request head read so far (up to the blank line) and the
    // connected socket; whatever it does not send is never sent.
    using Handler = std::function<void(int fd, const std::string& request)>;

    explicit LoopbackServer(Handler handler, bool ipv6 = false) : handler_(std::move(handler))
    {
        listen_ = ::socket(ipv6 ? AF_INET6 : AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (ipv6) {
            sockaddr_in6 a{};
            a.sin6_family = AF_INET6;
            a.sin6_addr = in6addr_loopback;
            ok_ = ::bind(listen_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
        } else {
            sockaddr_in a{};
            a.sin_family = AF_INET;
            a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            ok_ = ::bind(listen_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
        }
        ok_ = ok_ && ::listen(listen_, 8) == 0;
        sockaddr_storage bound{};
        socklen_t len = sizeof bound;
        ::getsockname(listen_, reinterpret_cast<sockaddr*>(&bound), &len);
        port_ = ntohs(ipv6 ? reinterpret_cast<sockaddr_in6*>(&bound)->sin6_port
                           : reinterpret_cast<sockaddr_in*>(&bound)->sin_port);
        if (ok_)
            thread_ = std::thread([this] { Serve(); });
    }

    ~LoopbackServer()
    {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
        ::close(listen_);
    }

    bool Ok() const { return ok_; }
    int Port() const { return port_; }
    bool Stopping() const { return stop_; }
    std::vector<std::string> Requests()
    {
        std::lock_guard lock(mutex_);
        return requests_;
    }

    static void Send(int fd, const std::string& bytes) { (void)!::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL); }

private:
    void Serve()
    {
        while (!stop_) {
            pollfd p{listen_, POLLIN, 0};
            if (::poll(&p, 1, 20) <= 0)
                continue;
            const int fd = ::accept4(listen_, nullptr, nullptr, SOCK_CLOEXEC);
            if (fd < 0)
                continue;
            std::string request;
            char buf[1024];
            while (request.find("\r\n\r\n") == std::string::npos) {
                pollfd r{fd, POLLIN, 0};
                if (::poll(&r, 1, 2000) <= 0)
                    break;
                const ssize_t n = ::recv(fd, buf, sizeof buf, 0);
                if (n <= 0)
                    break;
                request.append(buf, static_cast<size_t>(n));
            }
            {
                std::lock_guard lock(mutex_);
                requests_.push_back(request);
            }
            handler_(fd, request);
            ::close(fd);
        }
    }

    Handler handler_;
    int listen_ = -1;
    int port_ = 0;
    bool ok_ = false;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

}  // namespace testing_support

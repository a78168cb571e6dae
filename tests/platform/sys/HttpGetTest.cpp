#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "LoopbackServer.h"
#include "platform/sys/HttpGet.h"

using testing_support::LoopbackServer;
using namespace std::chrono_literals;

namespace {

LoopbackServer::Handler Reply(std::string bytes)
{
    return [bytes](int fd, const std::string&) { LoopbackServer::Send(fd, bytes); };
}

sys::HttpRequest To(const LoopbackServer& server, std::chrono::milliseconds timeout = 5000ms)
{
    return {"127.0.0.1", server.Port(), "/home/download/GetversionSW.asp", "nomesw=SW58E26", timeout};
}

}  // namespace

TEST(HttpGet, FetchesTheBodyWithAPlainHttp10Request)
{
    LoopbackServer server(Reply("HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\nVER. 1.002\r\n"));
    ASSERT_TRUE(server.Ok());
    EXPECT_EQ(sys::HttpGet(To(server)), "VER. 1.002\r\n");

    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].rfind("GET /home/download/GetversionSW.asp?nomesw=SW58E26 HTTP/1.0\r\n", 0), 0u)
        << requests[0];
    EXPECT_EQ(requests[0].find("Cookie"), std::string::npos);
}

TEST(HttpGet, QueryIsSentAsGiven)
{
    LoopbackServer server(Reply("HTTP/1.0 200 OK\r\n\r\nx"));
    auto request = To(server);
    request.path = "p";  // a path without its leading slash gets one
    request.query = "a=%41&b=1+2";
    EXPECT_EQ(sys::HttpGet(request), "x");
    EXPECT_EQ(server.Requests().back().rfind("GET /p?a=%41&b=1+2 HTTP/1.0\r\n", 0), 0u);
}

TEST(HttpGet, RepliesOtherThanSuccessAreErrors)
{
    struct Case {
        const char* name;
        std::string reply;
        long status;
    };
    const Case cases[] = {
        {"not found", "HTTP/1.0 404 Not Found\r\n\r\nmissing", 404},
        {"server error", "HTTP/1.1 500 Internal Server Error\r\nContent-Length: 0\r\n\r\n", 500},
        {"redirect is not followed", "HTTP/1.0 302 Found\r\nLocation: /elsewhere\r\n\r\n", 302},
        {"not HTTP", "VER. 1.002\r\n", 0},
        {"closed without a reply", "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        LoopbackServer server(Reply(c.reply));
        try {
            sys::HttpGet(To(server));
            ADD_FAILURE() << "no error";
        } catch (const sys::HttpError& e) {
            EXPECT_EQ(e.Status(), c.status) << e.what();
        }
        EXPECT_EQ(server.Requests().size(), 1u);
    }
}

TEST(HttpGet, SilentServerEndsInTheTimeOut)
{
    // Accepts, reads the request, and keeps the connection open without answering.
    LoopbackServer holding([&](int, const std::string&) {
        while (!holding.Stopping())
            std::this_thread::sleep_for(10ms);
    });
    const auto start = std::chrono::steady_clock::now();
    try {
        sys::HttpGet(To(holding, 300ms));
        ADD_FAILURE() << "no error";
    } catch (const sys::HttpError& e) {
        EXPECT_NE(std::string(e.what()).find("timed out"), std::string::npos) << e.what();
    }
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GE(elapsed, 250ms);  // the client's timer is not exact to the millisecond
    EXPECT_LT(elapsed, 5s);
}

TEST(HttpGet, RefusedConnectionIsAnErrorNotAHang)
{
    int port = 0;
    {
        LoopbackServer closed(Reply(""));
        port = closed.Port();
    }  // nothing listens on the port any more
    const auto start = std::chrono::steady_clock::now();
    EXPECT_THROW(sys::HttpGet({"127.0.0.1", port, "/", "", 10000ms}), sys::HttpError);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
}

TEST(HttpGet, ReachesAnIpv6LoopbackServer)
{
    LoopbackServer server(Reply("HTTP/1.0 200 OK\r\n\r\nsix"), /*ipv6=*/true);
    if (!server.Ok())
        GTEST_SKIP() << "no IPv6 loopback here";
    EXPECT_EQ(sys::HttpGet({"::1", server.Port(), "/", "", 5000ms}), "six");
}

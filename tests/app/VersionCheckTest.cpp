#include "app/UVersionCheck.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(VersionCheck, ConvVersionReadsDigitsAroundThePoint)
{
    const std::pair<const char*, int> cases[] = {
        {"VER. 1.002", 1002}, {"1.000", 1000},    {"VER. 2.1", -1}, {"VER. 1.0025", 1002},    {"2.000", 2000},
        {"VER. 1.5", -1},     {"VER. a.bcd", -1}, {"", -1},         {"VER.   1.003  ", 1003},
    };
    for (const auto& [text, number] : cases)
        EXPECT_EQ(Conv_Version(text), number) << text;
}

TEST(VersionCheck, OnlyANewerVersionShowsTheLink)
{
    const std::pair<const char*, bool> cases[] = {
        {"VER. 1.001", true},  {"VER. 1.002\r\n", true}, {"2.000", true},
        {"VER. 1.000", false}, {"VER. 0.999", false},    {"ver. 0.000", false},
        {"", false},           {"VER. 1.5", false},      {"<html>error</html>", false},
    };
    for (const auto& [reply, newer] : cases)
        EXPECT_EQ(Is_Newer_Version(reply), newer) << reply;
}

TEST(VersionCheck, FailuresCountAsNoNewerVersion)
{
    EXPECT_TRUE(Check_Version([] { return std::optional<std::string>("VER. 1.002"); }));
    EXPECT_FALSE(Check_Version([] { return std::optional<std::string>(); }));
    EXPECT_FALSE(Check_Version([]() -> std::optional<std::string> { throw std::runtime_error("down"); }));
}

}  // namespace

#include "platform/sys/LoopbackServer.h"

namespace {

TEST(VersionCheck, AsksTheServiceOverHttp)
{
    using testing_support::LoopbackServer;
    struct Reply {
        const char* status;
        const char* body;
        bool newer;
    };
    // An error or redirect status is a failed query even when its body reads like a newer version.
    const Reply replies[] = {
        {"200 OK", "VER. 1.002", true},
        {"200 OK", "VER. 0.000", false},
        {"200 OK", "", false},
        {"500 Internal Server Error", "VER. 9.999", false},
        {"302 Found\r\nLocation: http://127.0.0.1:1/", "VER. 9.999", false},
    };
    for (const auto& [status, body, newer] : replies) {
        const std::string head = status;
        const std::string text = body;
        LoopbackServer server([head, text](int fd, const std::string&) {
            LoopbackServer::Send(fd, "HTTP/1.0 " + head + "\r\nContent-Length: " + std::to_string(text.size()) +
                                         "\r\n\r\n" + text);
        });
        ASSERT_TRUE(server.Ok());
        EXPECT_EQ(Check_Version(Http_Version_Fetcher("127.0.0.1", server.Port())), newer) << status << " " << body;
        ASSERT_EQ(server.Requests().size(), 1u);
        EXPECT_NE(server.Requests()[0].find("GET /home/download/GetversionSW.asp?nomesw=SW58E26 HTTP/1.0"),
                  std::string::npos);
    }
}

TEST(VersionCheck, SilentServerEndsInTimeOutAsNoNewerVersion)
{
    using testing_support::LoopbackServer;
    // Accepts and reads the request, then says nothing until the client gives up and hangs up.
    LoopbackServer silent([](int fd, const std::string&) {
        pollfd p{fd, POLLIN, 0};
        ::poll(&p, 1, 5000);
    });
    ASSERT_TRUE(silent.Ok());
    EXPECT_FALSE(Check_Version(Http_Version_Fetcher("127.0.0.1", silent.Port(), 300)));
}

}  // namespace

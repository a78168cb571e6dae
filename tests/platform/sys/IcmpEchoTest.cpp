#include <gtest/gtest.h>

#include <string>

#include "platform/sys/IcmpEcho.h"
#include "platform/sys/SysError.h"

namespace {

using sys::EchoSocket;

// Each socket kind on its own; a kind the system does not grant to this process is skipped, so
// the suite passes whether unprivileged echo sockets are allowed here or not.
class IcmpEchoOn : public ::testing::TestWithParam<EchoSocket> {
protected:
    std::size_t Echo(std::string host, std::size_t size)
    {
        return sys::IcmpEcho({std::move(host), size, std::chrono::milliseconds(1000), GetParam()});
    }
    void SetUp() override
    {
        try {
            Echo("127.0.0.1", 8);
        } catch (const sys::SysError& e) {
            if (std::string(e.what()).find("Cannot open an echo socket") == 0)
                GTEST_SKIP() << e.what();
            throw;
        }
    }
};

}  // namespace

TEST_P(IcmpEchoOn, LoopbackAnswersWithTheBytesSent)
{
    for (std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{1024}, std::size_t{4000}}) {
        SCOPED_TRACE(size);
        EXPECT_EQ(Echo("127.0.0.1", size), size);
    }
    EXPECT_EQ(Echo("localhost", 1024), 1024u);  // a name from the hosts file
}

TEST_P(IcmpEchoOn, AddressesThatCannotBeUsedAreErrors)
{
    // None of these is looked up by name: a text of digits and dots is taken as an address only.
    for (const char* host : {"", "256.1.1.1", "1.2.3", "1.2.3.4.5", "1..2.3", "255.255.255.255"}) {
        SCOPED_TRACE(host);
        EXPECT_THROW(Echo(host, 1024), sys::SysError);
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, IcmpEchoOn,
                         ::testing::Values(EchoSocket::Automatic, EchoSocket::Unprivileged, EchoSocket::Raw),
                         [](const auto& info) {
                             switch (info.param) {
                             case EchoSocket::Unprivileged:
                                 return std::string("Unprivileged");
                             case EchoSocket::Raw:
                                 return std::string("Raw");
                             default:
                                 return std::string("Automatic");
                             }
                         });

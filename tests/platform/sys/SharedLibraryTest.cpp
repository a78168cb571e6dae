#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "platform/sys/SharedLibrary.h"
#include "platform/sys/SysError.h"

TEST(SharedLibrary, FunctionsAreFoundByName)
{
    sys::SharedLibrary libc("libc.so.6");
    auto* length = libc.Function<std::size_t(const char*)>("strlen");
    ASSERT_NE(length, nullptr);
    EXPECT_EQ(length("opcua"), 5u);
    EXPECT_EQ(libc.Symbol("opcua_client_begin"), nullptr);
}

TEST(SharedLibrary, MissingLibraryIsAnErrorNamingIt)
{
    try {
        sys::SharedLibrary missing("OPC_UA_Search_missing.so");
        FAIL() << "no error";
    } catch (const sys::SysError& e) {
        EXPECT_NE(std::string(e.what()).find("OPC_UA_Search_missing.so"), std::string::npos);
    }
}

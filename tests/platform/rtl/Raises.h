#pragma once
// Checks that a call raises the given exception class with exactly the given message.
#include <exception>
#include <string>

#include <gtest/gtest.h>

namespace rtl_test {

template <typename E, typename Fn>
::testing::AssertionResult RaisesWith(Fn&& call, const std::string& message)
{
    try {
        call();
    } catch (const E& e) {
        if (e.Message == message)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "raised \"" << e.Message << "\" instead of \"" << message << "\"";
    } catch (const std::exception& e) {
        return ::testing::AssertionFailure() << "raised another exception: " << e.what();
    }
    return ::testing::AssertionFailure() << "nothing raised, expected \"" << message << "\"";
}

}  // namespace rtl_test

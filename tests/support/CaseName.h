// Names of parameterised test cases: a case says in words what it checks, and its name is those
// words in PascalCase ("a pair that is not a byte" becomes "APairThatIsNotAByte"), so a failure
// names the behaviour rather than a position in the table.
#pragma once

#include <cctype>
#include <string>
#include <string_view>

namespace testsupport {

inline std::string CaseName(std::string_view what)
{
    std::string name;
    bool wordStart = true;
    for (const char c : what) {
        const auto u = static_cast<unsigned char>(c);
        if (!std::isalnum(u)) {
            wordStart = true;
            continue;
        }
        name.push_back(wordStart ? static_cast<char>(std::toupper(u)) : c);
        wordStart = false;
    }
    return name;
}

// Name generator for INSTANTIATE_TEST_SUITE_P over cases whose `what` member says what they check.
inline constexpr auto kNameByWhat = [](const auto& info) { return CaseName(info.param.what); };

}  // namespace testsupport

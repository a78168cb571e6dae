// The one UTF-8 codec and its rule for malformed input: one U+FFFD per malformed byte, the
// well-formed text around it read unchanged.
#include "platform/rtl/Utf8.h"

#include <gtest/gtest.h>

#include "platform/rtl/StrUtils.h"

namespace rtl {
namespace {

constexpr char32_t R = kReplacementChar;

struct DecodeCase {
    const char* name;
    std::string bytes;
    std::u32string chars;
};

const DecodeCase kDecodeCases[] = {
    {"Ascii", "ab", U"ab"},
    {"AllSequenceLengths", "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80", U"a\u00E9\u20AC\U0001F600"},
    {"StrayContinuationByte",
     "a\x80"
     "b",
     {'a', R, 'b'}},
    {"TruncatedAtTheEnd", "a\xE2\x82", {'a', R, R}},
    {"TruncatedBeforeAnAsciiByte",
     "\xE2\x82"
     "b",
     {R, R, 'b'}},
    {"OverlongNul", "\xC0\x80", {R, R}},
    {"OverlongSlash", "\xE0\x80\xAF", {R, R, R}},
    {"EncodedSurrogate", "\xED\xA0\x80", {R, R, R}},
    {"AboveTheLastCodePoint", "\xF4\x90\x80\x80", {R, R, R, R}},
    {"BytesThatNeverStartASequence", "\xF8\xFF", {R, R}},
    {"WindowsLatinText", "caf\xE9", {'c', 'a', 'f', R}},
};

class Utf8Decode : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(Utf8Decode, OneReplacementPerMalformedByte)
{
    const DecodeCase& c = GetParam();
    EXPECT_EQ(Utf8ToCodePoints(c.bytes), c.chars);
    // The runtime's length in characters follows the same rule.
    EXPECT_EQ(Utf8Length(c.bytes), static_cast<int>(c.chars.size()));
    EXPECT_EQ(IsValidUtf8(c.bytes), c.chars.find(R) == std::u32string::npos);
}

INSTANTIATE_TEST_SUITE_P(Cases, Utf8Decode, ::testing::ValuesIn(kDecodeCases),
                         [](const ::testing::TestParamInfo<DecodeCase>& info) { return info.param.name; });

TEST(Utf8Encode, ScalarValuesRoundTripAndOthersBecomeTheReplacement)
{
    const std::u32string scalars = U"a\u00E9\u07FF\u0800\uFFFF\U00010000\U0010FFFF";
    EXPECT_EQ(Utf8ToCodePoints(CodePointsToUtf8(scalars)), scalars);
    EXPECT_EQ(CodePointToUtf8(0x20AC), "\xE2\x82\xAC");
    const std::string replacement = "\xEF\xBF\xBD";
    for (char32_t bad : {char32_t(0xD800), char32_t(0xDFFF), char32_t(0x110000), char32_t(0xFFFFFFFF)}) {
        EXPECT_EQ(CodePointToUtf8(bad), replacement) << std::hex << static_cast<unsigned>(bad);
        EXPECT_EQ(CodePointsToUtf8(std::u32string(1, bad)), replacement);
    }
}

// UTF-16 follows the same policy: pairs for characters beyond U+FFFF, U+FFFD for a malformed
// UTF-8 byte and for a surrogate that is not part of a pair.
TEST(Utf16, PairsRoundTripAndWhatIsNotACharacterBecomesTheReplacement)
{
    const std::string text = "a\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80";
    EXPECT_EQ(Utf8ToUtf16(text), u"a\u00E9\u20AC\U0001F600");
    EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(text)), text);
    EXPECT_EQ(Utf8ToUtf16("x\xE2\x82y"), u"x\uFFFD\uFFFDy");
    const std::string replacement = "\xEF\xBF\xBD";
    const std::u16string lone[] = {{u'a', char16_t(0xD83D)}, {char16_t(0xDE00), u'a'}, {char16_t(0xD83D), u'a'}};
    for (const std::u16string& units : lone)
        EXPECT_NE(Utf16ToUtf8(units).find(replacement), std::string::npos);
    EXPECT_EQ(Utf16ToUtf8(std::u16string{char16_t(0xD83D), u'b'}), replacement + "b");
}

}  // namespace
}  // namespace rtl

#include "platform/rtl/CodePages.h"

#include <iconv.h>

#include <gtest/gtest.h>

namespace rtl {
namespace {

// The system's own conversion, used as an independent reference for the tables.
std::string systemConvert(const char* from, const char* to, const std::string& in, bool& ok)
{
    iconv_t cd = iconv_open(to, from);
    ok = cd != reinterpret_cast<iconv_t>(-1);
    if (!ok)
        return {};
    std::string out(16, '\0');
    char* inp = const_cast<char*>(in.data());
    size_t inLeft = in.size();
    char* outp = out.data();
    size_t outLeft = out.size();
    ok = iconv(cd, &inp, &inLeft, &outp, &outLeft) != static_cast<size_t>(-1);
    iconv_close(cd);
    out.resize(out.size() - outLeft);
    return out;
}

TEST(CodePages, EveryByteDecodesAsTheSystemConversionDoes)
{
    struct Page {
        const char* name;
        std::string (*toUtf8)(std::string_view);
        std::string (*fromUtf8)(std::string_view);
    };
    const Page pages[] = {{"CP1252", Cp1252ToUtf8, Utf8ToCp1252}, {"CP437", Cp437ToUtf8, Utf8ToCp437}};
    for (const Page& page : pages) {
        int compared = 0;
        for (int b = 0; b < 256; ++b) {
            std::string byte(1, static_cast<char>(b));
            bool ok = false;
            std::string expected = systemConvert(page.name, "UTF-8", byte, ok);
            std::string mine = page.toUtf8(byte);
            EXPECT_EQ(page.fromUtf8(mine), byte) << page.name << " byte " << b << " does not round-trip";
            if (!ok)
                continue;  // byte left undefined by the system tables
            ++compared;
            EXPECT_EQ(mine, expected) << page.name << " byte " << b;
        }
        EXPECT_GT(compared, 250) << page.name << ": system conversion not available";
    }
}

TEST(CodePages, UnmappableAndInvalidInputBecomesQuestionMark)
{
    EXPECT_EQ(Utf8ToCp1252("a\xE2\x82\xAC"
                           "b"),
              "a\x80"
              "b");                                              // euro sign
    EXPECT_EQ(Utf8ToCp1252("\xE4\xB8\xAD"), "?");                // CJK: one '?' per character
    EXPECT_EQ(Utf8ToCp1252("\xF0\x9F\x98\x80x"), "?x");          // outside the BMP
    EXPECT_EQ(Utf8ToCp437("\xC3\xA9\xE2\x94\x82"), "\x82\xB3");  // é and a box line
    EXPECT_EQ(Utf8ToCp437("\xE2\x82\xAC"), "?");
    EXPECT_EQ(Utf8ToCp1252("\xC3"), "?");            // truncated sequence
    EXPECT_EQ(Utf8ToCp1252("\xC0\xAF"), "??");       // overlong form is refused
    EXPECT_EQ(Utf8ToCp1252("\xED\xA0\x80"), "???");  // encoded surrogate
}

TEST(CodePages, Utf8Validation)
{
    EXPECT_TRUE(IsValidUtf8("plain \xC3\xA9 \xF0\x9F\x98\x80"));
    EXPECT_FALSE(IsValidUtf8("caf\xE9"));           // Windows-1252 é
    EXPECT_FALSE(IsValidUtf8("\xF4\x90\x80\x80"));  // above U+10FFFF
}

}  // namespace
}  // namespace rtl

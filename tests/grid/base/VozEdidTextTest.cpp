// Cell text classification and number, date and reference parsing. Number and date routines run
// under a decimal-point and a decimal-comma regional setting; none depends on the host locale.
#include "grid/base/VozEdidText.h"

#include "platform/rtl/Exceptions.h"
#include "platform/rtl/Regional.h"

#include <gtest/gtest.h>

namespace gx {
namespace {

rtl::TFormatSettings PointSettings()
{
    auto fs = rtl::TFormatSettings::Neutral();
    fs.DecimalSeparator = '.';
    fs.ThousandSeparator = ",";
    fs.DateSeparator = '/';
    return fs;
}

rtl::TFormatSettings CommaSettings()
{
    auto fs = rtl::TFormatSettings::Neutral();
    fs.DecimalSeparator = ',';
    fs.ThousandSeparator = ".";
    fs.DateSeparator = '.';
    return fs;
}

std::string Coded(std::u16string_view w)
{
    return EncodeWideCellText(w);
}

TEST(CellTextKind, ClassifiesByLeadingMarkersAndTags)
{
    struct Case {
        std::string text;
        bool detectHtml;
        int kind;
    } cases[] = {
        {"", true, ctkPlain},
        {"=SUM(A1)", true, ctkFormula},
        {Coded(u"=1"), true, ctkFormula},
        {Coded(u"ab"), true, ctkWideText},
        {"{\\rtf1 x}", true, ctkRichText},
        {"<b>x</b>", true, ctkHTML},
        {"<B>x", true, ctkHTML},
        {"<i>x", true, ctkPlain},  // tag letters are matched in upper case only
        {"<b>x</b>", false, ctkPlain},
        {"a < b", true, ctkPlain},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetCellTextKind(c.text, c.detectHtml), c.kind) << c.text;
}

struct NumberCase {
    const char* text;
    int point;  // kind with decimal point and "," thousands
    int comma;  // kind with decimal comma and "." thousands
};

TEST(NumberKind, UnderBothRegionalSettings)
{
    const NumberCase cases[] = {
        {"", nkNotANumber, nkNotANumber},       {"12", nkInteger, nkInteger},
        {"-12", nkInteger, nkInteger},          {"-", nkInteger, nkInteger},
        {"1-2", nkNotANumber, nkNotANumber},    {"--1", nkNotANumber, nkNotANumber},
        {"1.5", nkDecimal, nkDecimal},  // with comma settings "." is the thousand separator
        {"1,5", nkDecimal, nkDecimal},          {"1.5.5", nkNotANumber, nkNotANumber},
        {"1,234,567", nkDecimal, nkNotANumber}, {"1.234.567", nkNotANumber, nkDecimal},
        {"1,23,4", nkNotANumber, nkNotANumber}, {"1E5", nkExponent, nkExponent},
        {"-1.5E-3", nkExponent, nkNotANumber},  {"-1,5E-3", nkNotANumber, nkExponent},
        {"-2e+4", nkExponent, nkExponent},      {"1E5E5", nkNotANumber, nkNotANumber},
        {"1e", nkNotANumber, nkNotANumber},     {"e5", nkNotANumber, nkNotANumber},
        {"12a", nkNotANumber, nkNotANumber},    {"١٢", nkInteger, nkInteger},  // any Unicode digits
    };
    for (auto [settings, name] : {std::pair{PointSettings(), "point"}, std::pair{CommaSettings(), "comma"}}) {
        rtl::TRegionalScope scope(settings);
        for (const auto& c : cases)
            EXPECT_EQ(GetNumberKind(c.text), name == std::string("point") ? c.point : c.comma) << name << " " << c.text;
    }
}

TEST(CleanNumberText, UnderBothRegionalSettings)
{
    struct Case {
        const char* text;
        const char* point;
        const char* comma;
    } cases[] = {
        {"", "", ""},
        {"  12.5  ", "12.5", "125"},
        {"(12)", "-12", "-12"},
        {"12abc", "12", "12"},
        {"$ -12", "-12", "-12"},
        {"(1.234,50 €)", "-1.23450", "-1234.50"},
        {"1,234.50 USD", "1234.50", "1.23450"},
        {"€ 7", "7", "7"},
        {"x", "", ""},
        {"-", "-", "-"},
    };
    for (auto [settings, point] : {std::pair{PointSettings(), true}, std::pair{CommaSettings(), false}}) {
        rtl::TRegionalScope scope(settings);
        for (const auto& c : cases)
            EXPECT_EQ(CleanNumberText(c.text), point ? c.point : c.comma) << c.text;
    }
}

TEST(CleanNumberText, MultiByteThousandSeparator)
{
    auto fs = CommaSettings();
    fs.ThousandSeparator = "\u00A0";  // no-break space
    rtl::TRegionalScope scope(fs);
    EXPECT_EQ(CleanNumberText("1\u00A0234,5 kr"), "1234.5");
    EXPECT_EQ(GetNumberKind("1\u00A0234,5"), nkDecimal);

    fs.ThousandSeparator.clear();  // no grouping: nothing counts as a separator
    rtl::TRegionalScope none(fs);
    EXPECT_EQ(GetNumberKind(std::string("1\0"
                                        "2",
                                        3)),
              nkNotANumber);
    EXPECT_EQ(GetNumberKind("1.234,5"), nkNotANumber);
    EXPECT_EQ(CleanNumberText("1.234,5"), "1.234.5");  // "." is always kept, the decimal comma becomes "."
}

TEST(ShortDates, DayMonthYearAndMonthDayYear)
{
    struct Case {
        const char* text;
        int eu[3];  // year, month, day; year 0 = result 0
        int us[3];
    } cases[] = {
        {"31/12/99", {1999, 12, 31}, {0, 0, 0}},   {"1.2.05", {2005, 2, 1}, {2005, 1, 2}},
        {"12-3-25", {2025, 3, 12}, {2025, 12, 3}}, {"12-3-26", {1926, 3, 12}, {1926, 12, 3}},
        {"12/2005", {0, 0, 0}, {0, 0, 0}},         {"a/b/c", {0, 0, 0}, {0, 0, 0}},
        {"1/13/20", {0, 0, 0}, {2020, 1, 13}},     {"nodate", {0, 0, 0}, {0, 0, 0}},
    };
    for (auto settings : {PointSettings(), CommaSettings()}) {
        rtl::TRegionalScope scope(settings);
        for (const auto& c : cases) {
            const double eu = c.eu[0] ? rtl::EncodeDate(c.eu[0], c.eu[1], c.eu[2]) : 0;
            const double us = c.us[0] ? rtl::EncodeDate(c.us[0], c.us[1], c.us[2]) : 0;
            EXPECT_EQ(ParseShortDateEU(c.text), eu) << c.text;
            EXPECT_EQ(ParseShortDateUS(c.text), us) << c.text;
        }
    }
}

TEST(ShortDates, DateSeparatorsFollowTheRegionalSetting)
{
    {
        rtl::TRegionalScope scope(PointSettings());
        EXPECT_TRUE(HasDateSeparators("1/2/3"));
        EXPECT_FALSE(HasDateSeparators("/1/2"));
        EXPECT_FALSE(HasDateSeparators("1//2"));
        EXPECT_FALSE(HasDateSeparators("1.2.3"));
    }
    rtl::TRegionalScope scope(CommaSettings());
    EXPECT_TRUE(HasDateSeparators("1.2.3"));
    EXPECT_FALSE(HasDateSeparators("1/2/3"));
}

TEST(DateSeries, StepsByYearsMonthsDaysOrFraction)
{
    const double d = rtl::EncodeDate(2020, 1, 15);
    struct Case {
        int years, months, days;
        double date, step, expected;
    } cases[] = {
        {0, -1, 0, d, 0, rtl::EncodeDate(2019, 12, 15)},
        {0, 1, 0, rtl::EncodeDate(2020, 12, 15), 0, rtl::EncodeDate(2021, 1, 15)},
        {1, 0, 0, d, 0, rtl::EncodeDate(2021, 1, 15)},
        {0, 0, 3, d + 0.25, 0, d + 3.25},
        {0, 0, 0, d, 0.5, d + 0.5},
        {1, 1, 0, d, 2, d + 2},
        // The day is kept within the target month instead of failing the whole fill.
        {0, 1, 0, rtl::EncodeDate(2021, 1, 31), 0, rtl::EncodeDate(2021, 2, 28)},
        {1, 0, 0, rtl::EncodeDate(2020, 2, 29), 0, rtl::EncodeDate(2021, 2, 28)},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(IncDateBy(c.years, c.months, c.days, c.date, c.step), c.expected)
            << c.years << " " << c.months << " " << c.days;
}

TEST(WideCellText, DecodingTheCodingGivesTheTextBack)
{
    for (std::u16string w : {std::u16string(), std::u16string(u"abc"), std::u16string(u"Grüße €"),
                             std::u16string(u"\u0100\u00FF\u7F16\U0001F600"), std::u16string(u"\0x", 2)}) {
        const std::string coded = EncodeWideCellText(w);
        EXPECT_EQ(coded.substr(0, 2), "|\\");
        EXPECT_EQ(DecodeWideCellText(coded), w);
    }
    EXPECT_EQ(DecodeWideCellText("plain ä"), u"plain ä");
    EXPECT_EQ(DecodeWideCellText(Coded(u"ab") + "x"), u"ab");  // an unpaired last character is ignored
}

TEST(MixedCase, CapitalisesWordsNamesAndRomanNumerals)
{
    struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"john mcdonald", "John McDonald"},
        {"henry iii", "Henry III"},
        {"louis ii", "Louis II"},
        {"o'neil-smith", "O'Neil-Smith"},
        {"mcx", "McX"},
        {"HELLO WORLD", "Hello World"},
        {"st. ann", "St. Ann"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MixedCase(c.in), c.out) << c.in;
}

TEST(CellReference, ReadsRowAndColumn)
{
    ui::TPoint p(-1, -1);
    EXPECT_TRUE(ParseCellRef("r12c3", p));
    EXPECT_EQ(p, ui::TPoint(3, 12));
    for (const char* bad : {"R12C", "RC", "R1C", "X1C2", "R1X2", "RaC2", "R1C2x"}) {
        ui::TPoint q(-1, -1);
        EXPECT_FALSE(ParseCellRef(bad, q)) << bad;
        EXPECT_EQ(q, ui::TPoint(-1, -1)) << bad;
    }
}

TEST(Links, RecogniseStripAndInsert)
{
    EXPECT_TRUE(IsURL("http://x"));
    EXPECT_TRUE(IsURL("write to mailto:a@b"));
    EXPECT_FALSE(IsURL("MAILTO:a@b"));
    EXPECT_FALSE(IsURL("www.x.org"));

    struct Strip {
        std::string in, out;
    } strips[] = {{"http://x.org/a", "x.org/a"}, {"mailto:a@b", "a@b"}, {"www.x", "www.x"}};
    for (auto s : strips) {
        StripURLProtocol(s.in);
        EXPECT_EQ(s.in, s.out);
    }

    std::string result = "untouched";
    EXPECT_FALSE(InsertURLLink("no address", "HTTP://", result));
    EXPECT_EQ(result, "untouched");
    EXPECT_TRUE(InsertURLLink("see FTP://abc/d?e", "FTP://", result));
    EXPECT_EQ(result, "see <a href=\"FTP://abc/d\">FTP://abc/d</a>?e");
    EXPECT_TRUE(InsertURLLink("a<b www.x.org", "WWW.", result));
    EXPECT_EQ(result, "a&lt;b <a href=\"www.x.org\">www.x.org</a>");
}

}  // namespace
}  // namespace gx

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <locale.h>
#include <string>

#include "common/AddressHelpers.h"
#include "platform/rtl/Regional.h"

namespace {

TEST(SplitIPAddress, AcceptsOnlyFourPartsInRange)
{
    const struct {
        const char* text;
        bool ok;
    } cases[] = {
        {"192.168.0.1", true}, {" 10 . 0 . 0 . 1 ", true}, {"0.0.0.0", true}, {"256.1.1.1", false},
        {"1.2.3.-1", false},   {"1.2.3.", false},          {"", false},       {"a.b.c.d", false},
        {"1.2.3.4.5", false},  {"1.2.3", false},           {"1..2.3", false}, {"1.2.3.$A", false},
    };
    for (const auto& c : cases) {
        std::string a, b, cc, d;
        EXPECT_EQ(Split_IP_Address(c.text, a, b, cc, d), c.ok) << c.text;
    }
}

TEST(SplitIPAddress, OutputsAreTrimmedParts)
{
    std::string a, b, c, d;
    ASSERT_TRUE(Split_IP_Address("  10 . 20 .30. 40  ", a, b, c, d));
    EXPECT_EQ((std::array{a, b, c, d}), (std::array<std::string, 4>{"10", "20", "30", "40"}));
}

TEST(IPToBytes, InvalidPartsBecomeZeroAndSetTheErrorFlag)
{
    const struct {
        const char* text;
        bool error;
        std::array<int, 4> bytes;
    } cases[] = {
        {"10.0.0.1", false, {10, 0, 0, 1}},   {"10.0.300.1", true, {10, 0, 0, 1}},
        {"1.2.3", true, {1, 2, 0, 3}},  // a missing dot leaves the rest for the next part
        {" 1. 2. 3. 4", false, {1, 2, 3, 4}}, {"1 .2.3.4", true, {0, 2, 3, 4}},  // blank after the digits
        {"1.2.3.4.5", true, {1, 2, 3, 0}},
    };
    for (const auto& c : cases) {
        uint8_t b[4] = {9, 9, 9, 9};
        EXPECT_EQ(IP_To_Bytes(c.text, b[0], b[1], b[2], b[3]), c.error) << c.text;
        EXPECT_EQ((std::array<int, 4>{b[0], b[1], b[2], b[3]}), c.bytes) << c.text;
    }
}

TEST(IPToBytes, EmptyTextLeavesBytesUnchanged)
{
    uint8_t b[4] = {1, 2, 3, 4};
    EXPECT_TRUE(IP_To_Bytes("", b[0], b[1], b[2], b[3]));
    EXPECT_EQ((std::array<int, 4>{b[0], b[1], b[2], b[3]}), (std::array<int, 4>{1, 2, 3, 4}));
}

TEST(IPPortToBytes, AllOrNothing)
{
    const struct {
        const char* text;
        bool ok;
        std::array<int, 5> out;
    } cases[] = {
        {"192.168.1.10:47808", true, {192, 168, 1, 10, 47808}},
        {" 1 . 2 . 3 . 4 : 0 ", true, {1, 2, 3, 4, 0}},
        {"192.168.1.10", false, {0, 0, 0, 0, 0}},
        {"192.168.1.10:70000", false, {0, 0, 0, 0, 0}},
        {"192.168.1.999:80", false, {0, 0, 0, 0, 0}},
        {"192.168.1.10:", false, {0, 0, 0, 0, 0}},
        {"192.168:1.10:80", false, {0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        uint8_t b[4] = {7, 7, 7, 7};
        uint16_t port = 7;
        EXPECT_EQ(IP_Port_To_Bytes(c.text, b[0], b[1], b[2], b[3], port), c.ok) << c.text;
        EXPECT_EQ((std::array<int, 5>{b[0], b[1], b[2], b[3], port}), c.out) << c.text;
    }
}

TEST(DecimalSeparator, FollowsRegionalSettingWithCommaFallback)
{
    for (auto [regional, expected] : {std::pair{'.', '.'}, {',', ','}, {';', ','}, {'\0', ','}}) {
        auto s = rtl::TFormatSettings::Neutral();
        s.DecimalSeparator = regional;
        rtl::TRegionalScope scope(s);
        EXPECT_EQ(Get_Decimal_Separator(), expected) << int(regional);
    }
}

TEST(StrToFloatSep, EitherSeparatorIsAccepted)
{
    const struct {
        char regional;
        const char* text;
        bool ok;
        float value;
    } cases[] = {
        {',', "1.5", true, 1.5f},     {',', "1,5", true, 1.5f},       {',', "1.000,5", false, 1.0f},
        {',', "", false, 1.0f},       {',', " -2,25 ", true, -2.25f}, {',', "1e3", true, 1000.0f},
        {',', "1,5e-1", true, 0.15f}, {',', "1e", false, 1.0f},       {',', "abc", false, 1.0f},
        {',', "1e39", false, 1.0f},  // beyond the 32-bit float range
        {'.', "1,5", true, 1.5f},     {'.', "3.25", true, 3.25f},     {'.', "1,000.5", false, 1.0f},
    };
    for (const auto& c : cases) {
        auto s = rtl::TFormatSettings::Neutral();
        s.DecimalSeparator = c.regional;
        rtl::TRegionalScope scope(s);
        float v = 0;
        EXPECT_EQ(Str_To_Float_Sep(c.text, Get_Decimal_Separator(), v), c.ok) << c.text;
        EXPECT_FLOAT_EQ(v, c.value) << c.text;
    }
}

// The UI library sets the C locale from the environment at start-up, so a user whose locale
// writes "1,5" must still get 1.5 and not 1 (a C conversion would stop at the ".").
TEST(StrToFloatSep, ReadingDoesNotDependOnTheProcessLocale)
{
    locale_t commaLocale = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "it_IT.UTF-8"}) {
        commaLocale = newlocale(LC_NUMERIC_MASK, name, locale_t(nullptr));
        if (commaLocale)
            break;
    }
    if (!commaLocale)
        GTEST_SKIP() << "no locale with a decimal comma installed";
    const locale_t saved = uselocale(commaLocale);
    for (char regional : {',', '.'}) {
        auto s = rtl::TFormatSettings::Neutral();
        s.DecimalSeparator = regional;
        rtl::TRegionalScope scope(s);
        for (const char* text : {"1.5", "1,5", "15e-1"}) {
            float v = 0;
            EXPECT_TRUE(Str_To_Float_Sep(text, Get_Decimal_Separator(), v)) << text << ' ' << regional;
            EXPECT_FLOAT_EQ(v, 1.5f) << text << ' ' << regional;
        }
    }
    uselocale(saved);
    freelocale(commaLocale);
}

TEST(ListCOMPorts, ListsFreeAndBusyPortsInOrder)
{
    auto ports = List_COM_Ports([](int n) {
        return n == 1 ? ComPortProbe::Opened : n == 3 ? ComPortProbe::InUse : ComPortProbe::Absent;
    });
    EXPECT_EQ(ports, (std::vector<std::string>{"1", "3"}));
}

// Without permission for the serial devices every possible port refuses the open; only
// those with a UART behind them are ports.
TEST(ListCOMPorts, RefusedOpenCountsOnlyWithHardware)
{
    const struct {
        int error;
        const char* uartType;
        ComPortProbe expected;
    } cases[] = {
        {EACCES, "0\n", ComPortProbe::Absent}, {EACCES, "4\n", ComPortProbe::InUse}, {EACCES, "", ComPortProbe::InUse},
        {EBUSY, "4", ComPortProbe::InUse},     {EIO, "", ComPortProbe::Absent},      {ENOENT, "", ComPortProbe::Absent},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Serial_Open_Failure(c.error, c.uartType), c.expected) << c.error << ' ' << c.uartType;
}

}  // namespace

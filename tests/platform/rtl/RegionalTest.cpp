#include "platform/rtl/Regional.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "TempDir.h"

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

namespace rtl {
namespace {

// Reads the settings with LC_ALL (and LOCPATH when given) set for the call only.
TFormatSettings readLocale(const std::string& name, const std::string& locPath = "")
{
    auto saveEnv = [](const char* var) {
        const char* v = std::getenv(var);
        return v ? std::optional<std::string>(v) : std::nullopt;
    };
    auto restoreEnv = [](const char* var, const std::optional<std::string>& v) {
        if (v)
            setenv(var, v->c_str(), 1);
        else
            unsetenv(var);
    };
    auto oldAll = saveEnv("LC_ALL");
    auto oldPath = saveEnv("LOCPATH");
    setenv("LC_ALL", name.c_str(), 1);
    if (!locPath.empty())
        setenv("LOCPATH", locPath.c_str(), 1);
    TFormatSettings fs = TFormatSettings::FromUserLocale();
    restoreEnv("LC_ALL", oldAll);
    restoreEnv("LOCPATH", oldPath);
    return fs;
}

// Compiles a locale from the system's sources into a private folder.
bool buildLocale(const std::string& source, const std::string& target)
{
    std::vector<std::string> args = {"localedef", "-i", source, "-f", "UTF-8", target};
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int rc = posix_spawnp(&pid, "localedef", &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0)
        return false;
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

struct Expected {
    char decimal;
    const char* thousand;
    char list;
    const char* shortDate;
    char dateSeparator;
    const char* longTime;
    const char* march;
};

void expectSettings(const TFormatSettings& fs, const Expected& e)
{
    EXPECT_EQ(fs.DecimalSeparator, e.decimal);
    EXPECT_EQ(fs.ThousandSeparator, e.thousand);
    EXPECT_EQ(fs.ListSeparator, e.list);
    EXPECT_EQ(fs.ShortDateFormat, e.shortDate);
    EXPECT_EQ(fs.DateSeparator, e.dateSeparator);
    EXPECT_EQ(fs.LongTimeFormat, e.longTime);
    EXPECT_EQ(fs.LongMonthNames[2], e.march);
}

// The C locale names no date order of a user: the default short date applies, so a date never
// shows as "03/01/00".
TEST(RegionalSettings, PlainCLocale)
{
    for (const char* name : {"C", "POSIX", "C.UTF-8"}) {
        SCOPED_TRACE(name);
        TFormatSettings fs = readLocale(name);
        expectSettings(fs, {'.', ",", ',', "M/d/yyyy", '/', "hh:nn:ss", "March"});
        EXPECT_EQ(fs.ShortTimeFormat, "hh:nn");
        EXPECT_EQ(fs.ShortDayNames[0], "Sun");
    }
}

// Locales built for the test from the system's sources; the British one writes two-digit years,
// which are shown in full.
TEST(RegionalSettings, LocalesBuiltForTheTest)
{
    const struct {
        const char* source;
        Expected expected;
    } cases[] = {
        {"de_DE", {',', ".", ';', "dd.MM.yyyy", '.', "hh:nn:ss", "M\xC3\xA4rz"}},
        {"en_GB", {'.', ",", ',', "dd/MM/yyyy", '/', "hh:nn:ss", "March"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source);
        rtl_test::TempDir dir;
        std::string target = (dir.path() / (std::string(c.source) + ".UTF-8")).string();
        if (!buildLocale(c.source, target))
            GTEST_SKIP() << "localedef or the " << c.source << " sources are not available";
#if defined(__SANITIZE_ADDRESS__)
        // The C library keeps the LOCPATH search list for the life of the process.
        __lsan_disable();
#endif
        TFormatSettings fs = readLocale(std::string(c.source) + ".UTF-8", dir.path().string());
#if defined(__SANITIZE_ADDRESS__)
        __lsan_enable();
#endif
        expectSettings(fs, c.expected);
        if (std::string(c.source) == "de_DE") {
            EXPECT_EQ(fs.CurrencyString, "\xE2\x82\xAC");
            EXPECT_EQ(fs.CurrencyFormat, 1);  // amount before the symbol
        }
    }
}

TEST(RegionalSettings, ScopeRestoresTheProcessSettings)
{
    TFormatSettings before = Regional();
    {
        TFormatSettings fs = TFormatSettings::Neutral();
        fs.DecimalSeparator = ',';
        TRegionalScope scope(fs);
        EXPECT_EQ(Regional().DecimalSeparator, ',');
        Regional().ShortDateFormat = "yyyy";
    }
    EXPECT_EQ(Regional().DecimalSeparator, before.DecimalSeparator);
    EXPECT_EQ(Regional().ShortDateFormat, before.ShortDateFormat);
}

}  // namespace
}  // namespace rtl

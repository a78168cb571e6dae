// Sorted string list and Format against the standard library doing the same work.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "platform/rtl/Format.h"
#include "platform/rtl/StrUtils.h"
#include "platform/rtl/StringList.h"

namespace {

std::vector<std::string> makeKeys(int n)
{
    std::vector<std::string> keys;
    unsigned x = 12345;
    for (int i = 0; i < n; ++i) {
        x = x * 1103515245u + 12345u;
        keys.push_back("Var_" + std::to_string(x % 100000) + (i % 2 ? "_in" : "_OUT"));
    }
    return keys;
}

// A filter list: sorted, duplicates ignored, case-insensitive, then every key looked up.
void fillSortedList(const std::vector<std::string>& keys)
{
    rtl::TStringList list;
    list.SetSorted(true);
    for (const auto& k : keys)
        list.Add(k);
    int found = 0;
    for (const auto& k : keys)
        found += list.IndexOf(k) >= 0;
    benchmark::DoNotOptimize(found);
}

void fillSet(const std::vector<std::string>& keys)
{
    auto less = [](const std::string& a, const std::string& b) { return rtl::AnsiCompareText(a, b) < 0; };
    std::set<std::string, decltype(less)> set(less);
    for (const auto& k : keys)
        set.insert(k);
    int found = 0;
    for (const auto& k : keys)
        found += set.count(k) > 0;
    benchmark::DoNotOptimize(found);
}

void formatMessage()
{
    std::string s = rtl::Fmt("Error in Server Number %d in Read Variable %d!! %s %.2f", 3, 17, "Position", 2.5);
    benchmark::DoNotOptimize(s);
}

void snprintfMessage()
{
    char buf[128];
    int n = std::snprintf(buf, sizeof buf, "Error in Server Number %d in Read Variable %d!! %s %.2f", 3, 17, "Position",
                          2.5);
    std::string s(buf, static_cast<size_t>(n));
    benchmark::DoNotOptimize(s);
}

// Runs both sides in turn and reports how many times slower the first is than the second.
template <typename A, typename B>
void compare(benchmark::State& state, A&& ours, B&& reference)
{
    using clock = std::chrono::steady_clock;
    clock::duration tOurs{}, tReference{};
    for (auto _ : state) {
        auto t0 = clock::now();
        ours();
        auto t1 = clock::now();
        reference();
        tOurs += t1 - t0;
        tReference += clock::now() - t1;
    }
    state.counters["ratio"] = std::chrono::duration<double>(tOurs) / std::chrono::duration<double>(tReference);
}

void SortedListVsSet(benchmark::State& state)
{
    auto keys = makeKeys(static_cast<int>(state.range(0)));
    compare(
        state, [&] { fillSortedList(keys); }, [&] { fillSet(keys); });
}

void FormatVsSnprintf(benchmark::State& state)
{
    compare(state, formatMessage, snprintfMessage);
}

}  // namespace

BENCHMARK(SortedListVsSet)->Arg(1000)->Arg(20000);
BENCHMARK(FormatVsSnprintf);

BENCHMARK_MAIN();

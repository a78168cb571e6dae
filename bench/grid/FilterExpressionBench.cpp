// Filter expressions matched against the texts of one column of 10,000 and 100,000 rows: a pass
// costs the same per row at both sizes.
#include "grid/base/VozEdidFilter.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

const std::vector<std::string>& Column(std::size_t rows)
{
    static std::vector<std::string> texts;
    if (texts.size() < rows)
        for (std::size_t r = texts.size(); r < rows; ++r)
            texts.push_back(r % 3 ? std::to_string(r) : "item " + std::to_string(r) + " test");
    return texts;
}

void FilterPass(benchmark::State& state, const char* filter)
{
    const auto rows = static_cast<std::size_t>(state.range(0));
    const auto& texts = Column(rows);
    for (auto _ : state) {
        int matches = 0;
        for (std::size_t r = 0; r < rows; ++r)
            matches += gx::MatchFilterExpression(filter, texts[r], false) ? 1 : 0;
        benchmark::DoNotOptimize(matches);
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_FilterRange(benchmark::State& state)
{
    FilterPass(state, ">=1000&<50000");
}
void BM_FilterPattern(benchmark::State& state)
{
    FilterPass(state, "*test*|!item*");
}
BENCHMARK(BM_FilterRange)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FilterPattern)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();

// What a rule-table dialog costs at start-up (created, never shown) and at a show (reset and load of
// its empty table, combo lists filled), on the offscreen platform. Every dialog of the frame is
// created at start-up, so creation must stay small beside the start-up of bench_startup.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "common/ULanguage.h"
#include "dialogs/UEtherCATSlave.h"
#include "dialogs/UEtherNetIP_Master_Access.h"
#include "tables/can_family/UReceiveCAN.h"

namespace {

template <class F>
void BM_Create(benchmark::State& state)
{
    for (auto _ : state) {
        auto form = std::make_unique<F>(nullptr);
        benchmark::DoNotOptimize(form.get());
    }
}

template <class F>
void BM_Show(benchmark::State& state)
{
    auto form = std::make_unique<F>(nullptr);
    for (auto _ : state)
        form->FormShow(form.get());
}

const bool Ready = [] {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    Load_Default_Lang();
    return true;
}();

}  // namespace

BENCHMARK(BM_Create<TFReceiveCAN>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Create<TFEtherCATSlave>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Create<TFEtherNetIP_Master_Access>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Show<TFReceiveCAN>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Show<TFEtherCATSlave>)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();

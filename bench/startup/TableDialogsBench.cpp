// What a rule-table dialog costs at start-up (created, never shown) and at a show (reset and load of
// its empty table, combo lists filled), on the offscreen platform. Every dialog of the frame is
// created at start-up, so creation must stay small beside the start-up of bench_startup.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

#include "common/ULanguage.h"
#include "dialogs/UEtherCATSlave.h"
#include "dialogs/UEtherNetIP_Master_Access.h"
#include "tables/can_family/UDMXDefVal.h"
#include "tables/can_family/UDNet.h"
#include "tables/can_family/UDefOffset.h"
#include "tables/can_family/UReceiveCAN.h"
#include "tables/can_family/UReceiveJ1939.h"
#include "tables/can_family/UReceiveNMEA.h"
#include "tables/can_family/UTransmitCAN.h"
#include "tables/can_family/UTransmitJ1939.h"
#include "tables/can_family/UTransmitNMEA.h"
#include "tables/modbus_s7_bacnet/UModbus_TCP_Master_Set_Access.h"
#include "tables/modbus_s7_bacnet/US7_Protocol_Set_Access.h"
#include "tables/modbus_s7_bacnet/USetAccess.h"

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
BENCHMARK(BM_Create<TFSetAccess>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Create<TFModbus_TCP_Master_Set_Access>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Create<TFS7_Protocol_Set_Access>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Create<TFTransmitCAN>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Create<TFReceiveJ1939>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Create<TFTransmitJ1939>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Create<TFReceiveNMEA>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Create<TFTransmitNMEA>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Create<TFDNet>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Create<TFDefOffset>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Create<TFDMXDefVal>)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_Show<TFReceiveCAN>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Show<TFTransmitCAN>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Show<TFDMXDefVal>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Show<TFEtherCATSlave>)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Show<TFS7_Protocol_Set_Access>)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();

// Cost of one physical-properties calculation of a 12-component natural gas through the plug-in's
// binding: Calc3136921 followed by Calc3136921U, as the physical-properties stage calls them.
#include <benchmark/benchmark.h>

#include "calc/bindings/Gost6976Binding.h"
#include "gost6976/Gost6976TestSupport.h"

namespace {

void BM_Gost6976ValuesAndUncertainties(benchmark::State& state) {
    const Gost6976Binding& library = Gost6976();
    if (!library.loaded) {
        state.SkipWithError("Tarvel3136921 is not beside the program");
        return;
    }
    int32_t rows = 0;
    const void* table = library.GetDefaultConstTable3136921(&rows);
    const auto final = gost6976_test::TwelveComponentGas();
    auto raw = final;
    for (PropertyEntry& entry : raw) {
        entry.fraction *= 1.004;
    }
    const auto mode = static_cast<int32_t>(state.range(0));
    PhysicalProperties values{};
    PhysicalProperties expanded{};
    for (auto _ : state) {
        library.Calc3136921(table, rows, final.data(), 12, 101.325, 3, 4, &values);
        library.Calc3136921U(table, rows, raw.data(), final.data(), 12, 101.325, 3, 4, mode, &values,
                             &expanded);
        benchmark::DoNotOptimize(values);
        benchmark::DoNotOptimize(expanded);
    }
}
// Correlation modes: -1 identity, 1 methane by difference, 0 normalised.
BENCHMARK(BM_Gost6976ValuesAndUncertainties)->Arg(-1)->Arg(1)->Arg(0);

} // namespace

BENCHMARK_MAIN();

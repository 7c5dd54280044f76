// Cost of one methane-number calculation (GOST 34704-2020) of an 11-component natural gas through the
// plug-in's binding, as the methane-number stage calls Calc3470420.
#include <benchmark/benchmark.h>

#include "calc/bindings/Gost34704Binding.h"
#include "gost34704/Gost34704Gases.h"

namespace {

void BM_Gost34704MethaneNumber(benchmark::State& state) {
    const Gost34704Binding& library = Gost34704();
    if (!library.loaded) {
        state.SkipWithError("Tarvel3470420 is not beside the program");
        return;
    }
    const auto gas = gost34704_test::Gas({{u"methane", 92.1},
                                          {u"ethane", 4.2},
                                          {u"propane", 1.3},
                                          {u"2_methylpropane", 0.21},
                                          {u"n_butane", 0.27},
                                          {u"2_2_dimethylpropane", 0.004},
                                          {u"2_methylbutane", 0.05},
                                          {u"n_pentane", 0.04},
                                          {u"c6plus", 0.036},
                                          {u"carbon_dioxide", 0.79},
                                          {u"nitrogen", 0.99}});
    const auto count = static_cast<unsigned int>(gas.size());
    MetanNumber_t result{};
    for (auto _ : state) {
        library.Calc3470420(gas.data(), count, &result, false);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(BM_Gost34704MethaneNumber);

} // namespace

BENCHMARK_MAIN();

// Cost per call of the main functions of the GOST 31371.7-2020 library through the plug-in's binding, on
// the inputs the calibration and composition stages pass: three or five areas, a table lookup in the
// default table of method А, and the arrays of a twelve-component gas.
#include <benchmark/benchmark.h>

#include <array>
#include <string_view>

#include "calc/bindings/Gost31371Binding.h"

namespace {

const Gost31371Binding* LoadedOrSkip(benchmark::State& state) {
    const Gost31371Binding& library = Gost31371();
    if (!library.loaded) {
        state.SkipWithError("Tarvel31371720 is not beside the program");
        return nullptr;
    }
    return &library;
}

FractionEntry Entry(std::u16string_view component, double value) {
    FractionEntry entry{};
    component.copy(entry.component, 63);
    entry.value = value;
    return entry;
}

// Twelve components of a natural gas, mol % (methane first).
std::array<FractionEntry, 12> TwelveComponentGas() {
    return {
        Entry(u"methane", 93.2),          Entry(u"ethane", 3.21),     Entry(u"propane", 0.953),
        Entry(u"2_methylpropane", 0.152), Entry(u"n_butane", 0.171),  Entry(u"2_2_dimethylpropane", 0.004),
        Entry(u"2_methylbutane", 0.031),  Entry(u"n_pentane", 0.029), Entry(u"c6", 0.046),
        Entry(u"helium", 0.015),          Entry(u"nitrogen", 1.41),   Entry(u"carbon_dioxide", 0.76)};
}

void BM_PressureFactorAndArea(benchmark::State& state) {
    const Gost31371Binding* library = LoadedOrSkip(state);
    if (library == nullptr) {
        return;
    }
    double pressureKPa = 99.1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(pressureKPa);
        const double factor = library->CalcRQRate(pressureKPa, 20.0);
        benchmark::DoNotOptimize(library->CalcNormArea(1523410.0, factor));
    }
}
BENCHMARK(BM_PressureFactorAndArea);

void BM_SinglePointFactorAndLimit(benchmark::State& state) {
    const Gost31371Binding* library = LoadedOrSkip(state);
    if (library == nullptr) {
        return;
    }
    int32_t rows = 0;
    const MetrologyRow* table = MetrologyTableForMethod(0, &rows);
    const double areas[3] = {60231.0, 60355.0, 60102.0};
    for (auto _ : state) {
        double k = 0;
        double rate = 0;
        library->CalcCalibFactorMCnt(areas, 3, 2.512, &k, &rate);
        const double limit = library->CalcLimitValue(table, rows, u"ethane", 2.512);
        benchmark::DoNotOptimize(k);
        benchmark::DoNotOptimize(rate <= limit);
    }
}
BENCHMARK(BM_SinglePointFactorAndLimit);

void BM_CalibrationLineWithChecks(benchmark::State& state) {
    const Gost31371Binding* library = LoadedOrSkip(state);
    if (library == nullptr) {
        return;
    }
    const double areas1[5] = {80110.0, 80250.0, 79980.0, 80300.0, 80060.0};
    const double areas2[5] = {320500.0, 321100.0, 319900.0, 320800.0, 320200.0};
    for (auto _ : state) {
        const bool ok1 = library->CalibrationCheck(areas1, 5, 2.0);
        const bool ok2 = library->CalibrationCheck(areas2, 5, 8.0);
        double a = 0;
        double b = 0;
        library->CalcCalibFactorMVrbLS(areas1, areas2, 5, 2.0, 8.0, &a, &b, nullptr);
        benchmark::DoNotOptimize(library->CalcConcentrationMVrb(80140.0, a, b));
        benchmark::DoNotOptimize(ok1 && ok2);
    }
}
BENCHMARK(BM_CalibrationLineWithChecks);

void BM_ControlCheck(benchmark::State& state) {
    const Gost31371Binding* library = LoadedOrSkip(state);
    if (library == nullptr) {
        return;
    }
    const double areas[3] = {15010.0, 15102.0, 14890.0};
    for (auto _ : state) {
        benchmark::DoNotOptimize(library->ControlCheck(areas, 3, 1.004));
    }
}
BENCHMARK(BM_ControlCheck);

// The uncertainty of every component of the gas from the table of method А, as the composition does.
void BM_UncertaintiesOfTwelveComponents(benchmark::State& state) {
    const Gost31371Binding* library = LoadedOrSkip(state);
    if (library == nullptr) {
        return;
    }
    int32_t rows = 0;
    const MetrologyRow* table = MetrologyTableForMethod(0, &rows);
    const auto gas = TwelveComponentGas();
    for (auto _ : state) {
        double sum = 0;
        for (const FractionEntry& entry : gas) {
            sum += library->CalcU(table, rows, entry.component, entry.value);
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(BM_UncertaintiesOfTwelveComponents);

void BM_NormalizeTwelveComponents(benchmark::State& state) {
    const Gost31371Binding* library = LoadedOrSkip(state);
    if (library == nullptr) {
        return;
    }
    const auto gas = TwelveComponentGas();
    for (auto _ : state) {
        auto entries = gas;
        benchmark::DoNotOptimize(library->Normalize(entries.data(), 12, 100.0));
        benchmark::DoNotOptimize(entries);
    }
}
BENCHMARK(BM_NormalizeTwelveComponents);

void BM_MethaneByDifferenceWithUncertainty(benchmark::State& state) {
    const Gost31371Binding* library = LoadedOrSkip(state);
    if (library == nullptr) {
        return;
    }
    const auto gas = TwelveComponentGas();
    for (auto _ : state) {
        benchmark::DoNotOptimize(library->CalcMethane(gas.data() + 1, 11));
        benchmark::DoNotOptimize(library->CalcMethaneU(gas.data(), 12));
    }
}
BENCHMARK(BM_MethaneByDifferenceWithUncertainty);

void BM_CheckMoleFactor(benchmark::State& state) {
    const Gost31371Binding* library = LoadedOrSkip(state);
    if (library == nullptr) {
        return;
    }
    double lower = 0;
    double upper = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(library->CheckMoleFactor(3.21, 4.0, &lower, &upper));
    }
}
BENCHMARK(BM_CheckMoleFactor);

} // namespace

BENCHMARK_MAIN();

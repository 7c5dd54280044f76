// Cost per call of the database loaders on a host database of 100,000 chromatograms and 2,000,000 peaks
// written by the simulator: the peaks of one 30-peak analysis chromatogram, the areas of five calibration
// chromatograms, and everything the calibration reads for one window of three chromatograms. Every call
// opens and closes its own connection, as the loaders do in the plug-in.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Databases.h"
#include "calc/CalcContext.h"
#include "calc/ContextLoading.h"
#include "data/DataBaseConnection.h"
#include "data/HeavyGrouping.h"
#include "data/MixtureLookup.h"
#include "platform/Platform.h"
#include "text/Utf.h"

namespace {

struct BenchmarkDatabase {
    std::string path;
    sim::BenchmarkManifest manifest;
};

// Written once per run (about seven seconds) and removed at exit.
const BenchmarkDatabase& Database() {
    static const BenchmarkDatabase* database = [] {
        auto* made = new BenchmarkDatabase;
        made->path = Utf16ToUtf8(platform::TempDirectory()) + "tarvel-bench-data.db";
        std::fprintf(stderr, "writing %s ...\n", made->path.c_str());
        made->manifest = sim::MakeBenchmarkDatabase(made->path, 20240314);
        DataBaseConnection::SetUri(Utf8ToUtf16(made->path));
        std::atexit([] { sim::RemoveDatabaseFile(Database().path); });
        return made;
    }();
    return *database;
}

CalcContext PressureCorrectedContext() {
    CalcContext context;
    context.settings.clcPressure = true;
    return context;
}

void LoadAssayPeaksOf30Peaks(benchmark::State& state) {
    const BenchmarkDatabase& database = Database();
    const CalcContext context = PressureCorrectedContext();
    const std::vector<int64_t>& ids = database.manifest.thirtyPeakAssays;
    size_t next = 0;
    std::vector<ComponentResult> peaks;
    for (auto _ : state) {
        peaks.clear();
        benchmark::DoNotOptimize(LoadAssayPeaks(context, ids[next++ % ids.size()], peaks));
    }
    state.counters["peaks"] = static_cast<double>(peaks.size());
}
BENCHMARK(LoadAssayPeaksOf30Peaks)->Unit(benchmark::kMicrosecond);

void LoadAreaSeriesOf5(benchmark::State& state) {
    const BenchmarkDatabase& database = Database();
    const CalcContext context = PressureCorrectedContext();
    const std::vector<int64_t>& ids = database.manifest.calibrationAssays;
    std::vector<AreaSeries> series;
    for (auto _ : state) {
        series.clear();
        benchmark::DoNotOptimize(LoadAreaSeries(context, ids, series));
    }
    state.counters["components"] = static_cast<double>(series.size());
}
BENCHMARK(LoadAreaSeriesOf5)->Unit(benchmark::kMicrosecond);

// One window of methods А and Б: the certified composition, the areas of three chromatograms, the
// carbon-number groups and the certified value of each component.
void CalibrationWindow(benchmark::State& state) {
    const BenchmarkDatabase& database = Database();
    const CalcContext context = PressureCorrectedContext();
    const std::vector<int64_t>& ids = database.manifest.calibrationAssays;
    std::vector<MixtureComponent> composition;
    std::vector<AreaSeries> series;
    for (auto _ : state) {
        LoadMixture(context, database.manifest.mixtureName, composition);
        series.clear();
        LoadAreaSeries(context, std::span<const int64_t>(ids.data(), 3), series);
        GroupHeavyAreas(series, HeavyGroupMode::C6C7C8);
        double certified = 0.0;
        for (const auto& record : series) {
            certified += FindMixtureConcentration(composition, record.id).concentration;
        }
        benchmark::DoNotOptimize(certified);
    }
    state.counters["components"] = static_cast<double>(series.size());
}
BENCHMARK(CalibrationWindow)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();

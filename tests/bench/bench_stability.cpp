// The stability of the calibration on a host database of 100,000 chromatograms: a year of daily
// calibrations of method А (five runs a day, 1,825 chromatograms, 365 calibrations of three) among
// 98,175 analyses, one every 30 minutes over the five and a half years before. Timed: the history of
// the year and its statistics, as the run reads them (one connection, each statement compiled once).
// Target: at most 30 ms.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "Databases.h"
#include "calc/CalcContext.h"
#include "calc/Stages.h"
#include "calc/stability/StabilityStage.h"
#include "data/DataBaseConnection.h"
#include "data/DataBaseReader.h"
#include "platform/Platform.h"
#include "support/DemoRun.h"
#include "text/Utf.h"

namespace {

constexpr int64_t kChromatograms = 100000;
constexpr int32_t kDays = 365;
constexpr int32_t kRunsPerDay = 5;
constexpr int64_t kDay = 86400;
constexpr int64_t kToday = 1733011200; // 2024-12-01 00:00 UTC, the day of the current calibration
constexpr char16_t kMethod[] = u"ГОСТ 31371.7-2020, метод А";

struct StabilityDatabase {
    std::string path;
    std::u16string mixture;
    std::vector<int64_t> current;
};

const StabilityDatabase& Database() {
    static const StabilityDatabase* database = [] {
        auto* made = new StabilityDatabase;
        made->path = Utf16ToUtf8(platform::TempDirectory()) + "tarvel-bench-stability.db";
        std::fprintf(stderr, "writing %s ...\n", made->path.c_str());
        sim::Random random(20240314);
        sim::HostWriter writer(made->path);
        writer.CreateSchema(sim::SchemaOptions{24, false});
        writer.Begin();
        const sim::GasComposition gas = sim::PipelineGas();
        const sim::ReferenceMixture mixture = sim::IpgNearGas(u"СО-ИПГ № 1", gas, random);
        sim::WriteMixture(writer, mixture);
        made->mixture = mixture.name;
        const sim::ChromatographModel model;

        sim::HistoryPlan plan;
        plan.method = kMethod;
        plan.mixtures = {mixture};
        plan.runsPerMixture = kRunsPerDay;
        plan.firstDay = kToday - kDays * kDay;
        plan.days = kDays;
        sim::WriteCalibrationHistory(writer, plan, model, random);

        sim::AssayRow row;
        row.method = kMethod;
        row.sample = u"Проба";
        const int64_t analyses = kChromatograms - kDays * kRunsPerDay - kRunsPerDay;
        for (int64_t i = 0; i < analyses; ++i) {
            row.date = kToday - (i + 1) * 1800 + 900;
            sim::WriteChromatogram(writer, row, gas, model, {}, random);
        }
        sim::RunContext run;
        run.method = kMethod;
        run.date = kToday + 6 * 3600;
        made->current =
            sim::IdsOf(sim::WriteCalibrationBatch(writer, mixture, kRunsPerDay, run, model, {}, random));
        writer.CreateIndexes();
        writer.Commit();
        DataBaseConnection::SetUri(Utf8ToUtf16(made->path));
        std::atexit([] { sim::RemoveDatabaseFile(Database().path); });
        return made;
    }();
    return *database;
}

// The current calibration, calculated once; the benchmark then reads its history.
CalcContext CurrentCalibration() {
    const StabilityDatabase& database = Database();
    CalcContext context = testsupport::CalibrationContext(database.current, database.mixture);
    context.settings.clbrStabilityDays = kDays;
    RunCalculation(context);
    return context;
}

void HistoryOfAYearAndItsStatistics(benchmark::State& state) {
    CalcContext context = CurrentCalibration();
    for (auto _ : state) {
        const DataBase::RunScope connection;
        ReadCalibrationStability(context);
        benchmark::DoNotOptimize(context.stability.components.data());
    }
    state.counters["calibrations"] = context.stability.calibrations;
    state.counters["components"] = static_cast<double>(context.stability.components.size());
    state.counters["left_over"] = context.stability.leftOver;
}
BENCHMARK(HistoryOfAYearAndItsStatistics)->Unit(benchmark::kMillisecond);

// The part of it that finds the year's calibration chromatograms among the period's rows.
void CalibrationChromatogramsOfAYear(benchmark::State& state) {
    CalcContext context = CurrentCalibration();
    std::vector<HostCalibrationRow> rows;
    for (auto _ : state) {
        const DataBase::RunScope connection;
        context.sources.calibrationRuns(kMethod, context.stability.fromDate, context.stability.toDate, rows);
        benchmark::DoNotOptimize(rows.data());
    }
    state.counters["rows"] = static_cast<double>(rows.size());
}
BENCHMARK(CalibrationChromatogramsOfAYear)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

// Cost of one whole calculation run (RunCalculation) on the demo database written by the simulator, for
// each calibration method: the reference-mixture checks, the calibration with its control, the
// composition of two analysis chromatograms, the conformity checks, the physical properties and the
// methane number. The run reads through one connection, opened and closed by the run, and that open is
// part of the time. Method В1 calibrates from two mixtures of seven chromatograms each.
//
// RunBesideItsFloor puts the run of method В1 beside its floor: one connection that reads every row the
// run needs once, with plain statements. The ratio of the two says what the run spends beyond reading
// its data; the counters give the connections opened and the statements compiled by one run.
#include <benchmark/benchmark.h>
#include <sqlite3.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Databases.h"
#include "DemoRun.h"
#include "calc/CalcContext.h"
#include "calc/Stages.h"
#include "data/DataBaseConnection.h"
#include "data/DataBaseHandle.h"
#include "data/SqlTexts.h"
#include "platform/Platform.h"
#include "text/Utf.h"

namespace {

struct DemoDatabase {
    std::string path;
    sim::DemoManifest manifest;
};

// Written once per run and removed at exit.
const DemoDatabase& Demo() {
    static const DemoDatabase* database = [] {
        auto* made = new DemoDatabase;
        made->path = Utf16ToUtf8(platform::TempDirectory()) + "tarvel-bench-pipeline.db";
        made->manifest = sim::MakeDemoDatabase(made->path, 20240314);
        DataBaseConnection::SetUri(Utf8ToUtf16(made->path));
        std::atexit([] { sim::RemoveDatabaseFile(Demo().path); });
        return made;
    }();
    return *database;
}

void WholeRun(benchmark::State& state) {
    const auto method = static_cast<int32_t>(state.range(0));
    CalcContext context = testsupport::DemoRunContext(Demo().manifest, method);
    if (const int32_t status = RunCalculation(context); status != 0) {
        state.SkipWithError(("the run failed with status " + std::to_string(status)).c_str());
        return;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(RunCalculation(context));
    }
    state.counters["chromatograms"] = static_cast<double>(context.assays.size());
    state.counters["components"] = static_cast<double>(context.components.size());
    state.SetLabel(method == 0 ? "А" : method == 1 ? "Б" : method == 2 ? "В1" : "В2");
}
BENCHMARK(WholeRun)->DenseRange(0, 3)->Unit(benchmark::kMillisecond);

// A statement compiled once and stepped to its end for each parameter; returns the rows read.
class PlainQuery {
public:
    PlainQuery(sqlite3* db, std::u16string_view sql) {
        sqlite3_prepare16_v2(db, sql.data(), static_cast<int>(sql.size() * sizeof(char16_t)), &stmt_,
                             nullptr);
    }
    ~PlainQuery() { sqlite3_finalize(stmt_); }
    PlainQuery(const PlainQuery&) = delete;
    PlainQuery& operator=(const PlainQuery&) = delete;

    int64_t ReadAll(int64_t id) {
        sqlite3_bind_int64(stmt_, 1, id);
        return Drain();
    }
    int64_t ReadAll(std::u16string_view text) {
        sqlite3_bind_text16(stmt_, 1, text.data(), static_cast<int>(text.size() * sizeof(char16_t)),
                            SQLITE_STATIC);
        return Drain();
    }
    int64_t ReadAll() { return Drain(); }

private:
    int64_t Drain() {
        int64_t rows = 0;
        double sum = 0.0;
        while (sqlite3_step(stmt_) == SQLITE_ROW) {
            ++rows;
            for (int column = 0; column < sqlite3_column_count(stmt_); ++column) {
                sum += sqlite3_column_type(stmt_, column) == SQLITE_TEXT
                           ? static_cast<double>(sqlite3_column_bytes16(stmt_, column))
                           : sqlite3_column_double(stmt_, column);
            }
        }
        benchmark::DoNotOptimize(sum);
        sqlite3_reset(stmt_);
        return rows;
    }
    sqlite3_stmt* stmt_ = nullptr;
};

// Every row the run reads, once: the database version, the certified composition of each mixture of
// the assignment, the peaks of every chromatogram of the list and, when areas are corrected for it,
// the chromatogram's pressure.
int64_t ReadEverythingOnce(const CalcContext& context) {
    sqlite3* db = nullptr;
    sqlite3_open_v2(Demo().path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    int64_t rows = 0;
    {
        PlainQuery version(db, HostSql::kDatabaseVersion);
        PlainQuery composition(db, HostSql::kMixtureCompositionWithDecimals);
        PlainQuery pressure(db, HostSql::kAssayPressure);
        PlainQuery peaks(db, HostSql::kAssayPeaks);
        rows += version.ReadAll();
        for (const ComponentMixtures& assignment : context.mixtures) {
            rows += composition.ReadAll(assignment.first);
            if (!assignment.second.empty()) {
                rows += composition.ReadAll(assignment.second);
            }
        }
        for (const Assay& assay : context.assays) {
            if (context.settings.clcPressure) {
                rows += pressure.ReadAll(assay.id);
            }
            rows += peaks.ReadAll(assay.id);
        }
    }
    sqlite3_close(db);
    return rows;
}

void RunBesideItsFloor(benchmark::State& state) {
    constexpr int32_t kMethodC1 = 2;
    CalcContext context = testsupport::DemoRunContext(Demo().manifest, kMethodC1);
    const DataBase::AccessCounts before = DataBase::CurrentAccessCounts();
    if (const int32_t status = RunCalculation(context); status != 0) {
        state.SkipWithError(("the run failed with status " + std::to_string(status)).c_str());
        return;
    }
    const DataBase::AccessCounts after = DataBase::CurrentAccessCounts();

    using Clock = std::chrono::steady_clock;
    Clock::duration run{};
    Clock::duration floor{};
    int64_t rows = 0;
    for (auto _ : state) {
        const Clock::time_point start = Clock::now();
        benchmark::DoNotOptimize(RunCalculation(context));
        const Clock::time_point middle = Clock::now();
        rows = ReadEverythingOnce(context);
        floor += Clock::now() - middle;
        run += middle - start;
    }
    const double iterations = static_cast<double>(state.iterations());
    const double runMs = std::chrono::duration<double, std::milli>(run).count() / iterations;
    const double floorMs = std::chrono::duration<double, std::milli>(floor).count() / iterations;
    state.counters["run_ms"] = runMs;
    state.counters["floor_ms"] = floorMs;
    state.counters["ratio"] = floorMs > 0.0 ? runMs / floorMs : 0.0;
    state.counters["opens"] = static_cast<double>(after.opens - before.opens);
    state.counters["compiles"] = static_cast<double>(after.compiles - before.compiles);
    state.counters["floor_rows"] = static_cast<double>(rows);
    state.SetLabel("В1");
}
BENCHMARK(RunBesideItsFloor)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

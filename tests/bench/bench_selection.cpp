// Cost of one search of the chromatogram selection dialog on a host database of 100,000 chromatograms
// written by the simulator, for each of the 64 combinations of its filters (mixture, method, operator,
// station, sampling point, part of the sample name) over the dialog's default period of 365 days. Each
// search opens and closes its own connection, as the dialog does. The host's schema is used as it is:
// nothing is added to it.
#include <benchmark/benchmark.h>

#include <sqlite3.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Databases.h"
#include "data/DataBaseConnection.h"
#include "data/DataBaseHandle.h"
#include "data/HostQueries.h"
#include "platform/Platform.h"
#include "text/Utf.h"

namespace {

constexpr int64_t kPeriodSeconds = 31536000;

struct SelectionDatabase {
    std::string path;
    int64_t lastDate = 0;
};

// The simulator's chromatograms spread over three stations of three sampling points each, five
// operators, three methods, four mixtures and a hundred sample names; one in ten is a calibration run.
void SpreadFilterColumns(const std::string& path) {
    sqlite3* db = nullptr;
    if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) {
        std::fprintf(stderr, "cannot open %s\n", path.c_str());
        std::exit(1);
    }
    const char* statements[] = {
        "BEGIN",
        "INSERT INTO station (id, name) VALUES (1, 'Пункт 1'), (2, 'Пункт 2'), (3, 'Пункт 3')",
        "INSERT INTO place (id, stationid, name) SELECT value, (value + 2) / 3, 'Точка ' || value FROM "
        "(WITH RECURSIVE n(value) AS (SELECT 1 UNION ALL SELECT value + 1 FROM n WHERE value < 9) "
        "SELECT value FROM n)",
        "INSERT INTO operator (id, name) VALUES (1, 'Иванов'), (2, 'Петров'), (3, 'Сидоров'), (4, "
        "'Кузнецов'), "
        "(5, 'Смирнов')",
        "UPDATE assay SET operatorid = 1 + id % 5, placeid = 1 + id % 9, stationid = 1 + (id % 9) / 3, "
        "method = 'Метод ' || (id % 3), mixture = 'СО-ИПГ ' || (id % 4), sample = 'Проба ' || (id % 100), "
        "iscalibration = (id % 10 = 0)",
        "COMMIT",
    };
    for (const char* statement : statements) {
        char* error = nullptr;
        if (sqlite3_exec(db, statement, nullptr, nullptr, &error) != SQLITE_OK) {
            std::fprintf(stderr, "%s: %s\n", statement, error != nullptr ? error : "");
            std::exit(1);
        }
    }
    sqlite3_close(db);
}

// Written once per run and removed at exit.
const SelectionDatabase& Database() {
    static const SelectionDatabase* database = [] {
        auto* made = new SelectionDatabase;
        made->path = Utf16ToUtf8(platform::TempDirectory()) + "tarvel-bench-selection.db";
        std::fprintf(stderr, "writing %s ...\n", made->path.c_str());
        sim::MakeBenchmarkDatabase(made->path, 20240315);
        SpreadFilterColumns(made->path);
        DataBaseConnection::SetUri(Utf8ToUtf16(made->path));
        AssaySearch everything;
        everything.toDate = INT64_MAX;
        DataBase::Handle handle;
        for (const AssayFound& found : SearchAssays(handle, everything)) {
            made->lastDate = std::max(made->lastDate, found.date);
        }
        std::atexit([] { sim::RemoveDatabaseFile(Database().path); });
        return made;
    }();
    return *database;
}

// Bit 0 mixture, 1 method, 2 operator, 3 station, 4 sampling point, 5 sample name.
AssaySearch SearchOfFilters(int64_t filters, int64_t lastDate) {
    AssaySearch search;
    search.toDate = lastDate;
    search.fromDate = lastDate - kPeriodSeconds;
    if ((filters & 1) != 0) {
        search.mixture = u"СО-ИПГ 1";
    }
    if ((filters & 2) != 0) {
        search.method = u"Метод 2";
    }
    if ((filters & 4) != 0) {
        search.operatorId = 3;
    }
    if ((filters & 8) != 0) {
        search.stationId = 2;
    }
    if ((filters & 16) != 0) {
        search.placeId = 5;
    }
    if ((filters & 32) != 0) {
        search.sample = u"а 1";
    }
    return search;
}

void SelectionSearch(benchmark::State& state) {
    const SelectionDatabase& database = Database();
    const AssaySearch search = SearchOfFilters(state.range(0), database.lastDate);
    size_t rows = 0;
    for (auto _ : state) {
        DataBase::Handle handle;
        rows = SearchAssays(handle, search).size();
        benchmark::DoNotOptimize(rows);
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(SelectionSearch)->DenseRange(0, 63)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();

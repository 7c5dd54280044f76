// A laboratory's host database, mutated, through the whole calculation as the window runs it. Two kinds
// of mutation: values of any type written into any column of any row (what another program or a newer
// host version may leave), and bytes of the file changed (a damaged file). A run may fail, by a status
// or by DataBase::SqlException, but must never crash, hang or throw anything else; a run that succeeds
// must account for every measured peak and certified component (support/MeasurementInvariant.h).
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <sqlite3.h>

#include "../calc_pipeline/Laboratory.h"
#include "FuzzSupport.h"
#include "calc/Stages.h"
#include "calc/Status.h"
#include "data/SqlException.h"
#include "support/MeasurementInvariant.h"

namespace {

struct Laboratory {
    pipelinetest::LaboratoryFile file{"fuzz"};
    std::vector<char> pristine;
    CalcContext context;
};

// A static object, not a leaked one: its destructor removes the database file when the driver exits.
Laboratory& TheLaboratory() {
    static Laboratory laboratory;
    static const bool written = [] {
        const pipelinetest::Laboratory made =
            pipelinetest::WriteLaboratory(laboratory.file, pipelinetest::LaboratoryPlan{});
        laboratory.context = pipelinetest::ContextFor(made, pipelinetest::Method::A);
        std::ifstream file(laboratory.file.path(), std::ios::binary);
        laboratory.pristine.assign(std::istreambuf_iterator<char>(file), {});
        return true;
    }();
    (void)written;
    return laboratory;
}

void WriteImage(const std::string& path, const std::vector<char>& image) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(image.data(), static_cast<std::streamsize>(image.size()));
}

constexpr const char* kColumns[][2] = {
    {"assay", "filename"},
    {"assay", "sample"},
    {"assay", "method"},
    {"assay", "date"},
    {"assay", "mixture"},
    {"assay", "atmpressure"},
    {"assay", "isdeleted"},
    {"assay", "iscalibration"},
    {"peak", "name"},
    {"peak", "time"},
    {"peak", "area"},
    {"peak", "height"},
    {"peak", "assayid"},
    {"mixture", "name"},
    {"mixturecomp", "name"},
    {"mixturecomp", "concentration"},
    {"mixturecomp", "deviation"},
    {"mixturecomp", "qty_sym_conc"},
    {"mixturecomp", "mixtureid"},
    {"versioninfo", "version"},
};

// Up to eight values of any storage class written over stored ones.
void ChangeValues(const std::string& path, FuzzedDataProvider& data) {
    sqlite3* db = nullptr;
    if (sqlite3_open(path.c_str(), &db) != SQLITE_OK) {
        sqlite3_close(db);
        return;
    }
    const int changes = data.ConsumeIntegralInRange<int>(1, 8);
    for (int i = 0; i < changes; ++i) {
        const auto& column = kColumns[data.ConsumeIntegralInRange<size_t>(0, std::size(kColumns) - 1)];
        const std::string sql = std::string("UPDATE ") + column[0] + " SET " + column[1] +
                                " = ?1 WHERE rowid IN (SELECT rowid FROM " + column[0] +
                                " LIMIT 1 OFFSET ?2)";
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
            continue;
        }
        switch (data.ConsumeIntegralInRange<int>(0, 4)) {
        case 0:
            sqlite3_bind_null(statement, 1);
            break;
        case 1:
            sqlite3_bind_int64(statement, 1, data.ConsumeIntegral<int64_t>());
            break;
        case 2:
            sqlite3_bind_double(statement, 1, fuzz::TakeDouble(data));
            break;
        case 3: {
            const std::string text = data.ConsumeRandomLengthString(40);
            sqlite3_bind_text(statement, 1, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
            break;
        }
        default: {
            const std::string blob = data.ConsumeRandomLengthString(40);
            sqlite3_bind_blob(statement, 1, blob.data(), static_cast<int>(blob.size()), SQLITE_TRANSIENT);
            break;
        }
        }
        sqlite3_bind_int(statement, 2, data.ConsumeIntegralInRange<int>(0, 40));
        sqlite3_step(statement);
        sqlite3_finalize(statement);
    }
    sqlite3_close(db);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    Laboratory& laboratory = TheLaboratory();
    FuzzedDataProvider data(bytes, size);
    std::vector<char> image = laboratory.pristine;
    if (data.ConsumeBool()) {
        WriteImage(laboratory.file.path(), image);
        ChangeValues(laboratory.file.path(), data);
    } else {
        const int patches = data.ConsumeIntegralInRange<int>(1, 16);
        for (int i = 0; i < patches && !image.empty(); ++i) {
            image[data.ConsumeIntegralInRange<size_t>(0, image.size() - 1)] =
                static_cast<char>(data.ConsumeIntegral<uint8_t>());
        }
        WriteImage(laboratory.file.path(), image);
    }
    CalcContext context = laboratory.context;
    try {
        if (RunCalculation(context) == Status::Ok) {
            const std::vector<std::string> lost =
                testsupport::LostMeasurements(context, testsupport::ReadHostRowsOfRun(context));
            for (const std::string& line : lost) {
                std::fprintf(stderr, "lost: %s\n", line.c_str());
            }
            fuzz::Require(lost.empty(), "a successful run lost a measured peak or a certified component");
        }
    } catch (const DataBase::SqlException&) {
        // The window shows the database's message; the run has failed cleanly.
    } catch (...) {
        fuzz::Fail("a calculation threw something other than a database error");
    }
    return 0;
}

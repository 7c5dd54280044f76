#include "HostWriter.h"

#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <stdexcept>

namespace sim {

namespace {
std::filesystem::path PathOf(const std::string& pathUtf8) {
    return std::filesystem::path(std::u8string(pathUtf8.begin(), pathUtf8.end()));
}

void BindText(sqlite3_stmt* statement, int index, std::u16string_view text) {
    const char16_t* data = text.empty() ? u"" : text.data();
    sqlite3_bind_text16(statement, index, data, static_cast<int>(text.size() * sizeof(char16_t)),
                        SQLITE_TRANSIENT);
}

void BindIdOrNull(sqlite3_stmt* statement, int index, int64_t id) {
    if (id > 0) {
        sqlite3_bind_int64(statement, index, id);
    } else {
        sqlite3_bind_null(statement, index);
    }
}

// Column types as a host declares them; the affinities keep a text written into a numeric column as text.
constexpr const char* kTables[] = {
    "CREATE TABLE station (id INTEGER PRIMARY KEY, name TEXT)",
    "CREATE TABLE place (id INTEGER PRIMARY KEY, stationid INTEGER REFERENCES station(id), name TEXT)",
    "CREATE TABLE operator (id INTEGER PRIMARY KEY, name TEXT)",
    "CREATE TABLE versioninfo (id INTEGER PRIMARY KEY, version INTEGER, appliedon INTEGER)",
    "CREATE TABLE mixture (id INTEGER PRIMARY KEY, name TEXT)",
    "CREATE TABLE assay (id INTEGER PRIMARY KEY, filename TEXT, uuid TEXT, sample TEXT, method TEXT, "
    "date INTEGER, mixture TEXT, atmpressure REAL, isdeleted INTEGER DEFAULT 0, iscalibration INTEGER "
    "DEFAULT 0, operatorid INTEGER REFERENCES operator(id), stationid INTEGER REFERENCES station(id), "
    "placeid INTEGER REFERENCES place(id))",
    ("CREATE TABLE peak (assayid INTEGER REFERENCES assay(id) ON DELETE CASCADE, name TEXT, time REAL, "
     "area REAL, height REAL)"),
};
constexpr const char* kComponentsWithDecimals =
    "CREATE TABLE mixturecomp (mixtureid INTEGER REFERENCES mixture(id) ON DELETE CASCADE, name TEXT, "
    "concentration REAL, deviation REAL, qty_sym_conc INTEGER, qty_sym_dev INTEGER)";
constexpr const char* kComponentsWithoutDecimals =
    "CREATE TABLE mixturecomp (mixtureid INTEGER REFERENCES mixture(id) ON DELETE CASCADE, name TEXT, "
    "concentration REAL, deviation REAL)";
constexpr const char* kIndexes[] = {
    "CREATE INDEX IF NOT EXISTS peak_assayid ON peak (assayid)",
    "CREATE INDEX IF NOT EXISTS assay_date ON assay (date)",
    "CREATE INDEX IF NOT EXISTS mixturecomp_mixtureid ON mixturecomp (mixtureid)",
};
} // namespace

void RemoveDatabaseFile(const std::string& pathUtf8) {
    std::error_code ignored;
    const std::filesystem::path path = PathOf(pathUtf8);
    std::filesystem::remove(path, ignored);
    std::filesystem::path journal = path;
    journal += "-journal";
    std::filesystem::remove(journal, ignored);
}

HostWriter::HostWriter(const std::string& pathUtf8) {
    RemoveDatabaseFile(pathUtf8);
    const int result =
        sqlite3_open_v2(pathUtf8.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    if (result != SQLITE_OK) {
        const std::string message = db_ != nullptr ? sqlite3_errmsg(db_) : sqlite3_errstr(result);
        sqlite3_close(db_);
        db_ = nullptr;
        throw std::runtime_error("cannot create " + pathUtf8 + ": " + message);
    }
    // The generator writes a file of its own; durability is not needed and would cost most of the time.
    try {
        Exec("PRAGMA journal_mode = MEMORY");
        Exec("PRAGMA synchronous = OFF");
    } catch (...) {
        sqlite3_close(db_);
        throw;
    }
}

HostWriter::~HostWriter() {
    for (auto& [sql, statement] : statements_) {
        sqlite3_finalize(statement);
    }
    sqlite3_close(db_);
}

void HostWriter::Exec(const std::string& sqlUtf8) {
    char* error = nullptr;
    if (sqlite3_exec(db_, sqlUtf8.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string message = error != nullptr ? error : "unknown error";
        sqlite3_free(error);
        throw std::runtime_error(message + " in: " + sqlUtf8);
    }
}

sqlite3_stmt* HostWriter::Prepared(const char* sql) {
    const auto found = statements_.find(sql);
    if (found != statements_.end()) {
        sqlite3_reset(found->second);
        sqlite3_clear_bindings(found->second);
        return found->second;
    }
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db_, sql, -1, &statement, nullptr) != SQLITE_OK) {
        throw std::runtime_error(std::string(sqlite3_errmsg(db_)) + " in: " + sql);
    }
    statements_.emplace(sql, statement);
    return statement;
}

void HostWriter::Run(sqlite3_stmt* statement) {
    if (sqlite3_step(statement) != SQLITE_DONE) {
        throw std::runtime_error(std::string(sqlite3_errmsg(db_)) + " in: " + sqlite3_sql(statement));
    }
}

void HostWriter::CreateSchema(const SchemaOptions& options) {
    decimals_ = options.version >= kVersionWithDecimals;
    for (const char* table : kTables) {
        Exec(table);
    }
    Exec(decimals_ ? kComponentsWithDecimals : kComponentsWithoutDecimals);
    // A history of upgrades, the last applied one being the version of the database.
    constexpr int64_t kFirstUpgrade = 1577836800; // 2020-01-01 00:00 UTC
    for (int32_t step = 0; step < 3; ++step) {
        AddVersion(step + 1, options.version - 2 + step, kFirstUpgrade + step * 86400 * 90);
    }
    if (options.indexes) {
        CreateIndexes();
    }
}

void HostWriter::CreateIndexes() {
    for (const char* index : kIndexes) {
        Exec(index);
    }
}

int64_t HostWriter::AddStation(std::u16string_view name) {
    sqlite3_stmt* statement = Prepared("INSERT INTO station (name) VALUES (?)");
    BindText(statement, 1, name);
    Run(statement);
    return sqlite3_last_insert_rowid(db_);
}

int64_t HostWriter::AddPlace(int64_t stationId, std::u16string_view name) {
    sqlite3_stmt* statement = Prepared("INSERT INTO place (stationid, name) VALUES (?, ?)");
    BindIdOrNull(statement, 1, stationId);
    BindText(statement, 2, name);
    Run(statement);
    return sqlite3_last_insert_rowid(db_);
}

int64_t HostWriter::AddOperator(std::u16string_view name) {
    sqlite3_stmt* statement = Prepared("INSERT INTO operator (name) VALUES (?)");
    BindText(statement, 1, name);
    Run(statement);
    return sqlite3_last_insert_rowid(db_);
}

void HostWriter::AddVersion(int64_t id, int32_t version, int64_t appliedOn) {
    sqlite3_stmt* statement = Prepared("INSERT INTO versioninfo (id, version, appliedon) VALUES (?, ?, ?)");
    sqlite3_bind_int64(statement, 1, id);
    sqlite3_bind_int(statement, 2, version);
    sqlite3_bind_int64(statement, 3, appliedOn);
    Run(statement);
}

int64_t HostWriter::AddMixture(std::u16string_view name) {
    sqlite3_stmt* statement = Prepared("INSERT INTO mixture (name) VALUES (?)");
    BindText(statement, 1, name);
    Run(statement);
    return sqlite3_last_insert_rowid(db_);
}

void HostWriter::AddMixtureComponent(int64_t mixtureId, const CertifiedComponent& component) {
    sqlite3_stmt* statement =
        decimals_
            ? Prepared("INSERT INTO mixturecomp (mixtureid, name, concentration, deviation, qty_sym_conc, "
                       "qty_sym_dev) VALUES (?, ?, ?, ?, ?, ?)")
            : Prepared("INSERT INTO mixturecomp (mixtureid, name, concentration, deviation) VALUES (?, ?, "
                       "?, ?)");
    sqlite3_bind_int64(statement, 1, mixtureId);
    BindText(statement, 2, component.name);
    sqlite3_bind_double(statement, 3, component.concentration);
    sqlite3_bind_double(statement, 4, component.deviation);
    if (decimals_) {
        sqlite3_bind_int(statement, 5, component.decimals);
        sqlite3_bind_int(statement, 6, component.deviationDecimals);
    }
    Run(statement);
}

int64_t HostWriter::AddAssay(const AssayRow& assay) {
    sqlite3_stmt* statement = Prepared(
        "INSERT INTO assay (filename, uuid, sample, method, date, mixture, atmpressure, isdeleted, "
        "iscalibration, operatorid, stationid, placeid) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    BindText(statement, 1, assay.filename);
    BindText(statement, 2, assay.uuid);
    BindText(statement, 3, assay.sample);
    BindText(statement, 4, assay.method);
    sqlite3_bind_int64(statement, 5, assay.date);
    BindText(statement, 6, assay.mixture);
    if (assay.atmpressureNull) {
        sqlite3_bind_null(statement, 7);
    } else {
        sqlite3_bind_double(statement, 7, assay.atmpressureKPa);
    }
    sqlite3_bind_int(statement, 8, assay.deleted ? 1 : 0);
    sqlite3_bind_int(statement, 9, assay.calibration ? 1 : 0);
    BindIdOrNull(statement, 10, assay.operatorId);
    BindIdOrNull(statement, 11, assay.stationId);
    BindIdOrNull(statement, 12, assay.placeId);
    Run(statement);
    return sqlite3_last_insert_rowid(db_);
}

void HostWriter::AddPeak(int64_t assayId, const PeakRow& peak) {
    sqlite3_stmt* statement =
        Prepared("INSERT INTO peak (assayid, name, time, area, height) VALUES (?, ?, ?, ?, ?)");
    sqlite3_bind_int64(statement, 1, assayId);
    BindText(statement, 2, peak.name);
    sqlite3_bind_double(statement, 3, peak.timeMin);
    sqlite3_bind_double(statement, 4, peak.area);
    sqlite3_bind_double(statement, 5, peak.height);
    Run(statement);
}

} // namespace sim

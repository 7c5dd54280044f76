// Writes databases in the host's schema: the tables and indexes the plug-in's queries imply, filled
// through prepared statements with UTF-16 texts exactly as given.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace sim {

// The host's schema version from which mixture components carry their certified decimals.
inline constexpr int32_t kVersionWithDecimals = 23;

struct SchemaOptions {
    int32_t version = 24; // written as the last applied row of versioninfo
    bool indexes = true;  // peak by assay, assay by date, mixture components by mixture
};

struct AssayRow {
    std::u16string filename;
    std::u16string uuid;
    std::u16string sample;
    std::u16string method;
    int64_t date = 0; // seconds since 1970-01-01 UTC
    std::u16string mixture;
    double atmpressureKPa = 101.325;
    bool atmpressureNull = false; // stored as NULL: a chromatogram without its pressure
    bool deleted = false;
    bool calibration = false; // calibration and control chromatograms
    int64_t operatorId = 0;   // 0: NULL
    int64_t stationId = 0;
    int64_t placeId = 0;
};

struct PeakRow {
    std::u16string name;
    double timeMin = 0.0;
    double area = 0.0;
    double height = 0.0;
};

struct CertifiedComponent {
    std::u16string name;            // as the host stores it (a display name)
    double concentration = 0.0;     // mol %
    double deviation = 0.0;         // expanded uncertainty, mol %
    int32_t decimals = -1;          // qty_sym_conc
    int32_t deviationDecimals = -1; // qty_sym_dev
};

class HostWriter {
public:
    // Creates the file, replacing one that exists. Throws std::runtime_error on any SQLite failure.
    explicit HostWriter(const std::string& pathUtf8);
    ~HostWriter();
    HostWriter(const HostWriter&) = delete;
    HostWriter& operator=(const HostWriter&) = delete;

    sqlite3* db() const { return db_; }
    void Exec(const std::string& sqlUtf8);
    void Begin() { Exec("BEGIN"); }
    void Commit() { Exec("COMMIT"); }

    // The tables, a history of versions ending with options.version, and (optionally) the indexes.
    void CreateSchema(const SchemaOptions& options);
    void CreateIndexes();
    bool HasDecimals() const { return decimals_; }

    int64_t AddStation(std::u16string_view name);
    int64_t AddPlace(int64_t stationId, std::u16string_view name);
    int64_t AddOperator(std::u16string_view name);
    void AddVersion(int64_t id, int32_t version, int64_t appliedOn);
    int64_t AddMixture(std::u16string_view name);
    void AddMixtureComponent(int64_t mixtureId, const CertifiedComponent& component);
    int64_t AddAssay(const AssayRow& assay);
    void AddPeak(int64_t assayId, const PeakRow& peak);

private:
    sqlite3_stmt* Prepared(const char* sql);
    void Run(sqlite3_stmt* statement);

    sqlite3* db_ = nullptr;
    bool decimals_ = true;
    std::map<std::string, sqlite3_stmt*> statements_;
};

// The files of the path (UTF-8) are removed: the database and SQLite's journal, log and shared memory.
void RemoveDatabaseFile(const std::string& pathUtf8);

} // namespace sim

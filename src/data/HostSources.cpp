#include "data/HostSources.h"

#include <sqlite3.h>

#include <string>

#include "data/DataBaseReader.h"
#include "data/SqlTexts.h"

namespace {

int32_t DatabaseVersion(DataBase::Reader& reader) {
    int32_t version = 0;
    DataBase::Statement& statement = reader.Prepare(HostSql::kDatabaseVersion);
    while (statement.Step()) {
        version = statement.ColumnInt(0);
    }
    return version;
}

bool MixtureExistsInDatabase(std::u16string_view mixtureName) {
    DataBase::Reader reader;
    DataBase::Statement& statement = reader.Prepare(HostSql::kMixtureExists);
    statement.BindText(1, mixtureName);
    return statement.StepResult() == SQLITE_ROW;
}

void MixtureRowsOfDatabase(std::u16string_view mixtureName, std::vector<HostCertifiedRow>& rows) {
    DataBase::Reader reader;
    const bool withDecimals = DatabaseVersion(reader) >= HostSql::kFirstVersionWithDecimals;
    rows.clear();
    DataBase::Statement& statement = reader.Prepare(withDecimals ? HostSql::kMixtureCompositionWithDecimals
                                                                 : HostSql::kMixtureComposition);
    statement.BindText(1, mixtureName);
    while (statement.Step()) {
        HostCertifiedRow row;
        row.name = statement.ColumnText(0);
        row.concentration = statement.ColumnDouble(1);
        row.deviation = statement.ColumnDouble(2);
        if (withDecimals) {
            row.concentrationDecimals = statement.ColumnInt(3);
            row.deviationDecimals = statement.ColumnInt(4);
        }
        rows.push_back(std::move(row));
    }
}

// kAssayPeaks gives name, time, area and height; kAssayPeakAreas name and area alone.
void PeakRowsOfDatabase(std::u16string_view sql, bool withTimeAndHeight, int64_t assayId,
                        std::vector<HostPeakRow>& rows) {
    DataBase::Reader reader;
    rows.clear();
    DataBase::Statement& statement = reader.Prepare(sql);
    statement.BindAssayId(1, assayId);
    while (statement.Step()) {
        HostPeakRow row;
        row.name = statement.ColumnText(0);
        if (withTimeAndHeight) {
            row.time = statement.ColumnDouble(1);
            row.area = statement.ColumnDouble(2);
            row.height = statement.ColumnDouble(3);
        } else {
            row.area = statement.ColumnDouble(1);
        }
        rows.push_back(std::move(row));
    }
}

void PeaksByTimeOfDatabase(int64_t assayId, std::vector<HostPeakRow>& rows) {
    PeakRowsOfDatabase(HostSql::kAssayPeaks, true, assayId, rows);
}

void PeakAreasOfDatabase(int64_t assayId, std::vector<HostPeakRow>& rows) {
    PeakRowsOfDatabase(HostSql::kAssayPeakAreas, false, assayId, rows);
}

void PressuresOfDatabase(int64_t assayId, std::vector<double>& pressuresKPa) {
    DataBase::Reader reader;
    pressuresKPa.clear();
    DataBase::Statement& statement = reader.Prepare(HostSql::kAssayPressure);
    statement.BindAssayId(1, assayId);
    while (statement.Step()) {
        pressuresKPa.push_back(statement.ColumnDouble(0));
    }
}

void CalibrationRunsOfDatabase(std::u16string_view method, int64_t fromDate, int64_t toDate,
                               std::vector<HostCalibrationRow>& rows) {
    DataBase::Reader reader;
    rows.clear();
    DataBase::Statement& statement = reader.Prepare(HostSql::kCalibrationRunsOfMethod);
    statement.BindText(1, method);
    statement.BindInt64(2, fromDate);
    statement.BindInt64(3, toDate);
    while (statement.Step()) {
        HostCalibrationRow row;
        row.id = statement.ColumnInt64(0);
        row.date = statement.ColumnInt64(1);
        row.mixture = statement.ColumnText(2);
        rows.push_back(std::move(row));
    }
}

// The ids as a JSON array for json_each; an id not above zero names no chromatogram.
std::u16string JsonArrayOf(std::span<const int64_t> assayIds) {
    std::string array = "[";
    for (const int64_t id : assayIds) {
        if (id > 0) {
            if (array.size() > 1) {
                array += ',';
            }
            array += std::to_string(id);
        }
    }
    array += "]";
    return std::u16string(array.begin(), array.end());
}

bool HasRowOrder(DataBase::Reader& reader, std::u16string_view table) {
    DataBase::Statement& statement = reader.Prepare(HostSql::kTableWithoutRowOrder);
    statement.BindText(1, table);
    return statement.Step() && statement.ColumnInt64(0) == 0;
}

bool PeakAreasOfAssaysInDatabase(std::span<const int64_t> assayIds, std::vector<HostAssayPeakRow>& rows) {
    DataBase::Reader reader;
    rows.clear();
    if (!HasRowOrder(reader, u"peak")) {
        return false;
    }
    DataBase::Statement& statement = reader.Prepare(HostSql::kPeakAreasOfAssays);
    statement.BindText(1, JsonArrayOf(assayIds));
    while (statement.Step()) {
        HostAssayPeakRow row;
        row.assayId = statement.ColumnInt64(0);
        row.peak.name = statement.ColumnText(1);
        row.peak.area = statement.ColumnDouble(2);
        rows.push_back(std::move(row));
    }
    return true;
}

bool PressuresOfAssaysInDatabase(std::span<const int64_t> assayIds, std::vector<HostAssayPressureRow>& rows) {
    DataBase::Reader reader;
    rows.clear();
    if (!HasRowOrder(reader, u"assay")) {
        return false;
    }
    DataBase::Statement& statement = reader.Prepare(HostSql::kPressuresOfAssays);
    statement.BindText(1, JsonArrayOf(assayIds));
    while (statement.Step()) {
        rows.push_back(HostAssayPressureRow{statement.ColumnInt64(0), statement.ColumnDouble(1)});
    }
    return true;
}

} // namespace

const HostSources& DatabaseSources() {
    static const HostSources sources{&MixtureExistsInDatabase,     &MixtureRowsOfDatabase,
                                     &PeaksByTimeOfDatabase,       &PeakAreasOfDatabase,
                                     &PressuresOfDatabase,         &CalibrationRunsOfDatabase,
                                     &PeakAreasOfAssaysInDatabase, &PressuresOfAssaysInDatabase};
    return sources;
}

#include "data/HostQueries.h"

#include "data/DataBaseHandle.h"
#include "data/DataBaseStatement.h"
#include "data/SqlTexts.h"
#include "text/CaseFold.h"

namespace {
constexpr size_t kReportNameMaxLength = 255; // characters of a station or sampling-point name

std::vector<NamedId> ReadNamedIds(DataBase::Statement& statement) {
    std::vector<NamedId> rows;
    while (statement.Step()) {
        NamedId row;
        row.id = statement.IsNull(0) ? -1 : statement.ColumnInt64(0);
        row.name = statement.ColumnText(1);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<std::u16string> ReadTexts(DataBase::Statement& statement) {
    std::vector<std::u16string> texts;
    while (statement.Step()) {
        texts.push_back(statement.ColumnText(0));
    }
    return texts;
}

std::vector<std::u16string> QueryTextsInPeriod(DataBase::Handle& handle, std::u16string_view text,
                                               int64_t fromDate, int64_t toDate) {
    DataBase::Statement statement(handle, text);
    statement.BindInt64(1, fromDate);
    statement.BindInt64(2, toDate);
    return ReadTexts(statement);
}

std::u16string LastNameOfAssay(DataBase::Handle& handle, std::u16string_view text, int64_t assayId) {
    DataBase::Statement statement(handle, text);
    statement.BindInt64(1, assayId);
    std::u16string name;
    while (statement.Step()) {
        name = statement.ColumnText(0);
    }
    if (name.size() > kReportNameMaxLength) {
        size_t length = kReportNameMaxLength;
        // Never keep half of a surrogate pair.
        if (name[length - 1] >= 0xD800 && name[length - 1] <= 0xDBFF) {
            --length;
        }
        name.resize(length);
    }
    return name;
}

void CopyAssayFields(const DataBase::Statement& statement, Assay& assay) {
    assay.id = statement.ColumnInt64(0);
    assay.filename = statement.ColumnText(1);
    assay.uuid = statement.ColumnText(2);
    assay.sample = statement.ColumnText(3);
    assay.method = statement.ColumnText(4);
    assay.date = statement.ColumnInt64(5);
    assay.mixture = statement.ColumnText(6);
    assay.atmpressure = statement.ColumnDouble(7);
}
} // namespace

std::vector<NamedId> QueryStations(DataBase::Handle& handle) {
    DataBase::Statement statement(handle, HostSql::kStations);
    return ReadNamedIds(statement);
}

std::vector<NamedId> QueryPlaces(DataBase::Handle& handle, int64_t stationId) {
    DataBase::Statement statement(handle, HostSql::kPlacesOfStation);
    statement.BindInt64(1, stationId);
    return ReadNamedIds(statement);
}

std::vector<std::u16string> QueryMethodsInPeriod(DataBase::Handle& handle, int64_t fromDate, int64_t toDate) {
    return QueryTextsInPeriod(handle, HostSql::kMethodsInPeriod, fromDate, toDate);
}

std::vector<std::u16string> QueryMixturesInPeriod(DataBase::Handle& handle, int64_t fromDate,
                                                  int64_t toDate) {
    return QueryTextsInPeriod(handle, HostSql::kMixturesInPeriod, fromDate, toDate);
}

std::vector<std::u16string> QueryOperatorsInPeriod(DataBase::Handle& handle, int64_t fromDate,
                                                   int64_t toDate) {
    return QueryTextsInPeriod(handle, HostSql::kOperatorsInPeriod, fromDate, toDate);
}

std::vector<std::u16string> QueryAllMethods(DataBase::Handle& handle) {
    DataBase::Statement statement(handle, HostSql::kAllMethods);
    return ReadTexts(statement);
}

std::vector<std::u16string> QueryAllMixtures(DataBase::Handle& handle) {
    DataBase::Statement statement(handle, HostSql::kAllMixtures);
    return ReadTexts(statement);
}

std::vector<NamedId> QueryAllOperators(DataBase::Handle& handle) {
    DataBase::Statement statement(handle, HostSql::kAllOperators);
    return ReadNamedIds(statement);
}

int64_t QueryOperatorId(DataBase::Handle& handle, std::u16string_view name) {
    DataBase::Statement statement(handle, HostSql::kOperatorIdByName);
    statement.BindText(1, name);
    int64_t id = -1;
    while (statement.Step()) {
        id = statement.IsNull(0) ? -1 : statement.ColumnInt64(0);
    }
    return id;
}

std::u16string AssaySearchText(const AssaySearch& search) {
    std::u16string text(HostSql::kSearchBase);
    if (search.mixture) {
        text += HostSql::kSearchMixture;
    }
    if (search.method) {
        text += HostSql::kSearchMethod;
    }
    if (search.operatorId > 0) {
        text += HostSql::kSearchOperator;
    }
    if (search.stationId > 0) {
        text += HostSql::kSearchStation;
    }
    if (search.placeId > 0) {
        text += HostSql::kSearchPlace;
    }
    if (!search.sample.empty()) {
        text += HostSql::kSearchSample;
    }
    text += HostSql::kSearchOrder;
    return text;
}

std::vector<AssayFound> SearchAssays(DataBase::Handle& handle, const AssaySearch& search) {
    const std::u16string text = AssaySearchText(search);
    DataBase::Statement statement(handle, text);
    int index = 1;
    statement.BindInt64(index++, search.calibration ? 1 : 0);
    statement.BindInt64(index++, search.fromDate);
    statement.BindInt64(index++, search.toDate);
    if (search.mixture) {
        statement.BindText(index++, *search.mixture);
    }
    if (search.method) {
        statement.BindText(index++, *search.method);
    }
    for (const int64_t id : {search.operatorId, search.stationId, search.placeId}) {
        if (id > 0) {
            statement.BindInt64(index++, id);
        }
    }
    if (!search.sample.empty()) {
        statement.BindText(
            index++, FoldCase(std::u16string_view(search.sample).substr(0, HostSql::kSearchSampleMaxLength)));
    }
    std::vector<AssayFound> found;
    while (statement.Step()) {
        AssayFound row;
        row.id = statement.IsNull(0) ? -1 : statement.ColumnInt64(0);
        row.uuid = statement.ColumnText(1);
        row.sample = statement.ColumnText(2);
        row.method = statement.ColumnText(3);
        row.date = statement.ColumnInt64(4);
        found.push_back(std::move(row));
    }
    return found;
}

std::vector<Assay> QueryAssayRows(DataBase::Handle& handle, int64_t assayId) {
    DataBase::Statement statement(handle, HostSql::kAssayRecord);
    statement.BindAssayId(1, assayId);
    std::vector<Assay> rows;
    while (statement.Step()) {
        Assay assay;
        CopyAssayFields(statement, assay);
        rows.push_back(std::move(assay));
    }
    return rows;
}

bool RefreshAssay(DataBase::Handle& handle, Assay& assay) {
    DataBase::Statement statement(handle, HostSql::kAssayRecord);
    statement.BindAssayId(1, assay.id);
    bool found = false;
    while (statement.Step()) {
        CopyAssayFields(statement, assay);
        found = true;
    }
    return found;
}

std::vector<PeakArea> QueryPeakAreas(DataBase::Handle& handle, int64_t assayId) {
    DataBase::Statement statement(handle, HostSql::kAssayPeakAreasByTime);
    statement.BindAssayId(1, assayId);
    std::vector<PeakArea> peaks;
    while (statement.Step()) {
        peaks.push_back(PeakArea{statement.ColumnText(0), statement.ColumnDouble(1)});
    }
    return peaks;
}

std::u16string QueryStationNameOfAssay(DataBase::Handle& handle, int64_t assayId) {
    return LastNameOfAssay(handle, HostSql::kStationOfAssay, assayId);
}

std::u16string QueryPlaceNameOfAssay(DataBase::Handle& handle, int64_t assayId) {
    return LastNameOfAssay(handle, HostSql::kPlaceOfAssay, assayId);
}

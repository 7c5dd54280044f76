// The queries of the chromatograms page, its selection dialog and the report on the host's database.
// Each takes an open handle, so that one page operation uses one connection, and raises
// DataBase::SqlException on failure. Texts are read with NULL as an empty text and numbers with NULL as 0
// unless said otherwise.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "data/Assay.h"

namespace DataBase {
class Handle;
}

struct NamedId {
    int64_t id = -1; // -1 when the row's id is NULL
    std::u16string name;
};

// Stations ordered by name.
std::vector<NamedId> QueryStations(DataBase::Handle& handle);
// Sampling points of a station ordered by name.
std::vector<NamedId> QueryPlaces(DataBase::Handle& handle, int64_t stationId);

// The distinct methods, mixtures and operator names of the assays dated within [fromDate, toDate]
// (seconds since 1970-01-01 UTC), each ordered.
std::vector<std::u16string> QueryMethodsInPeriod(DataBase::Handle& handle, int64_t fromDate, int64_t toDate);
std::vector<std::u16string> QueryMixturesInPeriod(DataBase::Handle& handle, int64_t fromDate, int64_t toDate);
std::vector<std::u16string> QueryOperatorsInPeriod(DataBase::Handle& handle, int64_t fromDate,
                                                   int64_t toDate);
// The distinct methods and mixtures of all assays, ordered, and the operators named by any assay,
// ordered by name, each with its id: the dialog's filter lists, one query each.
std::vector<std::u16string> QueryAllMethods(DataBase::Handle& handle);
std::vector<std::u16string> QueryAllMixtures(DataBase::Handle& handle);
std::vector<NamedId> QueryAllOperators(DataBase::Handle& handle);
// The id of the first operator of that name, or -1: the operator filter of the search needs an id while
// the operator list holds names.
int64_t QueryOperatorId(DataBase::Handle& handle, std::u16string_view name);

// The filters of the chromatogram search; an absent filter is not applied.
struct AssaySearch {
    bool calibration = false; // calibration and control chromatograms, else analysis
    int64_t fromDate = 0;     // seconds since 1970-01-01 UTC, inclusive
    int64_t toDate = 0;
    std::optional<std::u16string> mixture;
    std::optional<std::u16string> method;
    int64_t operatorId = 0; // applied when above 0
    int64_t stationId = 0;  // applied when above 0
    int64_t placeId = 0;    // applied when above 0
    std::u16string
        sample; // part of the sample name in any case; applied when not empty, up to 128 characters
};

struct AssayFound {
    int64_t id = -1; // -1 when NULL
    std::u16string uuid;
    std::u16string sample;
    std::u16string method;
    int64_t date = 0; // seconds since 1970-01-01 UTC
};

// The statement text of a search (the filters' conditions in a fixed order, newest first).
std::u16string AssaySearchText(const AssaySearch& search);
std::vector<AssayFound> SearchAssays(DataBase::Handle& handle, const AssaySearch& search);

// The assay rows with that id (a host has one), as Assay records with only the database fields set.
std::vector<Assay> QueryAssayRows(DataBase::Handle& handle, int64_t assayId);
// Copies the database fields of the assay's row onto the record; false, and the record unchanged, when
// the assay no longer exists.
bool RefreshAssay(DataBase::Handle& handle, Assay& assay);

struct PeakArea {
    std::u16string name;
    double area = 0.0;
};
// The peaks of a chromatogram with their areas as stored, by retention time.
std::vector<PeakArea> QueryPeakAreas(DataBase::Handle& handle, int64_t assayId);

// The names of the station and the sampling point of an assay (the last row's), at most 255 characters;
// empty when there is none.
std::u16string QueryStationNameOfAssay(DataBase::Handle& handle, int64_t assayId);
std::u16string QueryPlaceNameOfAssay(DataBase::Handle& handle, int64_t assayId);

// Every statement the plug-in runs on the host's database, in one place. Each runs through
// DataBase::Statement, which refuses anything but read-only queries.
#pragma once

#include <string_view>

namespace HostSql {

// Chromatograms and their peaks.
inline constexpr std::u16string_view kAssayPressure = u"SELECT atmpressure FROM [assay] WHERE id = ?;";
inline constexpr std::u16string_view kAssayPeaks =
    u"SELECT name, time, area, height FROM [peak] WHERE assayid = ? ORDER BY time;";
inline constexpr std::u16string_view kAssayPeakAreas = u"SELECT name, area FROM [peak] WHERE assayid = ?;";
inline constexpr std::u16string_view kAssayPeakAreasByTime =
    u"SELECT name, area FROM [peak] WHERE assayid = ? ORDER BY time;";
inline constexpr std::u16string_view kAssayRecord =
    u"SELECT id, filename, uuid, sample, method, date, mixture, atmpressure FROM [assay] WHERE id = ?;";
// The calibration history of a method: its calibration (and control) chromatograms in a period.
inline constexpr std::u16string_view kCalibrationRunsOfMethod =
    u"SELECT id, date, mixture FROM [assay] WHERE isdeleted = 0 AND iscalibration = 1 AND method = ? AND "
    u"date "
    u">= ? AND date < ? ORDER BY date, id;";
// The peak areas and the pressures of many chromatograms read at once, their ids given as one JSON
// array: each chromatogram's rows come in the order its own reads above give them (the table's order).
inline constexpr std::u16string_view kPeakAreasOfAssays =
    u"SELECT assayid, name, area FROM [peak] WHERE assayid IN (SELECT value FROM json_each(?)) ORDER BY "
    u"assayid, rowid;";
inline constexpr std::u16string_view kPressuresOfAssays =
    u"SELECT id, atmpressure FROM [assay] WHERE id IN (SELECT value FROM json_each(?)) ORDER BY id, rowid;";
// Whether the named table lacks the row ids that order the reads above: a view (whose row ids SQLite
// gives or refuses as it was built), a virtual table or a table WITHOUT ROWID. Zero for an ordinary table.
inline constexpr std::u16string_view kTableWithoutRowOrder =
    u"SELECT count(*) FROM pragma_table_list(?) WHERE type <> 'table' OR wr <> 0;";

// Reference mixtures. The certified decimals exist from database version 23 on.
inline constexpr std::u16string_view kDatabaseVersion =
    u"SELECT version FROM [versioninfo] ORDER BY appliedon DESC, id DESC LIMIT 1;";
inline constexpr int kFirstVersionWithDecimals = 23;
inline constexpr std::u16string_view kMixtureCompositionWithDecimals =
    u"SELECT c.name, c.concentration, c.deviation, c.qty_sym_conc, c.qty_sym_dev FROM [mixture] AS m LEFT "
    u"JOIN "
    u"[mixturecomp] AS c ON m.id = c.mixtureid WHERE m.name = ?;";
inline constexpr std::u16string_view kMixtureComposition =
    u"SELECT c.name, c.concentration, c.deviation FROM [mixture] AS m LEFT JOIN [mixturecomp] AS c ON m.id = "
    u"c.mixtureid WHERE m.name = ?;";
inline constexpr std::u16string_view kMixtureExists = u"SELECT id FROM [mixture] WHERE name = ? LIMIT 1;";
inline constexpr std::u16string_view kMixtureNames = u"SELECT name FROM [mixture];";

// The chromatogram selection dialog.
inline constexpr std::u16string_view kStations = u"SELECT DISTINCT id, name FROM [station] ORDER BY name;";
inline constexpr std::u16string_view kPlacesOfStation =
    u"SELECT id, name FROM [place] WHERE stationid = ? ORDER BY name;";
inline constexpr std::u16string_view kMethodsInPeriod =
    u"SELECT DISTINCT method FROM [assay] WHERE date BETWEEN ? AND ? ORDER BY method;";
inline constexpr std::u16string_view kMixturesInPeriod =
    u"SELECT DISTINCT mixture FROM [assay] WHERE date BETWEEN ? AND ? ORDER BY mixture;";
inline constexpr std::u16string_view kOperatorsInPeriod =
    u"SELECT DISTINCT operator.name FROM [assay] LEFT JOIN [operator] ON operator.id = operatorid WHERE date "
    u"BETWEEN ? AND ? ORDER BY operator.name;";
// The filter lists of the dialog: every value of the chromatograms the search can find (not deleted),
// whatever the period shown.
inline constexpr std::u16string_view kAllMethods =
    u"SELECT DISTINCT method FROM [assay] WHERE isdeleted = 0 ORDER BY method;";
inline constexpr std::u16string_view kAllMixtures =
    u"SELECT DISTINCT mixture FROM [assay] WHERE isdeleted = 0 ORDER BY mixture;";
inline constexpr std::u16string_view kAllOperators =
    u"SELECT DISTINCT operator.id, operator.name FROM [assay] INNER JOIN [operator] ON operator.id = "
    u"operatorid WHERE isdeleted = 0 ORDER BY operator.name, operator.id;";
// The search is this text followed by the conditions of the filters that are set and the order.
inline constexpr std::u16string_view kSearchBase =
    u"SELECT id, uuid, sample, method, date FROM [assay] WHERE isdeleted = 0 AND iscalibration = ? AND date "
    u"BETWEEN ? AND ?";
inline constexpr std::u16string_view kSearchMixture = u" AND mixture = ?";
inline constexpr std::u16string_view kSearchMethod = u" AND method = ?";
inline constexpr std::u16string_view kSearchOperator = u" AND operatorid = ?";
inline constexpr std::u16string_view kSearchStation = u" AND stationid = ?";
inline constexpr std::u16string_view kSearchPlace = u" AND placeid = ?";
// The sample filter is a part of the name in any case, Cyrillic and Latin: both sides folded by the
// connection's function kFoldFunction (the bound text is folded before binding); instr takes it as it is,
// with no wildcards.
inline constexpr std::u16string_view kSearchSample = u" AND instr(tarvel_fold(sample), ?) > 0";
inline constexpr std::u16string_view kSearchOrder = u" ORDER BY date DESC;";
inline constexpr char kFoldFunction[] = "tarvel_fold";
inline constexpr size_t kSearchMaxLength = 512;       // characters of the whole search text
inline constexpr size_t kSearchSampleMaxLength = 128; // characters of the sample filter

// The operator filter of the search needs an operator's id, while the operator list holds names only.
inline constexpr std::u16string_view kOperatorIdByName =
    u"SELECT id FROM [operator] WHERE name = ? ORDER BY id LIMIT 1;";

// The report's station and sampling point of the analysed gas.
inline constexpr std::u16string_view kStationOfAssay =
    u"SELECT name FROM[station] INNER JOIN[assay] ON station.id = stationid WHERE assay.id = ?;";
inline constexpr std::u16string_view kPlaceOfAssay =
    u"SELECT name FROM[place] INNER JOIN[assay] ON place.id = placeid WHERE assay.id = ?;";

} // namespace HostSql

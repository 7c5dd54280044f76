// The rows a calculation reads from the host's database, as the host stores them (peak and component
// names as the chromatograph and the user wrote them, areas uncorrected), and where they come from. The
// calculation reads them from the host's database; a test puts rows of its own in their place. The
// loaders (MixtureLoading, PeakLoading, PressureCorrection) turn these rows into the calculation's
// records, so every rule of naming, grouping and correction applies to both alike.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// One peak of a chromatogram. A NULL name reads as empty (such peaks are skipped), NULL numbers as 0.
struct HostPeakRow {
    std::u16string name;
    double time = 0.0;   // retention time, min
    double area = 0.0;   // as integrated, before any pressure correction
    double height = 0.0; // 0 where the reader asked for areas only

    bool operator==(const HostPeakRow&) const = default;
};

// One certified component of a reference mixture. A mixture without components gives one row of NULLs
// (empty name, zeros), as the host's outer join gives it.
struct HostCertifiedRow {
    std::u16string name;
    double concentration = 0.0; // mol %
    double deviation = 0.0;     // mol %
    // Decimals of the two certified values; -1 for databases before version 23, which keep none.
    int32_t concentrationDecimals = -1;
    int32_t deviationDecimals = -1;
};

// One calibration or control chromatogram of the host's assay table (the host files both alike).
struct HostCalibrationRow {
    int64_t id = 0;
    int64_t date = 0; // seconds since 1970-01-01 UTC
    std::u16string mixture;

    bool operator==(const HostCalibrationRow&) const = default;
};

// A row of a chromatogram among several read at once: a peak's name and area, or a pressure (kPa).
struct HostAssayPeakRow {
    int64_t assayId = 0;
    HostPeakRow peak; // time and height 0

    bool operator==(const HostAssayPeakRow&) const = default;
};
struct HostAssayPressureRow {
    int64_t assayId = 0;
    double pressureKPa = 0.0;

    bool operator==(const HostAssayPressureRow&) const = default;
};

// Each function replaces the contents of its list. The database's functions raise DataBase::SqlException.
struct HostSources {
    // Whether a mixture of exactly that name exists.
    std::function<bool(std::u16string_view mixtureName)> mixtureExists;
    // The certified components of the named mixture in stored order; none when no mixture has the name.
    std::function<void(std::u16string_view mixtureName, std::vector<HostCertifiedRow>& rows)> mixtureRows;
    // The peaks of a chromatogram in order of retention time.
    std::function<void(int64_t assayId, std::vector<HostPeakRow>& rows)> peaksByTime;
    // The names and areas of a chromatogram's peaks in stored order (time and height 0).
    std::function<void(int64_t assayId, std::vector<HostPeakRow>& rows)> peakAreas;
    // The atmospheric pressure (kPa, NULL reads 0) of every row the host keeps for the assay id: none for
    // an unknown id, several where the host's table lacks a unique id.
    std::function<void(int64_t assayId, std::vector<double>& pressuresKPa)> pressures;
    // The calibration chromatograms of the method dated within [fromDate, toDate) that are not deleted,
    // ordered by date and id. Sources without a history leave it empty.
    std::function<void(std::u16string_view method, int64_t fromDate, int64_t toDate,
                       std::vector<HostCalibrationRow>& rows)>
        calibrationRuns;
    // The peak areas and the pressures of the chromatograms of the ids above zero, as peakAreas and
    // pressures give them, ordered by id; false, with no rows, where the source cannot give that order.
    // Optional: a source without them is read one chromatogram at a time.
    std::function<bool(std::span<const int64_t> assayIds, std::vector<HostAssayPeakRow>& rows)> peakAreasOf;
    std::function<bool(std::span<const int64_t> assayIds, std::vector<HostAssayPressureRow>& rows)>
        pressuresOf;
};

// The host's database, read through DataBase::Reader: the calculation run's connection, or one of each
// call's own outside a run.
const HostSources& DatabaseSources();

// The stability of the calibration: for each calibrated component, its calibration characteristic over
// the laboratory's earlier calibrations of the same method and reference mixtures (the factor K of
// methods А and Б, the response of the line at the first mixture's concentration for В1 and В2 of
// GOST 31371.7-2020), charted with the limits of its own history. Filled by the stability reader after
// the calibration; read by the journal warning, the calibration page's dialog, the report and tarvel.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "calc/CalcSettings.h"
#include "calc/stability/ControlChart.h"
#include "data/ChromatogramsReadAtOnce.h"
#include "data/ComponentCatalogue.h"
#include "data/HostSources.h"
#include "data/MixtureComponent.h"

struct StabilityPoint {
    int64_t date = 0;   // first chromatogram of the calibration, seconds since 1970-01-01 UTC
    double value = 0.0; // the characteristic
    int32_t zone = 0;   // ZoneOf against the component's limits
    bool current = false;
};

struct ComponentStability {
    std::u16string component; // identifier
    // The earlier calibrations in time order, then the current one (when the component has a result).
    std::vector<StabilityPoint> points;
    ChartLimits limits; // from the earlier calibrations alone
    PointJudgement judgement;
    double current = 0.0;               // the current calibration's characteristic
    double changeFromPreviousPct = 0.0; // relative to the latest earlier calibration, %; NaN without one
    double changeFromCentrePct = 0.0;   // relative to the centre line, %; NaN without limits
};

struct CalibrationStability {
    bool read = false;        // a history was looked for (a current calibration, a database to read)
    int32_t method = 0;       // 0 А, 1 Б, 2 В1, 3 В2
    int32_t days = 0;         // length of the period looked at
    int64_t fromDate = 0;     // the period [fromDate, toDate), seconds since 1970-01-01 UTC
    int64_t toDate = 0;       // the first chromatogram of the current calibration
    int32_t calibrations = 0; // earlier calibrations found in the period
    int32_t leftOver = 0;     // chromatograms of the mixtures that belong to no full calibration
    std::vector<ComponentStability> components; // in the order of the calibration list
};

// One earlier calibration: its date and the characteristic of each component (NaN where it has none).
struct StabilityHistoryPoint {
    int64_t date = 0;
    std::map<std::u16string, double> values; // by component identifier
};

// Everything a history is computed from. Equal inputs give the same history.
struct StabilityHistoryInputs {
    CalcSettings settings;
    AliasList aliases;
    std::u16string method; // the host's name of the chromatograph's method
    std::vector<std::u16string> components;
    std::vector<HostCalibrationRow> chromatograms; // of the period, as the host lists them
    std::vector<MixtureComponent> firstComposition;
    std::vector<MixtureComponent> secondComposition; // methods В1, В2
    ChromatogramRows rows;                           // of the chromatograms of the calibrations

    bool operator==(const StabilityHistoryInputs&) const = default;
};

// The last history computed, kept between the runs of one window (which sets keep): computing it is
// most of a run's time, and the window recalculates on every visit of a result page. It is taken again
// only where the inputs read afresh equal the ones it was computed from.
struct StabilityHistoryMemory {
    bool keep = false;
    bool held = false;
    StabilityHistoryInputs inputs;
    std::vector<StabilityHistoryPoint> points;
};

// Whether the characteristic is the response of a line (methods В1, В2) rather than a factor K.
inline bool StabilityOfLine(const CalibrationStability& stability) {
    return stability.method == 2 || stability.method == 3;
}

// Whole host databases: the demo database, the database of the loader tests, the benchmark database and
// hostile databases for robustness tests. Every one is the same from the same seed.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "Batches.h"
#include "CalibrationHistory.h"

namespace sim {

// The calibration of one method: its reference mixtures with a calibration and a control batch each.
struct MethodRuns {
    std::u16string method; // the host's method name
    std::vector<ReferenceMixture> mixtures;
    std::vector<std::vector<int64_t>> calibration; // per mixture, in run order
    std::vector<std::vector<int64_t>> control;     // per mixture, in run order
};

struct DemoManifest {
    int64_t stationId = 0;
    std::array<int64_t, 2> placeIds{};
    std::array<int64_t, 2> operatorIds{};
    std::array<GasComposition, 2> gas; // the true gas at each sampling point
    // Methods А (5 chromatograms), Б (3), В1 and В2 (two mixtures of 7), each with 3 control runs.
    std::array<MethodRuns, 4> methods;
    // Pairs of analysis chromatograms at each sampling point (laboratory chromatograph: two per sample).
    std::array<std::vector<int64_t>, 2> analyses;
    // The mixture of method А analysed as a sample, for the control of the result.
    std::vector<int64_t> mixtureAnalyses;
    int64_t dayStart = 0; // 00:00 UTC of the day of the runs
    // The calibrations of the kHistoryDays days before, one a day per method (its runs: 3 per mixture
    // for А and Б, 5 for В1 and В2), written after the day's chromatograms (higher ids, earlier dates).
    // From day driftStartDay of the history on, the response of driftComponent falls by driftPerDay a
    // day; the day of the runs is back to normal.
    std::array<std::vector<HistoryDay>, 4> history;
    std::u16string driftComponent;
    int32_t driftStartDay = -1;
    double driftPerDay = 0.0;
};
inline constexpr int32_t kHistoryDays = 60;

// The demo database: one station with two sampling points, two operators, the reference mixtures of
// the four methods and a day's calibration, control and analysis chromatograms of pipeline gas, after
// the calibration history of the days before.
// version below 23 gives the older schema without certified decimals.
DemoManifest MakeDemoDatabase(const std::string& pathUtf8, uint64_t seed, int32_t version = 24);

// A database whose every chromatogram the loader tests know: its peaks as written and their meaning.
struct TestManifest {
    ReferenceMixture ipg;               // СО-ИПГ near the gas
    ReferenceMixture pgm;               // СО-ПГМ near the gas, with С6+*
    std::vector<Chromatogram> batch3;   // calibration batch of the ИПГ, 3 runs, individual heavy peaks
    std::vector<Chromatogram> batch5;   // calibration batch of the ИПГ, 5 runs, С6/С7/С8 group peaks
    std::vector<Chromatogram> batch7;   // calibration batch of the ПГМ, 7 runs, back-flushed С6+
    std::vector<Chromatogram> analyses; // 2 runs of pipeline gas at 98.7 kPa with unknown and unnamed
                                        // peaks, stored out of retention order
    GasComposition gas;
    int64_t deletedAssayId = 0; // an analysis marked deleted
};
TestManifest MakeTestDatabase(const std::string& pathUtf8, uint64_t seed, int32_t version = 24);

struct BenchmarkManifest {
    int64_t assays = 0;
    int64_t peaks = 0;
    std::vector<int64_t> thirtyPeakAssays;  // chromatograms of exactly 30 peaks
    std::vector<int64_t> calibrationAssays; // a batch of 5 calibration runs of the mixture
    std::u16string mixtureName;
};
// assayCount chromatograms of 15, 20 or 30 peaks (20 on average), written in one transaction.
BenchmarkManifest MakeBenchmarkDatabase(const std::string& pathUtf8, uint64_t seed,
                                        int64_t assayCount = 100000);

enum class HostileKind {
    NullEverywhere,   // every column NULL (tables without primary keys), beside a few usable rows
    EmptyNames,       // empty texts for every name
    NoTables,         // a valid database without any table
    NoVersionInfo,    // the host's tables except versioninfo
    MissingColumns,   // peak without height; mixturecomp without decimals under version 24
    TextInNumbers,    // texts in the numeric columns
    NonFiniteNumbers, // infinite, NaN (stored by SQLite as NULL), negative and overflowing numbers
    ManyPeaks,        // one chromatogram of 10,000 peaks
    OddNames,         // format directives, quotes, markup, control characters, long and ill-formed texts
    NotADatabase,     // a file that is not an SQLite database
};
inline constexpr std::array<HostileKind, 10> kHostileKinds = {
    HostileKind::NullEverywhere,   HostileKind::EmptyNames,     HostileKind::NoTables,
    HostileKind::NoVersionInfo,    HostileKind::MissingColumns, HostileKind::TextInNumbers,
    HostileKind::NonFiniteNumbers, HostileKind::ManyPeaks,      HostileKind::OddNames,
    HostileKind::NotADatabase,
};
std::string_view NameOf(HostileKind kind);
// The peak names of OddNames, in retention order (chromatogram 1); its mixture "Смесь" has components
// of the same names.
std::vector<std::u16string> OddPeakNames();
inline constexpr int32_t kManyPeaksCount = 10000;

// Every hostile database holds chromatogram 1 and the mixture "Смесь" where its kind lets it.
void MakeHostileDatabase(const std::string& pathUtf8, HostileKind kind);

} // namespace sim

// Shared by the composition tests: analysis chromatograms among the host's records, hand-made
// calibration results, and the uncertainty a table of metrological characteristics gives by the
// library's documented rule (the row holding x; at a shared bound the row with the smaller lower bound).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "HostWriter.h"
#include "calc/CalcContext.h"
#include "calc/bindings/Gost31371Binding.h"
#include "calc/journal/Journal.h"
#include "support/HostRecords.h"
#include "support/JournalExpectations.h"
#include "text/StringIds.gen.h"
#include "text/Utf.h"

namespace comptest {

// A peak of an analysis chromatogram as a test writes it.
struct Peak {
    std::u16string_view id; // component identifier, stored under its default display name
    double timeMin;
    double area;
    double height = 1.0;
};

// An analysis chromatogram with its peaks among the host's records; returns the assay id. The peak of
// identifier "? " + name is stored as the name alone, which no alias knows.
inline int64_t AddChromatogram(testsupport::HostRecords& host, const std::vector<Peak>& peaks,
                               double pressureKPa = 101.325) {
    sim::AssayRow row;
    row.atmpressureKPa = pressureKPa;
    const int64_t id = host.AddAssay(row);
    for (const Peak& peak : peaks) {
        const std::u16string name = peak.id.starts_with(u"? ") ? std::u16string(peak.id.substr(2))
                                                               : testsupport::DisplayName(peak.id);
        host.AddPeak(id, sim::PeakRow{name, peak.timeMin, peak.area, peak.height});
    }
    return id;
}

// An included chromatogram of the given role in the chromatogram list.
inline Assay ListedAssay(int64_t id, AssayRole role = AssayRole::Analysis, bool included = true) {
    Assay assay;
    assay.included = included;
    assay.id = id;
    assay.role = static_cast<int32_t>(role);
    return assay;
}

// Methods А and Б: the mean calibration factor K (mol % per area unit).
inline CalibrationResult FactorResult(std::u16string_view id, double factorK) {
    CalibrationResult result;
    result.isok = true;
    result.component = id;
    result.midk = factorK;
    return result;
}

// Methods В1 and В2: the line area = a·x + b, with the certified fractions of its two mixtures.
inline CalibrationResult LineResult(std::u16string_view id, double a, double b, double conc1 = 1.0,
                                    double conc2 = 2.0) {
    CalibrationResult result;
    result.isok = true;
    result.component = id;
    result.inka = a;
    result.inkb = b;
    result.conc1 = conc1;
    result.conc2 = conc2;
    return result;
}

inline const ComponentResult* RowOf(const std::vector<ComponentResult>& table, std::u16string_view id) {
    for (const ComponentResult& row : table) {
        if (row.id == id) {
            return &row;
        }
    }
    return nullptr;
}

inline std::string Narrow(std::u16string_view text) {
    return Utf16ToUtf8(std::u16string(text));
}

inline bool RowIs(const MetrologyRow& row, std::u16string_view id) {
    return std::u16string_view(row.component) == id;
}

// The uncertainty of x by the table of a method, as the library documents CalcU: a·x + b of the row whose
// range holds x (both bounds inclusive; of two rows holding x the one with the smaller lower bound); 0
// outside every range.
inline double TableRuleUncertainty(int32_t method, std::u16string_view id, double x) {
    int32_t count = 0;
    const MetrologyRow* rows = MetrologyTableForMethod(method, &count);
    const MetrologyRow* holding = nullptr;
    for (int32_t i = 0; i < count; ++i) {
        const MetrologyRow& row = rows[i];
        if (RowIs(row, id) && x >= row.lower && x <= row.upper &&
            (holding == nullptr || row.lower < holding->lower)) {
            holding = &row;
        }
    }
    return holding != nullptr ? holding->a * x + holding->b : 0.0;
}

struct TableRange {
    bool found = false;
    double lower = 0.0;
    double upper = 0.0;
};
inline TableRange RangeInTable(int32_t method, std::u16string_view id) {
    int32_t count = 0;
    const MetrologyRow* rows = MetrologyTableForMethod(method, &count);
    TableRange range;
    for (int32_t i = 0; i < count; ++i) {
        if (!RowIs(rows[i], id)) {
            continue;
        }
        range.lower = range.found ? std::min(range.lower, rows[i].lower) : rows[i].lower;
        range.upper = range.found ? std::max(range.upper, rows[i].upper) : rows[i].upper;
        range.found = true;
    }
    return range;
}

// The GOST 31371.7 library must be beside the test program: every test here depends on it.
inline void RequireLibrary() {
    ASSERT_TRUE(Gost31371().loaded) << "Tarvel31371720 was not found beside the test program";
}

} // namespace comptest

// The entry points of Tarvel31371720 on arbitrary numbers and tables, with the traps unmasked: no call
// traps or changes the caller's traps, every number returned is finite, a failed status leaves its
// outputs at 0, and a failed normalisation leaves the entries as they were.
#include <algorithm>
#include <cstring>
#include <vector>

#include "FuzzSupport.h"
#include "gost/gost31371/include/Tarvel31371720.h"

using fuzzsupport::AnyDouble;
using fuzzsupport::Require;

namespace {

std::vector<double> Areas(FuzzedDataProvider& data) {
    std::vector<double> areas(data.ConsumeIntegralInRange<size_t>(1, 12));
    for (double& area : areas) {
        area = AnyDouble(data);
    }
    return areas;
}

std::vector<FractionEntry> Entries(FuzzedDataProvider& data) {
    std::vector<FractionEntry> entries(data.ConsumeIntegralInRange<size_t>(1, 24));
    for (FractionEntry& entry : entries) {
        fuzzsupport::FillIdentifier(data, entry.component);
        entry.value = AnyDouble(data);
    }
    return entries;
}

std::vector<MetrologyRow> Table(FuzzedDataProvider& data) {
    if (data.ConsumeBool()) {
        int32_t rows = 0;
        const MetrologyRow* table = GetDefaultConstTableMethodA(&rows);
        return std::vector<MetrologyRow>(table, table + rows);
    }
    std::vector<MetrologyRow> table(data.ConsumeIntegralInRange<size_t>(1, 8));
    for (MetrologyRow& row : table) {
        fuzzsupport::FillIdentifier(data, row.component);
        row.lower = AnyDouble(data);
        row.upper = AnyDouble(data);
        row.a = AnyDouble(data);
        row.b = AnyDouble(data);
    }
    return table;
}

void RequireFinite(double value, const char* what) {
    Require(std::isfinite(value), what);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const fuzzsupport::Traps traps;
    switch (data.ConsumeIntegralInRange<int>(0, 9)) {
    case 0:
        RequireFinite(CalcRQRate(AnyDouble(data), AnyDouble(data)), "CalcRQRate");
        RequireFinite(CalcNormArea(AnyDouble(data), AnyDouble(data)), "CalcNormArea");
        RequireFinite(CalcCalibFactorDiv(AnyDouble(data), AnyDouble(data)), "CalcCalibFactorDiv");
        break;
    case 1: {
        const std::vector<double> areas = Areas(data);
        double k = -1.0;
        double rate = -1.0;
        const int32_t status =
            CalcCalibFactorMCnt(areas.data(), static_cast<int32_t>(areas.size()), AnyDouble(data), &k, &rate);
        RequireFinite(k, "CalcCalibFactorMCnt K");
        RequireFinite(rate, "CalcCalibFactorMCnt rate");
        Require(status == 0 || k == 0.0, "CalcCalibFactorMCnt: a failure leaves K at 0");
        break;
    }
    case 2: {
        const std::vector<double> areas1 = Areas(data);
        std::vector<double> areas2 = Areas(data);
        areas2.resize(areas1.size(), 1.0);
        const auto n = static_cast<int32_t>(areas1.size());
        const double c1 = AnyDouble(data);
        const double c2 = AnyDouble(data);
        double a = -1.0;
        double b = -1.0;
        int32_t status = CalcCalibFactorMVrb(areas1.data(), areas2.data(), n, c1, c2, &a, nullptr);
        Require(status == 0 ? std::isfinite(a) && a > 0.0 : a == 0.0, "CalcCalibFactorMVrb");
        a = -1.0;
        status = CalcCalibFactorMVrbLS(areas1.data(), areas2.data(), n, c1, c2, &a, &b, nullptr);
        Require(status == 0 ? std::isfinite(a) && a > 0.0 && std::isfinite(b) : a == 0.0 && b == 0.0,
                "CalcCalibFactorMVrbLS");
        break;
    }
    case 3:
        RequireFinite(CalcConcentrationMCnt(AnyDouble(data), AnyDouble(data)), "CalcConcentrationMCnt");
        RequireFinite(CalcConcentrationMVrb(AnyDouble(data), AnyDouble(data), AnyDouble(data)),
                      "CalcConcentrationMVrb");
        RequireFinite(GetAllowedValue(AnyDouble(data)), "GetAllowedValue");
        break;
    case 4: {
        const std::vector<double> areas = Areas(data);
        const auto n = static_cast<int32_t>(areas.size());
        RequireFinite(AreasRelativeStandardDeviation(areas.data(), n), "AreasRelativeStandardDeviation");
        RequireFinite(AreasRelativeRange(areas.data(), n), "AreasRelativeRange");
        CalibrationCheck(areas.data(), n, AnyDouble(data));
        ControlCheck(areas.data(), n, AnyDouble(data));
        break;
    }
    case 5: {
        const std::vector<FractionEntry> entries = Entries(data);
        const auto count = static_cast<int32_t>(entries.size());
        RequireFinite(CalcMethane(entries.data(), count), "CalcMethane");
        RequireFinite(CalcMethaneU(entries.data(), count), "CalcMethaneU");
        break;
    }
    case 6: {
        const std::vector<FractionEntry> before = Entries(data);
        std::vector<FractionEntry> entries = before;
        const double sum = Normalize(entries.data(), static_cast<int32_t>(entries.size()), AnyDouble(data));
        RequireFinite(sum, "Normalize");
        if (sum == 0.0) {
            Require(std::memcmp(entries.data(), before.data(), entries.size() * sizeof(FractionEntry)) == 0,
                    "Normalize: a refusal leaves the entries as they were");
        } else {
            Require(std::all_of(entries.begin(), entries.end(),
                                [](const FractionEntry& entry) { return std::isfinite(entry.value); }),
                    "Normalize: finite values");
        }
        break;
    }
    case 7: {
        const std::vector<MetrologyRow> table = Table(data);
        char16_t component[64];
        fuzzsupport::FillIdentifier(data, component);
        component[63] = 0;
        const auto rows = static_cast<int32_t>(table.size());
        RequireFinite(CalcU(table.data(), rows, component, AnyDouble(data)), "CalcU");
        RequireFinite(CalcLimitValue(table.data(), rows, component, AnyDouble(data)), "CalcLimitValue");
        break;
    }
    case 8: {
        double lower = -1.0;
        double upper = -1.0;
        const bool suits = CheckMoleFactor(AnyDouble(data), AnyDouble(data), &lower, &upper);
        Require(std::isfinite(lower) && std::isfinite(upper), "CheckMoleFactor bounds");
        Require(!suits || lower <= upper, "CheckMoleFactor: a suiting mixture lies between its bounds");
        break;
    }
    default: {
        int32_t rows = -1;
        for (const auto getter : {GetDefaultConstTableMethodA, GetDefaultConstTableMethodB,
                                  GetDefaultConstTableMethodC1, GetDefaultConstTableMethodC2}) {
            Require(getter(&rows) != nullptr && rows > 0, "default tables");
        }
        break;
    }
    }
    return 0;
}

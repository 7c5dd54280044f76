// GOST 31371.7-2020 library: every exported calculation with any numbers and identifiers, under the
// floating-point traps of a host. No call traps or leaves the traps changed; a finite answer is never
// made of non-finite parts.
#include <cmath>
#include <cstdint>
#include <vector>

#include "FuzzSupport.h"
#include "gost/gost31371/include/Tarvel31371720.h"

namespace {

std::vector<double> TakeAreas(FuzzedDataProvider& data) {
    std::vector<double> areas(data.ConsumeIntegralInRange<size_t>(0, 8));
    for (double& area : areas) {
        area = fuzz::TakeDouble(data);
    }
    return areas;
}

std::vector<FractionEntry> TakeEntries(FuzzedDataProvider& data) {
    std::vector<FractionEntry> entries(data.ConsumeIntegralInRange<size_t>(0, 12));
    for (FractionEntry& entry : entries) {
        fuzz::TakeIdentifier(data, entry.component);
        entry.value = fuzz::TakeDouble(data);
    }
    return entries;
}

const MetrologyRow* TakeTable(FuzzedDataProvider& data, int32_t& rows) {
    switch (data.ConsumeIntegralInRange<int>(0, 3)) {
    case 0:
        return GetDefaultConstTableMethodA(&rows);
    case 1:
        return GetDefaultConstTableMethodB(&rows);
    case 2:
        return GetDefaultConstTableMethodC1(&rows);
    default:
        return GetDefaultConstTableMethodC2(&rows);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    int32_t rows = 0;
    const MetrologyRow* table = TakeTable(data, rows);
    const std::vector<double> areas1 = TakeAreas(data);
    std::vector<double> areas2 = TakeAreas(data);
    areas2.resize(areas1.size(), 1.0);
    std::vector<FractionEntry> entries = TakeEntries(data);
    FractionEntry identifier{};
    fuzz::TakeIdentifier(data, identifier.component);
    const double x = fuzz::TakeDouble(data);
    const double y = fuzz::TakeDouble(data);
    const auto n = static_cast<int32_t>(areas1.size());
    const auto count = static_cast<int32_t>(entries.size());

    fuzz::HostTraps traps;
    double k = 0.0;
    double a = 0.0;
    double b = 0.0;
    double lower = 0.0;
    double upper = 0.0;
    (void)CalcRQRate(x, y);
    (void)CalcNormArea(x, y);
    (void)CalcCalibFactorDiv(x, y);
    double rate = 0.0;
    (void)CalcCalibFactorMCnt(areas1.data(), n, x, &k, &rate);
    (void)CalcLimitValue(table, rows, identifier.component, x);
    (void)CalcCalibFactorMVrb(areas1.data(), areas2.data(), n, x, y, &a, nullptr);
    (void)CalcCalibFactorMVrbLS(areas1.data(), areas2.data(), n, x, y, &a, &b, nullptr);
    (void)CalcConcentrationMCnt(x, y);
    (void)CalcConcentrationMVrb(x, y, a);
    const double rsd = AreasRelativeStandardDeviation(areas1.data(), n);
    (void)AreasRelativeRange(areas1.data(), n);
    (void)GetAllowedValue(x);
    (void)CalibrationCheck(areas1.data(), n, x);
    (void)ControlCheck(areas1.data(), n, x);
    (void)CalcMethane(entries.data(), count);
    (void)CalcMethaneU(entries.data(), count);
    const double total = Normalize(entries.data(), count, x);
    (void)CalcU(table, rows, identifier.component, x);
    (void)CheckMoleFactor(x, y, &lower, &upper);
    fuzz::HostTraps::RequireRestored();

    // Finite areas give a finite deviation or the failure value NaN, never an infinity.
    bool finiteAreas = true;
    for (double area : areas1) {
        finiteAreas = finiteAreas && std::isfinite(area);
    }
    if (finiteAreas) {
        fuzz::Require(!std::isinf(rsd), "AreasRelativeStandardDeviation of finite areas is infinite");
    }
    if (std::isfinite(total) && total != 0.0) {
        for (const FractionEntry& entry : entries) {
            fuzz::Require(std::isfinite(entry.value), "Normalize succeeded with a non-finite fraction");
        }
    }
    return 0;
}

// GOST 31369-2021 (ISO 6976:2016) library: the properties and their uncertainties of any composition,
// with the library's table or a caller's table of any constants, under the floating-point traps of a
// host. No call traps or leaves the traps changed; a call that answers 0 gives finite results only.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "FuzzSupport.h"
#include "gost/gost6976/include/Tarvel3136921.h"

namespace {

std::vector<PropertyEntry> TakeEntries(FuzzedDataProvider& data) {
    std::vector<PropertyEntry> entries(data.ConsumeIntegralInRange<size_t>(0, 12));
    for (PropertyEntry& entry : entries) {
        fuzz::TakeIdentifier(data, entry.component);
        entry.fraction = data.ConsumeBool() ? data.ConsumeProbability<double>() : fuzz::TakeDouble(data);
        entry.standardUncertainty =
            data.ConsumeBool() ? 0.001 * data.ConsumeProbability<double>() : fuzz::TakeDouble(data);
    }
    return entries;
}

// The library's own table, or a copy of it with some constants replaced (a caller may pass its own).
std::vector<PropertyConstantsRow> TakeTable(FuzzedDataProvider& data) {
    int32_t rows = 0;
    const auto* own = static_cast<const PropertyConstantsRow*>(GetDefaultConstTable3136921(&rows));
    std::vector<PropertyConstantsRow> table(own, own + rows);
    const int changes = data.ConsumeIntegralInRange<int>(0, 4);
    for (int i = 0; i < changes && !table.empty(); ++i) {
        PropertyConstantsRow& row = table[data.ConsumeIntegralInRange<size_t>(0, table.size() - 1)];
        switch (data.ConsumeIntegralInRange<int>(0, 3)) {
        case 0:
            row.molarMassKgPerKmol = fuzz::TakeDouble(data);
            break;
        case 1:
            row.summationFactor[data.ConsumeIntegralInRange<size_t>(0, 3)] = fuzz::TakeDouble(data);
            break;
        case 2:
            row.grossCalorificValueKJPerMol[data.ConsumeIntegralInRange<size_t>(0, 4)] =
                fuzz::TakeDouble(data);
            break;
        default:
            row.atomCount[data.ConsumeIntegralInRange<size_t>(0, 8)] = data.ConsumeIntegral<int32_t>();
            break;
        }
    }
    return table;
}

void RequireFinite(const PhysicalProperties& properties, const char* what) {
    for (const double value : properties.value) {
        fuzz::Require(std::isfinite(value), what);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::vector<PropertyConstantsRow> table = TakeTable(data);
    const std::vector<PropertyEntry> raw = TakeEntries(data);
    std::vector<PropertyEntry> final = raw;
    for (PropertyEntry& entry : final) {
        if (data.ConsumeBool()) {
            entry.fraction = fuzz::TakeDouble(data);
        }
    }
    const double pressure = data.ConsumeBool() ? 101.325 : fuzz::TakeDouble(data);
    const int32_t metering = data.ConsumeIntegralInRange<int32_t>(-1, 4);
    const int32_t combustion = data.ConsumeIntegralInRange<int32_t>(-1, 5);
    const int32_t mode = data.ConsumeIntegralInRange<int32_t>(-2, 2);
    const auto count = static_cast<int32_t>(raw.size());
    const auto rows = static_cast<int32_t>(table.size());

    fuzz::HostTraps traps;
    PhysicalProperties values{};
    PhysicalProperties uncertainties{};
    const int32_t status =
        Calc3136921(table.data(), rows, final.data(), count, pressure, metering, combustion, &values);
    const int32_t statusU = Calc3136921U(table.data(), rows, raw.data(), final.data(), count, pressure,
                                         metering, combustion, mode, &values, &uncertainties);
    fuzz::HostTraps::RequireRestored();

    if (status == 0) {
        RequireFinite(values, "Calc3136921 answered 0 with a result that is not finite");
    }
    if (statusU == 0) {
        RequireFinite(uncertainties, "Calc3136921U answered 0 with an uncertainty that is not finite");
    }
    return 0;
}

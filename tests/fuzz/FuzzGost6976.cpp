// The entry points of Tarvel3136921 on arbitrary gases, tables and conditions, with the traps unmasked:
// no call traps or changes the caller's traps; a status of 0 comes with finite results only, and any
// other status with an output record of zeros.
#include <algorithm>
#include <vector>

#include "FuzzSupport.h"
#include "gost/gost6976/include/Tarvel3136921.h"

using fuzzsupport::AnyDouble;
using fuzzsupport::Require;

namespace {

std::vector<PropertyEntry> Gas(FuzzedDataProvider& data) {
    std::vector<PropertyEntry> entries(data.ConsumeIntegralInRange<size_t>(1, 16));
    for (PropertyEntry& entry : entries) {
        fuzzsupport::FillIdentifier(data, entry.component);
        entry.fraction =
            data.ConsumeBool() ? data.ConsumeFloatingPointInRange<double>(0.0, 1.0) : AnyDouble(data);
        entry.standardUncertainty =
            data.ConsumeBool() ? data.ConsumeFloatingPointInRange<double>(0.0, 0.01) : AnyDouble(data);
    }
    return entries;
}

// The default table, with some numbers of some rows replaced.
std::vector<PropertyConstantsRow> Table(FuzzedDataProvider& data) {
    int32_t rows = 0;
    const auto* defaults = static_cast<const PropertyConstantsRow*>(GetDefaultConstTable3136921(&rows));
    std::vector<PropertyConstantsRow> table(defaults, defaults + rows);
    const size_t changes = data.ConsumeIntegralInRange<size_t>(0, 4);
    for (size_t i = 0; i < changes && !table.empty(); ++i) {
        PropertyConstantsRow& row = table[data.ConsumeIntegralInRange<size_t>(0, table.size() - 1)];
        switch (data.ConsumeIntegralInRange<int>(0, 3)) {
        case 0:
            row.molarMassKgPerKmol = AnyDouble(data);
            break;
        case 1:
            row.summationFactor[data.ConsumeIntegralInRange<size_t>(0, 3)] = AnyDouble(data);
            break;
        case 2:
            row.grossCalorificValueKJPerMol[data.ConsumeIntegralInRange<size_t>(0, 4)] = AnyDouble(data);
            break;
        default:
            row.grossCalorificValueUncertainty = AnyDouble(data);
            break;
        }
    }
    return table;
}

void RequireKept(int32_t status, const PhysicalProperties& record, const char* what) {
    const auto finite = [](double value) { return std::isfinite(value); };
    const auto zero = [](double value) { return value == 0.0; };
    if (status == 0) {
        Require(std::all_of(std::begin(record.value), std::end(record.value), finite), what);
    } else {
        Require(std::all_of(std::begin(record.value), std::end(record.value), zero), what);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::vector<PropertyConstantsRow> table = Table(data);
    const std::vector<PropertyEntry> raw = Gas(data);
    std::vector<PropertyEntry> final = data.ConsumeBool() ? raw : Gas(data);
    final.resize(raw.size(), raw.front());
    const auto count = static_cast<int32_t>(raw.size());
    const auto rows = static_cast<int32_t>(table.size());
    const double pressure = data.ConsumeBool() ? 101.325 : AnyDouble(data);
    const int32_t metering = data.ConsumeIntegralInRange<int32_t>(-1, 4);
    const int32_t combustion = data.ConsumeIntegralInRange<int32_t>(-1, 5);
    const int32_t mode = data.ConsumeIntegralInRange<int32_t>(-2, 2);

    const fuzzsupport::Traps traps;
    PhysicalProperties values{};
    const int32_t status =
        Calc3136921(table.data(), rows, final.data(), count, pressure, metering, combustion, &values);
    RequireKept(status, values, "Calc3136921");
    PhysicalProperties expanded{};
    const int32_t statusU = Calc3136921U(table.data(), rows, raw.data(), final.data(), count, pressure,
                                         metering, combustion, mode, &values, &expanded);
    RequireKept(statusU, expanded, "Calc3136921U");
    return 0;
}

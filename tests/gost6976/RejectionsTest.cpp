// Inputs the library refuses, each with its status, beside the boundary cases it accepts; a refused call
// leaves its output record all zero.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "gost6976/Gost6976TestSupport.h"

namespace {
using namespace gost6976_test;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// One call of either function, described by its deviation from a valid call.
struct Call {
    std::vector<PropertyEntry> raw = TwelveComponentGas();
    std::vector<PropertyEntry> final = TwelveComponentGas();
    bool nullTable = false;
    int32_t rowCount = -1; // -1: the default table's
    int32_t count = -1;    // -1: the size of final
    bool nullRaw = false;
    bool nullFinal = false;
    bool nullOutput = false;
    double pressureKPa = kPressureKPa;
    int32_t metering = kMetering20C;
    int32_t combustion = kCombustion25C;
    int32_t mode = static_cast<int32_t>(CorrelationMode3136921::Normalised);
};

struct Outcome {
    int32_t status;
    bool outputZero;
};

Outcome Perform(const Call& call, bool uncertainty) {
    int32_t defaultRows = 0;
    const void* table = GetDefaultConstTable3136921(&defaultRows);
    PhysicalProperties output;
    for (double& value : output.value) {
        value = 7.0;
    }
    const int32_t rows = call.rowCount < 0 ? defaultRows : call.rowCount;
    const int32_t count = call.count < 0 ? static_cast<int32_t>(call.final.size()) : call.count;
    const void* usedTable = call.nullTable ? nullptr : table;
    const PropertyEntry* final = call.nullFinal ? nullptr : call.final.data();
    PhysicalProperties* out = call.nullOutput ? nullptr : &output;
    int32_t status = 0;
    if (uncertainty) {
        status = Calc3136921U(usedTable, rows, call.nullRaw ? nullptr : call.raw.data(), final, count,
                              call.pressureKPa, call.metering, call.combustion, call.mode, nullptr, out);
    } else {
        status =
            Calc3136921(usedTable, rows, final, count, call.pressureKPa, call.metering, call.combustion, out);
    }
    bool zero = true;
    for (const double value : output.value) {
        zero = zero && value == 0.0;
    }
    return {status, zero};
}

void SetId(PropertyEntry& entry, std::u16string_view id) {
    std::fill(std::begin(entry.component), std::end(entry.component), u'\0');
    std::copy(id.begin(), id.end(), entry.component);
}

struct Case {
    const char* name;
    std::function<void(Call&)> change;
    Status3136921 values;      // expected of Calc3136921
    Status3136921 uncertainty; // expected of Calc3136921U
};

using S = Status3136921;

const Case kCases[] = {
    {"valid call", [](Call&) {}, S::Ok, S::Ok},
    {"unknown identifier", [](Call& c) { SetId(c.final[3], u"krypton"); }, S::UnknownComponent,
     S::UnknownComponent},
    {"identifier of another case", [](Call& c) { SetId(c.final[0], u"Methane"); }, S::UnknownComponent,
     S::UnknownComponent},
    {"empty identifier", [](Call& c) { SetId(c.final[1], u""); }, S::UnknownComponent, S::UnknownComponent},
    {"identifier without terminator",
     [](Call& c) { std::fill(std::begin(c.final[2].component), std::end(c.final[2].component), u'x'); },
     S::UnknownComponent, S::UnknownComponent},
    {"no entry", [](Call& c) { c.count = 0; }, S::EmptyComposition, S::EmptyComposition},
    {"negative count",
     [](Call& c) {
         c.count = -5;
         c.final.clear();
     },
     S::EmptyComposition, S::EmptyComposition},
    {"null entries", [](Call& c) { c.nullFinal = true; }, S::NullArgument, S::NullArgument},
    {"null output", [](Call& c) { c.nullOutput = true; }, S::NullArgument, S::NullArgument},
    {"null table", [](Call& c) { c.nullTable = true; }, S::InvalidTable, S::InvalidTable},
    {"table without rows", [](Call& c) { c.rowCount = 0; }, S::InvalidTable, S::InvalidTable},
    {"fraction NaN", [](Call& c) { c.final[0].fraction = kNaN; }, S::InvalidFraction, S::InvalidFraction},
    {"fraction infinite", [](Call& c) { c.final[0].fraction = kInfinity; }, S::InvalidFraction,
     S::InvalidFraction},
    {"fraction negative", [](Call& c) { c.final[4].fraction = -1e-6; }, S::InvalidFraction,
     S::InvalidFraction},
    {"fractions in mol %",
     [](Call& c) {
         for (auto& e : c.final)
             e.fraction *= 100;
     },
     S::InvalidFraction, S::InvalidFraction},
    {"fractions summing to 0.94", [](Call& c) { c.final[0].fraction -= 0.06; }, S::FractionsDoNotSumToOne,
     S::FractionsDoNotSumToOne},
    {"fractions summing to 0.951", [](Call& c) { c.final[0].fraction -= 0.049; }, S::Ok, S::Ok},
    {"fractions summing to 1.049", [](Call& c) { c.final[0].fraction += 0.049; }, S::Ok, S::Ok},
    {"fractions summing to 1.06", [](Call& c) { c.final[0].fraction = 0.945; }, S::FractionsDoNotSumToOne,
     S::FractionsDoNotSumToOne},
    {"uncertainty NaN", [](Call& c) { c.final[2].standardUncertainty = kNaN; }, S::InvalidUncertainty,
     S::InvalidUncertainty},
    {"uncertainty negative", [](Call& c) { c.final[2].standardUncertainty = -1e-5; }, S::InvalidUncertainty,
     S::InvalidUncertainty},
    {"metering index -1", [](Call& c) { c.metering = -1; }, S::InvalidTemperatureIndex,
     S::InvalidTemperatureIndex},
    {"metering index 4", [](Call& c) { c.metering = 4; }, S::InvalidTemperatureIndex,
     S::InvalidTemperatureIndex},
    {"combustion index 5", [](Call& c) { c.combustion = 5; }, S::InvalidTemperatureIndex,
     S::InvalidTemperatureIndex},
    {"combustion index -1", [](Call& c) { c.combustion = -1; }, S::InvalidTemperatureIndex,
     S::InvalidTemperatureIndex},
    {"pressure NaN", [](Call& c) { c.pressureKPa = kNaN; }, S::InvalidPressure, S::InvalidPressure},
    {"pressure 89.99 kPa", [](Call& c) { c.pressureKPa = 89.99; }, S::InvalidPressure, S::InvalidPressure},
    {"pressure 90 kPa", [](Call& c) { c.pressureKPa = 90.0; }, S::Ok, S::Ok},
    {"pressure 110 kPa", [](Call& c) { c.pressureKPa = 110.0; }, S::Ok, S::Ok},
    {"pressure 110.01 kPa", [](Call& c) { c.pressureKPa = 110.01; }, S::InvalidPressure, S::InvalidPressure},
    {"pure n-pentadecane at 0 °C (Z < 0)",
     [](Call& c) {
         c.final = Entries({{u"n_pentadecane", 1.0, 0.0}});
         c.raw = c.final;
         c.metering = kMetering0C;
     },
     S::NonPositiveCompressionFactor, S::NonPositiveCompressionFactor},
    // Only the uncertainty function reads the correlation mode and the raw entries.
    {"correlation mode 2", [](Call& c) { c.mode = 2; }, S::Ok, S::InvalidCorrelationMode},
    {"correlation mode -2", [](Call& c) { c.mode = -2; }, S::Ok, S::InvalidCorrelationMode},
    {"normalised without raw entries", [](Call& c) { c.nullRaw = true; }, S::Ok, S::NullArgument},
    {"identity without raw entries",
     [](Call& c) {
         c.nullRaw = true;
         c.mode = -1;
     },
     S::Ok, S::Ok},
    {"by difference without raw entries",
     [](Call& c) {
         c.nullRaw = true;
         c.mode = 1;
     },
     S::Ok, S::Ok},
    {"raw entry of another component", [](Call& c) { SetId(c.raw[5], u"n_pentane"); }, S::Ok,
     S::EntriesDiffer},
    {"raw amount NaN", [](Call& c) { c.raw[1].fraction = kNaN; }, S::Ok, S::InvalidFraction},
    {"raw amounts all zero",
     [](Call& c) {
         for (auto& e : c.raw)
             e.fraction = 0;
     },
     S::Ok, S::InvalidFraction},
    {"raw uncertainty infinite", [](Call& c) { c.raw[1].standardUncertainty = kInfinity; }, S::Ok,
     S::InvalidUncertainty},
    {"raw entries differ, identity mode",
     [](Call& c) {
         SetId(c.raw[5], u"krypton");
         c.mode = -1;
     },
     S::Ok, S::Ok},
};

TEST(Gost6976Rejections, EachInputHasItsStatusAndFailuresLeaveZeros) {
    for (const Case& row : kCases) {
        Call call;
        row.change(call);
        const Outcome values = Perform(call, false);
        const Outcome uncertainty = Perform(call, true);
        EXPECT_EQ(values.status, static_cast<int32_t>(row.values)) << row.name;
        EXPECT_EQ(uncertainty.status, static_cast<int32_t>(row.uncertainty)) << row.name;
        if (call.nullOutput) {
            continue;
        }
        if (values.status != 0) {
            EXPECT_TRUE(values.outputZero) << row.name;
        }
        if (uncertainty.status != 0) {
            EXPECT_TRUE(uncertainty.outputZero) << row.name;
        }
        if (values.status == 0) {
            EXPECT_FALSE(values.outputZero) << row.name;
        }
    }
}

TEST(Gost6976Rejections, RowCountMayBeOmitted) {
    EXPECT_NE(GetDefaultConstTable3136921(nullptr), nullptr);
}

} // namespace

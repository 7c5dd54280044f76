// The physical-properties stage around a stand-in of the library: the order and the arguments of the
// three calls, and the validity limit on the compressibility factor with its message.
#include "calc/properties/PhysicalPropertiesStage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calc/Status.h"
#include "calc/journal/Journal.h"
#include "text/StringIds.gen.h"

namespace {

// What the stand-in saw, and the compressibility factor it reports.
struct Recording {
    std::vector<std::string> calls;
    const void* table = nullptr;
    int32_t rowCount = -1;
    std::vector<PropertyEntry> entries;
    std::vector<PropertyEntry> raw;
    std::vector<PropertyEntry> final;
    double pressure = 0.0;
    int32_t metering = -1;
    int32_t combustion = -1;
    int32_t mode = -2;
    const PhysicalProperties* valuesPassed = nullptr;
    PhysicalProperties* valuesWritten = nullptr;
    double compressionFactor = 0.95;
};
Recording recording;

const int kTableMarker = 0;
constexpr int32_t kTableRows = 61;

const void* StandInTable(int32_t* rowCount) {
    recording.calls.push_back("table");
    *rowCount = kTableRows;
    return &kTableMarker;
}

int32_t StandInValues(const void* table, int32_t rowCount, const PropertyEntry* entries, int32_t count,
                      double pressureKPa, int32_t metering, int32_t combustion, PhysicalProperties* values) {
    recording.calls.push_back("values");
    recording.table = table;
    recording.rowCount = rowCount;
    recording.entries.assign(entries, entries + count);
    recording.pressure = pressureKPa;
    recording.metering = metering;
    recording.combustion = combustion;
    recording.valuesWritten = values;
    values->value[0] = recording.compressionFactor;
    for (int i = 1; i < 18; ++i) {
        values->value[i] = 10.0 + i;
    }
    return 0;
}

int32_t StandInUncertainties(const void* table, int32_t rowCount, const PropertyEntry* raw,
                             const PropertyEntry* final, int32_t count, double pressureKPa, int32_t metering,
                             int32_t combustion, int32_t mode, const PhysicalProperties* values,
                             PhysicalProperties* uncertainties) {
    recording.calls.push_back("uncertainties");
    EXPECT_EQ(table, recording.table);
    EXPECT_EQ(rowCount, recording.rowCount);
    EXPECT_EQ(pressureKPa, recording.pressure);
    EXPECT_EQ(metering, recording.metering);
    EXPECT_EQ(combustion, recording.combustion);
    recording.raw.assign(raw, raw + count);
    recording.final.assign(final, final + count);
    recording.mode = mode;
    recording.valuesPassed = values;
    for (int i = 0; i < 18; ++i) {
        uncertainties->value[i] = 0.5 + i;
    }
    return 0;
}

Gost6976Binding StandIn() {
    Gost6976Binding binding;
    binding.loaded = true;
    binding.GetDefaultConstTable3136921 = StandInTable;
    binding.Calc3136921 = StandInValues;
    binding.Calc3136921U = StandInUncertainties;
    return binding;
}

ComponentResult Row(std::u16string id, double molarFraction, double uncertainty) {
    ComponentResult row;
    row.id = std::move(id);
    row.molarFraction = molarFraction;
    row.rawFraction = molarFraction + 0.01;
    row.uncertainty = uncertainty;
    row.rawUncertainty = uncertainty * 2.0;
    return row;
}

class PhysicalPropertiesStage : public ::testing::Test {
protected:
    void SetUp() override {
        recording = Recording{};
        context.components = {Row(u"methane", 96.0, 0.2), Row(u"ethane", 3.0, 0.06),
                              Row(u"helium", 0.004, 0.001), Row(u"nitrogen", 1.0, 0.02)};
    }
    CalcContext context;
};

} // namespace

TEST_F(PhysicalPropertiesStage, CallsTheThreeFunctionsInOrderWithTheSettingsIndices) {
    context.settings.clcMeasureTemp = 1;
    context.settings.clcBurnoutTemp = 2;
    context.settings.clcIdentityMatrix = false;
    context.settings.clcMethaneDiff = false;

    EXPECT_EQ(RunPhysicalPropertiesWith(context, StandIn()), Status::Ok);

    EXPECT_EQ(recording.calls, (std::vector<std::string>{"table", "values", "uncertainties"}));
    EXPECT_EQ(recording.table, &kTableMarker);
    EXPECT_EQ(recording.rowCount, kTableRows);
    EXPECT_EQ(recording.pressure, 101.325);
    EXPECT_EQ(recording.metering, 1);
    EXPECT_EQ(recording.combustion, 2);
    EXPECT_EQ(recording.mode, 0);
    // The uncertainties are computed with the properties just written into the context.
    EXPECT_EQ(recording.valuesWritten, &context.properties);
    EXPECT_EQ(recording.valuesPassed, &context.properties);
    EXPECT_TRUE(context.journal.entries.empty());
    EXPECT_EQ(context.properties.value[0], 0.95);
    EXPECT_EQ(context.properties.value[17], 27.0);
    EXPECT_EQ(context.propertiesU.value[0], 0.5);
    EXPECT_EQ(context.propertiesU.value[17], 17.5);
}

TEST_F(PhysicalPropertiesStage, PassesFinalAndRawEntriesOfTheRowsAtOrAboveTheThreshold) {
    EXPECT_EQ(RunPhysicalPropertiesWith(context, StandIn()), Status::Ok);

    ASSERT_EQ(recording.entries.size(), 3u);
    ASSERT_EQ(recording.final.size(), 3u);
    ASSERT_EQ(recording.raw.size(), 3u);
    const std::u16string ids[] = {u"methane", u"ethane", u"nitrogen"};
    const double fractions[] = {0.96, 0.03, 0.01};
    const double uncertainties[] = {0.001, 0.0003, 0.0001};
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(std::u16string(recording.entries[i].component), ids[i]);
        EXPECT_EQ(std::u16string(recording.raw[i].component), ids[i]);
        EXPECT_DOUBLE_EQ(recording.entries[i].fraction, fractions[i]);
        EXPECT_DOUBLE_EQ(recording.final[i].fraction, fractions[i]);
        EXPECT_DOUBLE_EQ(recording.final[i].standardUncertainty, uncertainties[i]);
        EXPECT_DOUBLE_EQ(recording.raw[i].fraction, fractions[i] + 0.0001);
        EXPECT_DOUBLE_EQ(recording.raw[i].standardUncertainty, 2.0 * uncertainties[i]);
    }
}

TEST_F(PhysicalPropertiesStage, TheSecondComponentTableTakesPrecedence) {
    context.components2 = {Row(u"methane", 99.0, 0.1), Row(u"propane", 1.0, 0.02)};
    EXPECT_EQ(RunPhysicalPropertiesWith(context, StandIn()), Status::Ok);

    ASSERT_EQ(recording.entries.size(), 2u);
    EXPECT_EQ(std::u16string(recording.entries[1].component), u"propane");
}

TEST_F(PhysicalPropertiesStage, TheIdentityMatrixOverridesMethaneByDifference) {
    context.settings.clcIdentityMatrix = true;
    context.settings.clcMethaneDiff = true;
    RunPhysicalPropertiesWith(context, StandIn());
    EXPECT_EQ(recording.mode, -1);

    context.settings.clcIdentityMatrix = false;
    RunPhysicalPropertiesWith(context, StandIn());
    EXPECT_EQ(recording.mode, 1);
}

TEST_F(PhysicalPropertiesStage, ACompressibilityFactorNotAboveNineTenthsInvalidatesTheRest) {
    struct Case {
        double compressionFactor;
        int32_t status;
    };
    const Case cases[] = {
        {0.9, Status::Failed},    {0.9000001, Status::Ok},        {0.8999999, Status::Failed},
        {0.0, Status::Failed},    {std::nan(""), Status::Failed}, {-0.95, Status::Failed},
        {0.99776224, Status::Ok},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.compressionFactor);
        recording.compressionFactor = c.compressionFactor;
        context.journal.entries.clear();

        EXPECT_EQ(RunPhysicalPropertiesWith(context, StandIn()), c.status);

        if (c.status == Status::Ok) {
            EXPECT_TRUE(context.journal.entries.empty());
            EXPECT_EQ(context.properties.value[1], 11.0);
            EXPECT_EQ(context.propertiesU.value[0], 0.5);
            continue;
        }
        // The factor itself stays, to show why the rest was refused.
        if (std::isnan(c.compressionFactor)) {
            EXPECT_TRUE(std::isnan(context.properties.value[0]));
        } else {
            EXPECT_EQ(context.properties.value[0], c.compressionFactor);
        }
        for (int i = 1; i < 18; ++i) {
            EXPECT_EQ(context.properties.value[i], 0.0) << i;
        }
        for (int i = 0; i < 18; ++i) {
            EXPECT_EQ(context.propertiesU.value[i], 0.0) << i;
        }
        ASSERT_EQ(context.journal.entries.size(), 1u);
        EXPECT_EQ(context.journal.entries[0].category, JournalCategory::Prop);
        EXPECT_EQ(
            context.journal.entries[0].text,
            u"Вычисления являются достоверными только для значений коэффициента сжимаемости более 0.9.");
    }
}

TEST_F(PhysicalPropertiesStage, WithoutTheLibraryNothingIsComputedAndTheLimitReportsIt) {
    context.properties.value[3] = 7.0;
    context.propertiesU.value[3] = 7.0;
    const Gost6976Binding missing;

    EXPECT_EQ(RunPhysicalPropertiesWith(context, missing), Status::Failed);

    for (int i = 0; i < 18; ++i) {
        EXPECT_EQ(context.properties.value[i], 0.0) << i;
        EXPECT_EQ(context.propertiesU.value[i], 0.0) << i;
    }
    ASSERT_EQ(context.journal.entries.size(), 1u);
    EXPECT_EQ(context.journal.entries[0].text, LoadMessageText(StringId::CompressibilityFactorTooLow));
}

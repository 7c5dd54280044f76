// The stage through the GOST 31369-2021 library loaded from the program's folder: the worked example of
// ISO 6976:2016 Annex D.2 entered as a component table in mol % with expanded uncertainties must give the
// printed properties, so the conversions and the reference conditions reach the library as the standard
// means them.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calc/Stages.h"
#include "calc/Status.h"
#include "calc/bindings/Gost6976Binding.h"
#include "calc/journal/Journal.h"
#include "text/StringIds.gen.h"

namespace {

using P = PhysicalPropertyIndex;

ComponentResult Row(std::u16string id, double molPercent, double expandedMolPercent) {
    ComponentResult row;
    row.id = std::move(id);
    row.molarFraction = row.rawFraction = molPercent;
    row.uncertainty = row.rawUncertainty = expandedMolPercent;
    return row;
}

// ISO 6976:2016 D.2: molar fractions and standard uncertainties as printed, here in mol % with expanded
// uncertainties (k = 2); 15 °C metering and combustion, uncorrelated fractions.
CalcContext AnnexD2() {
    CalcContext context;
    context.components = {Row(u"methane", 93.3212, 2 * 0.0346), Row(u"ethane", 2.5656, 2 * 0.0243),
                          Row(u"propane", 1.5368, 2 * 0.0148), Row(u"nitrogen", 1.0350, 2 * 0.0195),
                          Row(u"carbon_dioxide", 1.5414, 2 * 0.0111)};
    context.settings.clcMeasureTemp = 1;
    context.settings.clcBurnoutTemp = 1;
    context.settings.clcIdentityMatrix = true;
    return context;
}

double At(const PhysicalProperties& record, P index) {
    return record.value[static_cast<int32_t>(index)];
}

} // namespace

TEST(PhysicalPropertiesLibrary, ReproducesAnnexD2) {
    ASSERT_TRUE(Gost6976().loaded);
    CalcContext context = AnnexD2();

    ASSERT_EQ(RunPhysicalProperties(context), Status::Ok);

    struct Printed {
        P property;
        bool uncertainty; // printed as a standard uncertainty
        double printed;
        double halfDigit;
    };
    const Printed printed[] = {
        {P::CompressionFactor, false, 0.99776224, 0.5e-8},
        {P::MolarMass, false, 17.38843, 0.5e-5},
        {P::SuperiorMolarCalorificValue, false, 906.179959, 0.5e-6},
        {P::SuperiorMolarCalorificValue, true, 0.615609872, 0.5e-9},
        {P::SuperiorMassCalorificValue, false, 52.113961, 0.5e-6},
        {P::SuperiorMassCalorificValue, true, 0.024301, 0.5e-6},
        {P::SuperiorVolumetricReal, false, 38.410611, 0.5e-6},
        {P::SuperiorVolumetricReal, true, 0.026267, 0.5e-6},
    };
    for (const Printed& row : printed) {
        SCOPED_TRACE(static_cast<int>(row.property));
        if (row.uncertainty) {
            EXPECT_NEAR(At(context.propertiesU, row.property) / 2.0, row.printed, row.halfDigit);
        } else {
            EXPECT_NEAR(At(context.properties, row.property), row.printed, row.halfDigit);
        }
    }
    EXPECT_TRUE(context.journal.entries.empty());
}

TEST(PhysicalPropertiesLibrary, AComponentAtFourThousandthsOfAPercentChangesNothing) {
    CalcContext plain = AnnexD2();
    CalcContext traced = AnnexD2();
    traced.components.insert(traced.components.begin() + 2, Row(u"helium", 0.004, 0.002));

    ASSERT_EQ(RunPhysicalProperties(plain), Status::Ok);
    ASSERT_EQ(RunPhysicalProperties(traced), Status::Ok);

    for (int i = 0; i < kPhysicalPropertyCount; ++i) {
        EXPECT_EQ(traced.properties.value[i], plain.properties.value[i]) << i;
        EXPECT_EQ(traced.propertiesU.value[i], plain.propertiesU.value[i]) << i;
    }

    // At 0.005 mol % it takes part.
    traced.components[2].molarFraction = 0.005;
    ASSERT_EQ(RunPhysicalProperties(traced), Status::Ok);
    EXPECT_NE(traced.properties.value[static_cast<int>(P::MolarMass)],
              plain.properties.value[static_cast<int>(P::MolarMass)]);
}

TEST(PhysicalPropertiesLibrary, TheCorrelationModeChangesOnlyTheUncertainties) {
    CalcContext identity = AnnexD2();
    CalcContext difference = AnnexD2();
    difference.settings.clcIdentityMatrix = false;
    difference.settings.clcMethaneDiff = true;

    ASSERT_EQ(RunPhysicalProperties(identity), Status::Ok);
    ASSERT_EQ(RunPhysicalProperties(difference), Status::Ok);

    const int molar = static_cast<int>(P::SuperiorMolarCalorificValue);
    EXPECT_EQ(identity.properties.value[molar], difference.properties.value[molar]);
    EXPECT_NE(identity.propertiesU.value[molar], difference.propertiesU.value[molar]);
}

TEST(PhysicalPropertiesLibrary, AGasOfHeavyVapourFailsTheCompressibilityLimit) {
    // Z = 1 - (s of n-heptane at 20 °C)² = 1 - 0.3547² = 0.874 (ISO 6976:2016 Table 2).
    CalcContext context;
    context.components = {Row(u"n_heptane", 100.0, 0.1)};

    EXPECT_EQ(RunPhysicalProperties(context), Status::Failed);

    EXPECT_NEAR(context.properties.value[0], 1.0 - 0.3547 * 0.3547, 1e-9);
    for (int i = 1; i < kPhysicalPropertyCount; ++i) {
        EXPECT_EQ(context.properties.value[i], 0.0) << i;
    }
    ASSERT_EQ(context.journal.entries.size(), 1u);
    EXPECT_EQ(context.journal.entries[0].category, JournalCategory::Prop);
    EXPECT_EQ(context.journal.entries[0].text, LoadMessageText(StringId::CompressibilityFactorTooLow));
}

TEST(PhysicalPropertiesLibrary, AnEmptyCompositionFailsTheLimit) {
    CalcContext context;
    context.components = {Row(u"methane", 0.004, 0.0)};

    EXPECT_EQ(RunPhysicalProperties(context), Status::Failed);
    EXPECT_EQ(context.properties.value[0], 0.0);
    EXPECT_EQ(context.journal.entries.size(), 1u);
}

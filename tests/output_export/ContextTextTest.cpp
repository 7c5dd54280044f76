// The text form of the test contexts reads what the golden files depend on exactly: escapes, signed
// zeros and not-a-numbers, settings by name, records appended in order; and a line it does not know is a
// test failure, never a silently default context.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cmath>

#include "support/ContextText.h"

namespace {

using testsupport::ApplyContextText;
using testsupport::ContextFromText;

TEST(ContextText, ValuesAreReadExactly) {
    const CalcContext context = ContextFromText(R"(
# a comment, then blank lines

  assay id=7 file=C:\a\b.cdf sample="x \"y\" \\ \u0001\tz" mixture= atm=-nan date=300000000000
calibration component=methane ink3=-0.0 ink1=-inf midk=1e-17 digits1=-1 isok=1
settings clbrCalcMethod=3 viewMethaneShowComp=1 expCommand="C D"
journal category=9 text="a\nb"
)");
    ASSERT_EQ(context.assays.size(), 1u);
    const Assay& assay = context.assays[0];
    EXPECT_TRUE(assay.included);
    EXPECT_EQ(assay.id, 7);
    EXPECT_EQ(assay.filename, u"C:\\a\\b.cdf");
    EXPECT_EQ(assay.sample, u"x \"y\" \\ \u0001\tz");
    EXPECT_EQ(assay.mixture, u"");
    EXPECT_TRUE(std::isnan(assay.atmpressure) && std::signbit(assay.atmpressure));
    EXPECT_EQ(assay.date, 300000000000);
    ASSERT_EQ(context.calibration.size(), 1u);
    EXPECT_TRUE(std::signbit(context.calibration[0].ink3) && context.calibration[0].ink3 == 0.0);
    EXPECT_EQ(context.calibration[0].ink1, -INFINITY);
    EXPECT_EQ(context.calibration[0].midk, 1e-17);
    EXPECT_EQ(context.calibration[0].digits1, -1);
    EXPECT_EQ(context.settings.clbrCalcMethod, 3);
    EXPECT_TRUE(context.settings.viewMethaneShowComp);
    EXPECT_EQ(context.settings.expCommand, u"C D");
    ASSERT_EQ(context.journal.entries.size(), 1u);
    EXPECT_EQ(context.journal.entries[0].category, 9u);
    EXPECT_EQ(context.journal.entries[0].text, u"a\nb");
}

TEST(ContextText, AppliedLinesAppendRecordsAndReplaceScalars) {
    CalcContext context = ContextFromText("component id=ethane\nmethaneNumber 1 2");
    ApplyContextText(context, "component id=propane\nmethaneNumber 3 4\naliases methane=M");
    ASSERT_EQ(context.components.size(), 2u);
    EXPECT_EQ(context.components[1].id, u"propane");
    EXPECT_EQ(context.methaneNumber.first, 3.0);
    ASSERT_EQ(context.aliases.size(), 1u);
    EXPECT_EQ(context.aliases[0].alias, u"M");
}

TEST(ContextText, MethaneNumberTablesAppendTheirRowsInOrder) {
    const CalcContext context = ContextFromText(R"(
simplifiedMixture normalised=95.38264 raw=94.06721
simplifiedMixture raw=2.9613
motorFuelMixture share=0.5548 value=-0.0
initialMethaneNumber methaneNumber=83.856 mixtureNumber=3
componentFraction component=c6 volumeFraction=-1.0 molarFraction=nan
componentFraction component=methane
)");
    const MethaneNumberLists& lists = context.methaneNumberLists;
    ASSERT_EQ(lists.simplifiedMixture.size(), 2u);
    EXPECT_EQ(lists.simplifiedMixture[0].normalised, 95.38264);
    EXPECT_EQ(lists.simplifiedMixture[0].raw, 94.06721);
    EXPECT_EQ(lists.simplifiedMixture[1].normalised, 0.0);
    EXPECT_EQ(lists.simplifiedMixture[1].raw, 2.9613);
    ASSERT_EQ(lists.motorFuelMixture.size(), 1u);
    EXPECT_EQ(lists.motorFuelMixture[0].share, 0.5548);
    EXPECT_TRUE(lists.motorFuelMixture[0].value == 0.0 && std::signbit(lists.motorFuelMixture[0].value));
    ASSERT_EQ(lists.initialMethaneNumbers.size(), 1u);
    EXPECT_EQ(lists.initialMethaneNumbers[0].methaneNumber, 83.856);
    EXPECT_EQ(lists.initialMethaneNumbers[0].mixtureNumber, 3);
    ASSERT_EQ(lists.componentFractions.size(), 2u);
    EXPECT_EQ(lists.componentFractions[0].component, u"c6");
    EXPECT_EQ(lists.componentFractions[0].volumeFraction, -1.0);
    EXPECT_TRUE(std::isnan(lists.componentFractions[0].molarFraction));
    EXPECT_EQ(lists.componentFractions[1].component, u"methane");
    EXPECT_NONFATAL_FAILURE(ContextFromText("motorFuelMixture share=1 normalised=2"),
                            "no field \"normalised\"");
}

TEST(ContextText, UnknownLinesFieldsAndNumbersFail) {
    EXPECT_NONFATAL_FAILURE(ContextFromText("calibraton component=methane"), "unknown context line");
    EXPECT_NONFATAL_FAILURE(ContextFromText("component id=ethane molar=3"), "no field \"molar\"");
    EXPECT_NONFATAL_FAILURE(ContextFromText("settings clbrMethod=1"), "no field \"clbrMethod\"");
    EXPECT_NONFATAL_FAILURE(ContextFromText("component molarFraction=3,5"), "not a number: 3,5");
    EXPECT_NONFATAL_FAILURE(ContextFromText("properties 1 2 3"), "properties 1 2 3");
}

} // namespace

// The simulator certifies its reference mixtures from the calculation's own tables: over many seeds and
// spreads, every certified value lies in the range its type admits with an uncertainty within a·c + b,
// and the two mixtures of methods В1 and В2 lie in the calibration ranges of each of their components.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "GasComposition.h"
#include "Random.h"
#include "ReferenceMixtures.h"
#include "calc/checks/CalibrationRangeTable.h"
#include "calc/checks/DigitRange.h"
#include "calc/checks/ReferenceMaterialTables.h"
#include "text/Utf.h"

namespace {

// Every certified value of the mixture meets the requirements table of its type; returns how many.
int ExpectWithinReferenceMaterialTable(const sim::ReferenceMixture& mixture) {
    int checked = 0;
    for (const sim::CertifiedValue& value : mixture.values) {
        const std::string what = Utf16ToUtf8(mixture.name) + " " + Utf16ToUtf8(value.id);
        const ReferenceMaterialRow* row =
            FindReferenceMaterialRow(static_cast<int32_t>(mixture.type), value.id);
        if (row == nullptr) {
            ADD_FAILURE() << what << ": no requirements row";
            continue;
        }
        EXPECT_TRUE(LiesInRange(value.concentration, row->certified)) << what << " = " << value.concentration;
        EXPECT_GT(value.deviation, 0.0) << what;
        EXPECT_LE(value.deviation, PermittedUncertainty(*row, value.concentration)) << what;
        ++checked;
    }
    return checked;
}

TEST(SimulatedMixtures, MixturesNearTheGasMeetTheirTypesTable) {
    int checked = 0;
    for (uint64_t seed = 1; seed <= 150; ++seed) {
        for (const double spread : {0.0, 0.15, 0.9}) {
            sim::Random random(seed);
            checked += ExpectWithinReferenceMaterialTable(
                sim::IpgNearGas(u"ИПГ", sim::PipelineGas(), random, spread));
            checked += ExpectWithinReferenceMaterialTable(
                sim::PgmNearGas(u"ПГМ", sim::PipelineGas(), random, spread));
        }
    }
    EXPECT_GT(checked, 150 * 3 * 2 * 10);
}

TEST(SimulatedMixtures, CalibrationRangeMixturesLieInTheRangesOfTheirComponents) {
    int checked = 0;
    for (uint64_t seed = 1; seed <= 150; ++seed) {
        sim::Random random(seed);
        for (const bool heavyAsC6Plus : {false, true}) {
            for (const bool second : {false, true}) {
                const sim::ReferenceMixture mixture =
                    sim::IpgCalibrationRange(u"В", second, heavyAsC6Plus, random);
                EXPECT_GT(ExpectWithinReferenceMaterialTable(mixture), 10);
                for (const sim::CertifiedValue& value : mixture.values) {
                    if (value.id == u"methane") {
                        continue; // the balance, not chosen from a range
                    }
                    // A gas holding 0.03 mol % of the component: inside every component's gas range, and
                    // above the low ranges of carbon dioxide, nitrogen and oxygen.
                    const CalibrationRangeRow* row = FindCalibrationRangeRow(value.id, 0.03);
                    ASSERT_NE(row, nullptr) << Utf16ToUtf8(value.id);
                    const DigitRange& range = second ? row->secondMixture : row->firstMixture;
                    EXPECT_TRUE(LiesInRange(value.concentration, range))
                        << Utf16ToUtf8(value.id) << " = " << value.concentration
                        << (second ? " (2)" : " (1)");
                    // The hydrocarbons above the pentanes: one С6+ for method В2, three for В1.
                    if (value.id == u"c6plus" || value.id == u"n_hexane" || value.id == u"n_heptane" ||
                        value.id == u"n_octane") {
                        EXPECT_EQ(value.id == u"c6plus", heavyAsC6Plus) << Utf16ToUtf8(value.id);
                    }
                    ++checked;
                }
            }
        }
    }
    EXPECT_EQ(checked, 150 * (2 * 15 + 2 * 13));
}

} // namespace

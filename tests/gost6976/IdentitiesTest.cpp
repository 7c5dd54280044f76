// Relations between the 18 properties that must hold at every pair of reference temperatures, and
// uncertainties of single-component gases worked out by hand from the tabulated constants.
#include <gtest/gtest.h>

#include <cmath>

#include "gost6976/Gost6976TestSupport.h"

namespace {
using namespace gost6976_test;
using P = PhysicalPropertyIndex;

// The test's own reference data (ISO 6976:2016, Table A.1 and water in Table A.4).
constexpr double kR = 8.3144621;                                               // J/(mol·K)
constexpr double kMolarMassAir = 28.96546;                                     // kg/kmol
constexpr double kMeteringK[4] = {273.15, 288.15, 519.67 * 5.0 / 9.0, 293.15}; // 60 °F exactly
constexpr double kZAir[4] = {0.999419, 0.999595, 0.999601, 0.999645};
constexpr double kL[5] = {45.064, 44.431, 44.408, 44.222, 44.013}; // kJ/mol

// Hydrogen atoms of each component of TwelveComponentGas, in its order.
constexpr int kHydrogenAtoms[12] = {4, 6, 8, 10, 10, 12, 12, 14, 0, 0, 0, 0};

constexpr double kRelative = 1e-13;

void ExpectRelative(double actual, double expected, const char* what, int32_t t2, int32_t t1) {
    EXPECT_NEAR(actual, expected, std::fabs(expected) * kRelative)
        << what << " at t2 #" << t2 << ", t1 #" << t1;
}

TEST(Gost6976Identities, HoldAtEveryPairOfTemperatures) {
    const auto gas = TwelveComponentGas();
    double hydrogenPairs = 0.0;
    for (size_t i = 0; i < gas.size(); ++i) {
        hydrogenPairs += gas[i].fraction * kHydrogenAtoms[i] / 2.0;
    }
    for (int32_t t2 = 0; t2 < 4; ++t2) {
        for (int32_t t1 = 0; t1 < 5; ++t1) {
            const Result result = Values(gas, t2, t1);
            ASSERT_EQ(result.status, 0);
            const PhysicalProperties& v = result.record;
            const double z = At(v, P::CompressionFactor);
            EXPECT_GT(z, 0.99);
            EXPECT_LT(z, 1.0);
            // The ideal gas occupies R·T2/p2 per mole.
            const double molarVolume = kR * kMeteringK[t2] / kPressureKPa; // dm³/mol
            ExpectRelative(At(v, P::SuperiorVolumetricIdeal),
                           At(v, P::SuperiorMolarCalorificValue) / molarVolume, "Hv° = Hc/V°", t2, t1);
            ExpectRelative(At(v, P::DensityIdeal), At(v, P::MolarMass) / molarVolume, "D° = M/V°", t2, t1);
            // Ideal and real gas differ by Z.
            ExpectRelative(At(v, P::DensityIdeal), At(v, P::DensityReal) * z, "D° = D·Z", t2, t1);
            ExpectRelative(At(v, P::SuperiorVolumetricIdeal), At(v, P::SuperiorVolumetricReal) * z,
                           "Hv,G° = Hv,G·Z", t2, t1);
            ExpectRelative(At(v, P::InferiorVolumetricIdeal), At(v, P::InferiorVolumetricReal) * z,
                           "Hv,N° = Hv,N·Z", t2, t1);
            ExpectRelative(At(v, P::RelativeDensityIdeal), At(v, P::MolarMass) / kMolarMassAir,
                           "G° = M/M_air", t2, t1);
            ExpectRelative(At(v, P::RelativeDensityReal), At(v, P::RelativeDensityIdeal) * kZAir[t2] / z,
                           "G = G°·Z_air/Z", t2, t1);
            // Mass basis and net from gross.
            ExpectRelative(At(v, P::SuperiorMassCalorificValue),
                           At(v, P::SuperiorMolarCalorificValue) / At(v, P::MolarMass), "Hm = Hc/M", t2, t1);
            ExpectRelative(At(v, P::InferiorMassCalorificValue),
                           At(v, P::InferiorMolarCalorificValue) / At(v, P::MolarMass), "Hm,N = Hc,N/M", t2,
                           t1);
            ExpectRelative(At(v, P::InferiorMolarCalorificValue),
                           At(v, P::SuperiorMolarCalorificValue) - kL[t1] * hydrogenPairs,
                           "Hc,N = Hc,G − L·b/2", t2, t1);
            // Wobbe indices.
            ExpectRelative(At(v, P::SuperiorWobbeIdeal),
                           At(v, P::SuperiorVolumetricIdeal) / std::sqrt(At(v, P::RelativeDensityIdeal)),
                           "W° = Hv°/√G°", t2, t1);
            ExpectRelative(At(v, P::InferiorWobbeIdeal),
                           At(v, P::InferiorVolumetricIdeal) / std::sqrt(At(v, P::RelativeDensityIdeal)),
                           "W,N° = Hv,N°/√G°", t2, t1);
            ExpectRelative(At(v, P::SuperiorWobbeReal),
                           At(v, P::SuperiorVolumetricReal) / std::sqrt(At(v, P::RelativeDensityReal)),
                           "W = Hv/√G", t2, t1);
            ExpectRelative(At(v, P::InferiorWobbeReal),
                           At(v, P::InferiorVolumetricReal) / std::sqrt(At(v, P::RelativeDensityReal)),
                           "W,N = Hv,N/√G", t2, t1);
        }
    }
}

TEST(Gost6976Identities, EveryTemperaturePairAndModeGivesFinitePositiveResults) {
    const auto gas = TwelveComponentGas();
    const CorrelationMode3136921 modes[] = {CorrelationMode3136921::Identity,
                                            CorrelationMode3136921::MethaneByDifference,
                                            CorrelationMode3136921::Normalised};
    for (int32_t t2 = 0; t2 < 4; ++t2) {
        for (int32_t t1 = 0; t1 < 5; ++t1) {
            const Result values = Values(gas, t2, t1);
            ASSERT_EQ(values.status, 0);
            for (const CorrelationMode3136921 mode : modes) {
                const Result expanded = Uncertainties(gas, t2, t1, mode);
                ASSERT_EQ(expanded.status, 0);
                for (int32_t i = 0; i < kPhysicalPropertyCount; ++i) {
                    EXPECT_TRUE(std::isfinite(values.record.value[i]) && values.record.value[i] > 0.0)
                        << "value " << i << " at t2 #" << t2 << ", t1 #" << t1;
                    const double u = expanded.record.value[i];
                    // Positive, and small beside the value: the composition is known to a few 1e-4.
                    EXPECT_TRUE(std::isfinite(u) && u > 0.0 && u < 0.01 * values.record.value[i])
                        << "uncertainty " << i << " at t2 #" << t2 << ", t1 #" << t1 << ", mode "
                        << static_cast<int>(mode);
                }
            }
        }
    }
}

TEST(Gost6976Identities, CalorificValuesFallAndCompressionFactorRisesWithTemperature) {
    const auto gas = TwelveComponentGas();
    double previousHeat = INFINITY;
    for (int32_t t1 = 0; t1 < 5; ++t1) {
        const double heat = At(Values(gas, kMetering20C, t1).record, P::SuperiorMolarCalorificValue);
        EXPECT_LT(heat, previousHeat) << "t1 #" << t1;
        previousHeat = heat;
    }
    double previousZ = 0.0;
    for (int32_t t2 = 0; t2 < 4; ++t2) {
        const double z = At(Values(gas, t2, kCombustion25C).record, P::CompressionFactor);
        EXPECT_GT(z, previousZ) << "t2 #" << t2;
        previousZ = z;
    }
}

// Pure methane known exactly: only the tabulated constants are uncertain (ISO 6976:2016 Table A.3,
// Table A.4 and the atomic weights of C and H), so each uncertainty follows by hand.
TEST(Gost6976Identities, UncertaintiesOfPureMethaneComeFromItsConstantsAlone) {
    const auto methane = Entries({{u"methane", 1.0, 0.0}});
    const Result values = Values(methane, kMetering15C, kCombustion25C);
    const Result expanded =
        Uncertainties(methane, kMetering15C, kCombustion25C, CorrelationMode3136921::Identity);
    ASSERT_EQ(expanded.status, 0);
    // u(Hc) = 0.19 kJ/mol.
    EXPECT_NEAR(At(expanded.record, P::SuperiorMolarCalorificValue), 2 * 0.19, 1e-12);
    // u(M)² = u²(C) + (4·u(H))² with u(C) = 0.0004 and u(H) = 0.000035 kg/kmol.
    EXPECT_NEAR(At(expanded.record, P::MolarMass), 2 * std::sqrt(0.0004 * 0.0004 + 0.00014 * 0.00014), 1e-15);
    // Z = 1 − s², so u(Z) = 2·s·u(s) with s = 0.04452 and u(s) = 0.0005 at 15 °C.
    EXPECT_NEAR(At(values.record, P::CompressionFactor), 1 - 0.04452 * 0.04452, 1e-15);
    EXPECT_NEAR(At(expanded.record, P::CompressionFactor), 2 * 2 * 0.04452 * 0.0005, 1e-15);
    // Net: u² = u²(Hc) + (b/2·u(L))² with b = 4, u(L) = 0.004 kJ/mol.
    EXPECT_NEAR(At(expanded.record, P::InferiorMolarCalorificValue),
                2 * std::sqrt(0.19 * 0.19 + 0.008 * 0.008), 1e-12);
}

// A gas with no calorific value has zero calorific values, finite uncertainties and zero Wobbe indices.
TEST(Gost6976Identities, InertGasHasNoCalorificValue) {
    const auto inert = Entries({{u"nitrogen", 0.8, 0.001}, {u"carbon_dioxide", 0.2, 0.001}});
    const Result values = Values(inert, kMetering20C, kCombustion25C);
    ASSERT_EQ(values.status, 0);
    EXPECT_EQ(At(values.record, P::SuperiorVolumetricReal), 0.0);
    EXPECT_EQ(At(values.record, P::InferiorWobbeReal), 0.0);
    for (const auto mode : {CorrelationMode3136921::Identity, CorrelationMode3136921::Normalised}) {
        const Result expanded = Uncertainties(inert, kMetering20C, kCombustion25C, mode);
        ASSERT_EQ(expanded.status, 0);
        for (int32_t i = 0; i < kPhysicalPropertyCount; ++i) {
            EXPECT_TRUE(std::isfinite(expanded.record.value[i])) << i;
        }
        EXPECT_EQ(At(expanded.record, P::SuperiorMolarCalorificValue), 0.0);
        EXPECT_GT(At(expanded.record, P::DensityReal), 0.0);
    }
}

} // namespace

// The three correlation modes of the molar fractions: the covariance matrices of the non-identity modes
// have rows summing to zero, the closed forms the library uses agree with the full matrices, and the
// library's results show the consequences.
#include <gtest/gtest.h>

#include <cmath>

#include "gost/gost6976/CompositionCovariance.h"
#include "gost6976/Gost6976TestSupport.h"

namespace {
using namespace gost6976_test;
using gost6976::CompositionCovariance;
using P = PhysicalPropertyIndex;

CompositionCovariance ByDifference(std::vector<double> u, size_t balance) {
    CompositionCovariance covariance;
    covariance.mode = CorrelationMode3136921::MethaneByDifference;
    covariance.uncertainty = std::move(u);
    covariance.balance = balance;
    return covariance;
}

CompositionCovariance Normalised(const std::vector<double>& amount, std::vector<double> u) {
    CompositionCovariance covariance;
    covariance.mode = CorrelationMode3136921::Normalised;
    covariance.uncertainty = std::move(u);
    covariance.amountSum = 0.0;
    for (const double y : amount) {
        covariance.amountSum += y;
    }
    for (const double y : amount) {
        covariance.normalised.push_back(y / covariance.amountSum);
    }
    return covariance;
}

const std::vector<double> kAmounts = {0.9291, 0.0412, 0.0127, 0.0049,
                                      0.0011, 0.0102, 0.0071}; // sums to 1.0063
const std::vector<double> kU = {0.00041, 0.00022, 0.00011, 0.00004, 0.00002, 0.00018, 0.00009};

TEST(Gost6976CorrelationModes, RowsOfTheCorrelatedModesSumToZero) {
    const CompositionCovariance modes[] = {ByDifference(kU, 0), ByDifference(kU, 3),
                                           Normalised(kAmounts, kU)};
    for (const CompositionCovariance& covariance : modes) {
        const std::vector<double> matrix = gost6976::CovarianceMatrix(covariance);
        const size_t n = kU.size();
        for (size_t i = 0; i < n; ++i) {
            double rowSum = 0.0;
            for (size_t j = 0; j < n; ++j) {
                rowSum += matrix[i * n + j];
                EXPECT_DOUBLE_EQ(matrix[i * n + j], matrix[j * n + i]) << "symmetric";
            }
            EXPECT_NEAR(rowSum, 0.0, 1e-20) << "mode " << static_cast<int>(covariance.mode) << ", row " << i;
            EXPECT_GT(matrix[i * n + i], 0.0);
        }
    }
}

TEST(Gost6976CorrelationModes, IdentityMatrixIsDiagonal) {
    CompositionCovariance identity;
    identity.uncertainty = kU;
    const std::vector<double> matrix = gost6976::CovarianceMatrix(identity);
    const size_t n = kU.size();
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = 0; j < n; ++j) {
            EXPECT_DOUBLE_EQ(matrix[i * n + j], i == j ? kU[i] * kU[i] : 0.0);
        }
    }
}

TEST(Gost6976CorrelationModes, ClosedFormsEqualTheQuadraticFormOfTheMatrix) {
    CompositionCovariance identity;
    identity.uncertainty = kU;
    const CompositionCovariance modes[] = {identity, ByDifference(kU, 0), ByDifference(kU, 5),
                                           Normalised(kAmounts, kU)};
    // Sensitivities of a molar calorific value, of a molar mass and of an arbitrary mixed quantity.
    const std::vector<double> coefficients[] = {
        {891.51, 1562.14, 2221.10, 2879.76, 3538.60, 0.0, 0.0},
        {16.04246, 30.06904, 44.09562, 58.1222, 72.14878, 28.0134, 44.0095},
        {-0.3, 2.5, 0.0, 11.0, -7.25, 0.125, 4.0},
    };
    const size_t n = kU.size();
    for (const CompositionCovariance& covariance : modes) {
        const std::vector<double> matrix = gost6976::CovarianceMatrix(covariance);
        for (const std::vector<double>& c : coefficients) {
            double quadratic = 0.0;
            for (size_t i = 0; i < n; ++i) {
                for (size_t j = 0; j < n; ++j) {
                    quadratic += c[i] * matrix[i * n + j] * c[j];
                }
            }
            EXPECT_NEAR(gost6976::CompositionVariance(covariance, c), quadratic, 1e-12 * quadratic)
                << "mode " << static_cast<int>(covariance.mode);
        }
    }
}

TEST(Gost6976CorrelationModes, BalanceIsMethaneElseTheLargestFraction) {
    EXPECT_EQ(gost6976::BalanceComponent(
                  Entries({{u"ethane", 0.1, 0}, {u"methane", 0.8, 0}, {u"n_butane", 0.1, 0}})),
              1u);
    EXPECT_EQ(gost6976::BalanceComponent(
                  Entries({{u"ethane", 0.1, 0}, {u"nitrogen", 0.2, 0}, {u"hydrogen", 0.7, 0}})),
              2u);
    EXPECT_EQ(gost6976::BalanceComponent(
                  Entries({{u"ethane", 0.4, 0}, {u"nitrogen", 0.4, 0}, {u"hydrogen", 0.2, 0}})),
              0u)
        << "the first of equal fractions";
}

// Isomers of one formula have equal molar masses: in the correlated modes the composition then adds
// nothing to u(M), which comes from the atomic weights alone, u(M)² = (4·u(C))² + (10·u(H))².
TEST(Gost6976CorrelationModes, CompositionDropsOutWhenAllSensitivitiesAreEqual) {
    const auto butanes = Entries({{u"n_butane", 0.6, 0.004}, {u"2_methylpropane", 0.4, 0.004}});
    const double fromAtomicWeights = 2 * std::hypot(4 * 0.0004, 10 * 0.000035);
    for (const auto mode :
         {CorrelationMode3136921::MethaneByDifference, CorrelationMode3136921::Normalised}) {
        const Result expanded = Uncertainties(butanes, kMetering15C, kCombustion15C, mode);
        ASSERT_EQ(expanded.status, 0);
        EXPECT_NEAR(At(expanded.record, P::MolarMass), fromAtomicWeights, 1e-15) << static_cast<int>(mode);
    }
    const Result identity =
        Uncertainties(butanes, kMetering15C, kCombustion15C, CorrelationMode3136921::Identity);
    EXPECT_NEAR(At(identity.record, P::MolarMass),
                2 * std::hypot(58.1222 * 0.004 * std::sqrt(2.0), fromAtomicWeights / 2), 1e-12);
}

// By difference, methane's own uncertainty is implied by the others' and the entry's value is not read.
TEST(Gost6976CorrelationModes, MethaneByDifferenceIgnoresTheUncertaintyGivenForMethane) {
    auto gas = TwelveComponentGas();
    const Result before =
        Uncertainties(gas, kMetering20C, kCombustion25C, CorrelationMode3136921::MethaneByDifference);
    const Result identityBefore =
        Uncertainties(gas, kMetering20C, kCombustion25C, CorrelationMode3136921::Identity);
    gas[0].standardUncertainty *= 10.0;
    const Result after =
        Uncertainties(gas, kMetering20C, kCombustion25C, CorrelationMode3136921::MethaneByDifference);
    const Result identityAfter =
        Uncertainties(gas, kMetering20C, kCombustion25C, CorrelationMode3136921::Identity);
    for (int32_t i = 0; i < kPhysicalPropertyCount; ++i) {
        EXPECT_EQ(after.record.value[i], before.record.value[i]) << i;
    }
    EXPECT_GT(At(identityAfter.record, P::SuperiorVolumetricReal),
              At(identityBefore.record, P::SuperiorVolumetricReal));
}

// Normalisation removes the unit of the raw amounts: raw data in mol % give the same uncertainties.
TEST(Gost6976CorrelationModes, NormalisedModeIsIndependentOfTheRawUnit) {
    const auto final = TwelveComponentGas();
    auto rawMolPercent = final;
    for (PropertyEntry& entry : rawMolPercent) {
        entry.fraction *= 100.3;
        entry.standardUncertainty *= 100.0;
    }
    auto rawMolPerMol = final;
    for (PropertyEntry& entry : rawMolPerMol) {
        entry.fraction *= 1.003;
    }
    const Result percent =
        Uncertainties(rawMolPercent, final, kMetering20C, kCombustion25C, CorrelationMode3136921::Normalised);
    const Result fraction =
        Uncertainties(rawMolPerMol, final, kMetering20C, kCombustion25C, CorrelationMode3136921::Normalised);
    ASSERT_EQ(percent.status, 0);
    ASSERT_EQ(fraction.status, 0);
    for (int32_t i = 0; i < kPhysicalPropertyCount; ++i) {
        EXPECT_NEAR(percent.record.value[i], fraction.record.value[i], 1e-12 * fraction.record.value[i]) << i;
    }
}

// The correlations of normalised fractions cancel much of the composition's contribution: ISO 6976:2016
// Annex D shows u(Hv,G) falling from identity to full correlation; so it does here for a rich gas.
TEST(Gost6976CorrelationModes, CorrelatedModesGiveSmallerVolumetricUncertaintyThanIdentity) {
    const auto gas = TwelveComponentGas();
    const double identity =
        At(Uncertainties(gas, kMetering20C, kCombustion25C, CorrelationMode3136921::Identity).record,
           P::SuperiorVolumetricReal);
    const double normalised =
        At(Uncertainties(gas, kMetering20C, kCombustion25C, CorrelationMode3136921::Normalised).record,
           P::SuperiorVolumetricReal);
    EXPECT_LT(normalised, identity);
}

} // namespace

// Calibration functions through the C interface: the pressure correction of areas, the factors of the
// single-point methods А and Б with their rate of acceptability, the calibration lines of methods В1 and
// В2, and the concentrations they give back.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Gost31371TestSupport.h"

using namespace gost31371_test;

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

} // namespace

// Areas are brought to 101.325 kPa and 20 °C (GOST 2939): factor = (101.325 / p) · ((273.15 + t) / 293.15).
TEST(PressureCorrection, FactorsAtReferenceAndOtherConditions) {
    struct Case {
        double pressureKPa;
        double temperatureC;
        double expected;
    };
    const Case cases[] = {
        {101.325, 20.0, 1.0},           {100.0, 20.0, 1.01325},          {97.5, 20.0, 101.325 / 97.5},
        {105.0, 20.0, 101.325 / 105.0}, {101.325, 0.0, 273.15 / 293.15}, {101.325, 40.0, 313.15 / 293.15},
    };
    for (const Case& c : cases) {
        EXPECT_NEAR(CalcRQRate(c.pressureKPa, c.temperatureC), c.expected, 1e-15 * c.expected)
            << c.pressureKPa << " kPa, " << c.temperatureC << " °C";
    }
}

TEST(PressureCorrection, RejectsPressuresAndTemperaturesWithoutMeaning) {
    EXPECT_EQ(CalcRQRate(0.0, 20.0), 0.0);
    EXPECT_EQ(CalcRQRate(-101.325, 20.0), 0.0);
    EXPECT_EQ(CalcRQRate(kNaN, 20.0), 0.0);
    EXPECT_EQ(CalcRQRate(kInf, 20.0), 0.0);
    EXPECT_EQ(CalcRQRate(101.325, kNaN), 0.0);
    EXPECT_EQ(CalcRQRate(101.325, -273.15), 0.0);
    EXPECT_EQ(CalcRQRate(101.325, -300.0), 0.0);
    EXPECT_EQ(CalcRQRate(1e-320, 20.0), 0.0); // the factor would overflow
}

TEST(PressureCorrection, CorrectedAreaIsTheProduct) {
    const double factor = CalcRQRate(98.0, 20.0);
    EXPECT_DOUBLE_EQ(CalcNormArea(1523410.0, factor), 1523410.0 * 101.325 / 98.0);
    EXPECT_EQ(CalcNormArea(1523410.0, 1.0), 1523410.0);
    EXPECT_EQ(CalcNormArea(0.0, factor), 0.0);
    EXPECT_EQ(CalcNormArea(1000.0, 0.0), 0.0);
    EXPECT_EQ(CalcNormArea(1000.0, -1.0), 0.0);
    EXPECT_EQ(CalcNormArea(kNaN, 1.0), 0.0);
    EXPECT_EQ(CalcNormArea(1000.0, kNaN), 0.0);
    EXPECT_EQ(CalcNormArea(1e308, 1e10), 0.0); // overflow
}

// Synthetic vectors "calib_single_point_3_chrom" (invented numbers, generic formulas): K_j = c / A_j,
// K = mean K_j, rate = (K_max − K_min) / K · 100.
TEST(SinglePointCalibration, ReproducesTheSyntheticVectors) {
    struct Case {
        const char* component;
        double concentration;
        double areas[3];
        double factors[3];
        double meanFactor;
        double rateOfFactorsPct;
        double rangeOfAreasPct;
    };
    const Case cases[] = {
        {"CH4",
         95.123,
         {1523410.0, 1525012.0, 1521980.0},
         {6.244083995772643e-05, 6.237524688330321e-05, 6.249950722085704e-05},
         6.243853135396223e-05,
         0.1990122683209845,
         0.19901969235966555},
        {"C2H6",
         2.512,
         {60231.0, 60355.0, 60102.0},
         {4.17060981886404e-05, 4.1620412559025765e-05, 4.1795614122658145e-05},
         4.170737495677477e-05,
         0.4200733414988537,
         0.420061099796334},
        {"N2",
         1.004,
         {15010.0, 15102.0, 14890.0},
         {6.688874083944037e-05, 6.648126076016422e-05, 6.74278038952317e-05},
         6.693260183161211e-05,
         1.414173525554523,
         1.4132705213101642},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.component);
        for (int j = 0; j < 3; ++j) {
            EXPECT_NEAR(CalcCalibFactorDiv(c.concentration, c.areas[j]), c.factors[j], 1e-15 * c.factors[j]);
        }
        double k = -1;
        double rate = -1;
        EXPECT_EQ(CalcCalibFactorMCnt(c.areas, 3, c.concentration, &k, &rate), 0);
        EXPECT_LT(RelativeError(k, c.meanFactor), 1e-13);
        EXPECT_LT(RelativeError(rate, c.rateOfFactorsPct), 1e-11);
        // The rate is that of the factors, not of the areas (they differ in the fourth digit here).
        EXPECT_LT(RelativeError(AreasRelativeRange(c.areas, 3), c.rangeOfAreasPct), 1e-11);
        EXPECT_GT(std::fabs(rate - c.rangeOfAreasPct), 1e-6);
    }
}

// Synthetic vector "sample_single_point" (invented numbers): x = K · A with the mean factors above.
TEST(SinglePointCalibration, ConcentrationsOfTheSyntheticSample) {
    EXPECT_LT(RelativeError(CalcConcentrationMCnt(1530000.0, 6.243853135396223e-05), 95.53095297156221),
              1e-14);
    EXPECT_LT(RelativeError(CalcConcentrationMCnt(55000.0, 4.170737495677477e-05), 2.293905622622612), 1e-14);
    EXPECT_LT(RelativeError(CalcConcentrationMCnt(20000.0, 6.693260183161211e-05), 1.338652036632242), 1e-14);
}

// A concentration computed back from its own calibration is the certified one.
TEST(SinglePointCalibration, CertifiedConcentrationComesBack) {
    for (const double c : {0.001, 0.0473, 1.004, 2.512, 95.123}) {
        for (const double area : {12.5, 60231.0, 1523410.0}) {
            EXPECT_LT(RelativeError(CalcConcentrationMCnt(area, CalcCalibFactorDiv(c, area)), c), 1e-15);
            const double equalAreas[3] = {area, area, area};
            double k = 0;
            double rate = -1;
            ASSERT_EQ(CalcCalibFactorMCnt(equalAreas, 3, c, &k, &rate), 0);
            EXPECT_EQ(rate, 0.0);
            EXPECT_LT(RelativeError(CalcConcentrationMCnt(area, k), c), 1e-15);
        }
    }
}

TEST(SinglePointCalibration, RateDoesNotDependOnTheConcentration) {
    const double areas[3] = {15010.0, 15102.0, 14890.0};
    double k = -1;
    double rateAtZero = -1;
    double rateAtOne = -1;
    EXPECT_EQ(CalcCalibFactorMCnt(areas, 3, 0.0, &k, &rateAtZero), 0);
    EXPECT_EQ(k, 0.0);
    EXPECT_EQ(CalcCalibFactorMCnt(areas, 3, 1.004, &k, &rateAtOne), 0);
    EXPECT_LT(RelativeError(rateAtZero, rateAtOne), 1e-14);
}

// A zero area leaves its factor undefined: K = 0 and the rate n · 100 %, which no limit admits.
TEST(SinglePointCalibration, UndefinedFactorsFailEveryLimit) {
    struct Case {
        double areas[3];
        double concentration;
    };
    const Case cases[] = {
        {{15010.0, 0.0, 14890.0}, 1.004},  {{0.0, 0.0, 14890.0}, 1.004},
        {{15010.0, -5.0, 14890.0}, 1.004}, {{15010.0, kNaN, 14890.0}, 1.004},
        {{15010.0, kInf, 14890.0}, 1.004},
    };
    for (const Case& c : cases) {
        double k = -1;
        double rate = -1;
        EXPECT_EQ(CalcCalibFactorMCnt(c.areas, 3, c.concentration, &k, &rate), -1);
        EXPECT_EQ(k, 0.0);
        EXPECT_EQ(rate, 300.0);
    }
}

TEST(SinglePointCalibration, RejectsUnusableArguments) {
    const double areas[3] = {15010.0, 15102.0, 14890.0};
    double k = -1;
    double rate = -1;
    EXPECT_EQ(CalcCalibFactorMCnt(nullptr, 3, 1.0, &k, &rate), -1);
    EXPECT_EQ(k, 0.0);
    EXPECT_EQ(rate, 0.0);
    k = rate = -1;
    EXPECT_EQ(CalcCalibFactorMCnt(areas, 0, 1.0, &k, &rate), -1);
    EXPECT_EQ(k, 0.0);
    EXPECT_EQ(rate, 0.0);
    EXPECT_EQ(CalcCalibFactorMCnt(areas, -3, 1.0, &k, &rate), -1);
    EXPECT_EQ(CalcCalibFactorMCnt(areas, 3, 1.0, nullptr, &rate), -1);
    EXPECT_EQ(CalcCalibFactorMCnt(areas, 3, 1.0, &k, nullptr), -1);
    k = -1;
    EXPECT_EQ(CalcCalibFactorMCnt(areas, 3, kNaN, &k, &rate), -1);
    EXPECT_EQ(k, 0.0);
    EXPECT_EQ(CalcCalibFactorMCnt(areas, 3, -1.0, &k, &rate), -1);
    EXPECT_EQ(k, 0.0);

    EXPECT_EQ(CalcCalibFactorDiv(1.0, 0.0), 0.0);
    EXPECT_EQ(CalcCalibFactorDiv(1.0, -10.0), 0.0);
    EXPECT_EQ(CalcCalibFactorDiv(-1.0, 10.0), 0.0);
    EXPECT_EQ(CalcCalibFactorDiv(kNaN, 10.0), 0.0);
    EXPECT_EQ(CalcCalibFactorDiv(1.0, kInf), 0.0);
    EXPECT_EQ(CalcConcentrationMCnt(-1.0, 1e-5), 0.0);
    EXPECT_EQ(CalcConcentrationMCnt(1000.0, -1e-5), 0.0);
    EXPECT_EQ(CalcConcentrationMCnt(kNaN, 1e-5), 0.0);
}

// Synthetic vector "calib_two_point_5_chrom" (invented numbers): the least-squares line on all ten areas;
// with five areas at each concentration it passes through the two means (A = 40060·x + 20 in the library's
// orientation).
TEST(CalibrationLine, LeastSquaresReproducesTheSyntheticVector) {
    const double areas1[5] = {80110.0, 80250.0, 79980.0, 80300.0, 80060.0};
    const double areas2[5] = {320500.0, 321100.0, 319900.0, 320800.0, 320200.0};
    double a = 0;
    double b = 0;
    ASSERT_EQ(CalcCalibFactorMVrbLS(areas1, areas2, 5, 2.0, 8.0, &a, &b, nullptr), 0);
    EXPECT_NEAR(a, 40060.0, 1e-9);
    EXPECT_NEAR(b, 20.0, 1e-8);
    EXPECT_NEAR(CalcConcentrationMVrb(200000.0, a, b), 4.99201198202696, 1e-13);
    EXPECT_NEAR(AreasRelativeStandardDeviation(areas1, 5), 0.16577651928607964, 1e-14);
    EXPECT_NEAR(AreasRelativeStandardDeviation(areas2, 5), 0.14800051451646082, 1e-14);
    // The same line whichever mixture comes first.
    double a2 = 0;
    double b2 = 0;
    ASSERT_EQ(CalcCalibFactorMVrbLS(areas2, areas1, 5, 8.0, 2.0, &a2, &b2, nullptr), 0);
    EXPECT_NEAR(a2, a, 1e-9);
    EXPECT_NEAR(b2, b, 1e-8);
}

// The line through the origin takes the mean of the ten response factors A/x:
// (80140 / 2 + 320500 / 8) / 2 = (40070 + 40062.5) / 2 = 40066.25.
TEST(CalibrationLine, ThroughTheOriginIsTheMeanResponseFactor) {
    const double areas1[5] = {80110.0, 80250.0, 79980.0, 80300.0, 80060.0};
    const double areas2[5] = {320500.0, 321100.0, 319900.0, 320800.0, 320200.0};
    double a = 0;
    ASSERT_EQ(CalcCalibFactorMVrb(areas1, areas2, 5, 2.0, 8.0, &a, nullptr), 0);
    EXPECT_NEAR(a, 40066.25, 1e-9);
    // Its relative deviations at the two mixtures balance: +0.0094 % and -0.0094 %.
    const double deviation1Pct = (CalcConcentrationMVrb(80140.0, a, 0.0) - 2.0) / 2.0 * 100;
    const double deviation2Pct = (CalcConcentrationMVrb(320500.0, a, 0.0) - 8.0) / 8.0 * 100;
    EXPECT_NEAR(deviation1Pct, 0.00936, 1e-5);
    EXPECT_NEAR(deviation2Pct, -deviation1Pct, 1e-12);
    // A reserved pointer that is given is left alone.
    double reserved = 123.0;
    ASSERT_EQ(CalcCalibFactorMVrb(areas1, areas2, 5, 2.0, 8.0, &a, &reserved), 0);
    EXPECT_EQ(reserved, 123.0);
}

// Exactly linear responses: each mixture's concentration comes back from the line.
TEST(CalibrationLine, CertifiedConcentrationsComeBack) {
    struct Case {
        double slope;
        double intercept;
        double c1;
        double c2;
    };
    const Case cases[] = {{40000.0, 0.0, 2.0, 8.0},
                          {1234.5, 150.0, 0.005, 0.025},
                          {15000.0, -80.0, 45.0, 97.0},
                          {50.0, 0.0, 0.015, 0.05}};
    for (const Case& c : cases) {
        double areas1[5];
        double areas2[5];
        for (int i = 0; i < 5; ++i) {
            areas1[i] = c.slope * c.c1 + c.intercept;
            areas2[i] = c.slope * c.c2 + c.intercept;
        }
        double a = 0;
        double b = 0;
        ASSERT_EQ(CalcCalibFactorMVrbLS(areas1, areas2, 5, c.c1, c.c2, &a, &b, nullptr), 0);
        EXPECT_LT(RelativeError(CalcConcentrationMVrb(areas1[0], a, b), c.c1), 1e-11);
        EXPECT_LT(RelativeError(CalcConcentrationMVrb(areas2[0], a, b), c.c2), 1e-11);
        if (c.intercept == 0.0) {
            ASSERT_EQ(CalcCalibFactorMVrb(areas1, areas2, 5, c.c1, c.c2, &a, nullptr), 0);
            EXPECT_LT(RelativeError(a, c.slope), 1e-14);
            EXPECT_LT(RelativeError(CalcConcentrationMVrb(areas1[0], a, 0.0), c.c1), 1e-14);
            EXPECT_LT(RelativeError(CalcConcentrationMVrb(areas2[0], a, 0.0), c.c2), 1e-14);
        }
    }
}

TEST(CalibrationLine, RejectsLinesThatCannotBeDrawn) {
    const double areas1[5] = {80110.0, 80250.0, 79980.0, 80300.0, 80060.0};
    const double areas2[5] = {320500.0, 321100.0, 319900.0, 320800.0, 320200.0};
    const double zeros[5] = {0, 0, 0, 0, 0};
    const double withNaN[5] = {80110.0, kNaN, 79980.0, 80300.0, 80060.0};
    const double withNegative[5] = {80110.0, -1.0, 79980.0, 80300.0, 80060.0};
    double a = -1;
    double b = -1;
    // Both mixtures at one concentration: no slope.
    EXPECT_EQ(CalcCalibFactorMVrbLS(areas1, areas2, 5, 2.0, 2.0, &a, &b, nullptr), -1);
    EXPECT_EQ(a, 0.0);
    EXPECT_EQ(b, 0.0);
    // A falling line has no positive sensitivity.
    EXPECT_EQ(CalcCalibFactorMVrbLS(areas2, areas1, 5, 2.0, 8.0, &a, &b, nullptr), -1);
    EXPECT_EQ(CalcCalibFactorMVrbLS(withNaN, areas2, 5, 2.0, 8.0, &a, &b, nullptr), -1);
    EXPECT_EQ(CalcCalibFactorMVrbLS(withNegative, areas2, 5, 2.0, 8.0, &a, &b, nullptr), -1);
    EXPECT_EQ(CalcCalibFactorMVrbLS(nullptr, areas2, 5, 2.0, 8.0, &a, &b, nullptr), -1);
    EXPECT_EQ(CalcCalibFactorMVrbLS(areas1, areas2, 0, 2.0, 8.0, &a, &b, nullptr), -1);
    EXPECT_EQ(CalcCalibFactorMVrbLS(areas1, areas2, 5, 2.0, 8.0, nullptr, &b, nullptr), -1);
    EXPECT_EQ(CalcCalibFactorMVrbLS(areas1, areas2, 5, 2.0, 8.0, &a, nullptr, nullptr), -1);
    EXPECT_EQ(CalcCalibFactorMVrbLS(areas1, areas2, 5, kNaN, 8.0, &a, &b, nullptr), -1);

    a = -1;
    EXPECT_EQ(CalcCalibFactorMVrb(zeros, zeros, 5, 2.0, 8.0, &a, nullptr), -1);
    EXPECT_EQ(a, 0.0);
    EXPECT_EQ(CalcCalibFactorMVrb(areas1, areas2, 5, 0.0, 8.0, &a, nullptr), -1);
    EXPECT_EQ(CalcCalibFactorMVrb(areas1, areas2, 5, 2.0, -8.0, &a, nullptr), -1);
    EXPECT_EQ(CalcCalibFactorMVrb(withNaN, areas2, 5, 2.0, 8.0, &a, nullptr), -1);
    EXPECT_EQ(CalcCalibFactorMVrb(areas1, nullptr, 5, 2.0, 8.0, &a, nullptr), -1);
    EXPECT_EQ(CalcCalibFactorMVrb(areas1, areas2, -1, 2.0, 8.0, &a, nullptr), -1);
    EXPECT_EQ(CalcCalibFactorMVrb(areas1, areas2, 5, 2.0, 8.0, nullptr, nullptr), -1);
}

TEST(CalibrationLine, ConcentrationFromTheLine) {
    EXPECT_DOUBLE_EQ(CalcConcentrationMVrb(200020.0, 40000.0, 20.0), 5.0);
    EXPECT_DOUBLE_EQ(CalcConcentrationMVrb(10.0, 40000.0, 20.0), -0.00025); // below the intercept
    EXPECT_EQ(CalcConcentrationMVrb(200000.0, 0.0, 0.0), 0.0);
    EXPECT_EQ(CalcConcentrationMVrb(200000.0, -40000.0, 0.0), 0.0);
    EXPECT_EQ(CalcConcentrationMVrb(kNaN, 40000.0, 0.0), 0.0);
    EXPECT_EQ(CalcConcentrationMVrb(200000.0, 40000.0, kInf), 0.0);
}

// Calibration of the chromatograph by GOST 31371.7-2020: the pressure correction of peak areas, the
// factors of the single-point methods А and Б, the calibration lines of methods В1 and В2, and the
// concentrations they give back.
#pragma once

#include <cstdint>
#include <span>

namespace gost31371 {

// Factor that brings a peak area measured with the sample loop at the given atmospheric pressure (kPa)
// and temperature (°C) to the standard conditions of GOST 2939 (101.325 kPa, 20 °C): the amount of gas
// in a fixed loop is proportional to p / T. 0 when the pressure is not above zero or the temperature is
// not above absolute zero.
double PressureCorrectionFactor(double atmosphericPressureKPa, double loopTemperatureC);

// area · factor; 0 for a factor not above zero or a non-finite input or result.
double CorrectedArea(double area, double factor);

// Calibration factor of one chromatogram, K = c / A (mol % per area unit); 0 when A is not above zero or
// c is negative.
double CalibrationFactor(double concentrationMolPct, double area);

struct MeanFactorResult {
    int32_t status;    // 0: K computed; -1: an input was unusable (K is then 0)
    double meanFactor; // K = mean of c / A_j
    double ratePct;    // rate of acceptability: (K_max − K_min) / K_mean · 100 %
};

// The factors K_j = c / A_j of n chromatograms, their mean and the relative range of the factors. The rate
// does not depend on c (it is the relative range of 1 / A_j), so it is computed also for c = 0. When an
// area is not a finite number above zero, its factor is undefined: K = 0 and the rate is n · 100 %, the
// bound that the relative range of n positive factors approaches as one of them grows without limit, so
// that no limit of acceptability passes it.
MeanFactorResult MeanCalibrationFactor(std::span<const double> areas, double concentrationMolPct);

struct CalibrationLine {
    int32_t status; // 0: computed; -1: unusable input or a line without positive sensitivity (a = b = 0)
    double a;       // slope, area units per mol %
    double b;       // area at zero concentration, area units
};

// Line through the origin, area = a·x: a is the mean of the 2n response factors A/x of both mixtures, the
// least-squares slope when the areas have a constant relative standard deviation (the assumption behind
// the allowed relative deviation of the areas).
CalibrationLine LineThroughOrigin(std::span<const double> areas1, std::span<const double> areas2,
                                  double concentration1MolPct, double concentration2MolPct);

// Ordinary least-squares line area = a·x + b on all 2n areas (n at c1, n at c2). The two concentrations
// must differ.
CalibrationLine LeastSquaresLine(std::span<const double> areas1, std::span<const double> areas2,
                                 double concentration1MolPct, double concentration2MolPct);

// x = K · A; 0 for a negative or non-finite input.
double ConcentrationFromFactor(double area, double factor);

// x = (A − b) / a for the line area = a·x + b; 0 when a is not above zero or an input is not finite. A
// value below b gives a negative fraction, returned as it is.
double ConcentrationFromLine(double area, double a, double b);

} // namespace gost31371

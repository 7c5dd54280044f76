// Tarvel31371720: the calculation library of GOST 31371.7-2020 (natural gas, determination of the
// composition with an assessed uncertainty by gas chromatography, methods А, Б, В1, В2).
//
// Conventions of the whole interface: concentrations are molar fractions in mol %; relative values in %;
// component identifiers are zero-terminated UTF-16 strings of at most 63 characters; area arrays are
// contiguous doubles of the stated length. No function throws or raises a floating-point exception into
// the caller; a result that cannot be computed is 0, false or status -1, its outputs set to 0.
#pragma once

#include <cstdint>

#ifndef TARVEL_EXPORT
#define TARVEL_EXPORT
#endif

extern "C" {

// One row of a table of metrological characteristics: the expanded uncertainty of a component in the
// range [lower, upper] is a·x + b (x in mol %).
struct MetrologyRow {
    char16_t component[64];
    double lower;
    double upper;
    double a;
    double b;
};
static_assert(sizeof(MetrologyRow) == 160, "the row layout is part of the interface");

struct FractionEntry {
    char16_t component[64];
    double value;
};
static_assert(sizeof(FractionEntry) == 136, "the entry layout is part of the interface");

// Tables of metrological characteristics of methods А, Б, В1, В2, owned by the library (read-only, valid
// while it is loaded); the row count is written through rowCount. Null (and no count) for a null rowCount.
TARVEL_EXPORT const MetrologyRow* GetDefaultConstTableMethodA(int32_t* rowCount);
TARVEL_EXPORT const MetrologyRow* GetDefaultConstTableMethodB(int32_t* rowCount);
TARVEL_EXPORT const MetrologyRow* GetDefaultConstTableMethodC1(int32_t* rowCount);
TARVEL_EXPORT const MetrologyRow* GetDefaultConstTableMethodC2(int32_t* rowCount);

// Factor bringing peak areas measured at the given atmospheric pressure (kPa) and sample-loop temperature
// (°C) to 101.325 kPa and 20 °C; CalcNormArea multiplies an area by it.
TARVEL_EXPORT double CalcRQRate(double atmosphericPressureKPa, double temperatureC);
TARVEL_EXPORT double CalcNormArea(double area, double factor);
// Calibration factor of one chromatogram, K = concentration / area.
TARVEL_EXPORT double CalcCalibFactorDiv(double concentration, double area);
// Mean factor K of n chromatograms and the rate of acceptability of the factors (their relative range,
// %); status 0, or -1 when a factor is undefined (K = 0, rate = n·100 %) or an argument is unusable.
TARVEL_EXPORT int32_t CalcCalibFactorMCnt(const double* areas, int32_t n, double concentration, double* k,
                                          double* rate);
// Limit for the rate of CalcCalibFactorMCnt, %; 0 when the table has no range of the component holding c.
TARVEL_EXPORT double CalcLimitValue(const MetrologyRow* table, int32_t rowCount, const char16_t* component,
                                    double concentration);
// Calibration line through the origin (area = a·x) from n areas of each of two mixtures; status 0 or -1.
// reserved is neither read nor written.
TARVEL_EXPORT int32_t CalcCalibFactorMVrb(const double* areas1, const double* areas2, int32_t n, double c1,
                                          double c2, double* a, double* reserved);
// Least-squares line area = a·x + b on all 2n areas; status 0 or -1. reserved is neither read nor written.
TARVEL_EXPORT int32_t CalcCalibFactorMVrbLS(const double* areas1, const double* areas2, int32_t n, double c1,
                                            double c2, double* a, double* b, double* reserved);
TARVEL_EXPORT double CalcConcentrationMCnt(double area, double k);
// The calibration line gives area = a·x + b.
TARVEL_EXPORT double CalcConcentrationMVrb(double area, double a, double b);
TARVEL_EXPORT double AreasRelativeStandardDeviation(const double* areas, int32_t n);
TARVEL_EXPORT double AreasRelativeRange(const double* areas, int32_t n);
// Allowed relative standard deviation of peak areas, %, at a molar fraction.
TARVEL_EXPORT double GetAllowedValue(double concentration);
// Relative standard deviation of the areas not above the allowed value.
TARVEL_EXPORT bool CalibrationCheck(const double* areas, int32_t n, double concentration);
// Relative range of the areas not above the ISO 5725-6 critical range f(n) times the allowed value.
TARVEL_EXPORT bool ControlCheck(const double* areas, int32_t n, double concentration);
// Methane by difference, 100 minus the other values (an entry named "methane" takes no part), and its
// expanded uncertainty from the other components' uncertainties.
TARVEL_EXPORT double CalcMethane(const FractionEntry* entries, int32_t count);
TARVEL_EXPORT double CalcMethaneU(const FractionEntry* entries, int32_t count);
// Scales the values in place to sum to total; returns their sum before scaling (0: nothing changed).
TARVEL_EXPORT double Normalize(FractionEntry* entries, int32_t count, double total);
// Expanded absolute uncertainty a·x + b of x by the component's row that holds x; 0 when none does.
TARVEL_EXPORT double CalcU(const MetrologyRow* table, int32_t rowCount, const char16_t* component, double x);
// Whether a reference mixture with certified fraction c suits an analysed fraction x (single-point
// methods); lower and upper receive the permitted range of c.
TARVEL_EXPORT bool CheckMoleFactor(double x, double c, double* lower, double* upper);

} // extern "C"

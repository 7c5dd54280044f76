// Tarvel31371720: the calculation library of GOST 31371.7-2020 (natural gas, determination of the
// composition with an assessed uncertainty by gas chromatography, methods А, Б, В1, В2).
//
// Conventions of the whole interface: concentrations are molar fractions in mol %; relative values in %;
// component identifiers are zero-terminated UTF-16 strings of at most 63 characters; area arrays are
// contiguous doubles of the stated length. No function throws or raises a floating-point exception into
// the caller; a result that cannot be computed is 0 (or false).
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

TARVEL_EXPORT const MetrologyRow* GetDefaultConstTableMethodA(int32_t* rowCount);
TARVEL_EXPORT const MetrologyRow* GetDefaultConstTableMethodB(int32_t* rowCount);
TARVEL_EXPORT const MetrologyRow* GetDefaultConstTableMethodC1(int32_t* rowCount);
TARVEL_EXPORT const MetrologyRow* GetDefaultConstTableMethodC2(int32_t* rowCount);

TARVEL_EXPORT double CalcRQRate(double atmosphericPressureKPa, double temperatureC);
TARVEL_EXPORT double CalcNormArea(double area, double factor);
TARVEL_EXPORT double CalcCalibFactorDiv(double concentration, double area);
TARVEL_EXPORT int32_t CalcCalibFactorMCnt(const double* areas, int32_t n, double concentration, double* k,
                                          double* rate);
TARVEL_EXPORT double CalcLimitValue(const MetrologyRow* table, int32_t rowCount, const char16_t* component,
                                    double concentration);
TARVEL_EXPORT int32_t CalcCalibFactorMVrb(const double* areas1, const double* areas2, int32_t n, double c1,
                                          double c2, double* a, double* reserved);
TARVEL_EXPORT int32_t CalcCalibFactorMVrbLS(const double* areas1, const double* areas2, int32_t n, double c1,
                                            double c2, double* a, double* b, double* reserved);
TARVEL_EXPORT double CalcConcentrationMCnt(double area, double k);
// The calibration line gives area = a·x + b.
TARVEL_EXPORT double CalcConcentrationMVrb(double area, double a, double b);
TARVEL_EXPORT double AreasRelativeStandardDeviation(const double* areas, int32_t n);
TARVEL_EXPORT double AreasRelativeRange(const double* areas, int32_t n);
TARVEL_EXPORT double GetAllowedValue(double concentration);
TARVEL_EXPORT bool CalibrationCheck(const double* areas, int32_t n, double concentration);
TARVEL_EXPORT bool ControlCheck(const double* areas, int32_t n, double concentration);
TARVEL_EXPORT double CalcMethane(const FractionEntry* entries, int32_t count);
TARVEL_EXPORT double CalcMethaneU(const FractionEntry* entries, int32_t count);
TARVEL_EXPORT double Normalize(FractionEntry* entries, int32_t count, double total);
TARVEL_EXPORT double CalcU(const MetrologyRow* table, int32_t rowCount, const char16_t* component, double x);
TARVEL_EXPORT bool CheckMoleFactor(double x, double c, double* lower, double* upper);

} // extern "C"

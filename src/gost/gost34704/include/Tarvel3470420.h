// Tarvel3470420: the calculation library of GOST 34704-2020 (natural gas, determination of the methane
// number), the MWM ternary-diagram method of EN 16726:2015+A1:2018 Annex A on four hydrocarbon partial
// mixtures with the correction for carbon dioxide.
//
// Conventions of the whole interface:
// - fractions are in %: molar fractions on input, volume fractions (0 °C, 101.325 kPa) where stated;
//   a row's fraction must be finite and not negative;
// - component identifiers are the lower-case catalogue identifiers ("methane", "2_methylpropane",
//   "c6plus", ...), zero-terminated UTF-16 of at most 63 characters, compared without regard to the case
//   of Latin letters; README.md beside this header lists how each one enters the method;
// - the simplified mixture is four doubles in the order propane, ethane, butane equivalents, methane
//   (index 0, 1, 2, 3), in volume %;
// - the partial mixtures are numbered 0-3 (GOST 34704 mixtures 1-4): 0 ethane-propane-butane,
//   1 methane-ethane-propane, 2 methane-propane-butane, 3 methane-ethane-butane. Three of them are used;
//   a "choice" is the number of the one left out, and the three used ones are the rows of a 3 × 4 array
//   in increasing number, each row holding amounts in volume % in the order of the simplified mixture;
// - a value that cannot be computed is NaN (quiet); no function throws or raises a floating-point
//   exception into the caller, whatever the caller's floating-point control word.
#pragma once

#include "Tarvel3470420Types.h"

#ifndef TARVEL_EXPORT
#define TARVEL_EXPORT
#endif

extern "C" {

// The two methane numbers of a gas given by its molar fractions: result->first of the simplified mixture,
// result->second of the gas motor fuel. Both are NaN when the status is negative. reserved is ignored.
TARVEL_EXPORT int Calc3470420(const Fraction_t* molarFractions, unsigned int count, MetanNumber_t* result,
                              bool reserved);

// Volume fractions from molar fractions: r_i = 100·x_i·Z_i / Σ x_j·Z_j with Z_i = 1 − s_i² at 0 °C. The
// identifiers are copied row by row; every fraction is NaN when a row is invalid or unknown or the
// weighted sum is zero. Nothing is written when a pointer is null.
TARVEL_EXPORT void VolumeFraction(const Fraction_t* molarFractions, Fraction_t* volumeFractions,
                                  unsigned int count);

// The simplified mixture (not normalised) from volume fractions: methane, ethane, propane and the butane
// equivalents (butanes + 2.3·pentanes + 5.3·hexanes and heavier). Components outside the hydrocarbon
// mixtures add nothing. No rows give four zeros; an invalid or unknown row gives four NaN.
TARVEL_EXPORT void SimpleMix(const Fraction_t* volumeFractions, unsigned int count, double* simple4);

// The number (0-3) of the partial mixture left out; -1 when simple4 is null, holds a value NaN, infinite
// or negative, or holds no hydrocarbon.
TARVEL_EXPORT int ChooseMix(const double* simple4);

// The initial split: the simplified mixture normalised to 100 % and each component divided equally among
// the used partial mixtures that contain it. All twelve values are NaN when the choice or simple4 is
// invalid.
TARVEL_EXPORT void ThreeMix(const double* simple4, int choice, double (&mixes)[3][4]);

// methaneNumbers receive the methane number of each partial mixture as passed in (NaN for a row that is
// empty, has a negative or non-finite amount or an amount of a component its mixture does not contain).
// Then, when all three rows are valid, the rows are balanced in place: Newton steps of least change
// (least squares of the amounts) keeping each component's total, until the non-empty partial mixtures
// have one methane number. README.md states the rule.
TARVEL_EXPORT void CalcMN(double (&methaneNumbers)[3], double (&mixes)[3][4], int choice);

// Rescales values in place to a sum of 100 and returns the sum before rescaling. Values are left as they
// are when the sum is not above 2^-52 (the sum is returned all the same; 0 for a null pointer or no
// values), and when the sum or a rescaled value would not be finite (NaN is returned then).
TARVEL_EXPORT double Normalize(double* values, unsigned int count);

// The fraction of one component (the sum over rows with that identifier); 0 when absent or when a pointer
// is null.
TARVEL_EXPORT double GetFraction(const Fraction_t* fractions, unsigned int count, const char16_t* component);

} // extern "C"

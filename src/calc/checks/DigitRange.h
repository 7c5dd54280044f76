// Whether a molar fraction lies in a range of GOST 31371.7-2020 as the standard prints it: each bound
// is stated to a number of decimals, and a value is compared with a bound after it has been rounded to
// that bound's decimals. So a certified value of 15.4 mol % lies below an upper bound printed as "15",
// and 0.00095 mol % reaches a lower bound printed as "0.0010".
#pragma once

#include <cstdint>

struct DigitRange {
    double lowerMolPct = 0.0;
    double upperMolPct = 0.0;
    int32_t lowerDigits = 0; // decimals to which a value is rounded before it is compared with lower
    int32_t upperDigits = 0; // the same for upper
};

// v rounded to the given decimals, halves away from zero. The digits are those of the shortest decimal
// form of v (the number as it is written in a certificate or shown), so 0.00095 is exactly half a unit
// of the fourth decimal and rounds up to 0.001. Not-a-number and infinities come back unchanged.
double RoundToDigits(double value, int32_t digits);

// lower <= v rounded to lowerDigits, and v rounded to upperDigits <= upper. Never true for a value that
// is not a finite number.
bool LiesInRange(double value, const DigitRange& range);

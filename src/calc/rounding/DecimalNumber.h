// A finite double seen as the decimal number it prints as: the shortest digit string that reads back
// to the same double (std::to_chars). The rounding of results works on these digits, so a result is
// rounded as the number a person reads, not as its binary neighbour: 0.045 is 4.5 hundredths and
// rounds up, although the double nearest to it is 0.044999999999999998.
//
// Tie rule everywhere: a number exactly halfway between two candidates (its shortest digits end in
// the 5 that is dropped) rounds away from zero, the arithmetic rounding of measurement results (4.5
// hundredths -> 5 hundredths); no bankers' rounding, no dependence on the FPU rounding mode.
#pragma once

#include <cstdint>
#include <string>

struct DecimalNumber {
    bool negative = false;
    std::string digits;       // significant digits '0'..'9', first and last not '0'; empty for zero
    int64_t leadExponent = 0; // power of ten of the first digit: |v| = d1.d2d3... x 10^leadExponent
};

// The shortest decimal form of a finite value; -0.0 and 0.0 give zero (no sign).
DecimalNumber ToDecimal(double value);

inline bool IsZero(const DecimalNumber& number) {
    return number.digits.empty();
}

// True when |v| < 1, |v| > 1, |v| == 1 (exact, in decimal). Zero is below one.
bool IsBelowOne(const DecimalNumber& number);
bool IsAboveOne(const DecimalNumber& number);

// trunc(log10 |v|), exact: toward zero, so 0.5 gives 0, 0.05 gives -1 and 0.01 gives -2. Nonzero v.
int64_t TruncatedLog10(const DecimalNumber& number);

// v rounded to the given number of decimals (negative: -1 to tens, -2 to hundreds), halves away from
// zero. A result of zero carries no sign.
DecimalNumber RoundToDecimals(const DecimalNumber& number, int64_t decimals);

// v rounded to the given number of significant digits (at least 1), halves away from zero.
DecimalNumber RoundToSignificant(const DecimalNumber& number, int64_t significant);

// The double nearest to the decimal number; beyond the range of doubles, an infinity of its sign.
double ToDouble(const DecimalNumber& number);

// Writing a measurement result to the precision its uncertainty supports: the molar fractions
// (GOST 31371.7-2020) to the last digit of their rounded uncertainty, the physical properties
// (GOST 31369-2021) to the place of the second significant digit of theirs.
//
// Decimal terms and the tie rule of DecimalNumber.h (halves away from zero on the shortest decimal
// form). Values below 2^-52 in magnitude count as zero. A NaN or infinite input gives the
// missing-value em dash.
#pragma once

#include <string>

// u not zero: x rounded to the last digit of u as RoundUncertainty rounds it
// (95.1234 with 0.0456 -> "95.12", with 0.0256 -> "95.123", with 35 -> "100").
// u zero: x itself rounded as an uncertainty (FormatUncertainty: one or two digits, x zero -> "0").
std::u16string FormatByUncertainty(double x, double u);

// u not zero: x rounded to e = (|u| < 1 ? 1 : 0) - trunc(log10 |u|) + 1 decimals, the place of the
// second significant digit of u without the test on 30 (u = 0.023 -> 3 decimals, 350 -> tens).
// u zero: FormatTwoSignificant(x). Applied to (u, u) it gives the uncertainty column of the physical
// properties.
std::u16string FormatToUncertaintyDigits(double x, double u);

// "0" for a zero x; else x rounded to g = (|x| < 1 ? 1 : 0) - trunc(log10 |x|) + 1 decimals: two
// significant digits (95.123 -> "95", 0.5123 -> "0.51"), three for the powers of ten below one
// (0.1 -> "0.100"), as the formula gives.
std::u16string FormatTwoSignificant(double x);

// Writing decimal numbers as the C formats "%.*f", "%e" and "%g" do in the "C" numeric locale (a point
// as decimal separator), from exact decimal digits. A result text never exceeds 255 characters (the
// buffers of 256 of the result rules): a number whose fixed form would be longer (1e300 with two
// decimals, 1e-300 rounded to its own digit) is written in the exponent form of its digits instead.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "calc/rounding/DecimalNumber.h"

inline constexpr size_t kMaxResultTextLength = 255;

// "%.*f": the number rounded to `decimals` (>= 0) decimals, halves away from zero. No "-0.00": a
// number that rounds to zero is written without a sign.
std::u16string FixedText(const DecimalNumber& number, int64_t decimals);

// "%e" with just the number's own significant digits: "1e+300", "-2.5e-07" (at least two exponent
// digits, as the C standard has it).
std::u16string ExponentText(const DecimalNumber& number);

// "%g" with the given precision (0 counts as 1): rounded to that many significant digits, exponent
// form when the exponent is below -4 or not below the precision, trailing zeros dropped.
std::u16string GeneralText(const DecimalNumber& number, int precision = 6);

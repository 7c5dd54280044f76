// Numbers written with a number of decimals chosen by the user (the "Scale" view settings) or stored
// with a certified value of a reference mixture.
//
// Unlike the C library, whose "%.*f" rounds the binary value (2.675 -> "2.67") with a tie rule that
// differs between runtimes, the decimals are cut from the shortest decimal form with halves away from
// zero (2.675 -> "2.68", 0.125 -> "0.13"), the same on every platform. NaN and infinities give the
// missing-value em dash; "-0.00" is written "0.00".
#pragma once

#include <cstdint>
#include <string>

// "%.*f" with n decimals; a negative n is ignored as by the C library, and 6 decimals are written.
std::u16string FormatFixed(double x, int32_t n);

// A certified fraction c with the decimals stored with it: "%.*f" with k decimals, or "%g" (six
// significant digits, exponent form below 1e-4 or from 1e6) when k is negative (none stored).
std::u16string FormatReference(double c, int32_t k);

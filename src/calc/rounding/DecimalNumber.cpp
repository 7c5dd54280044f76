#include "calc/rounding/DecimalNumber.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

DecimalNumber ToDecimal(double value) {
    DecimalNumber number;
    if (value == 0.0 || !std::isfinite(value)) {
        return number;
    }
    number.negative = std::signbit(value);
    // Shortest round-trip form "d.ddde-XX" (or "de+XX" for one digit); 32 characters hold any double.
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific);
    const char* p = buffer;
    for (; p != result.ptr && *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9') {
            number.digits.push_back(*p);
        }
    }
    int exponent = 0;
    if (p != result.ptr) {
        ++p;
        if (p != result.ptr && *p == '+') {
            ++p; // from_chars reads a minus sign but no plus sign
        }
        std::from_chars(p, result.ptr, exponent);
    }
    number.leadExponent = exponent;
    while (!number.digits.empty() && number.digits.back() == '0') {
        number.digits.pop_back();
    }
    return number;
}

bool IsBelowOne(const DecimalNumber& number) {
    return IsZero(number) || number.leadExponent < 0;
}

bool IsAboveOne(const DecimalNumber& number) {
    return !IsZero(number) && number.leadExponent >= 0 && !(number.leadExponent == 0 && number.digits == "1");
}

int64_t TruncatedLog10(const DecimalNumber& number) {
    // At or above 1 truncation is the floor, the power of the first digit. Below 1 the logarithm is
    // negative and truncation goes up by one, except for an exact power of ten whose logarithm is whole.
    if (number.leadExponent >= 0 || number.digits == "1") {
        return number.leadExponent;
    }
    return number.leadExponent + 1;
}

namespace {
// Keeps the first `keep` significant digits and rounds by the rest (which, being the shortest form,
// is exactly half only when it is the single digit 5).
DecimalNumber KeepLeadingDigits(const DecimalNumber& number, int64_t keep) {
    if (IsZero(number) || keep >= static_cast<int64_t>(number.digits.size())) {
        return number;
    }
    DecimalNumber rounded;
    if (keep < 0) {
        return rounded; // below a tenth of the last kept place: nothing left
    }
    const bool roundUp = number.digits[static_cast<size_t>(keep)] >= '5';
    rounded.negative = number.negative;
    rounded.leadExponent = number.leadExponent;
    rounded.digits = number.digits.substr(0, static_cast<size_t>(keep));
    if (roundUp) {
        size_t i = rounded.digits.size();
        while (i > 0 && rounded.digits[i - 1] == '9') {
            rounded.digits[--i] = '0';
        }
        if (i == 0) {
            // All nines (or no digit kept): the carry opens a new leading place, 99.6 -> 100.
            rounded.digits.insert(rounded.digits.begin(), '1');
            ++rounded.leadExponent;
        } else {
            ++rounded.digits[i - 1];
        }
    }
    while (!rounded.digits.empty() && rounded.digits.back() == '0') {
        rounded.digits.pop_back();
    }
    if (rounded.digits.empty()) {
        return DecimalNumber{};
    }
    return rounded;
}
} // namespace

DecimalNumber RoundToDecimals(const DecimalNumber& number, int64_t decimals) {
    // The digit of place 10^-decimals is the (leadExponent + decimals + 1)-th; clamp so that absurd
    // requests neither overflow nor allocate.
    constexpr int64_t kFar = int64_t{1} << 40;
    if (decimals > kFar) {
        return number;
    }
    if (decimals < -kFar) {
        return DecimalNumber{};
    }
    return KeepLeadingDigits(number, number.leadExponent + decimals + 1);
}

DecimalNumber RoundToSignificant(const DecimalNumber& number, int64_t significant) {
    return KeepLeadingDigits(number, significant < 1 ? 1 : significant);
}

double ToDouble(const DecimalNumber& number) {
    if (IsZero(number)) {
        return 0.0;
    }
    // "d.ddde<exponent>": the digits of a double's shortest form, or fewer after rounding, always fit.
    char text[64];
    char* out = text;
    char* const end = text + sizeof text;
    for (size_t i = 0; i < number.digits.size() && out + 24 < end; ++i) {
        if (i == 1) {
            *out++ = '.';
        }
        *out++ = number.digits[i];
    }
    *out++ = 'e';
    out = std::to_chars(out, end, number.leadExponent).ptr;
    double value = 0.0;
    const auto result = std::from_chars(text, out, value);
    if (result.ec == std::errc::result_out_of_range) {
        value = number.leadExponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return number.negative ? -value : value;
}

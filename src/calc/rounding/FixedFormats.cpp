#include "calc/rounding/FixedFormats.h"

#include <cmath>

#include "calc/rounding/DecimalNumber.h"
#include "calc/rounding/DecimalText.h"
#include "calc/rounding/MissingValue.h"

namespace {
// The precisions the C library uses when none (or a negative one) is given: decimals of "%f",
// significant digits of "%g".
constexpr int32_t kDefaultDecimals = 6;
constexpr int kGeneralSignificantDigits = 6;
} // namespace

std::u16string FormatFixed(double x, int32_t n) {
    if (!std::isfinite(x)) {
        return std::u16string(kMissingValueText);
    }
    return FixedText(ToDecimal(x), n < 0 ? kDefaultDecimals : n);
}

std::u16string FormatReference(double c, int32_t k) {
    if (!std::isfinite(c)) {
        return std::u16string(kMissingValueText);
    }
    if (k < 0) {
        return GeneralText(ToDecimal(c), kGeneralSignificantDigits);
    }
    return FixedText(ToDecimal(c), k);
}

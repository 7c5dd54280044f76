#include "calc/checks/DigitRange.h"

#include <cmath>

#include "calc/rounding/DecimalNumber.h"

double RoundToDigits(double value, int32_t digits) {
    if (!std::isfinite(value)) {
        return value;
    }
    return ToDouble(RoundToDecimals(ToDecimal(value), digits));
}

bool LiesInRange(double value, const DigitRange& range) {
    if (!std::isfinite(value)) {
        return false;
    }
    return range.lowerMolPct <= RoundToDigits(value, range.lowerDigits) &&
           RoundToDigits(value, range.upperDigits) <= range.upperMolPct;
}

#include "calc/rounding/DecimalText.h"

#include <algorithm>

namespace {
// The digit of the place 10^power, '0' outside the significant digits.
char DigitAt(const DecimalNumber& number, int64_t power) {
    const int64_t index = number.leadExponent - power;
    if (index < 0 || index >= static_cast<int64_t>(number.digits.size())) {
        return '0';
    }
    return number.digits[static_cast<size_t>(index)];
}
} // namespace

std::u16string FixedText(const DecimalNumber& value, int64_t decimals) {
    decimals = std::max<int64_t>(decimals, 0);
    const DecimalNumber number = RoundToDecimals(value, decimals);
    const int64_t integerDigits = IsZero(number) ? 1 : std::max<int64_t>(number.leadExponent + 1, 1);
    const int64_t length = (number.negative ? 1 : 0) + integerDigits + (decimals > 0 ? 1 + decimals : 0);
    if (length > static_cast<int64_t>(kMaxResultTextLength)) {
        return ExponentText(number);
    }
    std::u16string text;
    text.reserve(static_cast<size_t>(length));
    if (number.negative) {
        text.push_back(u'-');
    }
    for (int64_t power = integerDigits - 1; power >= 0; --power) {
        text.push_back(static_cast<char16_t>(DigitAt(number, power)));
    }
    if (decimals > 0) {
        text.push_back(u'.');
        for (int64_t power = -1; power >= -decimals; --power) {
            text.push_back(static_cast<char16_t>(DigitAt(number, power)));
        }
    }
    return text;
}

std::u16string ExponentText(const DecimalNumber& number) {
    if (IsZero(number)) {
        return u"0e+00";
    }
    std::u16string text;
    if (number.negative) {
        text.push_back(u'-');
    }
    text.push_back(static_cast<char16_t>(number.digits[0]));
    if (number.digits.size() > 1) {
        text.push_back(u'.');
        for (size_t i = 1; i < number.digits.size(); ++i) {
            text.push_back(static_cast<char16_t>(number.digits[i]));
        }
    }
    text.push_back(u'e');
    text.push_back(number.leadExponent < 0 ? u'-' : u'+');
    const int64_t magnitude = number.leadExponent < 0 ? -number.leadExponent : number.leadExponent;
    if (magnitude < 10) {
        text.push_back(u'0');
    }
    for (const char digit : std::to_string(magnitude)) {
        text.push_back(static_cast<char16_t>(digit));
    }
    return text;
}

std::u16string GeneralText(const DecimalNumber& value, int precision) {
    precision = std::max(precision, 1);
    const DecimalNumber number = RoundToSignificant(value, precision);
    if (IsZero(number)) {
        return u"0";
    }
    // C: with X the exponent of the rounded number, "%e" when X < -4 or X >= precision, else "%f" with
    // precision - 1 - X decimals; then trailing zeros go. The rounded digits carry no trailing zeros,
    // so the decimals left are exactly those the digits reach down to.
    const int64_t exponent = number.leadExponent;
    if (exponent < -4 || exponent >= precision) {
        return ExponentText(number);
    }
    const int64_t lastPower = exponent - static_cast<int64_t>(number.digits.size()) + 1;
    return FixedText(number, std::max<int64_t>(-lastPower, 0));
}

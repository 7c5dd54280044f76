#include "output/ExportKeywords.h"

#include <array>

#include "calc/ReferenceTemperatures.h"

std::u16string_view AssayKindKeyword(int32_t role) {
    switch (role) {
    case 1:
        return u"calibration";
    case 2:
        return u"control";
    default:
        return u"assay";
    }
}

std::u16string_view CalibrationMethodLetter(int32_t method) {
    static constexpr std::array<std::u16string_view, 4> kLetters = {u"A", u"B", u"C", u"C"};
    return method >= 0 && method < static_cast<int32_t>(kLetters.size()) ? kLetters[method]
                                                                         : std::u16string_view{};
}

std::u16string_view MeasureTemperatureText(int32_t index) {
    // kReferenceTemperaturesC as the exports write them.
    static constexpr std::array<std::u16string_view, kMeteringTemperatureCount> kTemperatures = {
        u"0.0", u"15.0", u"15.55", u"20.0"};
    return index >= 0 && index < static_cast<int32_t>(kTemperatures.size()) ? kTemperatures[index]
                                                                            : std::u16string_view{};
}

std::u16string_view BurnoutTemperatureText(int32_t index) {
    // kReferenceTemperaturesC as the exports write them.
    static constexpr std::array<std::u16string_view, kCombustionTemperatureCount> kTemperatures = {
        u"0.0", u"15.0", u"15.55", u"20.0", u"25.0"};
    return index >= 0 && index < static_cast<int32_t>(kTemperatures.size()) ? kTemperatures[index]
                                                                            : std::u16string_view{};
}

std::u16string_view MixtureTypeKeyword(int32_t type) {
    switch (type) {
    case 0:
        return u"NGS";
    case 1:
        return u"MNG";
    default:
        return {};
    }
}

std::u16string_view BooleanWord(bool value) {
    return value ? u"true" : u"false";
}

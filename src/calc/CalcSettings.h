// The settings block of the calculation context: every user choice kept in the host profile under
// "Tarvel/" + the member's name. Members, defaults and bounds are the lines of CalcSettings.def; the
// settings store applies a default when the profile has no value or one outside the bounds.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "calc/ReferenceTemperatures.h"

enum class CalibrationMethod : int32_t { A = 0, B = 1, C1 = 2, C2 = 3 };
enum class ExportFormat : int32_t { Xml = 0, Json = 1, Txt = 2 };

// Methods В1 and В2 of GOST 31371.7-2020 calibrate with a line through two reference mixtures; А and Б
// (and any unknown value) with the factors of one mixture. Also judges the method a stored calibration
// was made by.
inline bool IsTwoMixtureMethod(int32_t method) {
    return method == static_cast<int32_t>(CalibrationMethod::C1) ||
           method == static_cast<int32_t>(CalibrationMethod::C2);
}

// Methods Б and В2 measure hexanes and heavier hydrocarbons as one C6+ group; А and В1 (and any unknown
// value) as the groups С6, С7 and С8. Also judges the method a stored calibration was made by.
inline bool IsC6PlusMethod(int32_t method) {
    return method == static_cast<int32_t>(CalibrationMethod::B) ||
           method == static_cast<int32_t>(CalibrationMethod::C2);
}

// Decimals the view settings may ask for: a double carries 15 significant decimal digits.
inline constexpr int32_t kMaxViewDecimals = 15;

struct CalcSettings {
    // A laboratory chromatograph ("Tarvel/clcDeviceType" 0) measures each sample twice: the
    // acceptability of the pair and the second measurement exist only there. A process one measures once.
    bool LaboratoryChromatograph() const { return clcDeviceType == 0; }
    // Methane is the difference to 100 % instead of a measured fraction, and nothing is normalised.
    bool MethaneByDifference() const { return clcMethaneDiff; }
    // The chosen calibration method uses two reference mixtures (В1, В2).
    bool TwoMixtureMethod() const { return IsTwoMixtureMethod(clbrCalcMethod); }
    // Method Б extended below its measuring range by the rows of method А ("Tarvel/clcExtRange").
    bool ExtendedRangeByMethodA() const {
        return clcExtRange && clbrCalcMethod == static_cast<int32_t>(CalibrationMethod::B);
    }

    // The settings themselves, one member per line of CalcSettings.def.
#define TARVEL_BOOL_SETTING(member, initial) bool member = initial;
#define TARVEL_INT_SETTING(member, initial, lowest, highest) int32_t member = initial;
#define TARVEL_TEXT_SETTING(member, initial) std::u16string member = initial;
#include "calc/CalcSettings.def"

    bool operator==(const CalcSettings&) const = default;
};

// The profile key of each scalar setting, in the order of the members (the lines of CalcSettings.def).
struct BoolSettingKey {
    const char16_t* key;
    bool CalcSettings::*field;
};
struct IntSettingKey {
    const char16_t* key;
    int32_t CalcSettings::*field;
    int32_t lowest;  // smallest value the setting may take
    int32_t highest; // largest
};
struct TextSettingKey {
    const char16_t* key;
    std::u16string CalcSettings::*field;
};
std::span<const BoolSettingKey> BoolSettingKeys();
std::span<const IntSettingKey> IntSettingKeys();
std::span<const TextSettingKey> TextSettingKeys();

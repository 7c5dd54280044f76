#include "results/MethaneNumberTable.h"

#include <array>
#include <cmath>

#include "calc/rounding/MissingValue.h"
#include "calc/rounding/Rounding.h"
#include "text/StringTable.h"

namespace {
constexpr std::array<MethaneNumberTableRow, 2> kRows = {{
    {StringId::MethaneNumberSimplifiedMixture, "mncm", &MetanNumber_t::first},
    {StringId::MethaneNumberMotorFuel, "mn", &MetanNumber_t::second},
}};
} // namespace

std::span<const MethaneNumberTableRow> MethaneNumberTable() {
    return kRows;
}

bool HasMethaneNumber(double methaneNumber) {
    return std::isfinite(methaneNumber);
}

std::u16string MethaneNumberUncertaintyText(double methaneNumber) {
    return std::u16string(HasMethaneNumber(methaneNumber) ? kMethaneNumberUncertaintyText
                                                          : kMissingValueText);
}

std::u16string MethaneNumberText(double methaneNumber, const CalcSettings& settings) {
    return FormatFixed(methaneNumber, settings.viewMethaneGostMn ? 0 : settings.viewMethaneScaleMn);
}

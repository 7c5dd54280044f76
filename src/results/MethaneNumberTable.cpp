#include "results/MethaneNumberTable.h"

#include <array>

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

std::u16string MethaneNumberText(double methaneNumber, const CalcSettings& settings) {
    return FormatFixed(methaneNumber, settings.viewMethaneGostMn ? 0 : settings.viewMethaneScaleMn);
}

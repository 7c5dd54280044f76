// Requirements of GOST 31371.7-2020 on the reference materials (ГСО) with which a chromatograph is
// calibrated: for each component, the range its certified molar fraction c must lie in and the largest
// permitted expanded uncertainty of c, a·c + b. One table per type of material: СО-ИПГ (imitators of
// natural gas) and СО-ПГМ (verification gas mixtures); other types, such as "СО Метана в Гелии/Азоте",
// have no requirements table.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "calc/checks/DigitRange.h"

struct ReferenceMaterialRow {
    std::u16string_view component; // identifier
    DigitRange certified;          // permitted range of the certified fraction, mol %, with its digits
    double a = 0.0;                // permitted expanded uncertainty a·c + b, mol % (c in mol %)
    double b = 0.0;                // mol %
};

// The rows of a mixture type (0 СО-ИПГ, 1 СО-ПГМ); empty for any other type.
std::span<const ReferenceMaterialRow> ReferenceMaterialTable(int32_t mixtureType);

// The first row of the type's table with that identifier (exact comparison); null when there is none.
const ReferenceMaterialRow* FindReferenceMaterialRow(int32_t mixtureType, std::u16string_view component);

// a·c + b rounded as an expanded uncertainty is stated (one or two significant digits, the signed value
// rounded); 0 when a·c + b counts as zero.
double PermittedUncertainty(const ReferenceMaterialRow& row, double certifiedMolPct);

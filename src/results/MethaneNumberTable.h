// The two methane numbers of GOST 34704-2020: one record per number with its label and its key in the
// exports. The methane-number page, the report and the three exports iterate this one table.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "calc/CalcSettings.h"
#include "gost/gost34704/include/Tarvel3470420Types.h"

struct MethaneNumberTableRow {
    uint32_t labelId; // string-table id of the row's name
    const char* key;  // member of the exports: "mncm", "mn"
    double MetanNumber_t::*value;
};

// The methane number of the simplified mixture, then that of the gas motor fuel.
std::span<const MethaneNumberTableRow> MethaneNumberTable();

// The stated absolute expanded uncertainty of both methane numbers.
inline constexpr std::u16string_view kMethaneNumberUncertaintyText = u"1";

// Whether a run computed this methane number: not when its stage did not run or failed (NaN).
bool HasMethaneNumber(double methaneNumber);

// A methane number with fixed decimals, zero included: a whole number under GOST rounding, which matches
// its stated uncertainty of one unit, else the user's decimals. The em dash when there is none.
std::u16string MethaneNumberText(double methaneNumber, const CalcSettings& settings);

// The uncertainty stated for a methane number: kMethaneNumberUncertaintyText, or the em dash when there
// is no methane number to state it for.
std::u16string MethaneNumberUncertaintyText(double methaneNumber);

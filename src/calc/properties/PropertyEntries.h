// The composition as the physical-properties library (GOST 31369-2021 = ISO 6976:2016) takes it: one
// entry per component with its molar fraction and standard uncertainty as fractions of one, and the
// correlation of the fractions that its uncertainty annex (Annex B) propagates.
#pragma once

#include <cstdint>
#include <vector>

#include "calc/CalcContext.h"
#include "calc/CalcSettings.h"
#include "data/ComponentResult.h"
#include "gost/gost6976/include/Tarvel3136921.h"

// Components below this molar fraction take no part in the calculation (ISO 6976:2016 allows leaving out
// components below 0.005 mol %; the report names them), mol %.
inline constexpr double kPropertyMinimumFractionMolPercent = 0.005;

struct PropertyEntries {
    std::vector<PropertyEntry> finalEntries; // molar fraction after methane by difference or normalisation
    std::vector<PropertyEntry> rawEntries;   // the same components before it
};

// The second component table when it has rows, else the component table.
const std::vector<ComponentResult>& PropertySourceTable(const CalcContext& context);

// The entries of the rows at or above the minimum fraction, in table order: fraction = mol % / 100,
// standard uncertainty = expanded uncertainty in mol % / 200 (coverage factor 2).
PropertyEntries MakePropertyEntries(const std::vector<ComponentResult>& rows);

// CorrelationMode3136921 as a 32-bit integer: uncorrelated fractions when the identity matrix is chosen,
// else methane by difference or normalised, following how the composition was closed.
int32_t PropertyCorrelationMode(const CalcSettings& settings);

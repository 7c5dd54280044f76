// The table of component constants of ISO 6976:2016 (GOST 31369-2021): the 60 components of the
// standard and dry air, keyed by the plug-in's component identifiers.
#pragma once

#include <cstdint>
#include <span>

#include "gost/gost6976/include/Tarvel3136921.h"

namespace gost6976 {

// The 61 rows in the standard's component order, dry air last.
std::span<const PropertyConstantsRow> DefaultComponentTable();

} // namespace gost6976

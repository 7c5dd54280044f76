// Which row of the table of component constants stands for a component identifier. The table is keyed
// by the components of ISO 6976:2016; the plug-in also knows groups of hydrocarbons and thiols the
// standard has no row for, each of which is computed as a documented representative (README.md).
#pragma once

#include <cstdint>
#include <string_view>

#include "gost/gost6976/include/Tarvel3136921.h"

namespace gost6976 {

// The identifier of the row that represents a group or substitute component, or the identifier itself
// when it has no representative.
std::u16string_view RepresentativeOf(std::u16string_view component);

// The row whose identifier equals the component's, else the row of its representative; null when
// neither is in the table.
const PropertyConstantsRow* FindComponentRow(const PropertyConstantsRow* table, int32_t rowCount,
                                             std::u16string_view component);

// The identifier held in a fixed 64-character buffer; empty when the buffer has no terminator.
std::u16string_view IdentifierOf(const char16_t (&buffer)[64]);

} // namespace gost6976

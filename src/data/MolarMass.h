// Molar masses of the component identifiers, used to group heavy hydrocarbons by carbon number, to order
// the calibration and composition tables and to convert molar into mass fractions.
#pragma once

#include <string_view>

// kg/kmol; 0 for an identifier the table does not know (for instance "? name" of an unknown peak).
double MolarMassOf(std::u16string_view componentId);

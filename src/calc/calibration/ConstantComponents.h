// Conditionally constant components: their fractions are given by the user, so the calibration and the
// composition take no part of them from the chromatograms.
#pragma once

#include <string_view>

#include "calc/CalcContext.h"

// Whether the component is listed among the context's conditionally constant components (exact
// comparison of the identifier).
bool IsConditionallyConstant(const CalcContext& context, std::u16string_view componentId);

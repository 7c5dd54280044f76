// The methane-number stage with the library binding passed in, so that the stage can also be run against
// a stand-in of the library.
#pragma once

#include <cstdint>

#include "calc/CalcContext.h"
#include "calc/bindings/Gost34704Binding.h"

// RunMethaneNumber with the given binding. A binding that is not loaded leaves the methane numbers 0 and
// the lists empty.
int32_t RunMethaneNumberWith(CalcContext& context, const Gost34704Binding& library);

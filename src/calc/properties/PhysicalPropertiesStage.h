// The physical-properties stage with the library binding passed in, so that the stage can also be run
// against a stand-in of the library.
#pragma once

#include <cstdint>

#include "calc/CalcContext.h"
#include "calc/bindings/Gost6976Binding.h"

// The standard reference pressure of the combustion and metering conditions of GOST 31369-2021, kPa.
inline constexpr double kPropertyReferencePressureKPa = 101.325;
// The results are valid only for a compressibility factor above this (GOST 31369-2021, clause 1).
inline constexpr double kMinimumCompressionFactor = 0.9;

// RunPhysicalProperties with the given binding. A binding that is not loaded leaves every value 0,
// which the validity limit on the compressibility factor then reports.
int32_t RunPhysicalPropertiesWith(CalcContext& context, const Gost6976Binding& library);

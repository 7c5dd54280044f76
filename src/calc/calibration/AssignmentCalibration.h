// Calibration of one mixture assignment by methods В1 and В2 of GOST 31371.7-2020: a calibration line
// per component from five calibration chromatograms of each of two reference mixtures.
#pragma once

#include <cstdint>
#include <string_view>

#include "calc/CalcContext.h"

// Appends (or replaces) the results of the components the assignment covers: every component when it
// is the general assignment (empty component, only components without a result yet), else its own
// component. Needs at least five calibration chromatograms of each mixture (message 112, -1 otherwise);
// a mixture without an acceptable window of five gets message 207 and its components are judged by the
// repeatability of their areas alone. Adds the chromatograms used to calibrationAssays. Returns 0 or -1.
// Raises DataBase::SqlException.
int32_t CalibrateAssignment(CalcContext& context, bool c6plusMode, std::u16string_view firstMixture,
                            std::u16string_view secondMixture, const ComponentMixtures& assignment);

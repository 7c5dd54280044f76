// Control of the calibration (GOST 31371.7-2020) by the control chromatograms of one reference mixture:
// the concentration the finished calibration gives for the mean control area must lie close enough to
// the certified concentration.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calc/CalcContext.h"

// Controls the components the assignment covers (its own component, or for the general assignment every
// component not in componentsWithOwnAssignment) with the first window of three control chromatograms of
// the mixture whose areas pass the library's ControlCheck (else the last window with areas). Writes
// crate, cnorm, crrng, cvrng and isok of each controlled calibration result; message 291 for each that
// fails, 305 with fewer than three control chromatograms. Returns whether the control passed.
// Raises DataBase::SqlException.
bool ControlMixture(CalcContext& context, bool c6plusMode, std::u16string_view mixtureName,
                    const ComponentMixtures& assignment,
                    const std::vector<std::u16string>& componentsWithOwnAssignment);

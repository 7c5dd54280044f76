// Hand-made calculation contexts for the export tests, with the reference-mixture compositions and the
// local date texts the writers would otherwise read from the host database and the system.
#pragma once

#include <string>
#include <string_view>

#include "calc/CalcContext.h"
#include "output/ExportHost.h"

// Method А, laboratory chromatograph with two analysis chromatograms, the view settings at their
// defaults, every section on: chromatograms of every role (one loaded but not used), two calibration
// rows, two component rows (one below its lower limit), all physical properties (one without
// uncertainty, one not a number), three mixture assignments, a journal with quotes, a backslash, a
// message of two lines and an unknown category.
CalcContext MethodAContext();

// Method В2 with control, process chromatograph with one analysis chromatogram, methane by
// normalisation, every column shown, some with fixed decimals, only the ideal-gas rows hidden, values
// in kcal/m³ shown; only the calibration, components, calculation and settings sections on.
CalcContext MethodC2Context();

// Method Б with every optional column and row hidden, fixed decimals for K and the methane numbers,
// unknown codes for the method, the temperatures and the device type; mixtures and journal off.
CalcContext HiddenViewsContext();

// Names with quotes, "<&>", "%s" and control characters, values that are not numbers, infinite, zero
// or tiny, and a time outside the calendar span.
CalcContext HostileContext();

// The compositions of the mixtures named in the contexts above and the local texts of their times.
ExportSources FixedSources();

// The content of a golden file, empty (and a test failure) when it cannot be read.
std::string ReadGolden(std::string_view name);

// Correction of peak areas for the atmospheric pressure at which a chromatogram was run (GOST 31371.7-2020
// through the calculation library: the factor of the pressure and the corrected area).
#pragma once

#include <cstdint>

struct HostSources;

// The correction as the caller supplies it: the switch "Tarvel/clcPressure" and the library's two
// functions, both required (the loaders correct every area, with the factor 1.0 when the switch is
// off); they may raise, for a library that cannot be loaded.
struct AreaCorrection {
    bool pressureOn = false;
    double (*pressureFactor)(double pressureKPa) = nullptr; // for a pressure above zero
    double (*correctedArea)(double area, double factor) = nullptr;
};

// 1.0 when the correction is off. When it is on: the assay's atmospheric pressure (kPa; NULL reads 0)
// gives the library's factor, or 1.0 when the pressure is not above 2^-52 or the assay does not exist.
// Several rows (a host table without a unique id) leave the factor of the last one.
double AssayPressureFactor(const HostSources& sources, int64_t assayId, const AreaCorrection& correction);

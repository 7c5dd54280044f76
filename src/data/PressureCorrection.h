// Correction of peak areas for the atmospheric pressure at which a chromatogram was run (GOST 31371.7-2020
// through the calculation library: the factor of the pressure and the corrected area).
#pragma once

#include <cstdint>

namespace DataBase {
class Reader;
}

// 1.0 when the correction is off. When it is on: the assay's atmospheric pressure (kPa; NULL reads 0)
// gives the library's factor, or 1.0 when the pressure is not above 2^-52 or the assay does not exist.
// Several rows (a host table without a unique id) leave the factor of the last one.
double AssayPressureFactor(DataBase::Reader& reader, int64_t assayId, bool correctionOn);

// The area corrected by the library with the factor of its chromatogram.
// Both raise CalculationLibraryMissing when the library is needed and missing.
double CorrectedArea(double area, double factor);

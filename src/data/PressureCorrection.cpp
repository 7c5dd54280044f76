#include "data/PressureCorrection.h"

#include "calc/bindings/Gost31371Binding.h"
#include "calc/bindings/LibraryLoading.h"
#include "data/DataBaseReader.h"
#include "data/SqlTexts.h"

namespace {
constexpr double kZeroTolerance = 2.220446049250313e-16; // 2^-52: a double not above it counts as zero
} // namespace

double AssayPressureFactor(DataBase::Reader& reader, int64_t assayId, bool correctionOn) {
    double factor = 1.0;
    if (!correctionOn) {
        return factor;
    }
    DataBase::Statement& statement = reader.Prepare(HostSql::kAssayPressure);
    statement.BindAssayId(1, assayId);
    while (statement.Step()) {
        const double pressureKPa = statement.ColumnDouble(0);
        // Written as "not above" so that a NaN pressure, like zero, leaves the areas as they are.
        if (!(pressureKPa > kZeroTolerance)) {
            factor = 1.0;
            continue;
        }
        factor = RequireEntry(Gost31371().CalcRQRate, kGost31371Library)(pressureKPa, 20.0);
    }
    return factor;
}

double CorrectedArea(double area, double factor) {
    return RequireEntry(Gost31371().CalcNormArea, kGost31371Library)(area, factor);
}

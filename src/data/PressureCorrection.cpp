#include "data/PressureCorrection.h"

#include <sqlite3.h>

#include "calc/bindings/Gost31371Binding.h"
#include "data/DataBaseStatement.h"
#include "data/SqlException.h"
#include "data/SqlTexts.h"

namespace {
constexpr double kZeroTolerance = 2.220446049250313e-16; // 2^-52: a double not above it counts as zero

[[noreturn]] void RaiseLibraryMissing() {
    // Reported through the database exception because the loaders' callers catch exactly that type,
    // and a chromatogram whose areas cannot be corrected cannot be read.
    throw DataBase::SqlException("the GOST 31371.7-2020 calculation library is not available", std::string(),
                                 SQLITE_ERROR);
}
} // namespace

double AssayPressureFactor(DataBase::Handle& handle, int64_t assayId, bool correctionOn) {
    double factor = 1.0;
    if (!correctionOn) {
        return factor;
    }
    DataBase::Statement statement(handle, HostSql::kAssayPressure);
    statement.BindAssayId(1, assayId);
    while (statement.Step()) {
        const double pressureKPa = statement.ColumnDouble(0);
        // Written as "not above" so that a NaN pressure, like zero, leaves the areas as they are.
        if (!(pressureKPa > kZeroTolerance)) {
            factor = 1.0;
            continue;
        }
        const auto rqRate = Gost31371().CalcRQRate;
        if (rqRate == nullptr) {
            RaiseLibraryMissing();
        }
        factor = rqRate(pressureKPa, 20.0);
    }
    return factor;
}

double CorrectedArea(double area, double factor) {
    const auto normArea = Gost31371().CalcNormArea;
    if (normArea == nullptr) {
        RaiseLibraryMissing();
    }
    return normArea(area, factor);
}

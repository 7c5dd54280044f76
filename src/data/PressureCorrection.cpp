#include "data/PressureCorrection.h"

#include "data/DataBaseReader.h"
#include "data/SqlTexts.h"
#include "data/ZeroTolerance.h"

double AssayPressureFactor(DataBase::Reader& reader, int64_t assayId, const AreaCorrection& correction) {
    double factor = 1.0;
    if (!correction.pressureOn) {
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
        factor = correction.pressureFactor(pressureKPa);
    }
    return factor;
}

#include "calc/composition/LowerLimits.h"

#include <algorithm>

#include "calc/MethodTable.h"
#include "calc/calibration/MethodTableRanges.h"

bool IsMethaneByDifference(const CalcSettings& settings, const ComponentResult& row) {
    return settings.clcMethaneDiff && row.id == u"methane";
}

bool IsBelowLowerLimit(const ComponentResult& row) {
    return row.molarFraction < row.lowerLimit;
}

void AssignLowerLimits(const CalcSettings& settings, std::vector<ComponentResult>& table) {
    const MethodTable method = MethodTableOf(settings.clbrCalcMethod);
    const bool extendedRange = settings.ExtendedRangeByMethodA();
    const MethodTable methodA = extendedRange ? MethodTableOf(kMethodA) : MethodTable{};
    for (ComponentResult& row : table) {
        if (row.fixed || IsMethaneByDifference(settings, row)) {
            continue;
        }
        const ComponentMeasuringRange range = MeasuringRangeOf(method.rows, method.rowCount, row.id);
        row.lowerLimit = range.found ? range.lowerMolPct : 0.0;
        if (!extendedRange) {
            continue;
        }
        const ComponentMeasuringRange rangeA = MeasuringRangeOf(methodA.rows, methodA.rowCount, row.id);
        if (rangeA.found) {
            row.lowerLimit = std::min(row.lowerLimit, rangeA.lowerMolPct);
        }
    }
}

// The start of every calculation run: the results and the journal of the previous run are cleared, so
// that they never mix with the new ones; the inputs stay. What loading the settings found opens the
// journal of the first run after it.
#include <algorithm>
#include <iterator>
#include <utility>

#include "calc/Stages.h"
#include "calc/Status.h"
#include "calc/journal/ContextJournal.h"

int32_t ResetRun(CalcContext& context) {
    ClearJournal(context);
    context.journal.entries = std::move(context.loadingJournal.entries);
    context.loadingJournal.entries.clear();

    context.calibrationKind = context.settings.clbrCalcMethod;
    context.calibrationOk = true;
    context.calibration.clear();
    context.calibrationAssays.clear();
    context.stability = CalibrationStability{};

    context.measurements.clear();
    context.components.clear();
    context.components2.clear();

    std::fill(std::begin(context.properties.value), std::end(context.properties.value), 0.0);
    std::fill(std::begin(context.propertiesU.value), std::end(context.propertiesU.value), 0.0);
    context.methaneNumber = NoMethaneNumber();
    context.methaneNumberLists = MethaneNumberLists{};
    return Status::Ok;
}

// Methods В1 and В2 of GOST 31371.7-2020: the two reference mixtures of a calibration line must bracket
// the analysed gas. For every measured component, the range of the gas its fraction falls in fixes the
// range the certified fraction of the first (or second) mixture must have.
#include <vector>

#include "calc/ContextLoading.h"
#include "calc/Stages.h"
#include "calc/calibration/NonLinearComponents.h"
#include "calc/checks/CalibrationRangeTable.h"
#include "calc/journal/ContextJournal.h"
#include "data/AliasLookup.h"
#include "data/MixtureLookup.h"
#include "text/StringIds.gen.h"

namespace {

// The component's calibration line for the low range: the first result whose two mixtures both lie in
// 0.005 to 0.025 mol %.
const CalibrationResult* FindLowRangeLine(const CalcContext& context, std::u16string_view componentId) {
    for (const CalibrationResult& result : context.calibration) {
        if (result.component == componentId && InLowRange(result.conc1) && InLowRange(result.conc2)) {
            return &result;
        }
    }
    return nullptr;
}

// A component calibrated with a low-range line has two pairs of mixtures: the low-range pair answers for
// a gas whose peak lies within the low line's range, the higher pair for a gas above it. A mixture is
// judged only against the gas its pair serves.
bool MixtureServesTheGas(const CalcContext& context, const ComponentResult& row, double certifiedMolPct) {
    const CalibrationResult* lowLine = FindLowRangeLine(context, row.id);
    if (lowLine == nullptr) {
        return false;
    }
    const bool higherMixture = !InLowRange(certifiedMolPct);
    const bool higherGas = row.area > lowLine->inka * kLowRangeUpperMolPct + lowLine->inkb;
    return higherMixture == higherGas;
}

} // namespace

bool CheckMixtureRanges(CalcContext& context, const std::u16string& mixtureName, int32_t which,
                        const ComponentMixtures& assignment) {
    std::vector<MixtureComponent> composition;
    if (!mixtureName.empty()) {
        LoadMixture(context, mixtureName, composition);
    }
    bool passed = true;
    for (const ComponentResult& row : context.components) {
        if (row.id == u"methane") {
            continue;
        }
        if (!assignment.component.empty() && row.id != assignment.component) {
            continue;
        }
        if (row.fixed || row.molarFraction < row.lowerLimit) {
            continue;
        }
        const MixtureConcentration certified = FindMixtureConcentration(composition, row.id);
        if (!certified.found) {
            continue;
        }
        const double c = certified.concentration;
        if (IsNonLinearComponent(context.settings, row.id) && !MixtureServesTheGas(context, row, c)) {
            continue;
        }
        const std::u16string displayName = DisplayNameForComponent(context.aliases, row.id);
        const CalibrationRangeRow* range = FindCalibrationRangeRow(row.id, row.molarFraction);
        if (range == nullptr) {
            AddMessage(context, JournalCategory::Calib, StringId::ComponentNotInMixtureRangeTable,
                       {displayName});
            passed = false;
            continue;
        }
        const DigitRange& required = which == 0 ? range->firstMixture : range->secondMixture;
        if (!LiesInRange(c, required)) {
            AddMessage(context, JournalCategory::Calib, StringId::MixtureComponentOutOfGasRange,
                       {mixtureName, displayName, c, required.lowerMolPct, required.upperMolPct});
            passed = false;
        }
    }
    return passed;
}

// Methods А and Б of GOST 31371.7-2020 calibrate every component at one point, the certified fraction
// of one reference mixture; the mixture must be close enough to the analysed gas for that component
// (the rule of the calculation library's CheckMoleFactor). A component whose mixture does not suit the
// gas loses its uncertainty: its result is not stated with an assessed uncertainty.
#include <vector>

#include "calc/ContextLoading.h"
#include "calc/Stages.h"
#include "calc/Status.h"
#include "calc/bindings/Gost31371Binding.h"
#include "calc/journal/ContextJournal.h"
#include "data/AliasLookup.h"
#include "data/MixtureLookup.h"
#include "text/StringIds.gen.h"

namespace {

bool IsOneMixtureMethod(int32_t method) {
    return method == static_cast<int32_t>(CalibrationMethod::A) ||
           method == static_cast<int32_t>(CalibrationMethod::B);
}

const ComponentMixtures* FirstGeneralAssignment(const CalcContext& context) {
    for (const ComponentMixtures& assignment : context.mixtures) {
        if (assignment.component.empty()) {
            return &assignment;
        }
    }
    return nullptr;
}

struct MoleFactorCheck {
    bool suits = false;
    double lowerMolPct = 0.0; // permitted range of the certified fraction
    double upperMolPct = 0.0;
};

// Without the library the mixture cannot be shown to suit the gas: the component fails with an empty
// permitted range, as the library itself answers a question it cannot judge.
MoleFactorCheck CheckMoleFactorOf(double gasMolPct, double certifiedMolPct) {
    MoleFactorCheck check;
    const Gost31371Binding& library = Gost31371();
    if (library.CheckMoleFactor == nullptr) {
        return check;
    }
    check.suits = library.CheckMoleFactor(gasMolPct, certifiedMolPct, &check.lowerMolPct, &check.upperMolPct);
    return check;
}

} // namespace

int32_t CheckMixtureAgainstGas(CalcContext& context) {
    if (!context.settings.clcMixtureConformity || !IsOneMixtureMethod(context.settings.clbrCalcMethod)) {
        return Status::Ok;
    }
    const ComponentMixtures* assignment = FirstGeneralAssignment(context);
    if (assignment == nullptr) {
        return Status::Ok;
    }
    const std::u16string mixtureName = assignment->first;
    std::vector<MixtureComponent> composition;
    LoadMixture(context, mixtureName, composition);
    bool passed = true;
    for (ComponentResult& row : context.components) {
        if (row.id == u"methane" || row.fixed) {
            continue;
        }
        const MixtureConcentration certified = FindMixtureConcentration(composition, row.id);
        if (!certified.found) {
            continue;
        }
        const double x = row.molarFraction;
        if (x < row.lowerLimit) {
            continue;
        }
        const MoleFactorCheck check = CheckMoleFactorOf(x, certified.concentration);
        if (!check.suits) {
            row.uncertainty = 0.0;
            AddMessage(context, JournalCategory::Mix, StringId::CalibrationMixtureDoesNotSuitGas,
                       {mixtureName, DisplayNameForComponent(context.aliases, row.id),
                        certified.concentration, check.lowerMolPct, check.upperMolPct});
            passed = false;
        }
    }
    if (!passed && context.settings.clcMethaneDiff) {
        // Methane by difference takes its uncertainty from all the others, one of which is now unknown.
        for (ComponentResult& row : context.components) {
            if (row.id == u"methane") {
                row.uncertainty = 0.0;
            }
        }
    }
    return passed ? Status::Ok : Status::Failed;
}

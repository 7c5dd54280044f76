#include "results/TableView.h"

#include "calc/CalcContext.h"

TableView MakeTableView(const CalcContext& context, TableReader reader) {
    return TableView{context.settings, IsTwoMixtureMethod(context.calibrationKind), reader};
}

namespace {
bool Holds(ShownWhen when, const TableView& view) {
    const CalcSettings& settings = view.settings;
    switch (when) {
    case ShownWhen::Always:
        return true;
    case ShownWhen::OneMixture:
        return !view.twoMixtures;
    case ShownWhen::TwoMixtures:
        return view.twoMixtures;
    case ShownWhen::ControlledTwoMixtures:
        return view.twoMixtures && settings.clbrControl;
    case ShownWhen::MethaneNormalised:
        return !settings.MethaneByDifference();
    case ShownWhen::Laboratory:
        return settings.LaboratoryChromatograph();
    case ShownWhen::ControlledResult:
        return view.reader == TableReader::Page || settings.clcControl;
    case ShownWhen::IdealGas:
        return settings.viewCalculationPerfectGas;
    case ShownWhen::Never:
        return false;
    }
    return false;
}
} // namespace

bool IsShown(ShownWhen when, bool CalcSettings::*show, const TableView& view) {
    return Holds(when, view) && (show == nullptr || view.settings.*show);
}

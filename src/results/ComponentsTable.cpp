#include "results/ComponentsTable.h"

#include <array>

#include "calc/rounding/Rounding.h"
#include "data/AliasLookup.h"
#include "text/StringTable.h"

namespace {

using R = ComponentResult;
using S = CalcSettings;
using W = ShownWhen;
using T = ComponentText;
constexpr GostRule kUncertainty = GostRule::Uncertainty;

const std::array<ComponentsTableColumn, 15> kColumns = {{
    {StringId::ComponentsColumnTime, "time", "time", &R::time, T::View, kUncertainty, W::Always,
     &S::viewComponentsShowTime, &S::viewComponentsGostTime, &S::viewComponentsScaleTime, true},
    {StringId::ComponentsColumnArea, "area", "area", &R::area, T::View, kUncertainty, W::Always,
     &S::viewComponentsShowArea, &S::viewComponentsGostArea, &S::viewComponentsScaleArea, true},
    {StringId::ComponentsColumnHeight, "height", "height", &R::height, T::View, kUncertainty, W::Always,
     &S::viewComponentsShowHeight, &S::viewComponentsGostHeight, &S::viewComponentsScaleHeight, true},
    // Without methane by difference the fractions are normalised, and the values before it are shown.
    {StringId::ComponentsColumnRawConcentration, "bconc", "bconc", &R::rawFraction, T::RawFraction,
     GostRule::ByUncertainty, W::MethaneNormalised, &S::viewComponentsShowBaseConc,
     &S::viewComponentsGostBaseConc, &S::viewComponentsScaleBaseConc, true},
    {StringId::ComponentsColumnConcMol, "conc", "concmol", &R::molarFraction, T::MolarFraction,
     GostRule::ByUncertainty, W::Always, &S::viewComponentsShowConcMol, &S::viewComponentsGostConcMol,
     &S::viewComponentsScaleConcMol, true},
    {StringId::ComponentsColumnReference, "mix", "concmix", &R::referenceValue, T::Reference, kUncertainty,
     W::ControlledResult, &S::viewComponentsShowMixture, nullptr, nullptr, false},
    {StringId::ComponentsColumnUncertainty, "uconc", "uconcmol", &R::uncertainty, T::View, kUncertainty,
     W::Always, &S::viewComponentsShowConcMol, &S::viewComponentsGostConcMol, &S::viewComponentsScaleConcMol,
     true},
    {StringId::ComponentsColumnConcVol, "concvol", "concvol", &R::volumeFraction, T::View, kUncertainty,
     W::Always, &S::viewComponentsShowConcVol, &S::viewComponentsGostConcVol, &S::viewComponentsScaleConcVol,
     true},
    // The uncertainties of the volume and mass fractions are not computed: the page keeps their columns
    // hidden and empty.
    {StringId::ComponentsColumnConcVolUncertainty, "", "", nullptr, T::Empty, kUncertainty, W::Never, nullptr,
     nullptr, nullptr, false},
    {StringId::ComponentsColumnConcMass, "concmass", "concmass", &R::massFraction, T::View, kUncertainty,
     W::Always, &S::viewComponentsShowConcMass, &S::viewComponentsGostConcMass,
     &S::viewComponentsScaleConcMass, true},
    {StringId::ComponentsColumnConcMassUncertainty, "", "", nullptr, T::Empty, kUncertainty, W::Never,
     nullptr, nullptr, nullptr, false},
    // The acceptability of two measurements and the second measurement exist only on a laboratory
    // chromatograph.
    {StringId::ComponentsColumnDifference, "diff", "diff", &R::difference, T::View, kUncertainty,
     W::Laboratory, &S::viewComponentsShowDiff, &S::viewComponentsGostDiff, &S::viewComponentsScaleDiff,
     true},
    {StringId::ComponentsColumnAcceptLimit, "limit", "limit", &R::acceptLimit, T::View, kUncertainty,
     W::Laboratory, &S::viewComponentsShowDiff, &S::viewComponentsGostDiff, &S::viewComponentsScaleDiff,
     true},
    {StringId::ComponentsColumnX1, "x1", "x1", &R::x1, T::View, kUncertainty, W::Always,
     &S::viewComponentsShowX1X2, &S::viewComponentsGostX1X2, &S::viewComponentsScaleX1X2, true},
    {StringId::ComponentsColumnX2, "x2", "x2", &R::x2, T::View, kUncertainty, W::Laboratory,
     &S::viewComponentsShowX1X2, &S::viewComponentsGostX1X2, &S::viewComponentsScaleX1X2, true},
}};

} // namespace

std::span<const ComponentsTableColumn> ComponentsTable() {
    return kColumns;
}

bool IsShown(const ComponentsTableColumn& column, const TableView& view) {
    return IsShown(column.when, column.show, view);
}

std::u16string CellText(const ComponentsTableColumn& column, const ComponentResult& row,
                        const CalcSettings& settings) {
    switch (column.text) {
    case ComponentText::Empty:
        return std::u16string();
    case ComponentText::Reference:
        return ReferenceOrMissingText(row.*column.value, row.referenceDecimals);
    case ComponentText::MolarFraction:
        return MolarFractionText(row.*column.value, row.uncertainty, row.lowerLimit, settings.*column.gost,
                                 settings.*column.scale);
    case ComponentText::View:
    case ComponentText::RawFraction:
        break;
    }
    return ViewRuleText(row.*column.value, row.uncertainty, settings.*column.gost, settings.*column.scale,
                        column.rule);
}

std::u16string ExportText(const ComponentsTableColumn& column, const ComponentResult& row,
                          const CalcSettings& settings) {
    if (column.text != ComponentText::RawFraction) {
        return CellText(column, row, settings);
    }
    const double value = row.*column.value;
    return settings.*column.gost ? GostRuleText(column.rule, value, row.uncertainty)
                                 : FormatFixed(value, settings.*column.scale);
}

std::u16string MarkedComponentName(const AliasList& aliases, const ComponentResult& row) {
    std::u16string name = DisplayNameForComponent(aliases, row.id);
    if (IsBelowPropertiesThreshold(row.molarFraction)) {
        name += kExcludedComponentMark;
    }
    return name;
}

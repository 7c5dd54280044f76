#include "ui/models/ComponentsPageModel.h"

#include "calc/CalcContext.h"
#include "calc/rounding/Rounding.h"
#include "data/AliasLookup.h"
#include "output/report/ReportValues.h"
#include "text/StringTable.h"

namespace {

// A laboratory chromatograph measures each sample twice: the acceptability of the pair and the second
// measurement exist only there.
bool IsLaboratoryChromatograph(const CalcSettings& view) {
    return view.clcDeviceType == 0;
}

std::u16string NameText(const CalcContext& context, const ComponentResult& row) {
    std::u16string name = DisplayNameForComponent(context.aliases, row.id);
    if (IsBelowPropertiesThreshold(row.molarFraction)) {
        name += kExcludedComponentMark;
    }
    return name;
}

std::u16string ReferenceText(const ComponentResult& row) {
    return IsMissingValue(row.referenceValue) ? std::u16string(kMissingValueText)
                                              : FormatReference(row.referenceValue, row.referenceDecimals);
}

std::vector<std::u16string> RowCells(const CalcContext& context, const ComponentResult& row) {
    const CalcSettings& v = context.settings;
    return {
        NameText(context, row),
        ViewRuleText(row.time, 0.0, v.viewComponentsGostTime, v.viewComponentsScaleTime, &UncertaintyRule),
        ViewRuleText(row.area, 0.0, v.viewComponentsGostArea, v.viewComponentsScaleArea, &UncertaintyRule),
        ViewRuleText(row.height, 0.0, v.viewComponentsGostHeight, v.viewComponentsScaleHeight,
                     &UncertaintyRule),
        ViewRuleText(row.rawFraction, row.uncertainty, v.viewComponentsGostBaseConc,
                     v.viewComponentsScaleBaseConc, &ByUncertaintyRule),
        // Below the lower limit of its measuring range a molar fraction is no result: the limit is shown
        // in its place, whatever the view settings.
        MolarFractionText(row.molarFraction, row.uncertainty, row.lowerLimit, v.viewComponentsGostConcMol,
                          v.viewComponentsScaleConcMol),
        ReferenceText(row),
        ViewRuleText(row.uncertainty, 0.0, v.viewComponentsGostConcMol, v.viewComponentsScaleConcMol,
                     &UncertaintyRule),
        ViewRuleText(row.volumeFraction, 0.0, v.viewComponentsGostConcVol, v.viewComponentsScaleConcVol,
                     &UncertaintyRule),
        std::u16string(),
        ViewRuleText(row.massFraction, 0.0, v.viewComponentsGostConcMass, v.viewComponentsScaleConcMass,
                     &UncertaintyRule),
        std::u16string(),
        ViewRuleText(row.difference, 0.0, v.viewComponentsGostDiff, v.viewComponentsScaleDiff,
                     &UncertaintyRule),
        ViewRuleText(row.acceptLimit, 0.0, v.viewComponentsGostDiff, v.viewComponentsScaleDiff,
                     &UncertaintyRule),
        ViewRuleText(row.x1, 0.0, v.viewComponentsGostX1X2, v.viewComponentsScaleX1X2, &UncertaintyRule),
        ViewRuleText(row.x2, 0.0, v.viewComponentsGostX1X2, v.viewComponentsScaleX1X2, &UncertaintyRule),
    };
}

} // namespace

PageTable BuildComponentsPage(const CalcContext& context) {
    const CalcSettings& v = context.settings;
    const bool laboratory = IsLaboratoryChromatograph(v);

    PageTable page;
    page.columns = {
        MakePageColumn(StringId::ComponentsColumnComponent, true),
        MakePageColumn(StringId::ComponentsColumnTime, v.viewComponentsShowTime),
        MakePageColumn(StringId::ComponentsColumnArea, v.viewComponentsShowArea),
        MakePageColumn(StringId::ComponentsColumnHeight, v.viewComponentsShowHeight),
        // Without methane by difference the fractions are normalised, and the values before it are shown.
        MakePageColumn(StringId::ComponentsColumnRawConcentration,
                       v.viewComponentsShowBaseConc && !v.clcMethaneDiff),
        MakePageColumn(StringId::ComponentsColumnConcMol, v.viewComponentsShowConcMol),
        MakePageColumn(StringId::ComponentsColumnReference, v.viewComponentsShowMixture),
        MakePageColumn(StringId::ComponentsColumnUncertainty, v.viewComponentsShowConcMol),
        MakePageColumn(StringId::ComponentsColumnConcVol, v.viewComponentsShowConcVol),
        MakePageColumn(StringId::ComponentsColumnConcVolUncertainty, false),
        MakePageColumn(StringId::ComponentsColumnConcMass, v.viewComponentsShowConcMass),
        MakePageColumn(StringId::ComponentsColumnConcMassUncertainty, false),
        MakePageColumn(StringId::ComponentsColumnDifference, laboratory && v.viewComponentsShowDiff),
        MakePageColumn(StringId::ComponentsColumnAcceptLimit, laboratory && v.viewComponentsShowDiff),
        MakePageColumn(StringId::ComponentsColumnX1, v.viewComponentsShowX1X2),
        MakePageColumn(StringId::ComponentsColumnX2, laboratory && v.viewComponentsShowX1X2),
    };
    for (const ComponentResult& row : context.components) {
        page.rows.push_back(RowCells(context, row));
        page.rowMarks.push_back(row.accepted ? 1 : 0);
    }
    return page;
}

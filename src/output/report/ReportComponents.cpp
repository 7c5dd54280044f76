// The component table of the report, column for column as the components page shows it, with the
// footnote on the components too small to enter the physical properties.
#include <array>

#include "calc/CalcContext.h"
#include "calc/rounding/Rounding.h"
#include "data/AliasLookup.h"
#include "output/report/ReportSections.h"
#include "output/report/ReportValues.h"
#include "text/StringTable.h"

namespace {

using R = ComponentResult;
using S = CalcSettings;

struct ComponentColumn {
    const char* element;
    uint32_t title;
    bool (*visible)(const CalcSettings& view);
    std::u16string (*text)(const ComponentResult& row, const CalcSettings& view);
};

// The laboratory chromatograph (two measurements per analysis) shows the acceptability of the pair and
// the second measurement; a process chromatograph has one measurement.
bool IsLaboratory(const CalcSettings& view) {
    return view.clcDeviceType == 0;
}

// In document order; "name" comes before them.
const std::array<ComponentColumn, 13> kColumns = {{
    {"time", StringId::ComponentsColumnTime, [](const S& v) { return v.viewComponentsShowTime; },
     [](const R& r, const S& v) {
         return ViewRuleText(r.time, 0.0, v.viewComponentsGostTime, v.viewComponentsScaleTime,
                             &UncertaintyRule);
     }},
    {"area", StringId::ComponentsColumnArea, [](const S& v) { return v.viewComponentsShowArea; },
     [](const R& r, const S& v) {
         return ViewRuleText(r.area, 0.0, v.viewComponentsGostArea, v.viewComponentsScaleArea,
                             &UncertaintyRule);
     }},
    {"height", StringId::ComponentsColumnHeight, [](const S& v) { return v.viewComponentsShowHeight; },
     [](const R& r, const S& v) {
         return ViewRuleText(r.height, 0.0, v.viewComponentsGostHeight, v.viewComponentsScaleHeight,
                             &UncertaintyRule);
     }},
    // Before normalisation: only meaningful when methane is not found by difference.
    {"bconc", StringId::ComponentsColumnRawConcentration,
     [](const S& v) { return !v.clcMethaneDiff && v.viewComponentsShowBaseConc; },
     [](const R& r, const S& v) {
         return ViewRuleText(r.rawFraction, r.uncertainty, v.viewComponentsGostBaseConc,
                             v.viewComponentsScaleBaseConc, &ByUncertaintyRule);
     }},
    {"concmol", StringId::ComponentsColumnConcMol, [](const S& v) { return v.viewComponentsShowConcMol; },
     [](const R& r, const S& v) {
         return MolarFractionText(r.molarFraction, r.uncertainty, r.lowerLimit, v.viewComponentsGostConcMol,
                                  v.viewComponentsScaleConcMol);
     }},
    // The certified fraction of the control mixture, when the result was controlled against one.
    {"concmix", StringId::ComponentsColumnReference,
     [](const S& v) { return v.clcControl && v.viewComponentsShowMixture; },
     [](const R& r, const S&) {
         return IsMissingValue(r.referenceValue) ? std::u16string(kMissingValueText)
                                                 : FormatReference(r.referenceValue, r.referenceDecimals);
     }},
    {"uconcmol", StringId::ComponentsColumnUncertainty,
     [](const S& v) { return v.viewComponentsShowConcMol; },
     [](const R& r, const S& v) {
         return ViewRuleText(r.uncertainty, 0.0, v.viewComponentsGostConcMol, v.viewComponentsScaleConcMol,
                             &UncertaintyRule);
     }},
    {"concvol", StringId::ComponentsColumnConcVol, [](const S& v) { return v.viewComponentsShowConcVol; },
     [](const R& r, const S& v) {
         return ViewRuleText(r.volumeFraction, 0.0, v.viewComponentsGostConcVol, v.viewComponentsScaleConcVol,
                             &UncertaintyRule);
     }},
    {"concmass", StringId::ComponentsColumnConcMass, [](const S& v) { return v.viewComponentsShowConcMass; },
     [](const R& r, const S& v) {
         return ViewRuleText(r.massFraction, 0.0, v.viewComponentsGostConcMass, v.viewComponentsScaleConcMass,
                             &UncertaintyRule);
     }},
    {"diff", StringId::ComponentsColumnDifference,
     [](const S& v) { return IsLaboratory(v) && v.viewComponentsShowDiff; },
     [](const R& r, const S& v) {
         return ViewRuleText(r.difference, 0.0, v.viewComponentsGostDiff, v.viewComponentsScaleDiff,
                             &UncertaintyRule);
     }},
    {"limit", StringId::ComponentsColumnAcceptLimit,
     [](const S& v) { return IsLaboratory(v) && v.viewComponentsShowDiff; },
     [](const R& r, const S& v) {
         return ViewRuleText(r.acceptLimit, 0.0, v.viewComponentsGostDiff, v.viewComponentsScaleDiff,
                             &UncertaintyRule);
     }},
    {"x1", StringId::ComponentsColumnX1, [](const S& v) { return v.viewComponentsShowX1X2; },
     [](const R& r, const S& v) {
         return ViewRuleText(r.x1, 0.0, v.viewComponentsGostX1X2, v.viewComponentsScaleX1X2,
                             &UncertaintyRule);
     }},
    {"x2", StringId::ComponentsColumnX2,
     [](const S& v) { return IsLaboratory(v) && v.viewComponentsShowX1X2; },
     [](const R& r, const S& v) {
         return ViewRuleText(r.x2, 0.0, v.viewComponentsGostX1X2, v.viewComponentsScaleX1X2,
                             &UncertaintyRule);
     }},
}};

} // namespace

void AddComponentsSection(ReportTree& tree, pugi::xml_node root, const CalcContext& context) {
    const CalcSettings& view = context.settings;
    pugi::xml_node section = AddElement(tree, root, "components");
    AddString(tree, section, "title", StringId::TabComponents);

    pugi::xml_node head = AddElement(tree, section, "head");
    AddString(tree, head, "name", StringId::ComponentsColumnComponent);
    for (const ComponentColumn& column : kColumns) {
        if (column.visible(view)) {
            AddString(tree, head, column.element, column.title);
        }
    }

    bool anyMarked = false;
    for (const ComponentResult& row : context.components) {
        pugi::xml_node body = AddElement(tree, section, "body");
        AddText(tree, body, "isok", row.accepted ? u"true" : u"false");
        std::u16string name = DisplayNameForComponent(context.aliases, row.id);
        if (IsBelowPropertiesThreshold(row.molarFraction)) {
            name += kExcludedComponentMark;
            anyMarked = true;
        }
        AddText(tree, body, "name", name);
        for (const ComponentColumn& column : kColumns) {
            if (column.visible(view)) {
                AddText(tree, body, column.element, column.text(row, view));
            }
        }
    }

    if (anyMarked) {
        pugi::xml_node footnote = AddElement(tree, section, "footnote");
        AddText(tree, footnote, "mark", kExcludedComponentMark);
        AddString(tree, footnote, "message", StringId::ReportFootnoteExcluded);
    }
}

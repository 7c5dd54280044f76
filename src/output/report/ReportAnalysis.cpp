// The chromatograms of the report: those of the list that took part in the last calculation (used by
// the calibration or taken into the composition), with the columns the chromatograms page shows.
#include <string_view>

#include "calc/CalcContext.h"
#include "output/ExportSelection.h"
#include "output/report/ReportSections.h"
#include "platform/LocalTime.h"
#include "results/ValueRules.h"
#include "text/StringTable.h"

namespace {

std::u16string_view RoleText(int32_t role) {
    switch (static_cast<AssayRole>(role)) {
    case AssayRole::Analysis:
        return LoadText(StringId::AssayRoleAnalysis);
    case AssayRole::Calibration:
        return LoadText(StringId::AssayRoleCalibration);
    case AssayRole::Control:
        return LoadText(StringId::AssayRoleControl);
    }
    return {};
}

} // namespace

void AddAnalysisSection(ReportTree& tree, pugi::xml_node root, const CalcContext& context) {
    const CalcSettings& view = context.settings;
    pugi::xml_node section = AddElement(tree, root, "analysis");
    AddString(tree, section, "title", StringId::TabChromatograms);

    pugi::xml_node head = AddElement(tree, section, "head");
    AddString(tree, head, "filename", StringId::AssayColumnFile);
    if (view.viewAnalysisShowUUID) {
        AddString(tree, head, "uuid", StringId::AssayColumnUuid);
    }
    if (view.viewAnalysisShowSample) {
        AddString(tree, head, "sample", StringId::AssayColumnSample);
    }
    if (view.viewAnalysisShowMixture) {
        AddString(tree, head, "mixture", StringId::AssayColumnMixture);
    }
    if (view.viewAnalysisShowDatetime) {
        AddString(tree, head, "datetime", StringId::AssayColumnTime);
    }
    AddString(tree, head, "type", StringId::AssayColumnType);
    if (view.viewAnalysisShowMethod) {
        AddString(tree, head, "method", StringId::AssayColumnMethod);
    }
    if (view.viewAnalysisShowAtmPressure) {
        AddString(tree, head, "atmpressure", StringId::AssayColumnAtmPressure);
    }

    for (const Assay& assay : context.assays) {
        if (!TookPartInLastCalculation(context, assay)) {
            continue;
        }
        pugi::xml_node body = AddElement(tree, section, "body");
        AddText(tree, body, "filename", FileNameOfPath(assay.filename));
        if (view.viewAnalysisShowUUID) {
            AddText(tree, body, "uuid", assay.uuid);
        }
        if (view.viewAnalysisShowSample) {
            AddText(tree, body, "sample", assay.sample);
        }
        if (view.viewAnalysisShowMixture) {
            AddText(tree, body, "mixture", assay.mixture);
        }
        if (view.viewAnalysisShowDatetime) {
            AddText(tree, body, "datetime", platform::ShortDateTimeText(assay.date));
        }
        AddText(tree, body, "type", RoleText(assay.role));
        if (view.viewAnalysisShowMethod) {
            AddText(tree, body, "method", assay.method);
        }
        if (view.viewAnalysisShowAtmPressure) {
            AddText(tree, body, "show_atmpressure",
                    FixedOrMissingText(assay.atmpressure, view.viewAnalysisScaleAtmPressure));
        }
    }
}

#include "ui/models/AssayListModel.h"

#include "calc/CalcContext.h"
#include "platform/LocalTime.h"
#include "results/ValueRules.h"
#include "text/StringTable.h"

namespace {

std::u16string RoleText(int32_t role) {
    switch (static_cast<AssayRole>(role)) {
    case AssayRole::Analysis:
        return std::u16string(LoadText(StringId::AssayRoleAnalysis));
    case AssayRole::Calibration:
        return std::u16string(LoadText(StringId::AssayRoleCalibration));
    case AssayRole::Control:
        return std::u16string(LoadText(StringId::AssayRoleControl));
    }
    return std::u16string();
}

std::u16string DateText(int64_t date) {
    return date != 0 ? platform::ShortDateTimeText(date) : std::u16string();
}

} // namespace

std::u16string FileNamePart(std::u16string_view path) {
    return std::u16string(FileNameOfPath(path));
}

PageTable BuildAssayList(const CalcContext& context) {
    const CalcSettings& view = context.settings;
    constexpr int32_t width = kAssayColumnWidthPixels;
    PageTable page;
    page.columns = {
        MakePageColumn(StringId::AssayColumnFile, true, width),
        MakePageColumn(StringId::AssayColumnUuid, view.viewAnalysisShowUUID, width),
        MakePageColumn(StringId::AssayColumnSample, view.viewAnalysisShowSample, width),
        MakePageColumn(StringId::AssayColumnMixture, view.viewAnalysisShowMixture, width),
        MakePageColumn(StringId::AssayColumnTime, view.viewAnalysisShowDatetime, width),
        MakePageColumn(StringId::AssayColumnType, true, width),
        MakePageColumn(StringId::AssayColumnMethod, view.viewAnalysisShowMethod, width),
        MakePageColumn(StringId::AssayColumnAtmPressure, view.viewAnalysisShowAtmPressure, width),
    };
    page.columns.back().rightAligned = true;
    for (const Assay& assay : context.assays) {
        page.rows.push_back({FileNamePart(assay.filename), assay.uuid, assay.sample, assay.mixture,
                             DateText(assay.date), RoleText(assay.role), assay.method,
                             FixedOrMissingText(assay.atmpressure, view.viewAnalysisScaleAtmPressure)});
        page.rowMarks.push_back(assay.included ? 1 : 0);
    }
    return page;
}

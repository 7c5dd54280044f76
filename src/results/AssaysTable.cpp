#include "results/AssaysTable.h"

#include <array>

#include "results/ValueRules.h"
#include "text/StringTable.h"

namespace {

using A = Assay;
using S = CalcSettings;
using T = AssayText;

const std::array<AssaysTableColumn, 8> kColumns = {{
    {StringId::AssayColumnFile, "filename", nullptr, "filename", "filename", T::FileName, &A::filename,
     nullptr, nullptr},
    {StringId::AssayColumnUuid, "uuid", nullptr, "uuid", "uuid", T::Stored, &A::uuid,
     &S::viewAnalysisShowUUID, nullptr},
    {StringId::AssayColumnSample, "sample", nullptr, "sample", "sample", T::Stored, &A::sample,
     &S::viewAnalysisShowSample, nullptr},
    {StringId::AssayColumnMixture, "mixture", nullptr, "mixture", "mixture", T::Stored, &A::mixture,
     &S::viewAnalysisShowMixture, nullptr},
    // The TXT key keeps the spelling its readers expect.
    {StringId::AssayColumnTime, "datetime", "DETETIME", "datetime", "datetime", T::DateTime, nullptr,
     &S::viewAnalysisShowDatetime, nullptr},
    {StringId::AssayColumnType, "type", nullptr, "type", "type", T::Role, nullptr, nullptr, nullptr},
    {StringId::AssayColumnMethod, "method", nullptr, "method", "method", T::Stored, &A::method,
     &S::viewAnalysisShowMethod, nullptr},
    // The report template reads the pressure of a row under another name than its header.
    {StringId::AssayColumnAtmPressure, "atmpressure", nullptr, "atmpressure", "show_atmpressure", T::Pressure,
     nullptr, &S::viewAnalysisShowAtmPressure, &S::viewAnalysisScaleAtmPressure},
}};

} // namespace

std::span<const AssaysTableColumn> AssaysTable() {
    return kColumns;
}

bool IsShown(const AssaysTableColumn& column, const TableView& view) {
    return IsShown(ShownWhen::Always, column.show, view);
}

std::u16string_view AssayRoleWord(int32_t role) {
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

std::u16string CellText(const AssaysTableColumn& column, const Assay& assay, const CalcSettings& settings,
                        const AssayReaderTexts& own) {
    switch (column.text) {
    case AssayText::Stored:
        return assay.*column.stored;
    case AssayText::FileName:
        return std::u16string(FileNameOfPath(assay.*column.stored));
    case AssayText::DateTime:
        return own.dateTime;
    case AssayText::Role:
        return std::u16string(own.role);
    case AssayText::Pressure:
        return FixedOrMissingText(assay.atmpressure, settings.*column.scale);
    }
    return std::u16string();
}

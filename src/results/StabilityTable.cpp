#include "results/StabilityTable.h"

#include <cmath>

#include "calc/rounding/FixedFormats.h"
#include "calc/rounding/MissingValue.h"
#include "text/Format.h"
#include "text/StringTable.h"

namespace {
constexpr StabilityTableColumn kColumns[] = {
    {StabilityColumn::Component, StringId::StabilityColumnComponent, "name"},
    {StabilityColumn::Current, StringId::StabilityColumnCurrent, "current"},
    {StabilityColumn::Centre, StringId::StabilityColumnCentre, "centre"},
    {StabilityColumn::ChangeFromPrevious, StringId::StabilityColumnChangePrevious, "fromprevious"},
    {StabilityColumn::ChangeFromCentre, StringId::StabilityColumnChangeCentre, "fromcentre"},
    {StabilityColumn::History, StringId::StabilityColumnHistory, "history"},
    {StabilityColumn::Status, StringId::StabilityColumnStatus, "status"},
};
constexpr int32_t kChangeDecimals = 2;

std::u16string ChangeText(double percent) {
    return std::isfinite(percent) ? FormatFixed(percent, kChangeDecimals) : std::u16string(kMissingValueText);
}
} // namespace

std::span<const StabilityTableColumn> StabilityTable() {
    return kColumns;
}

std::u16string StabilityValueText(double value) {
    if (IsMissingValue(value) || !std::isfinite(value)) {
        return std::u16string(kMissingValueText);
    }
    return FormatText(u"%.6g", {value});
}

std::u16string StabilityCellText(StabilityColumn column, const ComponentStability& row) {
    switch (column) {
    case StabilityColumn::Component:
        return row.component;
    case StabilityColumn::Current:
        return StabilityValueText(row.current);
    case StabilityColumn::Centre:
        return row.limits.valid ? StabilityValueText(row.limits.centre) : std::u16string(kMissingValueText);
    case StabilityColumn::ChangeFromPrevious:
        return ChangeText(row.changeFromPreviousPct);
    case StabilityColumn::ChangeFromCentre:
        return ChangeText(row.changeFromCentrePct);
    case StabilityColumn::History:
        return FormatText(u"%d", {static_cast<int>(row.limits.count)});
    case StabilityColumn::Status:
        return std::u16string(StabilityStatusText(row.judgement.status));
    }
    return {};
}

std::u16string_view StabilityStatusText(ChartStatus status) {
    switch (status) {
    case ChartStatus::InControl:
        return LoadText(StringId::StabilityStatusInControl);
    case ChartStatus::Warning:
        return LoadText(StringId::StabilityStatusWarning);
    case ChartStatus::Action:
        return LoadText(StringId::StabilityStatusAction);
    case ChartStatus::NotEnoughHistory:
        return LoadText(StringId::StabilityStatusNotEnoughHistory);
    }
    return {};
}

const char* StabilityStatusCode(ChartStatus status) {
    switch (status) {
    case ChartStatus::InControl:
        return "ok";
    case ChartStatus::Warning:
        return "warning";
    case ChartStatus::Action:
        return "action";
    case ChartStatus::NotEnoughHistory:
        return "none";
    }
    return "none";
}

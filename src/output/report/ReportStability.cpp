// The report's section "Стабильность градуировки": the stability table of the calibration and, for
// each component outside its warning limits, its chart laid out for the style sheet, which draws it as
// inline SVG (so it prints in any browser and both builds render it alike).
#include "calc/CalcContext.h"
#include "calc/rounding/FixedFormats.h"
#include "data/AliasLookup.h"
#include "output/report/ReportSections.h"
#include "results/StabilityChart.h"
#include "results/StabilityTable.h"
#include "text/Format.h"
#include "text/StringTable.h"

namespace {
// The report's charts: small, two to a row on an A4 sheet.
constexpr ChartFrame kReportChart{330.0, 150.0, 58.0, 8.0, 8.0, 20.0};
constexpr int32_t kCoordinateDecimals = 1;

std::u16string Coordinate(double value) {
    return FormatFixed(value, kCoordinateDecimals);
}

const char16_t* RuleKindCode(ChartRuleKind kind) {
    switch (kind) {
    case ChartRuleKind::Centre:
        return u"centre";
    case ChartRuleKind::Warning:
        return u"warning";
    case ChartRuleKind::Action:
        return u"action";
    }
    return u"centre";
}

void AddChart(ReportTree& tree, pugi::xml_node section, const CalcContext& context,
              const ComponentStability& component) {
    const StabilityChart chart = LayoutStabilityChart(component, kReportChart);
    const ChartFrame& frame = chart.frame;
    pugi::xml_node node = AddElement(tree, section, "chart");
    AddText(tree, node, "name", DisplayNameForComponent(context.aliases, component.component));
    AddText(tree, node, "width", Coordinate(frame.width));
    AddText(tree, node, "height", Coordinate(frame.height));
    AddText(tree, node, "left", Coordinate(frame.plotLeft()));
    AddText(tree, node, "top", Coordinate(frame.plotTop()));
    AddText(tree, node, "right", Coordinate(frame.plotRight()));
    AddText(tree, node, "bottom", Coordinate(frame.plotBottom()));
    for (const ChartRule& rule : chart.rules) {
        pugi::xml_node element = AddElement(tree, node, "rule");
        AddText(tree, element, "kind", RuleKindCode(rule.kind));
        AddText(tree, element, "y", Coordinate(rule.y));
        AddText(tree, element, "label", rule.label);
    }
    for (const ChartTick& tick : chart.valueTicks) {
        pugi::xml_node element = AddElement(tree, node, "vtick");
        AddText(tree, element, "y", Coordinate(tick.position));
        AddText(tree, element, "label", tick.label);
    }
    for (const ChartTick& tick : chart.dateTicks) {
        pugi::xml_node element = AddElement(tree, node, "dtick");
        AddText(tree, element, "x", Coordinate(tick.position));
        AddText(tree, element, "label", tick.label);
    }
    std::u16string line;
    for (const ChartMark& point : chart.points) {
        if (!line.empty()) {
            line += u' ';
        }
        line.append(Coordinate(point.x)).append(u",").append(Coordinate(point.y));
    }
    AddText(tree, node, "line", line);
    for (const ChartMark& point : chart.points) {
        pugi::xml_node element = AddElement(tree, node, "point");
        AddText(tree, element, "x", Coordinate(point.x));
        AddText(tree, element, "y", Coordinate(point.y));
        AddText(tree, element, "zone", FormatText(u"%d", {point.zone < 0 ? -point.zone : point.zone}));
        AddText(tree, element, "current", point.current ? u"true" : u"false");
        std::u16string label = point.date;
        label.append(u": ").append(point.value);
        AddText(tree, element, "label", label);
    }
}
} // namespace

void AddStabilitySection(ReportTree& tree, pugi::xml_node root, const CalcContext& context) {
    const CalibrationStability& stability = context.stability;
    if (!context.settings.clbrStabilityReport || !stability.read || stability.components.empty()) {
        return;
    }
    pugi::xml_node section = AddElement(tree, root, "stability");
    AddString(tree, section, "title", StringId::StabilityTitle);
    AddText(tree, section, "period",
            FormatText(LoadText(StringId::StabilityPeriod),
                       {stability.days, stability.calibrations, stability.leftOver}));
    AddString(tree, section, "quantity",
              StabilityOfLine(stability) ? StringId::StabilityQuantityResponse
                                         : StringId::StabilityQuantityFactor);
    pugi::xml_node head = AddElement(tree, section, "head");
    for (const StabilityTableColumn& column : StabilityTable()) {
        AddString(tree, head, column.element, column.headerId);
    }
    for (const ComponentStability& component : stability.components) {
        pugi::xml_node body = AddElement(tree, section, "body");
        const std::string state = StabilityStatusCode(component.judgement.status);
        AddText(tree, body, "state", std::u16string(state.begin(), state.end()));
        for (const StabilityTableColumn& column : StabilityTable()) {
            AddText(tree, body, column.element,
                    column.column == StabilityColumn::Component
                        ? DisplayNameForComponent(context.aliases, component.component)
                        : StabilityCellText(column.column, component));
        }
    }
    for (const ComponentStability& component : stability.components) {
        const ChartStatus status = component.judgement.status;
        if (status == ChartStatus::Warning || status == ChartStatus::Action) {
            AddChart(tree, section, context, component);
        }
    }
}

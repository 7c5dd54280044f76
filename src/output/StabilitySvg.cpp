#include "output/StabilitySvg.h"

#include "calc/rounding/FixedFormats.h"
#include "text/Utf.h"

namespace {
constexpr int32_t kCoordinateDecimals = 1;

std::string Number(double value) {
    return Utf16ToUtf8(FormatFixed(value, kCoordinateDecimals));
}

std::string Escaped(std::u16string_view text) {
    std::string out;
    for (const char c : Utf16ToUtf8(text)) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

const char* RuleColour(ChartRuleKind kind) {
    switch (kind) {
    case ChartRuleKind::Centre:
        return "#2e7d32";
    case ChartRuleKind::Warning:
        return "#ef6c00";
    case ChartRuleKind::Action:
        return "#c62828";
    }
    return "#000000";
}

// Appends the parts in order (std::string or C strings).
template <class... Parts>
void Put(std::string& out, const Parts&... parts) {
    (out.append(parts), ...);
}

const char* PointColour(int32_t zone) {
    return zone == 0 ? "#1565c0" : (zone == 1 || zone == -1) ? "#ef6c00" : "#c62828";
}
} // namespace

std::string StabilitySvg(const StabilityChart& chart, std::u16string_view title) {
    const ChartFrame& f = chart.frame;
    std::string svg = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    Put(svg, "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"", Number(f.width), "\" height=\"",
        Number(f.height), "\" viewBox=\"0 0 ", Number(f.width), " ", Number(f.height),
        "\" font-family=\"sans-serif\" font-size=\"9\">\n");
    Put(svg, "<title>", Escaped(title), "</title>\n");
    Put(svg, "<rect x=\"", Number(f.plotLeft()), "\" y=\"", Number(f.plotTop()), "\" width=\"",
        Number(f.plotRight() - f.plotLeft()), "\" height=\"", Number(f.plotBottom() - f.plotTop()),
        "\" fill=\"#ffffff\" stroke=\"#808080\"/>\n");
    for (const ChartRule& rule : chart.rules) {
        Put(svg, "<line x1=\"", Number(f.plotLeft()), "\" y1=\"", Number(rule.y), "\" x2=\"",
            Number(f.plotRight()), "\" y2=\"", Number(rule.y), "\" stroke=\"", RuleColour(rule.kind), "\"",
            rule.kind == ChartRuleKind::Centre ? "" : " stroke-dasharray=\"4 3\"", "/>\n");
    }
    for (const ChartTick& tick : chart.valueTicks) {
        Put(svg, "<text x=\"", Number(f.plotLeft() - 3.0), "\" y=\"", Number(tick.position + 3.0),
            "\" text-anchor=\"end\">", Escaped(tick.label), "</text>\n");
    }
    for (const ChartTick& tick : chart.dateTicks) {
        Put(svg, "<text x=\"", Number(tick.position), "\" y=\"", Number(f.plotBottom() + 12.0),
            "\" text-anchor=\"middle\">", Escaped(tick.label), "</text>\n");
    }
    if (!chart.points.empty()) {
        svg += "<polyline fill=\"none\" stroke=\"#90a4ae\" points=\"";
        for (size_t k = 0; k < chart.points.size(); ++k) {
            Put(svg, k == 0 ? "" : " ", Number(chart.points[k].x), ",", Number(chart.points[k].y));
        }
        svg += "\"/>\n";
    }
    for (const ChartMark& point : chart.points) {
        Put(svg, "<circle cx=\"", Number(point.x), "\" cy=\"", Number(point.y), "\" r=\"2.5\" fill=\"",
            PointColour(point.zone), "\"><title>", Escaped(point.date), ": ", Escaped(point.value),
            "</title></circle>\n");
        if (point.current) {
            Put(svg, "<circle cx=\"", Number(point.x), "\" cy=\"", Number(point.y),
                "\" r=\"5\" fill=\"none\" stroke=\"#000000\"/>\n");
        }
    }
    svg += "</svg>\n";
    return svg;
}

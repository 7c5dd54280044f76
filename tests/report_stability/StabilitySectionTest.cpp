// The report's "Стабильность градуировки" for a fixed history: the table's elements, the charts of the
// components outside their warning limits, the section's switch, and the SVG the style sheet draws.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <pugixml.hpp>

#include "calc/CalcContext.h"
#include "output/report/ReportDocument.h"
#include "platform/Platform.h"
#include "platform/TemplateFolder.h"
#include "platform/Xslt.h"
#include "text/Utf.h"

namespace {

constexpr int64_t kDay = 86400;
constexpr int64_t kFirst = 1709280000; // 2024-03-01 08:00 UTC

// propane: eight calibrations about 1.55e-5, the current one 3 % higher (action); ethane: in control;
// helium: only three earlier calibrations.
ComponentStability Chart(const char16_t* id, std::vector<double> history, double current) {
    ComponentStability chart;
    chart.component = id;
    for (size_t k = 0; k < history.size(); ++k) {
        chart.points.push_back({kFirst + static_cast<int64_t>(k) * kDay, history[k], 0, false});
    }
    chart.limits = LimitsOf(history);
    chart.points.push_back({kFirst + static_cast<int64_t>(history.size() + 1) * kDay, current, 0, true});
    std::vector<double> values = history;
    values.push_back(current);
    chart.judgement = JudgeLastPoint(chart.limits, values);
    for (StabilityPoint& point : chart.points) {
        point.zone = ZoneOf(chart.limits, point.value);
    }
    chart.current = current;
    chart.changeFromPreviousPct = RelativeChangePercent(current, history.back());
    chart.changeFromCentrePct =
        chart.limits.valid ? RelativeChangePercent(current, chart.limits.centre) : std::nan("");
    return chart;
}

CalcContext FixedHistory() {
    CalcContext context;
    CalibrationStability& stability = context.stability;
    stability.read = true;
    stability.method = 0;
    stability.days = 90;
    stability.calibrations = 8;
    stability.leftOver = 1;
    stability.components.push_back(Chart(
        u"ethane", {1.9531e-5, 1.9528e-5, 1.9540e-5, 1.9522e-5, 1.9535e-5, 1.9530e-5, 1.9526e-5, 1.9533e-5},
        1.9529e-5));
    stability.components.push_back(Chart(
        u"propane", {1.5552e-5, 1.5561e-5, 1.5548e-5, 1.5570e-5, 1.5559e-5, 1.5545e-5, 1.5566e-5, 1.5555e-5},
        1.6022e-5));
    stability.components.push_back(Chart(u"helium", {3.3331e-5, 3.3340e-5, 3.3329e-5}, 3.3335e-5));
    return context;
}

ReportSources Sources() {
    ReportSources sources;
    sources.generatedAt = 1710403200;
    return sources;
}

pugi::xml_node Section(pugi::xml_document& document, const CalcContext& context) {
    const std::string xml = BuildReportXml(context, Sources());
    EXPECT_TRUE(document.load_string(xml.c_str()));
    return document.child("root").child("stability");
}

std::vector<std::string> Texts(pugi::xml_node section, const char* element) {
    std::vector<std::string> texts;
    for (pugi::xml_node body : section.children("body")) {
        texts.emplace_back(body.child_value(element));
    }
    return texts;
}

TEST(StabilitySection, TableFollowsTheCalibrationWithAChartPerComponentOutsideItsWarningLimits) {
    pugi::xml_document document;
    const pugi::xml_node section = Section(document, FixedHistory());
    ASSERT_TRUE(section);
    EXPECT_STREQ(section.previous_sibling().name(), "calibration");
    EXPECT_STREQ(section.child_value("title"), "Стабильность градуировки");
    EXPECT_STREQ(section.child_value("period"),
                 "За 90 сут. до текущей градуировки: градуировок 8, хроматограмм вне полных градуировок 1.");
    EXPECT_EQ(Texts(section, "name"), (std::vector<std::string>{"Этан", "Пропан", "Гелий"}));
    EXPECT_EQ(Texts(section, "state"), (std::vector<std::string>{"ok", "action", "none"}));
    EXPECT_EQ(Texts(section, "current"),
              (std::vector<std::string>{"1.9529e-05", "1.6022e-05", "3.3335e-05"}));
    EXPECT_EQ(Texts(section, "centre"), (std::vector<std::string>{"1.95306e-05", "1.5557e-05", "\u2014"}));
    EXPECT_EQ(Texts(section, "fromprevious")[1], "3.00");
    EXPECT_EQ(Texts(section, "fromcentre")[2], "\u2014");
    EXPECT_EQ(Texts(section, "history"), (std::vector<std::string>{"8", "8", "3"}));
    EXPECT_EQ(
        Texts(section, "status"),
        (std::vector<std::string>{"в пределах", "выход за границы регулирования", "недостаточно истории"}));
    std::vector<std::string> charts;
    for (pugi::xml_node chart : section.children("chart")) {
        charts.emplace_back(chart.child_value("name"));
    }
    EXPECT_EQ(charts, std::vector<std::string>{"Пропан"});
}

TEST(StabilitySection, AbsentWhenSwitchedOffOrNotRead) {
    CalcContext context = FixedHistory();
    context.settings.clbrStabilityReport = false;
    pugi::xml_document off;
    EXPECT_FALSE(Section(off, context));
    context = FixedHistory();
    context.stability.read = false;
    pugi::xml_document unread;
    EXPECT_FALSE(Section(unread, context));
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST(StabilitySection, TheStyleSheetDrawsTheChartAsInlineSvg) {
    const std::u16string stylesheet = platform::ProgramDirectory() + u"Templates/FerrowReportTmpl.xsl";
    const std::u16string output = platform::TempDirectory() + u"stability-report-test.html";
    platform::XsltFailure failure;
    ASSERT_TRUE(
        platform::TransformXslt(stylesheet, BuildReportXml(FixedHistory(), Sources()), output, failure))
        << Utf16ToUtf8(failure.detail);
    const std::string html = ReadFile(std::filesystem::path(Utf16ToUtf8(output)));
    std::filesystem::remove(std::filesystem::path(Utf16ToUtf8(output)));
    const size_t start = html.find("<svg");
    const size_t end = html.find("</svg>");
    ASSERT_NE(start, std::string::npos);
    ASSERT_NE(end, std::string::npos);
    EXPECT_EQ(html.find("<svg", start + 1), std::string::npos) << "one chart only";
    const std::string svg = html.substr(start, end + 6 - start) + "\n";
    const std::filesystem::path golden =
        std::filesystem::path(TARVEL_STABILITY_GOLDEN_DIR) / "propane_chart.svg";
    if (std::getenv("TARVEL_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(golden, std::ios::binary) << svg;
    }
    EXPECT_EQ(svg, ReadFile(golden));
}

} // namespace

#include "output/report/ReportRendering.h"

#include "output/report/ReportDocument.h"
#include "platform/LocalTime.h"
#include "platform/Platform.h"
#include "platform/TemplateFolder.h"
#include "platform/Xslt.h"
#include "text/Format.h"

namespace {
constexpr uint32_t kReportNumberCount = 100000; // report numbers run 0 to 99999

void SetError(std::u16string* error, std::u16string text) {
    if (error != nullptr) {
        *error = std::move(text);
    }
}
} // namespace

std::u16string ReportTemplatePathIn(std::u16string_view folder) {
    const char16_t separator = platform::PathSeparator();
    std::u16string path(folder);
    if (!path.empty() && path.back() != separator) {
        path.push_back(separator);
    }
    path += kReportTemplateFileName;
    return path;
}

std::u16string ChooseReportTemplatePath(std::u16string_view configuredFolder,
                                        std::u16string_view programFolder) {
    if (!configuredFolder.empty()) {
        std::u16string configured = ReportTemplatePathIn(configuredFolder);
        if (configured.size() <= platform::MaxPathLength() && platform::FileExists(configured)) {
            return configured;
        }
    }
    std::u16string beside(programFolder);
    beside += kReportTemplateSubfolder;
    std::u16string path = ReportTemplatePathIn(beside);
    if (path.size() > platform::MaxPathLength()) {
        return {};
    }
    return path;
}

std::u16string FindReportTemplatePath() {
    return ChooseReportTemplatePath(platform::ConfiguredTemplateFolder(), platform::ProgramDirectory());
}

std::u16string ReportOutputPath(std::u16string_view folder, uint32_t tickMilliseconds) {
    const uint32_t start = tickMilliseconds / 100;
    for (uint32_t k = 0; k < kReportNumberCount; ++k) {
        const unsigned long number = static_cast<unsigned long>((start + k) % kReportNumberCount);
        std::u16string path(folder);
        path += FormatText(u"web%lu.html", {number});
        if (!platform::FileExists(path)) {
            return path;
        }
    }
    return {};
}

bool TransformReport(std::u16string_view templatePath, std::string_view reportXml,
                     std::u16string_view outputPath, std::u16string* error) {
    std::u16string reason;
    if (templatePath.empty()) {
        SetError(error, u"no report template path");
        return false;
    }
    if (!platform::FileExists(templatePath)) {
        SetError(error, FormatText(u"the report template %s does not exist", {templatePath}));
        return false;
    }
    if (reportXml.empty()) {
        SetError(error, u"the report document is empty");
        return false;
    }
    if (!platform::TransformXslt(templatePath, reportXml, outputPath, reason)) {
        SetError(error, std::move(reason));
        return false;
    }
    return true;
}

bool RenderReport(const CalcContext& context, std::u16string_view folder, std::u16string& outputPath,
                  std::u16string* error) {
    const std::u16string templatePath = FindReportTemplatePath();
    const std::string reportXml = BuildReportXml(context);
    std::u16string outputFolder = folder.empty() ? platform::TempDirectory() : std::u16string(folder);
    if (!outputFolder.empty() && outputFolder.back() != platform::PathSeparator() &&
        outputFolder.back() != u'/') {
        outputFolder.push_back(platform::PathSeparator());
    }
    outputPath = ReportOutputPath(outputFolder, platform::TickCountMilliseconds());
    if (outputPath.empty()) {
        SetError(error, u"no free report file name is left in the folder");
        return false;
    }
    return TransformReport(templatePath, reportXml, outputPath, error);
}

#include "output/report/ReportRendering.h"

#include <filesystem>
#include <system_error>

#include "output/report/ReportDocument.h"
#include "platform/LocalTime.h"
#include "platform/Platform.h"
#include "platform/TempFiles.h"
#include "platform/TemplateFolder.h"
#include "platform/Xslt.h"
#include "text/Format.h"
#include "text/StringIds.gen.h"
#include "text/StringTable.h"

namespace {
// The report files: "web12345.html", numbered from the tick count (platform/TempFiles.h).
constexpr std::u16string_view kReportFilePrefix = u"web";
constexpr std::u16string_view kReportFileExtension = u".html";

void SetError(std::u16string* error, uint32_t textId, std::initializer_list<FormatArg> args = {}) {
    if (error != nullptr) {
        *error = FormatText(LoadText(textId), args);
    }
}

// The failed step in the user's language, then the engine's or the system's own words when it gave any.
std::u16string TransformFailureText(const platform::XsltFailure& failure, std::u16string_view templatePath,
                                    std::u16string_view outputPath) {
    std::u16string text;
    switch (failure.step) {
    case platform::XsltStep::Prepare:
        text = LoadText(StringId::ReportXsltNotPrepared);
        break;
    case platform::XsltStep::ReadDocument:
        text = LoadText(StringId::ReportDocumentUnreadable);
        break;
    case platform::XsltStep::LoadStyleSheet:
        text = FormatText(LoadText(StringId::ReportTemplateUnreadable), {templatePath});
        break;
    case platform::XsltStep::Transform:
        text = LoadText(StringId::ReportTransformFailed);
        break;
    case platform::XsltStep::WriteOutput:
        text = FormatText(LoadText(StringId::ReportFileNotWritten), {outputPath});
        break;
    }
    if (!failure.detail.empty()) {
        text += u": ";
        text += failure.detail;
    }
    return text;
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
    for (uint32_t step = 0; step < platform::kTickNumberCount; ++step) {
        std::u16string path(folder);
        path += platform::TickNumberedName(kReportFilePrefix, tickMilliseconds, step, kReportFileExtension);
        if (!platform::FileExists(path)) {
            return path;
        }
    }
    return {};
}

bool TransformReport(std::u16string_view templatePath, std::string_view reportXml,
                     std::u16string_view outputPath, std::u16string* error) {
    if (templatePath.empty()) {
        SetError(error, StringId::ReportNoTemplatePath);
        return false;
    }
    if (!platform::FileExists(templatePath)) {
        SetError(error, StringId::ReportTemplateMissing, {templatePath});
        return false;
    }
    if (reportXml.empty()) {
        SetError(error, StringId::ReportDocumentEmpty);
        return false;
    }
    platform::XsltFailure failure;
    if (!platform::TransformXslt(templatePath, reportXml, outputPath, failure)) {
        if (error != nullptr) {
            *error = TransformFailureText(failure, templatePath, outputPath);
        }
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
    // The file is created exclusively before it is written: in a shared temporary folder another user
    // may have planted a link under the next free name. A name taken meanwhile moves on to the next.
    platform::TickNumberedFile file = platform::CreateTickNumberedFile(
        outputFolder, kReportFilePrefix, kReportFileExtension, platform::TickCountMilliseconds());
    outputPath = std::move(file.path);
    if (file.result == platform::NewFileResult::Exists) {
        SetError(error, StringId::ReportNoFreeFileName);
        return false;
    }
    if (file.result == platform::NewFileResult::Failed) {
        SetError(error, StringId::ReportFileNotCreated, {outputPath});
        return false;
    }
    if (!TransformReport(templatePath, reportXml, outputPath, error)) {
        // Nothing half-written stays behind: the file was made by this call.
        std::error_code ignored;
        std::filesystem::remove(std::filesystem::path(outputPath), ignored);
        return false;
    }
    return true;
}

// Turning the report document into the HTML report: the XSL template's location, the output file's
// name in the temporary folder, and the transformation.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct CalcContext;

inline constexpr std::u16string_view kReportTemplateFileName = u"FerrowReportTmpl.xsl";
inline constexpr std::u16string_view kReportTemplateSubfolder = u"Templates";

// The template's path in folder: the folder, the platform's separator unless the folder is empty or
// already ends in one, and the template's file name.
std::u16string ReportTemplatePathIn(std::u16string_view folder);

// The configured folder when it is not empty, the template exists in it and its path fits the
// platform's path length; otherwise "Templates" in programFolder (a folder ending in its separator).
// Empty when even that path is too long.
std::u16string ChooseReportTemplatePath(std::u16string_view configuredFolder,
                                        std::u16string_view programFolder);

// The template path for this user and program (platform::ConfiguredTemplateFolder, ProgramDirectory).
std::u16string FindReportTemplatePath();

// A report file name in folder (ending in its separator) that no file has yet: "web%lu.html" with the
// number (T + k) modulo 100000, where T is tickMilliseconds / 100 and k = 0, 1, 2, ... the first for
// which no file exists. Empty when all 100000 names are taken.
std::u16string ReportOutputPath(std::u16string_view folder, uint32_t tickMilliseconds);

// Transforms the report document with the template into the output file. True when the output file was
// written; otherwise false, and error (when given) says why in the user's language, followed by the
// engine's or the system's own words where they exist.
bool TransformReport(std::u16string_view templatePath, std::string_view reportXml,
                     std::u16string_view outputPath, std::u16string* error = nullptr);

// Builds the report of the context and writes it as a new "web%lu.html" in folder (the temporary
// folder when empty; a missing final separator is added), as the report page does before it shows the
// file. outputPath receives the file's path whenever one was chosen. True when the file was written.
bool RenderReport(const CalcContext& context, std::u16string_view folder, std::u16string& outputPath,
                  std::u16string* error = nullptr);

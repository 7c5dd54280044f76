// The files a command leaves: the exports of the export page, its hand-over to another program, and
// the HTML report of the report page.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "calc/CalcSettings.h"

struct CalcContext;

struct OutputRequest {
    std::u16string folder; // for the exports and the report; empty: the temporary folder
    // With a name, the exports and the report are "NAME.json", ".xml", ".txt", ".html" in folder, each
    // replacing the file of that name at once when complete; without one they keep the export page's
    // names ("EXP….tmp.json", "web….html").
    std::u16string name;
    std::vector<ExportFormat> exports;        // each written once, in this order
    bool handOver = false;                    // the export page's "Экспорт" on the profile's choices
    bool report = false;                      // the report as "web%lu.html" in the folder
    std::optional<std::u16string> reportPath; // ...then moved to this path
};

// The file name the command line gives its outputs unless told otherwise.
inline constexpr std::string_view kDefaultOutputName = "tarvel";

// A name for the outputs: not empty, no folder separator, not "." or "..", no character a Windows file
// name cannot hold. False with the reason in error otherwise.
bool CheckOutputName(std::string_view name, std::string& error);

// "xml", "json", "txt" in any letter case; false for anything else.
bool ParseExportFormat(std::string_view text, ExportFormat& format);

// Writes what was asked for and prints the path of every file. True when every file was written; a
// failure has been printed (the writers' error texts included).
bool WriteOutputs(const CalcContext& context, const OutputRequest& request);

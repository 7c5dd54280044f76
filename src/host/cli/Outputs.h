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
    std::u16string folder;                    // for the exports and the report; empty: the temporary folder
    std::vector<ExportFormat> exports;        // each written once, in this order
    bool handOver = false;                    // the export page's "Экспорт" on the profile's choices
    bool report = false;                      // the report as "web%lu.html" in the folder
    std::optional<std::u16string> reportPath; // ...then moved to this path
};

// "xml", "json", "txt" in any letter case; false for anything else.
bool ParseExportFormat(std::string_view text, ExportFormat& format);

// Writes what was asked for and prints the path of every file. True when every file was written; a
// failure has been printed (the writers' error texts included).
bool WriteOutputs(const CalcContext& context, const OutputRequest& request);

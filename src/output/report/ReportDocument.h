// The report document: an XML document (root "root") that holds every text and value of the report,
// already formatted as the result pages show them, and no layout. An XSL template turns it into the
// printable report (ReportRendering.h). Headings come from the string table, so the template needs no
// language of its own; hidden columns of the result pages are absent from it.
#pragma once

#include <cstdint>
#include <string>

struct CalcContext;

// What the document takes from outside the calculation context.
struct ReportSources {
    std::u16string station;          // station of the analysed gas
    std::u16string place;            // its sampling point
    std::u16string accountName;      // signed-in user of the host
    int64_t generatedAt = 0;         // when the report is made, seconds since 1970-01-01 UTC
    std::u16string metrologyTable{}; // the line naming the table the uncertainties come from; empty: none
};

// The signed-in user's name as the program that hosts the plug-in knows it. The plug-in installs its
// host's answer when it receives the host's services; without one the name is empty.
using AccountNameQuery = std::u16string (*)();
void SetAccountNameQuery(AccountNameQuery query);

// The station and sampling point from the host database, the account name, the current time and the
// table of metrological characteristics in force.
// A database that cannot be read leaves the station and the sampling point empty: the report is still
// made.
ReportSources GatherReportSources(const CalcContext& context);

// The document's XML text (UTF-8, beginning with the declaration <?xml version="1.0"?>); empty when
// building failed.
std::string BuildReportXml(const CalcContext& context, const ReportSources& sources);
std::string BuildReportXml(const CalcContext& context);

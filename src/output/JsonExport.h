// The JSON export document: the state of the context after a calculation as JSON-like UTF-8 text
// (no byte-order mark, LF line ends), for readers that take it exactly in this form: every member and
// every array element is followed by a comma, the last one too; the entries of "mixture" are named
// members "pair"; numbers are written as stored, in printf's "%g" form; strings are written as they
// are, except that a double quote gets a backslash before it.
#pragma once

#include <string>

#include "output/ExportHost.h"

struct CalcContext;

// The whole file: "{", the sections the export flags select (assay, calibration, components,
// calculation, methane, mixture, settings, output), "}".
std::string BuildJsonExport(const CalcContext& context, const ExportSources& sources);

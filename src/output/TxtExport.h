// The TXT export document: the records of the XML export as key lines ("KEY=value", keys in capitals,
// no spaces) under bracketed section headers, for programs that read simple keyed text. LF line ends;
// the file is in the system's ANSI code page without byte-order mark.
#pragma once

#include <string>

#include "output/ExportHost.h"

struct CalcContext;

// The text of the file: the sections the export flags select ([ASSAY], [CALIBRATION], [COMPONENTS],
// [CALCULATION], [METHANE], [MIXTURE], [SETTINGS], [OUTPUT]); empty when none is selected.
std::u16string BuildTxtExportText(const CalcContext& context, const ExportSources& sources);

// The same as the bytes of the file (platform::ToAnsiCodePage).
std::string BuildTxtExport(const CalcContext& context, const ExportSources& sources);

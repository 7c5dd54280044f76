// The XML export document: the sections of the JSON export under the root element "natgas", every
// value an element holding the text the result pages show. UTF-8 without byte-order mark, no
// indentation and no line breaks, as the readers of the file expect it.
#pragma once

#include <string>

#include "output/ExportHost.h"

struct CalcContext;

// The whole file: the declaration <?xml version="1.0" encoding="utf-8"?> and the root "natgas" with the
// sections the export flags select.
//
// Built with pugixml in its UTF-8 (char) mode: each UTF-16 text is converted to UTF-8 once and the
// document is saved as UTF-8, which gives the same bytes as a wide-character build saving as UTF-8.
// Texts are escaped as XML requires ("&", "<", ">"); control characters other than tab, line feed
// and carriage return, which XML 1.0 does not allow even as character references, are left out.
std::string BuildXmlExport(const CalcContext& context, const ExportSources& sources);

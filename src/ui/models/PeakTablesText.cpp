#include "ui/models/PeakTablesText.h"

#include <vector>

#include "data/HostQueries.h"
#include "text/Format.h"

std::u16string PeakTablesText(DataBase::Handle& handle, std::span<const int64_t> assayIds) {
    std::vector<std::u16string> lines;
    for (const int64_t id : assayIds) {
        if (!lines.empty()) {
            // Joined below with CR LF, this line makes two empty lines between chromatograms.
            lines.push_back(u"\r\n");
        }
        for (const PeakArea& peak : QueryPeakAreas(handle, id)) {
            if (peak.name.empty()) {
                continue;
            }
            lines.push_back(FormatText(u"%s\t%.*f", {peak.name, kPeakAreaDecimals, peak.area}));
        }
    }
    std::u16string text;
    for (size_t line = 0; line < lines.size(); ++line) {
        if (line > 0) {
            text += u"\r\n";
        }
        text += lines[line];
    }
    return text;
}

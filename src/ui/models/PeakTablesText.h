// The text the chromatograms page puts on the clipboard for Ctrl+E: the named peaks of each chosen
// chromatogram with their areas, for pasting into a spreadsheet.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace DataBase {
class Handle;
}

// Decimals of the areas: enough to show every digit the host stored.
inline constexpr int32_t kPeakAreaDecimals = 22;

// For each assay in order, one line per peak with a name, by retention time: the name, a tab and the
// area with kPeakAreaDecimals decimals; after the first line, each further chromatogram starts with two
// empty lines. Lines end
// with CR LF, the last one without. Database failures raise DataBase::SqlException.
std::u16string PeakTablesText(DataBase::Handle& handle, std::span<const int64_t> assayIds);

// The table file of a laboratory: UTF-8 text, one row a line, tab-separated fields, "#" starting a comment
// line. Coefficient rows have the columns of data/metrology_tables.tsv (method, component, lower, upper, a,
// b, then free source text), so that file itself is a valid table file; the norms have rows of their own:
//   allowed_deviation  lower  upper  s (%)   [source]   allowed relative standard deviation of the areas
//   critical_range     n      f(n)           [source]   ISO 5725-6 critical-range factor of n results
//   mixture_ratio      r                     [source]   single-point mixture within x / r … r·x
// Each part the file gives replaces the built-in part as a whole; the parts it does not give stay built in.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "gost/gost31371/TableSet.h"

namespace gost31371 {

inline constexpr size_t kMaxTableFileBytes = 1024 * 1024;
inline constexpr size_t kMaxTableLineBytes = 1024;
inline constexpr int kMaxCriticalRangeN = 100;

struct FileIssue {
    int32_t line;  // 1-based; 0 for the file as a whole
    int32_t fault; // MetrologyFileFault
    std::string text;
};

struct TableFileReading {
    bool found = false;            // the file exists (a refused file has been found too)
    std::vector<FileIssue> issues; // in line order; empty for a valid file
    TableSet tables;               // the set the file puts in force (built-in parts where it gives none)
    std::string sha1;              // of the file's bytes, 40 lower-case hexadecimal digits; empty unread
};

// Checks the text of a table file and builds the set it puts in force.
TableFileReading ParseTableText(std::string_view bytes);

// Reads and checks the file; a missing file is not found and has no issues.
TableFileReading ReadTableFile(const std::filesystem::path& path);

// The set written as a table file, headed by the comment lines of title and the format; numbers in
// their shortest form that reads back to the same double.
std::string TableText(const TableSet& tables, std::string_view title);

} // namespace gost31371

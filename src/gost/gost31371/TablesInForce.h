// The tables and norms in force in this process: read once, on first use, from the file
// Tarvel31371720.tsv beside the library's own module, so that an administrator installs a laboratory's
// official table with the library and every user of the machine calculates with it. No file: the
// built-in designed set. A faulty file is refused as a whole and leaves nothing in force, so that no
// result rests silently on designed numbers when a laboratory meant its own.
#pragma once

#include <filesystem>
#include <string>

#include "gost/gost31371/TableFile.h"

namespace gost31371 {

inline constexpr const char* kTableFileName = "Tarvel31371720.tsv";

struct InForce {
    int32_t kind = kMetrologyBuiltInTable; // MetrologyTableKind
    TableSet tables;                       // empty when the file was refused
    FileIssue firstIssue{0, kMetrologyFaultNone, {}};
    std::string sha1;           // of the file; empty for the built-in set
    std::filesystem::path path; // the file looked for
};

// Loaded on the first call (thread-safe) and kept for the life of the process: the rows it hands out
// never move.
const InForce& TablesInForce();

// The folder of the library's own module (not the host program's); empty when it cannot be found.
std::filesystem::path LibraryFolder();

} // namespace gost31371

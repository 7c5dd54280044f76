#include "gost/gost31371/TablesInForce.h"

namespace gost31371 {
namespace {

InForce Load() {
    InForce inForce;
    const std::filesystem::path folder = LibraryFolder();
    if (folder.empty()) {
        inForce.tables = BuiltInTableSet();
        return inForce;
    }
    inForce.path = folder / kTableFileName;
    TableFileReading reading = ReadTableFile(inForce.path);
    if (!reading.found) {
        inForce.tables = BuiltInTableSet();
        return inForce;
    }
    inForce.sha1 = reading.sha1;
    if (!reading.issues.empty()) {
        inForce.kind = kMetrologyRefusedFile;
        inForce.firstIssue = reading.issues.front();
        return inForce;
    }
    inForce.kind = kMetrologyLaboratoryTable;
    inForce.tables = std::move(reading.tables);
    return inForce;
}

} // namespace

const InForce& TablesInForce() {
    // Never destroyed: the rows stay valid for callers that run during the process's exit.
    static const InForce* const inForce = new InForce(Load());
    return *inForce;
}

} // namespace gost31371

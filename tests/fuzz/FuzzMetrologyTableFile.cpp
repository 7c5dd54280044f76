// A laboratory's table file of the GOST 31371.7-2020 library: any bytes are read and checked as the
// library reads the file beside itself. A file is either valid with no fault or refused with faults in
// line order, each on a line the file has; a valid file puts only usable rows in force.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "gost/gost31371/include/Tarvel31371720.h"

namespace {

const std::string& TablePath() {
    static const std::string path =
        "fuzz-table-" + std::to_string(reinterpret_cast<uintptr_t>(&TablePath)) + ".tsv";
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FILE* file = std::fopen(TablePath().c_str(), "wb");
    fuzz::Require(file != nullptr, "the table file cannot be written");
    fuzz::Require(std::fwrite(bytes, 1, size, file) == size, "the table file is not written whole");
    std::fclose(file);
    const std::u16string path(TablePath().begin(), TablePath().end());
    int32_t lines = 1;
    for (size_t i = 0; i < size; ++i) {
        lines += bytes[i] == '\n' ? 1 : 0;
    }

    std::vector<MetrologyFileIssue> issues(8);
    int32_t count = -1;
    int32_t parts = -1;
    const int32_t status = CheckMetrologyTableFile(path.c_str(), issues.data(), 8, &count, &parts);
    fuzz::Require((status == 0) == (count == 0), "the status and the number of faults disagree");
    fuzz::Require(status == 0 || parts == 0, "a refused file gives parts");
    int32_t previous = 0;
    for (int32_t i = 0; i < count && i < 8; ++i) {
        fuzz::Require(issues[i].line >= previous && issues[i].line <= lines,
                      "a fault outside the file's lines");
        fuzz::Require(issues[i].fault >= kMetrologyFaultUnreadable &&
                          issues[i].fault <= kMetrologyFaultNoRows,
                      "an unknown fault");
        previous = issues[i].line;
    }
    for (int32_t method = 0; method < 4 && status == 0; ++method) {
        std::vector<MetrologyRow> rows(512);
        int32_t rowCount = 0;
        fuzz::Require(MetrologyTableFileRows(path.c_str(), method, rows.data(), 512, &rowCount) == 0,
                      "a valid file gives no rows");
        for (int32_t i = 0; i < rowCount && i < 512; ++i) {
            const MetrologyRow& row = rows[static_cast<size_t>(i)];
            fuzz::Require(row.lower >= 0.0 && row.lower < row.upper && row.upper <= 100.0,
                          "an unusable range");
            fuzz::Require(std::isfinite(row.a) && std::isfinite(row.b) && row.a >= 0.0 && row.b >= 0.0,
                          "an unusable coefficient");
            fuzz::Require(row.component[63] == u'\0', "an identifier without its terminator");
        }
    }
    std::remove(TablePath().c_str());
    return 0;
}

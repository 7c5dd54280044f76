// A laboratory's table file of the GOST 31371.7-2020 library: any bytes are read and checked by the
// library's reader of the file's text, the one its file functions use. A file is either valid with no
// fault or refused with faults in line order, each on a line the file has; a valid file puts only usable
// rows in force. One input in kFileShare is also written as a file and checked through the C interface,
// which must give the same faults and rows.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzSupport.h"
#include "gost/gost31371/TableFile.h"
#include "gost/gost31371/include/Tarvel31371720.h"

namespace {

constexpr size_t kFileShare = 256;
constexpr int32_t kIssueCapacity = 8;
constexpr int32_t kRowCapacity = 512;

const std::string& TablePath() {
    static const std::string path =
        "fuzz-table-" + std::to_string(reinterpret_cast<uintptr_t>(&TablePath)) + ".tsv";
    return path;
}

// Well-formed UTF-8 (the C interface converts the faults' texts to UTF-16 on that ground).
bool IsUtf8(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead < 0x80                    ? 1
                              : lead >= 0xC2 && lead <= 0xDF ? 2
                              : lead >= 0xE0 && lead <= 0xEF ? 3
                              : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                             : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        for (size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

void RequireUsableRows(const MetrologyRow* rows, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        const MetrologyRow& row = rows[i];
        fuzz::Require(row.lower >= 0.0 && row.lower < row.upper && row.upper <= 100.0, "an unusable range");
        fuzz::Require(std::isfinite(row.a) && std::isfinite(row.b) && row.a >= 0.0 && row.b >= 0.0,
                      "an unusable coefficient");
        fuzz::Require(row.component[63] == u'\0', "an identifier without its terminator");
    }
}

// The same bytes as a file through the C interface: the same faults, or the same rows of every method.
void RequireSameThroughFile(std::string_view bytes, const gost31371::TableFileReading& reading) {
    FILE* file = std::fopen(TablePath().c_str(), "wb");
    fuzz::Require(file != nullptr, "the table file cannot be written");
    fuzz::Require(std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size(),
                  "the table file is not written whole");
    std::fclose(file);
    const std::u16string path(TablePath().begin(), TablePath().end());

    std::vector<MetrologyFileIssue> issues(kIssueCapacity);
    int32_t count = -1;
    int32_t parts = -1;
    const int32_t status =
        CheckMetrologyTableFile(path.c_str(), issues.data(), kIssueCapacity, &count, &parts);
    fuzz::Require((status == 0) == (count == 0), "the status and the number of faults disagree");
    fuzz::Require(status == 0 || parts == 0, "a refused file gives parts");
    fuzz::Require(count == static_cast<int32_t>(reading.issues.size()) && parts == reading.tables.fileParts,
                  "the file and its bytes give other faults");
    for (int32_t i = 0; i < count && i < kIssueCapacity; ++i) {
        const gost31371::FileIssue& issue = reading.issues[static_cast<size_t>(i)];
        fuzz::Require(issues[i].line == issue.line && issues[i].fault == issue.fault,
                      "the file and its bytes give other faults");
    }
    for (int32_t method = 0; method < gost31371::kMethodCount && status == 0; ++method) {
        std::vector<MetrologyRow> rows(kRowCapacity);
        int32_t rowCount = 0;
        fuzz::Require(MetrologyTableFileRows(path.c_str(), method, rows.data(), kRowCapacity, &rowCount) == 0,
                      "a valid file gives no rows");
        const std::vector<MetrologyRow>& expected = reading.tables.rows[method];
        fuzz::Require(rowCount == static_cast<int32_t>(expected.size()),
                      "the file and its bytes give other rows");
        RequireUsableRows(rows.data(), std::min<size_t>(static_cast<size_t>(rowCount), kRowCapacity));
    }
    std::remove(TablePath().c_str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    int32_t lines = 1;
    for (size_t i = 0; i < size; ++i) {
        lines += bytes[i] == '\n' ? 1 : 0;
    }

    const gost31371::TableFileReading reading = gost31371::ParseTableText(text);
    const bool valid = reading.issues.empty();
    fuzz::Require(reading.found, "the bytes of a file are not found");
    fuzz::Require(valid || reading.tables.fileParts == 0, "a refused file gives parts");
    fuzz::Require(!valid || reading.tables.fileRowCount > 0, "a valid file gives no rows");
    fuzz::Require(reading.sha1.size() == 40 &&
                      reading.sha1.find_first_not_of("0123456789abcdef") == std::string::npos,
                  "a digest that is not 40 hexadecimal digits");
    int32_t previous = 0;
    for (const gost31371::FileIssue& issue : reading.issues) {
        fuzz::Require(issue.line >= previous && issue.line <= lines, "a fault outside the file's lines");
        fuzz::Require(issue.fault >= kMetrologyFaultUnreadable && issue.fault <= kMetrologyFaultNoRows,
                      "an unknown fault");
        fuzz::Require(IsUtf8(issue.text), "a fault's text that is not UTF-8");
        previous = issue.line;
    }
    for (int method = 0; method < gost31371::kMethodCount && valid; ++method) {
        RequireUsableRows(reading.tables.rows[method].data(), reading.tables.rows[method].size());
    }
    if (std::hash<std::string_view>{}(text) % kFileShare == 0) {
        RequireSameThroughFile(text, reading);
    }
    return 0;
}

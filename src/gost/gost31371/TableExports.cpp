// The C interface of the table in force and of table files: the provenance a certified result names, the
// table written as a file, and the check of a laboratory's file before it is installed.
#include <algorithm>
#include <cstring>
#include <string>

#include "gost/common/BoundaryGuard.h"
#include "gost/gost31371/TablesInForce.h"
#include "gost/gost31371/include/Tarvel31371720.h"

namespace {

constexpr int32_t kStatusFailed = -1;

// UTF-8 to UTF-16; the texts come from lines already checked to be UTF-8.
std::u16string Utf16Of(const std::string& text) {
    std::u16string result;
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        uint32_t code = length == 1 ? lead : lead & (0xFF >> (length + 1));
        for (size_t k = 1; k < length && i + k < text.size(); ++k) {
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        if (code >= 0x10000) {
            result += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            result += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            result += static_cast<char16_t>(code);
        }
        i += length;
    }
    return result;
}

// Copies text into a fixed field, cut so that it keeps its terminator and no half of a surrogate pair.
template <size_t Capacity>
void CopyField(char16_t (&field)[Capacity], const std::u16string& text) {
    size_t length = std::min(text.size(), Capacity - 1);
    if (length > 0 && length < text.size() && text[length - 1] >= 0xD800 && text[length - 1] <= 0xDBFF) {
        --length;
    }
    std::fill(std::begin(field), std::end(field), u'\0');
    std::copy(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(length), field);
}

std::u16string PathText(const std::filesystem::path& path) {
    try {
        return path.u16string();
    } catch (...) {
        return {};
    }
}

std::filesystem::path PathOf(const char16_t* path) {
    return std::filesystem::path(std::u16string(path));
}

} // namespace

extern "C" {

int32_t GetMetrologyTableSource(MetrologyTableSource* source) {
    if (source == nullptr) {
        return kStatusFailed;
    }
    std::memset(source, 0, sizeof *source);
    return gost::GuardedCall(kStatusFailed, [&] {
        const gost31371::InForce& inForce = gost31371::TablesInForce();
        source->kind = inForce.kind;
        source->fileParts = inForce.tables.fileParts;
        switch (inForce.kind) {
        case kMetrologyLaboratoryTable:
            source->rowCount = inForce.tables.fileRowCount;
            break;
        case kMetrologyBuiltInTable:
            source->rowCount = gost31371::CoefficientRowCount(inForce.tables);
            break;
        default:
            source->faultLine = inForce.firstIssue.line;
            source->fault = inForce.firstIssue.fault;
            CopyField(source->faultText, Utf16Of(inForce.firstIssue.text));
            break;
        }
        CopyField(source->sha1, Utf16Of(inForce.sha1));
        CopyField(source->path, PathText(inForce.path));
        return 0;
    });
}

int32_t WriteMetrologyTableText(char* buffer, int32_t capacity) {
    if (buffer != nullptr && capacity > 0) {
        buffer[0] = '\0';
    }
    return gost::GuardedCall(kStatusFailed, [&] {
        const gost31371::InForce& inForce = gost31371::TablesInForce();
        if (inForce.kind == kMetrologyRefusedFile) {
            return kStatusFailed;
        }
        const std::string title = inForce.kind == kMetrologyLaboratoryTable
                                      ? "laboratory table, SHA-1 " + inForce.sha1
                                      : std::string("built-in designed table");
        const std::string text = gost31371::TableText(inForce.tables, title);
        if (buffer != nullptr && capacity > 0) {
            const size_t written = std::min(text.size(), static_cast<size_t>(capacity) - 1);
            std::memcpy(buffer, text.data(), written);
            buffer[written] = '\0';
        }
        return static_cast<int32_t>(text.size());
    });
}

int32_t CheckMetrologyTableFile(const char16_t* path, MetrologyFileIssue* issues, int32_t capacity,
                                int32_t* issueCount, int32_t* fileParts) {
    if (issueCount != nullptr) {
        *issueCount = 0;
    }
    if (fileParts != nullptr) {
        *fileParts = 0;
    }
    if (path == nullptr || (issues == nullptr && capacity > 0)) {
        return kStatusFailed;
    }
    return gost::GuardedCall(kStatusFailed, [&] {
        gost31371::TableFileReading reading = gost31371::ReadTableFile(PathOf(path));
        if (!reading.found) {
            reading.issues.push_back({0, kMetrologyFaultUnreadable, ""});
        }
        for (size_t i = 0; i < reading.issues.size() && static_cast<int32_t>(i) < capacity; ++i) {
            issues[i].line = reading.issues[i].line;
            issues[i].fault = reading.issues[i].fault;
            CopyField(issues[i].text, Utf16Of(reading.issues[i].text));
        }
        if (issueCount != nullptr) {
            *issueCount = static_cast<int32_t>(reading.issues.size());
        }
        if (fileParts != nullptr && reading.issues.empty()) {
            *fileParts = reading.tables.fileParts;
        }
        return reading.issues.empty() ? 0 : kStatusFailed;
    });
}

int32_t MetrologyTableFileRows(const char16_t* path, int32_t method, MetrologyRow* rows, int32_t capacity,
                               int32_t* rowCount) {
    if (rowCount != nullptr) {
        *rowCount = 0;
    }
    if (path == nullptr || method < 0 || method >= gost31371::kMethodCount || rowCount == nullptr ||
        (rows == nullptr && capacity > 0)) {
        return kStatusFailed;
    }
    return gost::GuardedCall(kStatusFailed, [&] {
        const gost31371::TableFileReading reading = gost31371::ReadTableFile(PathOf(path));
        if (!reading.found || !reading.issues.empty()) {
            return kStatusFailed;
        }
        const auto& methodRows = reading.tables.rows[method];
        const size_t copied = std::min(methodRows.size(), static_cast<size_t>(std::max(capacity, 0)));
        std::copy(methodRows.begin(), methodRows.begin() + static_cast<std::ptrdiff_t>(copied), rows);
        *rowCount = static_cast<int32_t>(methodRows.size());
        return 0;
    });
}

} // extern "C"

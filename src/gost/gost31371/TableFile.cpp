#include "gost/gost31371/TableFile.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <map>
#include <system_error>
#include <utility>

#include "gost/gost31371/Sha1.h"

namespace gost31371 {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kAllowedDeviation = "allowed_deviation";
constexpr std::string_view kCriticalRange = "critical_range";
constexpr std::string_view kMixtureRatio = "mixture_ratio";
constexpr size_t kCoefficientFields = 6;
constexpr size_t kBandFields = 4;
constexpr size_t kCriticalRangeFields = 3;
constexpr size_t kMixtureRatioFields = 2;

// Well-formed UTF-8 (RFC 3629): no overlong forms, no surrogates, nothing above U+10FFFF.
bool IsUtf8(std::string_view text) {
    size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        size_t length = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (lead < 0x80) {
            ++i;
            continue;
        }
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            low = lead == 0xE0 ? 0xA0 : 0x80;
            high = lead == 0xED ? 0x9F : 0xBF;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            low = lead == 0xF0 ? 0x90 : 0x80;
            high = lead == 0xF4 ? 0x8F : 0xBF;
        } else {
            return false;
        }
        if (i + length > text.size()) {
            return false;
        }
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if (next < (k == 1 ? low : 0x80) || next > (k == 1 ? high : 0xBF)) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    while (!text.empty() && text.back() == ' ') {
        text.remove_suffix(1);
    }
    return text;
}

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    size_t start = 0;
    while (true) {
        const size_t tab = line.find('\t', start);
        fields.push_back(Trimmed(line.substr(start, tab == std::string_view::npos ? tab : tab - start)));
        if (tab == std::string_view::npos) {
            return fields;
        }
        start = tab + 1;
    }
}

// The fields from index on joined by tabs: the free source text of a row.
std::string SourceText(const std::vector<std::string_view>& fields, size_t index) {
    std::string text;
    for (size_t i = index; i < fields.size(); ++i) {
        if (i > index) {
            text += '\t';
        }
        text += fields[i];
    }
    return text;
}

bool ParseNumber(std::string_view text, double& value) {
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, value, std::chars_format::general);
    return !text.empty() && error == std::errc() && last == end && std::isfinite(value);
}

struct Range {
    double lower;
    double upper;
    int32_t line;
};

// A range of the parser's bookkeeping of one group (a method and component, or the bands).
using RangeGroups = std::map<std::string, std::vector<Range>>;

int MethodIndex(std::string_view keyword) {
    for (int method = 0; method < kMethodCount; ++method) {
        if (keyword == MethodKeyword(method)) {
            return method;
        }
    }
    return -1;
}

class Parser {
public:
    explicit Parser(TableFileReading& reading) : reading_(reading) {}

    void Line(int32_t number, std::string_view line) {
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.size() > kMaxTableLineBytes) {
            Issue(number, kMetrologyFaultLineTooLong, std::to_string(line.size()) + " bytes");
            return;
        }
        if (!IsUtf8(line)) {
            Issue(number, kMetrologyFaultNotUtf8, "");
            return;
        }
        // Blank lines, also those of empty cells a spreadsheet leaves, and comments carry no row.
        const size_t first = line.find_first_not_of(" \t");
        if (first == std::string_view::npos || line[first] == '#') {
            return;
        }
        const std::vector<std::string_view> fields = Fields(line);
        const std::string_view kind = fields[0];
        const int method = MethodIndex(kind);
        if (method >= 0) {
            Coefficients(number, method, fields);
        } else if (kind == kAllowedDeviation) {
            Band(number, fields);
        } else if (kind == kCriticalRange) {
            CriticalRange(number, fields);
        } else if (kind == kMixtureRatio) {
            MixtureRatio(number, fields);
        } else {
            Issue(number, kMetrologyFaultUnknownMethod, std::string(kind));
        }
    }

    void Finish() {
        CheckOverlaps(coefficientRanges_);
        CheckOverlaps(bandRanges_);
        std::stable_sort(reading_.issues.begin(), reading_.issues.end(),
                         [](const FileIssue& a, const FileIssue& b) { return a.line < b.line; });
        if (reading_.issues.empty() && rowCount_ == 0) {
            Issue(0, kMetrologyFaultNoRows, "");
        }
        if (!reading_.issues.empty()) {
            return;
        }
        TableSet& tables = reading_.tables;
        for (int method = 0; method < kMethodCount; ++method) {
            if (!file_.rows[method].empty()) {
                tables.rows[method] = std::move(file_.rows[method]);
                tables.sources[method] = std::move(file_.sources[method]);
                tables.fileParts |= kMetrologyPartMethodA << method;
            }
        }
        if (!file_.allowedBands.empty()) {
            tables.allowedBands = std::move(file_.allowedBands);
            tables.fileParts |= kMetrologyPartAllowedDeviation;
        }
        if (!file_.criticalRange.empty()) {
            tables.criticalRange = std::move(file_.criticalRange);
            tables.fileParts |= kMetrologyPartCriticalRange;
        }
        if (file_.mixtureRatio > 0.0) {
            tables.mixtureRatio = file_.mixtureRatio;
            tables.mixtureRatioSource = std::move(file_.mixtureRatioSource);
            tables.fileParts |= kMetrologyPartMixtureRatio;
        }
        tables.fileRowCount = rowCount_;
    }

private:
    void Issue(int32_t line, int32_t fault, std::string text) {
        reading_.issues.push_back({line, fault, std::move(text)});
    }

    bool EnoughFields(int32_t line, const std::vector<std::string_view>& fields, size_t needed) {
        if (fields.size() < needed) {
            Issue(line, kMetrologyFaultFieldCount, std::to_string(fields.size()));
            return false;
        }
        return true;
    }

    bool Numbers(int32_t line, const std::vector<std::string_view>& fields, size_t first, size_t count,
                 double* values) {
        for (size_t i = 0; i < count; ++i) {
            if (!ParseNumber(fields[first + i], values[i])) {
                Issue(line, kMetrologyFaultNotANumber, std::string(fields[first + i]));
                return false;
            }
        }
        return true;
    }

    bool RangeUsable(int32_t line, const std::vector<std::string_view>& fields, double lower, double upper) {
        if (!(lower >= 0.0 && lower < upper && upper <= kWholeRange)) {
            Issue(line, kMetrologyFaultRange,
                  std::string(fields[0]) + " " + std::string(fields[1]) + " " + std::string(fields[2]));
            return false;
        }
        return true;
    }

    void Coefficients(int32_t line, int method, const std::vector<std::string_view>& fields) {
        if (!EnoughFields(line, fields, kCoefficientFields)) {
            return;
        }
        const std::string component(fields[1]);
        if (!IsKnownComponent(component)) {
            Issue(line, kMetrologyFaultUnknownComponent, component);
            return;
        }
        double values[4] = {};
        if (!Numbers(line, fields, 2, 4, values)) {
            return;
        }
        const auto [lower, upper, a, b] = values;
        if (a < 0.0 || b < 0.0) {
            Issue(line, kMetrologyFaultNegative, std::string(fields[a < 0.0 ? 4 : 5]));
            return;
        }
        const std::vector<std::string_view> bounds = {fields[1], fields[2], fields[3]};
        if (!RangeUsable(line, bounds, lower, upper)) {
            return;
        }
        MetrologyRow row{};
        std::copy(component.begin(), component.end(), row.component);
        row.lower = lower;
        row.upper = upper;
        row.a = a;
        row.b = b;
        file_.rows[method].push_back(row);
        file_.sources[method].push_back(SourceText(fields, kCoefficientFields));
        coefficientRanges_[std::string(fields[0]) + " " + component].push_back({lower, upper, line});
        ++rowCount_;
    }

    void Band(int32_t line, const std::vector<std::string_view>& fields) {
        if (!EnoughFields(line, fields, kBandFields)) {
            return;
        }
        double values[3] = {};
        if (!Numbers(line, fields, 1, 3, values) || !RangeUsable(line, fields, values[0], values[1])) {
            return;
        }
        if (!(values[2] > 0.0 && values[2] <= kWholeRange)) {
            Issue(line, kMetrologyFaultNormValue, std::string(fields[3]));
            return;
        }
        file_.allowedBands.push_back({values[0], values[1], values[2], SourceText(fields, kBandFields)});
        bandRanges_[std::string(kAllowedDeviation)].push_back({values[0], values[1], line});
        ++rowCount_;
    }

    void CriticalRange(int32_t line, const std::vector<std::string_view>& fields) {
        if (!EnoughFields(line, fields, kCriticalRangeFields)) {
            return;
        }
        double values[2] = {};
        if (!Numbers(line, fields, 1, 2, values)) {
            return;
        }
        if (values[0] != std::floor(values[0]) || values[0] < 2.0 || values[0] > kMaxCriticalRangeN) {
            Issue(line, kMetrologyFaultNormValue, std::string(fields[1]));
            return;
        }
        if (!(values[1] > 0.0 && values[1] <= kWholeRange)) {
            Issue(line, kMetrologyFaultNormValue, std::string(fields[2]));
            return;
        }
        const int n = static_cast<int>(values[0]);
        for (const CriticalRangeEntry& entry : file_.criticalRange) {
            if (entry.n == n) {
                Issue(line, kMetrologyFaultDuplicate, std::string(fields[0]) + " " + std::string(fields[1]));
                return;
            }
        }
        file_.criticalRange.push_back({n, values[1], SourceText(fields, kCriticalRangeFields)});
        ++rowCount_;
    }

    void MixtureRatio(int32_t line, const std::vector<std::string_view>& fields) {
        if (!EnoughFields(line, fields, kMixtureRatioFields)) {
            return;
        }
        double ratio = 0.0;
        if (!Numbers(line, fields, 1, 1, &ratio)) {
            return;
        }
        if (!(ratio > 1.0 && ratio <= kWholeRange)) {
            Issue(line, kMetrologyFaultNormValue, std::string(fields[1]));
            return;
        }
        if (file_.mixtureRatio > 0.0) {
            Issue(line, kMetrologyFaultDuplicate, std::string(fields[0]));
            return;
        }
        file_.mixtureRatio = ratio;
        file_.mixtureRatioSource = SourceText(fields, kMixtureRatioFields);
        ++rowCount_;
    }

    // Within a group, a range that repeats an earlier one is a duplicate; one that starts below the end
    // of another is an overlap (a shared bound is none). The later line of the two carries the fault.
    void CheckOverlaps(RangeGroups& groups) {
        for (auto& [name, ranges] : groups) {
            for (size_t i = 0; i < ranges.size(); ++i) {
                for (size_t k = 0; k < i; ++k) {
                    const Range& earlier = ranges[k];
                    const Range& later = ranges[i];
                    if (earlier.lower == later.lower && earlier.upper == later.upper) {
                        Issue(later.line, kMetrologyFaultDuplicate, name);
                        break;
                    }
                    if (later.lower < earlier.upper && earlier.lower < later.upper) {
                        Issue(later.line, kMetrologyFaultOverlap, name);
                        break;
                    }
                }
            }
        }
    }

    static constexpr double kWholeRange = 100.0;
    TableFileReading& reading_;
    TableSet file_;
    RangeGroups coefficientRanges_;
    RangeGroups bandRanges_;
    int32_t rowCount_ = 0;
};

void AppendNumber(std::string& text, double value) {
    char buffer[32];
    const auto result = std::to_chars(std::begin(buffer), std::end(buffer), value);
    text.append(buffer, result.ptr);
}

void AppendSource(std::string& text, const std::string& source) {
    if (!source.empty()) {
        text += '\t';
        text += source;
    }
    text += '\n';
}

} // namespace

TableFileReading ParseTableText(std::string_view bytes) {
    TableFileReading reading;
    reading.found = true;
    reading.tables = BuiltInTableSet();
    reading.sha1 = Sha1Hex(bytes);
    if (bytes.size() > kMaxTableFileBytes) {
        reading.issues.push_back({0, kMetrologyFaultTooLarge, std::to_string(bytes.size()) + " bytes"});
        return reading;
    }
    if (bytes.substr(0, kUtf8Bom.size()) == kUtf8Bom) {
        bytes.remove_prefix(kUtf8Bom.size());
    }
    Parser parser(reading);
    int32_t number = 1;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = bytes.find('\n', start);
        parser.Line(number++, bytes.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
    parser.Finish();
    return reading;
}

TableFileReading ReadTableFile(const std::filesystem::path& path) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return {};
    }
    std::ifstream file;
    if (!error && status.type() == std::filesystem::file_type::regular) {
        file.open(path, std::ios::binary);
    }
    std::string bytes;
    if (file.is_open()) {
        // One byte past the bound is enough to know the file is too large.
        bytes.resize(kMaxTableFileBytes + 1);
        file.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        bytes.resize(static_cast<size_t>(file.gcount()));
    }
    if (!file.is_open() || file.bad()) {
        TableFileReading reading;
        reading.found = true;
        reading.issues.push_back({0, kMetrologyFaultUnreadable, ""});
        return reading;
    }
    return ParseTableText(bytes);
}

std::string TableText(const TableSet& tables, std::string_view title) {
    std::string text;
    text += "# Tables of metrological characteristics of GOST 31371.7-2020: ";
    text += title;
    text += "\n"
            "# UTF-8, one row a line, fields separated by tabs; lines starting with # are comments.\n"
            "# Coefficient rows: method (A, B, C1, C2 for А, Б, В1, В2), component, lower and upper bound\n"
            "#   (mol %), a, b of the expanded uncertainty U = a*x + b (mol %, k = 2), then the source.\n"
            "#   Ranges of one method and component may share a bound; there the lower range holds x.\n"
            "# allowed_deviation, lower, upper (mol %), allowed relative standard deviation of the peak\n"
            "#   areas (%), source. critical_range, n (2 to 100), f(n) of ISO 5725-6, source.\n"
            "#   mixture_ratio, r (above 1): a single-point mixture within x / r to r*x, source.\n"
            "# A part the file does not give (a method's rows, a kind of norm) stays built in.\n";
    text += "# method\tcomponent\tlower_molpct\tupper_molpct\ta\tb\tsource\n";
    for (int method = 0; method < kMethodCount; ++method) {
        for (size_t i = 0; i < tables.rows[method].size(); ++i) {
            const MetrologyRow& row = tables.rows[method][i];
            text += MethodKeyword(method);
            text += '\t';
            for (int k = 0; k < 64 && row.component[k] != u'\0'; ++k) {
                text += static_cast<char>(row.component[k]);
            }
            for (double value : {row.lower, row.upper, row.a, row.b}) {
                text += '\t';
                AppendNumber(text, value);
            }
            AppendSource(text, i < tables.sources[method].size() ? tables.sources[method][i] : std::string());
        }
    }
    for (const AllowedBand& band : tables.allowedBands) {
        text += kAllowedDeviation;
        for (double value : {band.lowerMolPct, band.upperMolPct, band.allowedRelativeSdPct}) {
            text += '\t';
            AppendNumber(text, value);
        }
        AppendSource(text, band.source);
    }
    for (const CriticalRangeEntry& entry : tables.criticalRange) {
        text += kCriticalRange;
        text += '\t';
        text += std::to_string(entry.n);
        text += '\t';
        AppendNumber(text, entry.factor);
        AppendSource(text, entry.source);
    }
    if (tables.mixtureRatio > 0.0) {
        text += kMixtureRatio;
        text += '\t';
        AppendNumber(text, tables.mixtureRatio);
        AppendSource(text, tables.mixtureRatioSource);
    }
    return text;
}

} // namespace gost31371

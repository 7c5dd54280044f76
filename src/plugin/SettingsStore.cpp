#include "plugin/SettingsStore.h"

#include <charconv>
#include <cstdint>
#include <cstdlib>

#include "calc/CalcContext.h"
#include "calc/journal/Journal.h"
#include "plugin/Host.h"
#include "text/Format.h"
#include "text/StringIds.gen.h"
#include "text/Utf.h"

namespace SettingsStore {
namespace {

std::u16string Truncated(std::u16string text) {
    if (text.size() <= kMaxValueLength) {
        return text;
    }
    size_t length = kMaxValueLength;
    if (IsHighSurrogate(text[length - 1])) {
        --length;
    }
    text.resize(length);
    return text;
}

std::u16string ListKey(std::u16string_view format, int index) {
    return Truncated(FormatText(format, {index}));
}

// Leading integer of a field as the C runtime's wcstoll reads it: optional blanks and sign, then
// digits; no digits read as 0; values beyond 64 bits saturate.
int64_t ParseInteger(std::u16string_view field) {
    size_t i = 0;
    while (i < field.size() && (field[i] == u' ' || field[i] == u'\t')) {
        ++i;
    }
    bool negative = false;
    if (i < field.size() && (field[i] == u'-' || field[i] == u'+')) {
        negative = field[i] == u'-';
        ++i;
    }
    uint64_t magnitude = 0;
    bool overflow = false;
    for (; i < field.size() && field[i] >= u'0' && field[i] <= u'9'; ++i) {
        const uint64_t digit = static_cast<uint64_t>(field[i] - u'0');
        if (magnitude > (UINT64_MAX - digit) / 10) {
            overflow = true;
        } else {
            magnitude = magnitude * 10 + digit;
        }
    }
    if (overflow) {
        magnitude = UINT64_MAX;
    }
    // Unsigned wrap-around, so that "%llu" of a negative id reads back as that id.
    const uint64_t value = negative ? 0 - magnitude : magnitude;
    return static_cast<int64_t>(value);
}

// Leading floating-point number of a field, point as decimal separator; no number reads as 0.
double ParseReal(std::u16string_view field) {
    std::string ascii;
    for (const char16_t c : field) {
        if (c > 0x7F) {
            break;
        }
        ascii.push_back(static_cast<char>(c));
    }
    size_t start = ascii.find_first_not_of(" \t");
    if (start == std::string::npos) {
        return 0.0;
    }
    if (ascii[start] == '+') {
        ++start;
    }
    double value = 0.0;
    const auto result = std::from_chars(ascii.data() + start, ascii.data() + ascii.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars leaves value untouched; strtod semantics give +-HUGE_VAL or 0.
        return std::strtod(ascii.c_str() + start, nullptr);
    }
    return result.ec == std::errc() ? value : 0.0;
}

// A mixture field written for an empty text, and the rule that reads it back.
constexpr std::u16string_view kEmptyMarker = u"-";
std::u16string_view OrMarker(const std::u16string& text) {
    return text.empty() ? kEmptyMarker : std::u16string_view(text);
}
std::u16string FromMarked(const std::u16string& field) {
    return !field.empty() && field[0] == u'-' ? std::u16string() : field;
}

// Reads "<format with index>" entries 0, 1, ... until the first missing one.
template <typename Consume>
void ReadValues(std::u16string_view keyFormat, Consume consume) {
    for (int index = 0; index <= kLastListIndex; ++index) {
        std::u16string value;
        if (!ProfileGetString(ListKey(keyFormat, index), value)) {
            return;
        }
        consume(value);
    }
}

template <typename Consume>
void ReadList(std::u16string_view keyFormat, Consume consume) {
    ReadValues(keyFormat, [&](const std::u16string& value) { consume(SplitFields(value)); });
}

// Writes the values under indices 0..n-1, then deletes the entries a longer list left behind, up to the
// first missing one: the same end the reading finds. Stopping earlier, at an empty entry, would leave the
// entries after it to be read back at the next opening as elements the user had removed.
void WriteList(std::u16string_view keyFormat, const std::vector<std::u16string>& values) {
    int index = 0;
    for (; index < static_cast<int>(values.size()) && index <= kLastListIndex; ++index) {
        ProfileSetString(ListKey(keyFormat, index), Truncated(values[static_cast<size_t>(index)]));
    }
    for (; index <= kLastListIndex; ++index) {
        const std::u16string key = ListKey(keyFormat, index);
        std::u16string stale;
        if (!ProfileGetString(key, stale)) {
            return;
        }
        ProfileDeleteParam(key);
    }
}

constexpr std::u16string_view kAssayKey = u"Tarvel/Analysis%03d";
constexpr std::u16string_view kAliasKey = u"Tarvel/Aliase%03d";
constexpr std::u16string_view kMixturesKey = u"Tarvel/Mixtures%03d";
constexpr std::u16string_view kConstantKey = u"Tarvel/Constant%03d";
constexpr std::u16string_view kReportPropKey = u"Tarvel/ReportProp%03d";

// A stored integer outside its bounds would reach every stage (a calibration method 9 puts every
// component outside the scope of the method): it is replaced by its default and named once, in the
// journal as loaded and at the start of the next run's.
void LoadScalars(CalcContext& context) {
    CalcSettings& settings = context.settings;
    const CalcSettings defaults;
    for (const auto& entry : BoolSettingKeys()) {
        int32_t value = 0;
        settings.*entry.field = ProfileGetInt(entry.key, value) ? value != 0 : defaults.*entry.field;
    }
    context.loadingJournal.entries.clear();
    for (const auto& entry : IntSettingKeys()) {
        int32_t value = 0;
        const bool stored = ProfileGetInt(entry.key, value);
        const bool inBounds = value >= entry.lowest && value <= entry.highest;
        settings.*entry.field = stored && inBounds ? value : defaults.*entry.field;
        if (stored && !inBounds) {
            AddMessage(context.loadingJournal, JournalCategory::General, StringId::SettingOutOfBounds,
                       {entry.key, value, entry.lowest, entry.highest, defaults.*entry.field});
        }
    }
    for (const auto& entry : TextSettingKeys()) {
        std::u16string value;
        settings.*entry.field = ProfileGetString(entry.key, value) ? value : defaults.*entry.field;
    }
    context.journal.entries.insert(context.journal.entries.end(), context.loadingJournal.entries.begin(),
                                   context.loadingJournal.entries.end());
}

void SaveScalars(const CalcSettings& settings) {
    for (const auto& entry : BoolSettingKeys()) {
        ProfileSetInt(entry.key, settings.*entry.field ? 1 : 0);
    }
    for (const auto& entry : IntSettingKeys()) {
        ProfileSetInt(entry.key, settings.*entry.field);
    }
    for (const auto& entry : TextSettingKeys()) {
        ProfileSetString(entry.key, Truncated(settings.*entry.field));
    }
}

} // namespace

std::vector<std::u16string> SplitFields(std::u16string_view value) {
    std::vector<std::u16string> fields;
    size_t start = 0;
    while (start < value.size()) {
        const size_t slash = value.find(u'/', start);
        const size_t end = slash == std::u16string_view::npos ? value.size() : slash;
        if (end > start) {
            fields.emplace_back(value.substr(start, end - start));
        }
        start = end + 1;
    }
    return fields;
}

void Load(CalcContext& context) {
    LoadScalars(context);

    context.assays.clear();
    ReadList(kAssayKey, [&](const std::vector<std::u16string>& f) {
        if (f.size() < 4) {
            return;
        }
        Assay assay;
        assay.id = ParseInteger(f[0]);
        assay.included = ParseInteger(f[1]) != 0;
        assay.groupStamp = static_cast<uint32_t>(ParseInteger(f[2]));
        assay.role = static_cast<int32_t>(ParseInteger(f[3]));
        context.assays.push_back(std::move(assay));
    });

    context.aliases = DefaultAliasList();
    ReadList(kAliasKey, [&](const std::vector<std::u16string>& f) {
        if (f.size() < 2) {
            return;
        }
        for (auto& entry : context.aliases) {
            if (entry.id == f[0]) {
                entry.alias = f[1];
                return;
            }
        }
    });

    context.mixtures.clear();
    ReadList(kMixturesKey, [&](const std::vector<std::u16string>& f) {
        if (f.size() < 5) {
            return;
        }
        context.mixtures.push_back({FromMarked(f[0]), FromMarked(f[1]), FromMarked(f[2]),
                                    static_cast<int32_t>(ParseInteger(f[3])),
                                    static_cast<int32_t>(ParseInteger(f[4]))});
    });

    // Decimals the entry dialog cannot have taken read as not given. A constant whose value, written back,
    // no longer fits the profile's 255 characters (a number of hundreds of digits) would be cut when the
    // window closes and read at the next opening as another number or not at all: it is not read.
    const auto typedDecimals = [](const std::vector<std::u16string>& f, size_t index) {
        const int64_t decimals = index < f.size() ? ParseInteger(f[index]) : -1;
        return decimals >= 0 && decimals <= kMaxViewDecimals ? static_cast<int32_t>(decimals) : -1;
    };
    context.constants.clear();
    ReadList(kConstantKey, [&](const std::vector<std::u16string>& f) {
        if (f.size() < 3) {
            return;
        }
        MixtureComponent constant;
        constant.name = f[0];
        constant.concentration = ParseReal(f[1]);
        constant.deviation = ParseReal(f[2]);
        constant.qty_sym_conc = typedDecimals(f, 3);
        constant.qty_sym_dev = typedDecimals(f, 4);
        if (ConstantValue(constant).size() > kMaxValueLength) {
            return;
        }
        context.constants.push_back(std::move(constant));
    });

    // A report parameter is its name, "/" and its value: the value is the whole rest, so that a date,
    // a protocol number or a standard's designation keeps its slashes, and an empty value stays a row.
    context.reportProps.clear();
    ReadValues(kReportPropKey, [&](const std::u16string& value) {
        const size_t slash = value.find(u'/');
        if (slash == std::u16string::npos) {
            return;
        }
        context.reportProps.push_back({value.substr(0, slash), value.substr(slash + 1)});
    });
}

std::u16string ConstantValue(const MixtureComponent& constant) {
    // "%f" writes six decimals; a number typed with more keeps all of them, so 0.0000004 is not stored
    // as 0.
    const auto decimals = [](int32_t typed) { return typed > kConstantDecimals ? typed : kConstantDecimals; };
    return FormatText(u"%s/%.*f/%.*f/%d/%d",
                      {constant.name, decimals(constant.qty_sym_conc), constant.concentration,
                       decimals(constant.qty_sym_dev), constant.deviation, constant.qty_sym_conc,
                       constant.qty_sym_dev});
}

void Save(const CalcContext& context) {
    SaveScalars(context.settings);

    std::vector<std::u16string> values;
    for (const auto& assay : context.assays) {
        values.push_back(
            FormatText(u"%llu/%d/%lu/%d", {static_cast<unsigned long long>(assay.id), assay.included ? 1 : 0,
                                           assay.groupStamp, assay.role}));
    }
    WriteList(kAssayKey, values);

    values.clear();
    for (const auto& entry : context.aliases) {
        values.push_back(FormatText(u"%s/%s", {entry.id, entry.alias}));
    }
    WriteList(kAliasKey, values);

    values.clear();
    for (const auto& m : context.mixtures) {
        values.push_back(FormatText(u"%s/%s/%s/%d/%d", {OrMarker(m.component), OrMarker(m.first),
                                                        OrMarker(m.second), m.firstType, m.secondType}));
    }
    WriteList(kMixturesKey, values);

    values.clear();
    for (const auto& c : context.constants) {
        values.push_back(ConstantValue(c));
    }
    WriteList(kConstantKey, values);

    values.clear();
    for (const auto& p : context.reportProps) {
        values.push_back(FormatText(u"%s/%s", {p.name, p.value}));
    }
    WriteList(kReportPropKey, values);
}

} // namespace SettingsStore

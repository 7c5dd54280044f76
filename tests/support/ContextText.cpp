#include "ContextText.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <span>
#include <string>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "text/Utf.h"

namespace testsupport {
namespace {

struct Token {
    std::string name;     // empty for a positional value
    std::u16string value; // escapes resolved
    std::string text;     // the value as written, for numbers and messages
};

void AppendUtf8(std::string& out, uint32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// The value starting at line[i]: quoted with escapes, or up to the next blank. i ends after it.
std::string ReadValue(std::string_view line, size_t& i) {
    std::string value;
    if (i >= line.size() || line[i] != '"') {
        while (i < line.size() && line[i] != ' ' && line[i] != '\t') {
            value += line[i++];
        }
        return value;
    }
    for (++i; i < line.size() && line[i] != '"'; ++i) {
        if (line[i] != '\\' || i + 1 >= line.size()) {
            value += line[i];
            continue;
        }
        const char escaped = line[++i];
        if (escaped == 'u' && i + 4 < line.size()) {
            AppendUtf8(value,
                       static_cast<uint32_t>(std::stoul(std::string(line.substr(i + 1, 4)), nullptr, 16)));
            i += 4;
        } else {
            value += escaped == 'n' ? '\n' : escaped == 't' ? '\t' : escaped == 'r' ? '\r' : escaped;
        }
    }
    ++i; // the closing quote
    return value;
}

std::vector<Token> Tokens(std::string_view line) {
    std::vector<Token> tokens;
    size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
            continue;
        }
        Token token;
        if (line[i] != '"') {
            const size_t end = line.find_first_of(" \t=", i);
            if (end != std::string_view::npos && line[end] == '=') {
                token.name = std::string(line.substr(i, end - i));
                i = end + 1;
            }
        }
        token.text = ReadValue(line, i);
        token.value = Utf8ToUtf16(token.text);
        tokens.push_back(std::move(token));
    }
    return tokens;
}

double ParseDouble(const Token& token) {
    std::string_view text = token.text;
    const bool negative = !text.empty() && text.front() == '-';
    const std::string_view magnitude = negative ? text.substr(1) : text;
    if (magnitude == "nan" || magnitude == "inf") {
        const double value = magnitude == "nan" ? std::numeric_limits<double>::quiet_NaN()
                                                : std::numeric_limits<double>::infinity();
        return std::copysign(value, negative ? -1.0 : 1.0);
    }
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(result.ec == std::errc() && result.ptr == text.data() + text.size())
        << "not a number: " << text;
    return value;
}

template <typename Integer>
Integer ParseInteger(const Token& token) {
    Integer value = 0;
    const std::string_view text = token.text;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(result.ec == std::errc() && result.ptr == text.data() + text.size())
        << "not an integer: " << text;
    return value;
}

template <typename Record>
using Member = std::variant<bool Record::*, int32_t Record::*, uint32_t Record::*, int64_t Record::*,
                            double Record::*, std::u16string Record::*>;

template <typename Record>
struct Field {
    std::string_view name;
    Member<Record> member;
};

template <typename Record>
void SetMember(Record& record, const Member<Record>& member, const Token& token) {
    std::visit(
        [&](auto pointer) {
            using Value = std::remove_reference_t<decltype(record.*pointer)>;
            if constexpr (std::is_same_v<Value, bool>) {
                record.*pointer = ParseInteger<int32_t>(token) != 0;
            } else if constexpr (std::is_same_v<Value, double>) {
                record.*pointer = ParseDouble(token);
            } else if constexpr (std::is_same_v<Value, std::u16string>) {
                record.*pointer = token.value;
            } else {
                record.*pointer = ParseInteger<Value>(token);
            }
        },
        member);
}

template <typename Record>
void SetFields(Record& record, std::span<const Field<Record>> fields, const std::vector<Token>& tokens,
               std::string_view line) {
    for (size_t i = 1; i < tokens.size(); ++i) {
        const Field<Record>* found = nullptr;
        for (const Field<Record>& field : fields) {
            found = field.name == tokens[i].name ? &field : found;
        }
        if (found == nullptr) {
            ADD_FAILURE() << "no field \"" << tokens[i].name << "\" in: " << line;
            continue;
        }
        SetMember(record, found->member, tokens[i]);
    }
}

template <typename Record>
Record RecordOf(std::span<const Field<Record>> fields, const std::vector<Token>& tokens,
                std::string_view line, Record record = {}) {
    SetFields(record, fields, tokens, line);
    return record;
}

const Field<Assay> kAssayFields[] = {
    {"included", &Assay::included},
    {"id", &Assay::id},
    {"file", &Assay::filename},
    {"uuid", &Assay::uuid},
    {"sample", &Assay::sample},
    {"method", &Assay::method},
    {"date", &Assay::date},
    {"role", &Assay::role},
    {"mixture", &Assay::mixture},
    {"atm", &Assay::atmpressure},
    {"groupStamp", &Assay::groupStamp},
};

const Field<CalibrationResult> kCalibrationFields[] = {
    {"isok", &CalibrationResult::isok},       {"component", &CalibrationResult::component},
    {"conc1", &CalibrationResult::conc1},     {"conc2", &CalibrationResult::conc2},
    {"digits1", &CalibrationResult::digits1}, {"digits2", &CalibrationResult::digits2},
    {"ink1", &CalibrationResult::ink1},       {"ink2", &CalibrationResult::ink2},
    {"ink3", &CalibrationResult::ink3},       {"midk", &CalibrationResult::midk},
    {"mda1", &CalibrationResult::mda1},       {"mda2", &CalibrationResult::mda2},
    {"inka", &CalibrationResult::inka},       {"inkb", &CalibrationResult::inkb},
    {"rate1", &CalibrationResult::rate1},     {"norm1", &CalibrationResult::norm1},
    {"rate2", &CalibrationResult::rate2},     {"norm2", &CalibrationResult::norm2},
    {"crrng", &CalibrationResult::crrng},     {"cvrng", &CalibrationResult::cvrng},
    {"crate", &CalibrationResult::crate},     {"cnorm", &CalibrationResult::cnorm},
    {"arsd1", &CalibrationResult::arsd1},     {"cval1", &CalibrationResult::cval1},
    {"arsd2", &CalibrationResult::arsd2},     {"cval2", &CalibrationResult::cval2},
};

const Field<ComponentResult> kComponentFields[] = {
    {"accepted", &ComponentResult::accepted},
    {"id", &ComponentResult::id},
    {"fixed", &ComponentResult::fixed},
    {"time", &ComponentResult::time},
    {"area", &ComponentResult::area},
    {"height", &ComponentResult::height},
    {"molarFraction", &ComponentResult::molarFraction},
    {"rawFraction", &ComponentResult::rawFraction},
    {"uncertainty", &ComponentResult::uncertainty},
    {"rawUncertainty", &ComponentResult::rawUncertainty},
    {"volumeFraction", &ComponentResult::volumeFraction},
    {"massFraction", &ComponentResult::massFraction},
    {"difference", &ComponentResult::difference},
    {"acceptLimit", &ComponentResult::acceptLimit},
    {"x1", &ComponentResult::x1},
    {"x2", &ComponentResult::x2},
    {"lowerLimit", &ComponentResult::lowerLimit},
    {"referenceValue", &ComponentResult::referenceValue},
    {"referenceDecimals", &ComponentResult::referenceDecimals},
};

const Field<ComponentMixtures> kMixtureFields[] = {
    {"component", &ComponentMixtures::component},   {"first", &ComponentMixtures::first},
    {"second", &ComponentMixtures::second},         {"firstType", &ComponentMixtures::firstType},
    {"secondType", &ComponentMixtures::secondType},
};

const Field<MixtureComponent> kConstantFields[] = {
    {"name", &MixtureComponent::name},
    {"concentration", &MixtureComponent::concentration},
    {"deviation", &MixtureComponent::deviation},
    {"qty_sym_conc", &MixtureComponent::qty_sym_conc},
    {"qty_sym_dev", &MixtureComponent::qty_sym_dev},
};

const Field<SimplifiedMixtureRow> kSimplifiedMixtureFields[] = {
    {"normalised", &SimplifiedMixtureRow::normalised}, {"raw", &SimplifiedMixtureRow::raw}};
const Field<MotorFuelRow> kMotorFuelFields[] = {{"share", &MotorFuelRow::share},
                                                {"value", &MotorFuelRow::value}};
const Field<InitialMethaneNumberRow> kInitialMethaneNumberFields[] = {
    {"methaneNumber", &InitialMethaneNumberRow::methaneNumber},
    {"mixtureNumber", &InitialMethaneNumberRow::mixtureNumber}};
const Field<ComponentFractionRow> kComponentFractionFields[] = {
    {"component", &ComponentFractionRow::component},
    {"volumeFraction", &ComponentFractionRow::volumeFraction},
    {"molarFraction", &ComponentFractionRow::molarFraction}};

const Field<ReportProp> kReportPropFields[] = {{"name", &ReportProp::name}, {"value", &ReportProp::value}};
const Field<JournalEntry> kJournalFields[] = {{"category", &JournalEntry::category},
                                              {"text", &JournalEntry::text}};
const Field<CalcContext> kContextFields[] = {{"calibrationKind", &CalcContext::calibrationKind},
                                             {"calibrationOk", &CalcContext::calibrationOk}};

// The members of CalcSettings by name, from the settings list.
const std::vector<Field<CalcSettings>>& SettingFields() {
    static const auto kKeys = [] {
        std::vector<std::pair<std::string, Member<CalcSettings>>> keys;
        const auto add = [&keys](const char16_t* key, Member<CalcSettings> member) {
            keys.emplace_back(
                Utf16ToUtf8(std::u16string_view(key).substr(std::u16string_view(u"Tarvel/").size())), member);
        };
        for (const auto& key : BoolSettingKeys()) {
            add(key.key, key.field);
        }
        for (const auto& key : IntSettingKeys()) {
            add(key.key, key.field);
        }
        for (const auto& key : TextSettingKeys()) {
            add(key.key, key.field);
        }
        return keys;
    }();
    static const auto kFields = [] {
        std::vector<Field<CalcSettings>> fields;
        for (const auto& [name, member] : kKeys) {
            fields.push_back({name, member});
        }
        return fields;
    }();
    return kFields;
}

void ReadValues(double (&values)[kPhysicalPropertyCount], const std::vector<Token>& tokens,
                std::string_view line) {
    EXPECT_EQ(tokens.size(), static_cast<size_t>(kPhysicalPropertyCount) + 1) << line;
    for (size_t i = 1; i < tokens.size() && i <= static_cast<size_t>(kPhysicalPropertyCount); ++i) {
        values[i - 1] = ParseDouble(tokens[i]);
    }
}

void ApplyLine(CalcContext& context, std::string_view line) {
    const std::vector<Token> tokens = Tokens(line);
    const std::string& record = tokens.front().text;
    if (record == "aliases") {
        context.aliases.clear();
        for (size_t i = 1; i < tokens.size(); ++i) {
            context.aliases.push_back({Utf8ToUtf16(tokens[i].name), tokens[i].value});
        }
    } else if (record == "assay") {
        Assay assay;
        assay.included = true;
        context.assays.push_back(RecordOf<Assay>(kAssayFields, tokens, line, assay));
    } else if (record == "calibrationAssays" || record == "measurements") {
        for (size_t i = 1; i < tokens.size(); ++i) {
            const auto id = ParseInteger<int64_t>(tokens[i]);
            if (record == "measurements") {
                context.measurements.push_back(Measurement{id, {}, {}});
            } else {
                context.calibrationAssays.insert(id);
            }
        }
    } else if (record == "context") {
        SetFields<CalcContext>(context, kContextFields, tokens, line);
    } else if (record == "settings") {
        SetFields<CalcSettings>(context.settings, SettingFields(), tokens, line);
    } else if (record == "calibration") {
        context.calibration.push_back(RecordOf<CalibrationResult>(kCalibrationFields, tokens, line));
    } else if (record == "component" || record == "component2") {
        (record == "component" ? context.components : context.components2)
            .push_back(RecordOf<ComponentResult>(kComponentFields, tokens, line));
    } else if (record == "properties" || record == "propertiesU") {
        ReadValues(record == "properties" ? context.properties.value : context.propertiesU.value, tokens,
                   line);
    } else if (record == "methaneNumber" && tokens.size() == 3) {
        context.methaneNumber = {ParseDouble(tokens[1]), ParseDouble(tokens[2])};
    } else if (record == "simplifiedMixture") {
        context.methaneNumberLists.simplifiedMixture.push_back(
            RecordOf<SimplifiedMixtureRow>(kSimplifiedMixtureFields, tokens, line));
    } else if (record == "motorFuelMixture") {
        context.methaneNumberLists.motorFuelMixture.push_back(
            RecordOf<MotorFuelRow>(kMotorFuelFields, tokens, line));
    } else if (record == "initialMethaneNumber") {
        context.methaneNumberLists.initialMethaneNumbers.push_back(
            RecordOf<InitialMethaneNumberRow>(kInitialMethaneNumberFields, tokens, line));
    } else if (record == "componentFraction") {
        context.methaneNumberLists.componentFractions.push_back(
            RecordOf<ComponentFractionRow>(kComponentFractionFields, tokens, line));
    } else if (record == "mixture") {
        context.mixtures.push_back(RecordOf<ComponentMixtures>(kMixtureFields, tokens, line));
    } else if (record == "constant") {
        context.constants.push_back(RecordOf<MixtureComponent>(kConstantFields, tokens, line));
    } else if (record == "reportProp") {
        context.reportProps.push_back(RecordOf<ReportProp>(kReportPropFields, tokens, line));
    } else if (record == "journal") {
        context.journal.entries.push_back(RecordOf<JournalEntry>(kJournalFields, tokens, line));
    } else {
        ADD_FAILURE() << "unknown context line: " << line;
    }
}

} // namespace

void ApplyContextText(CalcContext& context, std::string_view lines) {
    while (!lines.empty()) {
        const size_t end = lines.find('\n');
        std::string_view line = lines.substr(0, end);
        lines = end == std::string_view::npos ? std::string_view() : lines.substr(end + 1);
        const size_t first = line.find_first_not_of(" \t\r");
        if (first == std::string_view::npos || line[first] == '#') {
            continue;
        }
        ApplyLine(context, line.substr(first, line.find_last_not_of(" \t\r") + 1 - first));
    }
}

CalcContext ContextFromText(std::string_view lines) {
    CalcContext context;
    ApplyContextText(context, lines);
    return context;
}

} // namespace testsupport

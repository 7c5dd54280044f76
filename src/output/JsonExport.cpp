#include "output/JsonExport.h"

#include <cmath>

#include "calc/CalcContext.h"
#include "calc/journal/JournalCategory.h"
#include "calc/rounding/Rounding.h"
#include "data/AliasLookup.h"
#include "output/ExportKeywords.h"
#include "output/ExportSelection.h"
#include "output/UtcTimeText.h"
#include "results/CalibrationTable.h"
#include "results/ComponentsTable.h"
#include "results/MethaneNumberTable.h"
#include "results/PropertiesTable.h"
#include "text/Format.h"
#include "text/Utf.h"

namespace {
// The document is assembled in UTF-16 as the context holds its texts and converted once at the end.
class JsonText {
public:
    JsonText& operator<<(std::u16string_view text) {
        text_ += text;
        return *this;
    }
    JsonText& operator<<(std::string_view ascii) {
        text_.append(ascii.begin(), ascii.end());
        return *this;
    }
    JsonText& operator<<(const char* ascii) { return *this << std::string_view(ascii); }

    // A number in "%g" form (six significant digits, exponent from 1e-5 down and from 1e6 up). Every
    // NaN is "nan" and the infinities are "inf" and "-inf", as the C library writes them, so that a
    // reader parsing numbers with strtod takes them back.
    JsonText& Number(double value) {
        if (std::isnan(value)) {
            return *this << "nan";
        }
        return *this << std::u16string_view(FormatText(u"%g", {value}));
    }

    // A string value in quotes, escaped as JSON (RFC 8259, section 7) requires: a double quote and a
    // backslash get a backslash before them, a control character below U+0020 is written as \u00XX.
    // Everything else, non-ASCII letters included, is written as it stands.
    JsonText& Quoted(std::u16string_view value) {
        static constexpr char16_t kHexDigits[] = u"0123456789abcdef";
        text_ += u'"';
        for (const char16_t c : value) {
            if (c == u'"' || c == u'\\') {
                text_ += u'\\';
                text_ += c;
            } else if (c < 0x20) {
                text_ += u"\\u00";
                text_ += kHexDigits[c >> 4];
                text_ += kHexDigits[c & 0xF];
            } else {
                text_ += c;
            }
        }
        text_ += u'"';
        return *this;
    }

    // "key":"value",
    JsonText& StringMember(std::string_view key, std::u16string_view value) {
        *this << "\"" << key << "\":";
        Quoted(value);
        return *this << ",";
    }
    // "key":number,
    JsonText& NumberMember(std::string_view key, double value) {
        *this << "\"" << key << "\":";
        Number(value);
        return *this << ",";
    }
    // "key":true, or "key":false,
    JsonText& BooleanMember(std::string_view key, bool value) {
        return *this << "\"" << key << "\":" << BooleanWord(value) << ",";
    }

    const std::u16string& Text() const { return text_; }

private:
    std::u16string text_;
};

constexpr const char* kEndOfLine = "\n";

void WriteAssays(JsonText& json, const CalcContext& context) {
    json << "\"assay\":[" << kEndOfLine;
    for (const Assay& assay : context.assays) {
        if (!TookPartInLastCalculation(context, assay)) {
            continue;
        }
        json << "{";
        json.StringMember("filename", FileNameOfPath(assay.filename));
        json.StringMember("uuid", assay.uuid);
        json.StringMember("sample", assay.sample);
        json.StringMember("mixture", assay.mixture);
        // The readers know the member by this spelling.
        json.StringMember("detetime", UtcIsoTimeText(assay.date));
        json.StringMember("type", AssayKindKeyword(assay.role));
        json.StringMember("method", assay.method);
        json.NumberMember("atmpressure", assay.atmpressure);
        json << "}," << kEndOfLine;
    }
    json << "]," << kEndOfLine;
}

void WriteCalibration(JsonText& json, const CalcContext& context) {
    const TableView view = MakeTableView(context, TableReader::Document);
    json << "\"calibration\":[" << kEndOfLine;
    for (const CalibrationResult& row : context.calibration) {
        json << "{";
        json.BooleanMember("isok", row.isok);
        json.StringMember("component", DisplayNameForComponent(context.aliases, row.component));
        for (const CalibrationTableColumn& column : CalibrationTable()) {
            if (IsShown(column, view)) {
                json.NumberMember(column.key, row.*column.value);
            }
        }
        json << "}," << kEndOfLine;
    }
    json << "]," << kEndOfLine;
}

void WriteComponents(JsonText& json, const CalcContext& context) {
    const TableView view = MakeTableView(context, TableReader::Document);
    json << "\"components\":[" << kEndOfLine;
    for (const ComponentResult& row : context.components) {
        json << "{";
        json.BooleanMember("isok", row.accepted);
        json.StringMember("component", DisplayNameForComponent(context.aliases, row.id));
        for (const ComponentsTableColumn& column : ComponentsTable()) {
            if (column.inJson && IsShown(column, view)) {
                json.NumberMember(column.key, row.*column.value);
            }
        }
        json << "}," << kEndOfLine;
    }
    json << "]," << kEndOfLine;
}

void WriteCalculation(JsonText& json, const CalcContext& context) {
    const TableView view = MakeTableView(context, TableReader::Document);
    json << "\"calculation\":{" << kEndOfLine;
    for (const PropertiesTableRow& row : PropertiesTable()) {
        if (!IsShown(row, view)) {
            continue;
        }
        const PropertyValue property = ValueOf(row, context);
        json << "\"" << row.key << "\":[";
        json.Number(property.value) << ",";
        json.Number(property.uncertainty) << "],";
        json << kEndOfLine;
    }
    json << "}," << kEndOfLine;
}

// A methane number the run did not compute is left out: its reader finds no member rather than a
// number that was never calculated.
void WriteMethane(JsonText& json, const CalcContext& context) {
    json << "\"methane\":{" << kEndOfLine;
    const std::span<const MethaneNumberTableRow> rows = MethaneNumberTable();
    for (size_t i = 0; i < rows.size(); ++i) {
        const double value = context.methaneNumber.*rows[i].value;
        if (!HasMethaneNumber(value)) {
            continue;
        }
        json << "\"" << rows[i].key << "\":";
        // The last member ends with a comma and a space: the readers take the text so.
        json.Number(value) << (i + 1 < rows.size() ? "," : ", ") << kEndOfLine;
    }
    json << "}," << kEndOfLine;
}

void WriteMixtureList(JsonText& json, const CalcContext& context, const ComponentMixtures& entry,
                      std::u16string_view mixtureName, int32_t type, const ExportSources& sources) {
    json << "{";
    json.StringMember("mixture", mixtureName) << kEndOfLine;
    json.StringMember("component", entry.component.empty()
                                       ? u"*"
                                       : DisplayNameForComponent(context.aliases, entry.component));
    const std::u16string_view typeKeyword = MixtureTypeKeyword(type);
    if (!typeKeyword.empty()) {
        json.StringMember("type", typeKeyword);
    }
    json << "\"list\":[" << kEndOfLine;
    std::vector<MixtureComponent> composition;
    sources.loadMixture(context, mixtureName, composition);
    for (const MixtureComponent& component : composition) {
        json << "{";
        json.StringMember("component", DisplayNameForComponent(context.aliases, component.name));
        // Certified values with the decimals stored with them, as the certificate gives them.
        json << "\"conc\":"
             << std::u16string_view(FormatReference(component.concentration, component.qty_sym_conc)) << ",";
        json << "\"uconc\":"
             << std::u16string_view(FormatReference(component.deviation, component.qty_sym_dev)) << ",";
        json << "}," << kEndOfLine;
    }
    json << "]}," << kEndOfLine;
}

void WriteMixtures(JsonText& json, const CalcContext& context, const ExportSources& sources) {
    json << "\"mixture\":[" << kEndOfLine;
    for (const ComponentMixtures& entry : context.mixtures) {
        json << "\"pair\":[" << kEndOfLine;
        if (!entry.first.empty()) {
            WriteMixtureList(json, context, entry, entry.first, entry.firstType, sources);
        }
        if (!entry.second.empty()) {
            WriteMixtureList(json, context, entry, entry.second, entry.secondType, sources);
        }
        json << "]" << kEndOfLine;
    }
    json << "]," << kEndOfLine;
}

void WriteSettings(JsonText& json, const CalcSettings& settings) {
    json << "\"settings\":{" << kEndOfLine;
    const std::u16string_view method = CalibrationMethodLetter(settings.clbrCalcMethod);
    if (!method.empty()) {
        json.StringMember("calcmethod", method) << kEndOfLine;
    }
    json.BooleanMember("control", settings.clbrControl) << kEndOfLine;
    json.BooleanMember("mixtureconformity", settings.clbrMixtureConformity) << kEndOfLine;
    json.BooleanMember("pressure", settings.clcPressure) << kEndOfLine;
    // The temperatures are written as the fixed texts of their index, not as computed numbers.
    const std::u16string_view measureTemperature = MeasureTemperatureText(settings.clcMeasureTemp);
    if (!measureTemperature.empty()) {
        json << "\"measuretemp\":" << measureTemperature << "," << kEndOfLine;
    }
    const std::u16string_view burnoutTemperature = BurnoutTemperatureText(settings.clcBurnoutTemp);
    if (!burnoutTemperature.empty()) {
        json << "\"burnouttemp\":" << burnoutTemperature << "," << kEndOfLine;
    }
    json.BooleanMember("methanediff", settings.MethaneByDifference()) << kEndOfLine;
    json.BooleanMember("identitymatrix", settings.clcIdentityMatrix) << kEndOfLine;
    json.BooleanMember("conformity", settings.clcMixtureConformity) << kEndOfLine;
    json.BooleanMember("laboratory", settings.LaboratoryChromatograph()) << kEndOfLine;
    json << "}," << kEndOfLine;
}

void WriteOutput(JsonText& json, const MessageJournal& journal) {
    json << "\"output\":[" << kEndOfLine;
    for (const JournalEntry& entry : journal.entries) {
        json << "[";
        json.Quoted(CategoryExportCode(entry.category)) << ",";
        json.Quoted(entry.text) << "]," << kEndOfLine;
    }
    json << "]," << kEndOfLine;
}
} // namespace

std::string BuildJsonExport(const CalcContext& context, const ExportSources& sources) {
    const CalcSettings& settings = context.settings;
    JsonText json;
    json << "{";
    if (settings.expAssay) {
        WriteAssays(json, context);
    }
    if (settings.expCalibration) {
        WriteCalibration(json, context);
    }
    if (settings.expComponents) {
        WriteComponents(json, context);
    }
    if (settings.expCalculation) {
        WriteCalculation(json, context);
    }
    if (settings.expMethaneNumber) {
        WriteMethane(json, context);
    }
    if (settings.expMixtures) {
        WriteMixtures(json, context, sources);
    }
    if (settings.expSettings) {
        WriteSettings(json, settings);
    }
    if (settings.expOutput) {
        WriteOutput(json, context.journal);
    }
    json << "}";
    return Utf16ToUtf8(json.Text());
}

#include "output/TxtExport.h"

#include "calc/CalcContext.h"
#include "calc/journal/JournalCategory.h"
#include "calc/rounding/Rounding.h"
#include "data/AliasLookup.h"
#include "output/ExportFields.h"
#include "output/ExportKeywords.h"
#include "output/ExportSelection.h"
#include "platform/TextEncoding.h"

namespace {
class TxtText {
public:
    // A line and its LF.
    void Line(std::string_view ascii) {
        text_.append(ascii.begin(), ascii.end());
        text_ += u'\n';
    }
    void Blank() { text_ += u'\n'; }
    // KEY=value
    void KeyLine(std::string_view key, std::u16string_view value) {
        text_.append(key.begin(), key.end());
        text_ += u'=';
        text_ += value;
        text_ += u'\n';
    }
    void Record(const ExportRecord& record) {
        for (const ExportField& field : record) {
            KeyLine(field.key, field.capitalInTxt ? Capitals(field.text) : field.text);
        }
    }
    std::u16string& Text() { return text_; }

private:
    // The words written in capitals are ASCII (booleans and keywords).
    static std::u16string Capitals(std::u16string_view text) {
        std::u16string capitals(text);
        for (char16_t& c : capitals) {
            if (c >= u'a' && c <= u'z') {
                c = static_cast<char16_t>(c - u'a' + u'A');
            }
        }
        return capitals;
    }

    std::u16string text_;
};

void WriteAssays(TxtText& txt, const CalcContext& context, const ExportSources& sources) {
    txt.Line("[ASSAY]");
    for (const Assay& assay : context.assays) {
        if (TookPartInLastCalculation(context, assay)) {
            txt.Record(AssayRecord(assay, context, sources.localDateTime(assay.date)));
            txt.Blank();
        }
    }
    txt.Blank();
    txt.Blank();
}

void WriteMixture(TxtText& txt, const CalcContext& context, std::string_view prefix,
                  std::u16string_view mixtureName, int32_t type, const ExportSources& sources) {
    const std::string prefixText(prefix);
    txt.KeyLine(prefixText + "_NAME", mixtureName);
    const std::u16string_view typeKeyword = MixtureTypeKeyword(type);
    if (!typeKeyword.empty()) {
        txt.KeyLine(prefixText + "_TYPE", typeKeyword);
    }
    std::vector<MixtureComponent> composition;
    sources.loadMixture(context, mixtureName, composition);
    for (const MixtureComponent& certified : composition) {
        txt.Line(prefixText + "_COMPONENTS");
        txt.KeyLine("PEAK", DisplayNameForComponent(context.aliases, certified.name));
        txt.KeyLine("CONC", FormatReference(certified.concentration, certified.qty_sym_conc));
        txt.KeyLine("UCONC", FormatReference(certified.deviation, certified.qty_sym_dev));
    }
}

// Unlike the other sections, the mixtures are written without blank lines.
void WriteMixtures(TxtText& txt, const CalcContext& context, const ExportSources& sources) {
    txt.Line("[MIXTURE]");
    for (const ComponentMixtures& entry : context.mixtures) {
        txt.KeyLine("PEAK", entry.component.empty()
                                ? u"*"
                                : DisplayNameForComponent(context.aliases, entry.component));
        if (!entry.first.empty()) {
            WriteMixture(txt, context, "GSO1", entry.first, entry.firstType, sources);
        }
        if (!entry.second.empty()) {
            WriteMixture(txt, context, "GSO2", entry.second, entry.secondType, sources);
        }
    }
}

// The message text is written as it is: the continuation lines of a message of several lines carry
// no key.
void WriteOutput(TxtText& txt, const MessageJournal& journal) {
    txt.Line("[OUTPUT]");
    for (const JournalEntry& entry : journal.entries) {
        txt.KeyLine("MSGT", CategoryExportCode(entry.category));
        txt.KeyLine("MESSAGE", entry.text);
        txt.Blank();
    }
    txt.Blank();
    txt.Blank();
}
} // namespace

std::u16string BuildTxtExportText(const CalcContext& context, const ExportSources& sources) {
    const CalcSettings& settings = context.settings;
    TxtText txt;
    if (settings.expAssay) {
        WriteAssays(txt, context, sources);
    }
    if (settings.expCalibration) {
        txt.Line("[CALIBRATION]");
        for (const CalibrationResult& row : context.calibration) {
            txt.Record(CalibrationRecord(row, context));
            txt.Blank();
        }
        txt.Blank();
        txt.Blank();
    }
    if (settings.expComponents) {
        txt.Line("[COMPONENTS]");
        for (const ComponentResult& row : context.components) {
            txt.Record(ComponentRecord(row, context));
            txt.Blank();
        }
        txt.Blank();
        txt.Blank();
    }
    if (settings.expCalculation) {
        txt.Line("[CALCULATION]");
        txt.Record(CalculationRecord(context));
        txt.Blank();
        txt.Blank();
    }
    if (settings.expMethaneNumber) {
        txt.Line("[METHANE]");
        txt.Record(MethaneRecord(context));
        txt.Blank();
    }
    if (settings.expMixtures) {
        WriteMixtures(txt, context, sources);
    }
    if (settings.expSettings) {
        txt.Line("[SETTINGS]");
        txt.Record(SettingsRecord(context));
        txt.Blank();
        txt.Blank();
    }
    if (settings.expOutput) {
        WriteOutput(txt, context.journal);
    }
    return std::move(txt.Text());
}

std::string BuildTxtExport(const CalcContext& context, const ExportSources& sources) {
    return platform::ToAnsiCodePage(BuildTxtExportText(context, sources));
}

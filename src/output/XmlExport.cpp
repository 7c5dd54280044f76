#include "output/XmlExport.h"

#include <pugixml.hpp>

#include "calc/CalcContext.h"
#include "calc/journal/JournalCategory.h"
#include "calc/rounding/Rounding.h"
#include "data/AliasLookup.h"
#include "output/ExportFields.h"
#include "output/ExportKeywords.h"
#include "output/ExportSelection.h"
#include "output/UtcTimeText.h"
#include "text/Utf.h"

namespace {
// Every value is an element whose only child is its text, also when the text is empty. A NUL, like the
// other control characters, cannot be written in XML and is left out (pugixml would end the text there).
void AppendText(pugi::xml_node parent, const char* name, std::u16string_view text) {
    std::string bytes = Utf16ToUtf8(text);
    std::erase(bytes, '\0');
    parent.append_child(name).text().set(bytes.c_str());
}

void AppendRecord(pugi::xml_node parent, const char* name, const ExportRecord& record) {
    pugi::xml_node element = parent.append_child(name);
    for (const ExportField& field : record) {
        AppendText(element, field.element.c_str(), field.text);
    }
}

void AppendMixture(pugi::xml_node pair, const char* name, const CalcContext& context,
                   std::u16string_view mixtureName, int32_t type, const ExportSources& sources) {
    pugi::xml_node mixture = pair.append_child(name);
    AppendText(mixture, "name", mixtureName);
    const std::u16string_view typeKeyword = MixtureTypeKeyword(type);
    if (!typeKeyword.empty()) {
        AppendText(mixture, "type", typeKeyword);
    }
    std::vector<MixtureComponent> composition;
    sources.loadMixture(context, mixtureName, composition);
    for (const MixtureComponent& certified : composition) {
        pugi::xml_node component = mixture.append_child("component");
        AppendText(component, "peak", DisplayNameForComponent(context.aliases, certified.name));
        AppendText(component, "conc", FormatReference(certified.concentration, certified.qty_sym_conc));
        AppendText(component, "uconc", FormatReference(certified.deviation, certified.qty_sym_dev));
    }
}

void AppendMixtures(pugi::xml_node root, const CalcContext& context, const ExportSources& sources) {
    pugi::xml_node mixtures = root.append_child("mixture");
    for (const ComponentMixtures& entry : context.mixtures) {
        pugi::xml_node pair = mixtures.append_child("pair");
        AppendText(pair, "peak",
                   entry.component.empty() ? u"*"
                                           : DisplayNameForComponent(context.aliases, entry.component));
        if (!entry.first.empty()) {
            AppendMixture(pair, "gso1", context, entry.first, entry.firstType, sources);
        }
        if (!entry.second.empty()) {
            AppendMixture(pair, "gso2", context, entry.second, entry.secondType, sources);
        }
    }
}

void AppendOutput(pugi::xml_node root, const MessageJournal& journal) {
    pugi::xml_node output = root.append_child("output");
    for (const JournalEntry& entry : journal.entries) {
        const std::u16string_view code = CategoryExportCode(entry.category);
        if (!code.empty()) {
            AppendText(output, "category", code);
        }
        AppendText(output, "message", entry.text);
    }
}

class StringWriter : public pugi::xml_writer {
public:
    void write(const void* data, size_t size) override { bytes.append(static_cast<const char*>(data), size); }
    std::string bytes;
};
} // namespace

std::string BuildXmlExport(const CalcContext& context, const ExportSources& sources) {
    const CalcSettings& settings = context.settings;
    pugi::xml_document document;
    pugi::xml_node declaration = document.append_child(pugi::node_declaration);
    declaration.append_attribute("version").set_value("1.0");
    declaration.append_attribute("encoding").set_value("utf-8");
    pugi::xml_node root = document.append_child("natgas");
    if (settings.expAssay) {
        for (const Assay& assay : context.assays) {
            if (TookPartInLastCalculation(context, assay)) {
                AppendRecord(root, "assay", AssayRecord(assay, context, UtcIsoTimeText(assay.date)));
            }
        }
    }
    if (settings.expCalibration) {
        for (const CalibrationResult& row : context.calibration) {
            AppendRecord(root, "calibration", CalibrationRecord(row, context));
        }
    }
    if (settings.expComponents) {
        for (const ComponentResult& row : context.components) {
            AppendRecord(root, "component", ComponentRecord(row, context));
        }
    }
    if (settings.expCalculation) {
        AppendRecord(root, "calculation", CalculationRecord(context));
    }
    if (settings.expMethaneNumber) {
        AppendRecord(root, "methane", MethaneRecord(context));
    }
    if (settings.expMixtures) {
        AppendMixtures(root, context, sources);
    }
    if (settings.expSettings) {
        AppendRecord(root, "settings", SettingsRecord(context));
    }
    if (settings.expOutput) {
        AppendOutput(root, context.journal);
    }
    StringWriter writer;
    document.save(writer, "", pugi::format_raw | pugi::format_skip_control_chars, pugi::encoding_utf8);
    return writer.bytes;
}

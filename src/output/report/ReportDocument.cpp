#include "output/report/ReportDocument.h"

#include <ctime>

#include "calc/CalcContext.h"
#include "calc/MetrologyTableInForce.h"
#include "calc/journal/JournalCategory.h"
#include "data/SqlException.h"
#include "output/report/ReportLocation.h"
#include "output/report/ReportSections.h"
#include "output/report/ReportTree.h"
#include "platform/LocalTime.h"
#include "text/Format.h"
#include "text/StringTable.h"

namespace {

AccountNameQuery accountNameQuery = nullptr;

struct StringWriter : pugi::xml_writer {
    std::string text;
    void write(const void* data, size_t size) override { text.append(static_cast<const char*>(data), size); }
};

void AddMeta(ReportTree& tree, pugi::xml_node root) {
    pugi::xml_node meta = AddElement(tree, root, "meta");
    AddString(tree, meta, "title", StringId::ReportTitle);
    AddString(tree, meta, "subtitle", StringId::ReportSubtitleNaturalGas);
    AddString(tree, meta, "subtitle", StringId::ReportSubtitleComposition);
    AddString(tree, meta, "subtitle", StringId::ReportSubtitleProperties);
}

void AddLocation(ReportTree& tree, pugi::xml_node root, const ReportSources& sources) {
    pugi::xml_node location = AddElement(tree, root, "location");
    AddString(tree, location, "title_station", StringId::ReportStationTitle);
    AddText(tree, location, "station", sources.station);
    AddString(tree, location, "title_place", StringId::ReportPlaceTitle);
    AddText(tree, location, "place", sources.place);
}

void AddProperties(ReportTree& tree, pugi::xml_node root, const CalcContext& context) {
    pugi::xml_node properties = AddElement(tree, root, "properties");
    for (const ReportProp& prop : context.reportProps) {
        pugi::xml_node body = AddElement(tree, properties, "body");
        AddText(tree, body, "name", prop.name);
        AddText(tree, body, "value", prop.value);
    }
}

void AddErrors(ReportTree& tree, pugi::xml_node root, const CalcContext& context) {
    pugi::xml_node errors = AddElement(tree, root, "errors");
    AddString(tree, errors, "title", StringId::ReportJournalTitle);
    pugi::xml_node head = AddElement(tree, errors, "head");
    AddString(tree, head, "category", StringId::JournalColumnSection);
    AddString(tree, head, "description", StringId::JournalColumnDescription);
    for (const JournalEntry& entry : context.journal.entries) {
        pugi::xml_node body = AddElement(tree, errors, "body");
        AddText(tree, body, "category", CategoryName(entry.category));
        AddText(tree, body, "description", entry.text);
    }
}

void AddSigned(ReportTree& tree, pugi::xml_node root, const ReportSources& sources) {
    pugi::xml_node signedBlock = AddElement(tree, root, "signed");
    AddString(tree, signedBlock, "title", StringId::ReportSignedTitle);
    AddString(tree, signedBlock, "signature", StringId::ReportSignature);
    AddString(tree, signedBlock, "printed", StringId::ReportPrintedName);
    AddText(tree, signedBlock, "name", sources.accountName);
}

void AddFooter(ReportTree& tree, pugi::xml_node root, const ReportSources& sources) {
    pugi::xml_node footer = AddElement(tree, root, "footer");
    AddText(
        tree, footer, "info",
        FormatText(LoadText(StringId::ReportGeneratedBy), {platform::LongDateTimeText(sources.generatedAt)}));
    if (!sources.metrologyTable.empty()) {
        AddText(tree, footer, "metrologytable", sources.metrologyTable);
    }
}

} // namespace

void SetAccountNameQuery(AccountNameQuery query) {
    accountNameQuery = query;
}

ReportSources GatherReportSources(const CalcContext& context) {
    ReportSources sources;
    try {
        sources.station = QueryStationName(context);
        sources.place = QueryPlaceName(context);
    } catch (const DataBase::SqlException&) {
        sources.station.clear();
        sources.place.clear();
    }
    sources.accountName = accountNameQuery != nullptr ? accountNameQuery() : std::u16string();
    sources.generatedAt = static_cast<int64_t>(std::time(nullptr));
    const std::u16string table = MetrologyTableText(TableInForce());
    if (!table.empty()) {
        sources.metrologyTable = FormatText(LoadText(StringId::MetrologyTableInForce), {table});
    }
    return sources;
}

std::string BuildReportXml(const CalcContext& context, const ReportSources& sources) {
    ReportTree tree;
    pugi::xml_node declaration = tree.document.append_child(pugi::node_declaration);
    if (!declaration || !declaration.set_name("xml") ||
        !declaration.append_attribute("version").set_value("1.0")) {
        return {};
    }
    pugi::xml_node root = AddElement(tree, tree.document, "root");
    AddMeta(tree, root);
    AddLocation(tree, root, sources);
    AddProperties(tree, root, context);
    AddAnalysisSection(tree, root, context);
    AddCalibrationSection(tree, root, context);
    AddStabilitySection(tree, root, context);
    AddComponentsSection(tree, root, context);
    AddCalculationSection(tree, root, context);
    AddMethaneSection(tree, root, context);
    AddErrors(tree, root, context);
    AddSigned(tree, root, sources);
    AddFooter(tree, root, sources);
    if (tree.failed) {
        return {};
    }
    StringWriter writer;
    tree.document.save(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
    return writer.text;
}

std::string BuildReportXml(const CalcContext& context) {
    return BuildReportXml(context, GatherReportSources(context));
}

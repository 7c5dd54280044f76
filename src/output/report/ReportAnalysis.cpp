// The chromatograms of the report: those of the list that took part in the last calculation (used by
// the calibration or taken into the composition), with the columns the chromatograms page shows.
#include "calc/CalcContext.h"
#include "output/ExportSelection.h"
#include "output/report/ReportSections.h"
#include "platform/LocalTime.h"
#include "results/AssaysTable.h"
#include "text/StringTable.h"

void AddAnalysisSection(ReportTree& tree, pugi::xml_node root, const CalcContext& context) {
    const TableView view = MakeTableView(context, TableReader::Document);
    pugi::xml_node section = AddElement(tree, root, "analysis");
    AddString(tree, section, "title", StringId::TabChromatograms);

    pugi::xml_node head = AddElement(tree, section, "head");
    for (const AssaysTableColumn& column : AssaysTable()) {
        if (IsShown(column, view)) {
            AddString(tree, head, column.headElement, column.headerId);
        }
    }

    for (const Assay& assay : context.assays) {
        if (!TookPartInLastCalculation(context, assay)) {
            continue;
        }
        const AssayReaderTexts own{platform::ShortDateTimeText(assay.date), AssayRoleWord(assay.role)};
        pugi::xml_node body = AddElement(tree, section, "body");
        for (const AssaysTableColumn& column : AssaysTable()) {
            if (IsShown(column, view)) {
                AddText(tree, body, column.bodyElement, CellText(column, assay, context.settings, own));
            }
        }
    }
}

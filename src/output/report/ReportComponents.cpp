// The component table of the report, column for column as the components page shows it, with the
// footnote on the components too small to enter the physical properties.
#include "calc/CalcContext.h"
#include "output/report/ReportSections.h"
#include "results/ComponentsTable.h"
#include "text/StringTable.h"

void AddComponentsSection(ReportTree& tree, pugi::xml_node root, const CalcContext& context) {
    const TableView view = MakeTableView(context, TableReader::Document);
    pugi::xml_node section = AddElement(tree, root, "components");
    AddString(tree, section, "title", StringId::TabComponents);

    pugi::xml_node head = AddElement(tree, section, "head");
    AddString(tree, head, "name", StringId::ComponentsColumnComponent);
    for (const ComponentsTableColumn& column : ComponentsTable()) {
        if (IsShown(column, view)) {
            AddString(tree, head, column.element, column.headerId);
        }
    }

    bool anyMarked = false;
    for (const ComponentResult& row : context.components) {
        pugi::xml_node body = AddElement(tree, section, "body");
        AddText(tree, body, "isok", row.accepted ? u"true" : u"false");
        anyMarked = anyMarked || IsBelowPropertiesThreshold(row.molarFraction);
        AddText(tree, body, "name", MarkedComponentName(context.aliases, row));
        for (const ComponentsTableColumn& column : ComponentsTable()) {
            if (IsShown(column, view)) {
                AddText(tree, body, column.element, CellText(column, row, context.settings));
            }
        }
    }

    if (anyMarked) {
        pugi::xml_node footnote = AddElement(tree, section, "footnote");
        AddText(tree, footnote, "mark", kExcludedComponentMark);
        AddString(tree, footnote, "message", StringId::ReportFootnoteExcluded);
    }
}

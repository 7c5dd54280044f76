#include "ui/models/ComponentsPageModel.h"

#include "calc/CalcContext.h"
#include "results/ComponentsTable.h"
#include "text/StringTable.h"

PageTable BuildComponentsPage(const CalcContext& context) {
    const TableView view = MakeTableView(context, TableReader::Page);
    const std::span<const ComponentsTableColumn> table = ComponentsTable();

    PageTable page;
    page.columns.push_back(MakePageColumn(StringId::ComponentsColumnComponent, true));
    for (const ComponentsTableColumn& column : table) {
        page.columns.push_back(MakePageColumn(column.headerId, IsShown(column, view)));
    }
    for (const ComponentResult& row : context.components) {
        std::vector<std::u16string> cells;
        cells.reserve(kComponentsColumnCount);
        cells.push_back(MarkedComponentName(context.aliases, row));
        for (const ComponentsTableColumn& column : table) {
            cells.push_back(CellText(column, row, context.settings));
        }
        page.rows.push_back(std::move(cells));
        page.rowMarks.push_back(row.accepted ? 1 : 0);
    }
    return page;
}

#include "ui/models/CalibrationPageModel.h"

#include "calc/CalcContext.h"
#include "data/AliasLookup.h"
#include "results/CalibrationTable.h"
#include "text/StringTable.h"

PageTable BuildCalibrationPage(const CalcContext& context) {
    const TableView view = MakeTableView(context, TableReader::Page);
    const std::span<const CalibrationTableColumn> table = CalibrationTable();

    PageTable page;
    page.columns.push_back(MakePageColumn(StringId::CalibrationColumnComponent, true));
    for (const CalibrationTableColumn& column : table) {
        page.columns.push_back(MakePageColumn(column.headerId, IsShown(column, view)));
    }

    for (const CalibrationResult& result : context.calibration) {
        std::vector<std::u16string> cells;
        cells.reserve(kCalibrationColumnCount);
        cells.push_back(DisplayNameForComponent(context.aliases, result.component));
        for (const CalibrationTableColumn& column : table) {
            cells.push_back(CellText(column, result, context.settings));
        }
        page.rows.push_back(std::move(cells));
        page.rowMarks.push_back(result.isok ? 1 : 0);
    }
    return page;
}

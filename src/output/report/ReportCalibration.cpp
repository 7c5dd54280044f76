// The calibration table of the report, column for column as the calibration page shows it.
#include "calc/CalcContext.h"
#include "data/AliasLookup.h"
#include "output/report/ReportSections.h"
#include "results/CalibrationTable.h"
#include "text/StringTable.h"

void AddCalibrationSection(ReportTree& tree, pugi::xml_node root, const CalcContext& context) {
    const TableView view = MakeTableView(context, TableReader::Document);
    pugi::xml_node section = AddElement(tree, root, "calibration");
    AddString(tree, section, "title", StringId::TabCalibration);

    pugi::xml_node head = AddElement(tree, section, "head");
    AddString(tree, head, "name", StringId::CalibrationColumnComponent);
    for (const CalibrationTableColumn& column : CalibrationTable()) {
        if (IsShown(column, view)) {
            AddString(tree, head, column.element, column.headerId);
        }
    }

    for (const CalibrationResult& row : context.calibration) {
        pugi::xml_node body = AddElement(tree, section, "body");
        AddText(tree, body, "isok", row.isok ? u"true" : u"false");
        AddText(tree, body, "name", DisplayNameForComponent(context.aliases, row.component));
        for (const CalibrationTableColumn& column : CalibrationTable()) {
            if (IsShown(column, view)) {
                AddText(tree, body, column.element, CellText(column, row, context.settings));
            }
        }
    }
}

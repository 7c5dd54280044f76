// The physical properties of GOST 31369-2021 (ISO 6976:2016) with their expanded uncertainties, and the
// methane numbers of GOST 34704-2020.
#include "calc/CalcContext.h"
#include "output/report/ReportSections.h"
#include "results/MethaneNumberTable.h"
#include "results/PropertiesTable.h"
#include "text/StringTable.h"

void AddCalculationSection(ReportTree& tree, pugi::xml_node root, const CalcContext& context) {
    const TableView view = MakeTableView(context, TableReader::Document);
    pugi::xml_node section = AddElement(tree, root, "calculation");
    AddString(tree, section, "title", StringId::TabCalculation);
    pugi::xml_node head = AddElement(tree, section, "head");
    AddString(tree, head, "name", StringId::CalculationColumnName);
    AddString(tree, head, "value", StringId::CalculationColumnValue);
    AddString(tree, head, "uvalue", StringId::CalculationColumnUncertainty);

    for (const PropertiesTableRow& row : PropertiesTable()) {
        if (!IsShown(row, view)) {
            continue;
        }
        const PropertyValue property = ValueOf(row, context);
        pugi::xml_node body = AddElement(tree, section, "body");
        AddString(tree, body, "name", row.labelId);
        AddText(tree, body, "value", ValueText(row, property, context.settings));
        AddText(tree, body, "uvalue", UncertaintyText(row, property, context.settings));
    }
}

void AddMethaneSection(ReportTree& tree, pugi::xml_node root, const CalcContext& context) {
    pugi::xml_node section = AddElement(tree, root, "methane");
    AddString(tree, section, "title", StringId::TabMethaneNumber);
    pugi::xml_node head = AddElement(tree, section, "head");
    AddString(tree, head, "name", StringId::MethaneColumnName);
    AddString(tree, head, "value", StringId::MethaneColumnValue);
    AddString(tree, head, "uvalue", StringId::MethaneColumnUncertainty);

    for (const MethaneNumberTableRow& row : MethaneNumberTable()) {
        pugi::xml_node body = AddElement(tree, section, "body");
        AddString(tree, body, "name", row.labelId);
        AddText(tree, body, "value", MethaneNumberText(context.methaneNumber.*row.value, context.settings));
        AddText(tree, body, "uvalue", MethaneNumberUncertaintyText(context.methaneNumber.*row.value));
    }
}

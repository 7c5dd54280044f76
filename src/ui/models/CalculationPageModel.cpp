#include "ui/models/CalculationPageModel.h"

#include <algorithm>
#include <vector>

#include "calc/CalcContext.h"
#include "results/PropertiesTable.h"
#include "text/StringTable.h"

PageTable BuildCalculationPage(const CalcContext& context) {
    const TableView view = MakeTableView(context, TableReader::Page);
    PageTable page;
    // Wider than the general 80 pixels, as on the methane-number page: the property names ("Высшая
    // объемная теплота сгорания смеси реального газа [МДж/м3]") would otherwise be cut.
    page.columns = {
        MakePageColumn(StringId::CalculationColumnName, true, kQuantityNameColumnWidthPixels),
        MakePageColumn(StringId::CalculationColumnValue, true, kQuantityValueColumnWidthPixels),
        MakePageColumn(StringId::CalculationColumnUncertainty, true, kQuantityValueColumnWidthPixels)};

    std::vector<const PropertiesTableRow*> rows;
    for (const PropertiesTableRow& row : PropertiesTable()) {
        if (IsShown(row, view)) {
            rows.push_back(&row);
        }
    }
    std::sort(rows.begin(), rows.end(), [](const PropertiesTableRow* left, const PropertiesTableRow* right) {
        return left->pagePosition < right->pagePosition;
    });
    for (const PropertiesTableRow* row : rows) {
        const PropertyValue property = ValueOf(*row, context);
        page.rows.push_back({std::u16string(LoadText(row->labelId)),
                             ValueText(*row, property, context.settings),
                             UncertaintyText(*row, property, context.settings)});
    }
    return page;
}

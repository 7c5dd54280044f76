#include "ui/models/StabilityPageModel.h"

#include "calc/CalcContext.h"
#include "data/AliasLookup.h"
#include "results/StabilityTable.h"

namespace {
constexpr int32_t kComponentWidthPixels = 130;
constexpr int32_t kStatusWidthPixels = 190;
} // namespace

PageTable BuildStabilityPage(const CalcContext& context) {
    PageTable page;
    for (const StabilityTableColumn& column : StabilityTable()) {
        const int32_t width = column.column == StabilityColumn::Component ? kComponentWidthPixels
                              : column.column == StabilityColumn::Status  ? kStatusWidthPixels
                                                                          : kResultColumnWidthPixels;
        PageColumn pageColumn = MakePageColumn(column.headerId, true, width);
        pageColumn.rightAligned =
            column.column != StabilityColumn::Component && column.column != StabilityColumn::Status;
        page.columns.push_back(std::move(pageColumn));
    }
    for (const ComponentStability& row : context.stability.components) {
        std::vector<std::u16string> cells;
        for (const StabilityTableColumn& column : StabilityTable()) {
            cells.push_back(column.column == StabilityColumn::Component
                                ? DisplayNameForComponent(context.aliases, row.component)
                                : StabilityCellText(column.column, row));
        }
        page.rows.push_back(std::move(cells));
        page.rowMarks.push_back(static_cast<int32_t>(row.judgement.status));
    }
    return page;
}

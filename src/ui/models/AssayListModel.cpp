#include "ui/models/AssayListModel.h"

#include "calc/CalcContext.h"
#include "platform/LocalTime.h"
#include "results/AssaysTable.h"

namespace {

std::u16string DateText(int64_t date) {
    return date != 0 ? platform::ShortDateTimeText(date) : std::u16string();
}

} // namespace

std::u16string FileNamePart(std::u16string_view path) {
    return std::u16string(FileNameOfPath(path));
}

PageTable BuildAssayList(const CalcContext& context) {
    const TableView view = MakeTableView(context, TableReader::Page);
    const std::span<const AssaysTableColumn> table = AssaysTable();
    PageTable page;
    for (const AssaysTableColumn& column : table) {
        page.columns.push_back(
            MakePageColumn(column.headerId, IsShown(column, view), kAssayColumnWidthPixels));
        page.columns.back().rightAligned = column.text == AssayText::Pressure;
    }
    for (const Assay& assay : context.assays) {
        const AssayReaderTexts own{DateText(assay.date), AssayRoleWord(assay.role)};
        std::vector<std::u16string> cells;
        cells.reserve(table.size());
        for (const AssaysTableColumn& column : table) {
            cells.push_back(CellText(column, assay, context.settings, own));
        }
        page.rows.push_back(std::move(cells));
        page.rowMarks.push_back(assay.included ? 1 : 0);
    }
    return page;
}

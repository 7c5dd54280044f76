#include "ui/models/SelectionListModel.h"

#include "platform/LocalTime.h"
#include "text/StringTable.h"

PageTable BuildSelectionList(const std::vector<AssayFound>& found) {
    PageTable page;
    page.columns = {MakePageColumn(StringId::SelectionColumnUuid, true, kSelectionColumnWidthPixels),
                    MakePageColumn(StringId::SelectionColumnSample, true, kSelectionColumnWidthPixels),
                    MakePageColumn(StringId::SelectionColumnMethod, true, kSelectionColumnWidthPixels),
                    MakePageColumn(StringId::SelectionColumnTime, true, kSelectionColumnWidthPixels)};
    for (const AssayFound& assay : found) {
        page.rows.push_back(
            {assay.uuid, assay.sample, assay.method, platform::ShortDateTimeText(assay.date)});
    }
    return page;
}

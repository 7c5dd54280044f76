// The constants page: components whose molar fraction is taken as a fixed value with its uncertainty,
// each record with its numbers and digit counts exactly as they were read.
#include <windows.h>

#include "ResourceIds.h"
#include "calc/CalcContext.h"
#include "calc/rounding/FixedFormats.h"
#include "data/AliasLookup.h"
#include "data/MixtureComponent.h"
#include "text/StringIds.gen.h"
#include "ui/win32/InputDialogs.h"
#include "ui/win32/Notices.h"
#include "ui/win32/ProcedureGuard.h"
#include "ui/win32/RecordListPage.h"

namespace {

constexpr int32_t kColumnWidth = 80;
// The component a new row starts with.
constexpr std::u16string_view kNewComponent = u"water";

PageTable BuildRows(const CalcContext& context, const std::vector<MixtureComponent>& constants) {
    PageTable table;
    table.columns = {MakePageColumn(StringId::ConstantsColumnComponent, true, kColumnWidth),
                     MakePageColumn(StringId::ConstantsColumnConcentration, true, kColumnWidth),
                     MakePageColumn(StringId::ConstantsColumnUncertainty, true, kColumnWidth)};
    table.columns[1].rightAligned = true;
    table.columns[2].rightAligned = true;
    for (const MixtureComponent& c : constants) {
        table.rows.push_back({DisplayNameForComponent(context.aliases, c.name),
                              FormatReference(c.concentration, c.qty_sym_conc),
                              FormatReference(c.deviation, c.qty_sym_dev)});
    }
    return table;
}

MixtureComponent NewConstant() {
    MixtureComponent constant;
    constant.name = std::u16string(kNewComponent);
    return constant;
}

// A component is fixed once: a second record of it is refused.
bool MayAddConstant(HWND page, const std::vector<MixtureComponent>& constants,
                    const MixtureComponent& added) {
    for (const MixtureComponent& listed : constants) {
        if (listed.name == added.name) {
            ShowNotice(page, StringId::ConstantAlreadyListed,
                       {DisplayNameForComponent(PageContext(page)->aliases, added.name)});
            return false;
        }
    }
    return true;
}

const RecordListPage<MixtureComponent> kConstantsPage{
    &CalcContext::constants, &BuildRows, &OpenConstantEntryDialog, &NewConstant, &MayAddConstant, true};

} // namespace

INT_PTR CALLBACK ConstantsPageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedPageProcedure(page, "ConstantsPage", message, [&] {
        return RecordListPageProcedure(page, message, wParam, lParam, kConstantsPage);
    });
}

// The mixtures page: which reference mixtures calibrate which component.
#include <windows.h>

#include "ResourceIds.h"
#include "calc/CalcContext.h"
#include "calc/ComponentMixtures.h"
#include "data/AliasLookup.h"
#include "text/StringIds.gen.h"
#include "text/StringTable.h"
#include "ui/win32/InputDialogs.h"
#include "ui/win32/ProcedureGuard.h"
#include "ui/win32/RecordListPage.h"

namespace {

constexpr int32_t kComponentColumnWidth = 250;
constexpr int32_t kMixtureColumnWidth = 150;
constexpr std::u16string_view kEveryComponent = u"*";
constexpr std::u16string_view kNoMixture = u"\u2014";

std::u16string MixtureText(const std::u16string& name) {
    return name.empty() ? std::u16string(kNoMixture) : name;
}

// Type 0 is СО-ИПГ; every other stored type is shown as СО-ПГМ.
std::u16string TypeText(const std::u16string& name, int32_t type) {
    if (name.empty()) {
        return std::u16string(kNoMixture);
    }
    return std::u16string(LoadText(type == 0 ? StringId::MixtureTypeNgs : StringId::MixtureTypeMng));
}

PageTable BuildRows(const CalcContext& context, const std::vector<ComponentMixtures>& mixtures) {
    PageTable table;
    table.columns = {
        MakePageColumn(StringId::MixturesColumnComponent, true, kComponentColumnWidth),
        MakePageColumn(StringId::MixturesColumnMixture1, true, kMixtureColumnWidth),
        MakePageColumn(StringId::MixturesColumnMixture2, true, kMixtureColumnWidth),
        MakePageColumn(StringId::MixturesColumnType1, true, kMixtureColumnWidth),
        MakePageColumn(StringId::MixturesColumnType2, true, kMixtureColumnWidth),
    };
    for (const ComponentMixtures& m : mixtures) {
        table.rows.push_back({m.component.empty() ? std::u16string(kEveryComponent)
                                                  : DisplayNameForComponent(context.aliases, m.component),
                              MixtureText(m.first), MixtureText(m.second), TypeText(m.first, m.firstType),
                              TypeText(m.second, m.secondType)});
    }
    return table;
}

const RecordListPage<ComponentMixtures> kMixturesPage{
    &CalcContext::mixtures, &BuildRows, &OpenMixtureEntryDialog, nullptr, nullptr, false};

} // namespace

INT_PTR CALLBACK MixturesPageProcedure(HWND page, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardedPageProcedure(page, "MixturesPage", message, [&] {
        return RecordListPageProcedure(page, message, wParam, lParam, kMixturesPage);
    });
}

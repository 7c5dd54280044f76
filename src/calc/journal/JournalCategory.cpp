#include "calc/journal/JournalCategory.h"

#include <array>
#include <string>

#include "calc/journal/MessageJournal.h"
#include "text/StringTable.h"

std::u16string_view CategoryName(uint32_t category) {
    if (category >= JournalCategory::Count) {
        return {};
    }
    // Filled on first use (a thread-safe static) and never changed afterwards.
    static const std::array<std::u16string, JournalCategory::Count> names = {
        std::u16string(LoadText(StringId::CategoryGeneral)),
        std::u16string(LoadText(StringId::CategoryCalibration)),
        std::u16string(LoadText(StringId::CategoryComponents)),
        std::u16string(LoadText(StringId::CategoryCalculation)),
        std::u16string(LoadText(StringId::CategoryMethaneNumber)),
        std::u16string(LoadText(StringId::CategoryMixture)),
    };
    return names[category];
}

std::u16string_view CategoryExportCode(uint32_t category) {
    static constexpr std::array<std::u16string_view, JournalCategory::Count> codes = {
        u"GENERAL", u"CALIB", u"COMP", u"PROP", u"METN", u"MIX",
    };
    return category < JournalCategory::Count ? codes[category] : std::u16string_view{};
}

#include "ui/models/AboutModel.h"

#include "text/StringTable.h"

namespace {
constexpr size_t kIdentifierGroupDigits = 8;
constexpr std::u16string_view kTableFileName = u"Tarvel31371720.tsv";
} // namespace

std::u16string GroupedIdentifier(std::u16string_view hexDigits) {
    std::u16string text;
    for (size_t index = 0; index < hexDigits.size(); ++index) {
        if (index > 0 && index % kIdentifierGroupDigits == 0) {
            text += u'-';
        }
        text += hexDigits[index];
    }
    return text;
}

std::vector<std::u16string> MetrologyTableAboutRow(const MetrologyTableInForce& table) {
    if (!table.known) {
        return {};
    }
    const bool fileRead = !table.sha1.empty();
    // The version column is narrow: one word for what is in force; the identifier has its own column.
    const uint32_t inForce = table.kind == kMetrologyLaboratoryTable ? StringId::AboutMetrologyLaboratory
                             : table.kind == kMetrologyBuiltInTable  ? StringId::AboutMetrologyBuiltIn
                                                                     : StringId::AboutMetrologyRefused;
    return {std::u16string(kTableFileName), std::u16string(LoadText(inForce)), fileRead ? u"SHA1" : u"",
            fileRead ? GroupedIdentifier(table.sha1) : u""};
}

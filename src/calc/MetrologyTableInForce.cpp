#include "calc/MetrologyTableInForce.h"

#include <array>

#include "calc/Status.h"
#include "calc/bindings/Gost31371Binding.h"
#include "calc/journal/ContextJournal.h"
#include "text/Format.h"
#include "text/StringTable.h"

namespace {

std::u16string FieldText(const char16_t* field, size_t capacity) {
    std::u16string text;
    for (size_t i = 0; i < capacity && field[i] != u'\0'; ++i) {
        text += field[i];
    }
    return text;
}

template <size_t Capacity>
std::u16string FieldText(const char16_t (&field)[Capacity]) {
    return FieldText(field, Capacity);
}

MetrologyTableInForce AskLibrary() {
    MetrologyTableInForce table;
    const auto getSource = Gost31371().GetMetrologyTableSource;
    MetrologyTableSource source{};
    if (getSource == nullptr || getSource(&source) != 0) {
        return table;
    }
    table.known = true;
    table.kind = source.kind;
    table.rowCount = source.rowCount;
    table.fileParts = source.fileParts;
    table.faultLine = source.faultLine;
    table.fault = source.fault;
    table.sha1 = FieldText(source.sha1);
    table.faultText = FieldText(source.faultText);
    table.path = FieldText(source.path);
    return table;
}

// The parts of a file in the order of MetrologyTablePart.
std::u16string FilePartsText(int32_t parts) {
    const std::array<std::u16string, 7> names = {
        u"А",
        u"Б",
        u"В1",
        u"В2",
        std::u16string(LoadText(StringId::MetrologyPartAllowedDeviation)),
        std::u16string(LoadText(StringId::MetrologyPartCriticalRange)),
        std::u16string(LoadText(StringId::MetrologyPartMixtureRatio))};
    std::u16string text;
    for (size_t bit = 0; bit < names.size(); ++bit) {
        if ((parts & (1 << bit)) != 0) {
            text += text.empty() ? u"" : u", ";
            text += names[bit];
        }
    }
    return text;
}

constexpr int32_t kAllFileParts = kMetrologyPartMethodA | kMetrologyPartMethodB | kMetrologyPartMethodC1 |
                                  kMetrologyPartMethodC2 | kMetrologyPartAllowedDeviation |
                                  kMetrologyPartCriticalRange | kMetrologyPartMixtureRatio;

} // namespace

const MetrologyTableInForce& TableInForce() {
    static const MetrologyTableInForce table = AskLibrary();
    return table;
}

std::u16string MetrologyFaultText(int32_t fault, std::u16string_view offendingText) {
    static constexpr uint32_t kFaultTexts[] = {
        StringId::MetrologyFaultUnreadable,       StringId::MetrologyFaultTooLarge,
        StringId::MetrologyFaultNotUtf8,          StringId::MetrologyFaultLineTooLong,
        StringId::MetrologyFaultFieldCount,       StringId::MetrologyFaultUnknownMethod,
        StringId::MetrologyFaultUnknownComponent, StringId::MetrologyFaultNotANumber,
        StringId::MetrologyFaultNegative,         StringId::MetrologyFaultRange,
        StringId::MetrologyFaultOverlap,          StringId::MetrologyFaultDuplicate,
        StringId::MetrologyFaultNormValue,        StringId::MetrologyFaultNoRows};
    std::u16string text;
    if (fault >= 1 && fault <= static_cast<int32_t>(std::size(kFaultTexts))) {
        text = LoadText(kFaultTexts[fault - 1]);
    } else {
        text = FormatText(u"%d", {static_cast<int>(fault)});
    }
    if (!offendingText.empty()) {
        text += u": ";
        text += offendingText;
    }
    return text;
}

std::u16string MetrologyTableText(const MetrologyTableInForce& table) {
    if (!table.known) {
        return {};
    }
    switch (table.kind) {
    case kMetrologyBuiltInTable:
        return std::u16string(LoadText(StringId::MetrologyTableBuiltIn));
    case kMetrologyLaboratoryTable: {
        std::u16string text = FormatText(LoadText(StringId::MetrologyTableLaboratory),
                                         {table.sha1, static_cast<int>(table.rowCount)});
        if (table.fileParts != kAllFileParts) {
            text += u"; ";
            text += FormatText(LoadText(StringId::MetrologyTableFileParts), {FilePartsText(table.fileParts)});
        }
        return text;
    }
    default:
        return std::u16string(LoadText(StringId::MetrologyTableRefused));
    }
}

std::u16string MetrologyTableKeyword(const MetrologyTableInForce& table) {
    if (!table.known) {
        return {};
    }
    switch (table.kind) {
    case kMetrologyBuiltInTable:
        return u"designed";
    case kMetrologyLaboratoryTable:
        return u"laboratory " + table.sha1;
    default:
        return u"refused";
    }
}

std::u16string RefusedFileMessage(const MetrologyTableInForce& table) {
    const std::u16string reason = MetrologyFaultText(table.fault, table.faultText);
    if (table.faultLine > 0) {
        return LoadMessageText(StringId::MetrologyFileRefused,
                               {table.path, static_cast<int>(table.faultLine), reason});
    }
    return LoadMessageText(StringId::MetrologyFileRefusedWhole, {table.path, reason});
}

int32_t CheckMetrologyTable(CalcContext& context, const MetrologyTableInForce& table) {
    if (!table.known || table.kind != kMetrologyRefusedFile) {
        return Status::Ok;
    }
    const std::u16string reason = MetrologyFaultText(table.fault, table.faultText);
    if (table.faultLine > 0) {
        AddMessage(context, JournalCategory::General, StringId::MetrologyFileRefused,
                   {table.path, static_cast<int>(table.faultLine), reason});
    } else {
        AddMessage(context, JournalCategory::General, StringId::MetrologyFileRefusedWhole,
                   {table.path, reason});
    }
    return Status::Failed;
}

#include "calc/journal/Journal.h"

#include "text/StringTable.h"

std::u16string LoadMessageText(uint32_t stringId, std::initializer_list<FormatArg> args) {
    if (!HasText(stringId)) {
        return {};
    }
    return FormatText(LoadText(stringId), args);
}

void AddMessage(MessageJournal& journal, uint32_t category, uint32_t stringId,
                std::initializer_list<FormatArg> args) {
    journal.entries.push_back(JournalEntry{category, LoadMessageText(stringId, args)});
}

void ClearJournal(MessageJournal& journal) {
    journal.entries.clear();
}

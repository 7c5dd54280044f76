#include "JournalExpectations.h"

#include <gtest/gtest.h>

#include "calc/journal/Journal.h"
#include "data/AliasLookup.h"
#include "text/Utf.h"

namespace testsupport {

namespace {
std::string Describe(const std::vector<Entry>& entries) {
    std::string text;
    for (const Entry& entry : entries) {
        text += "  [" + std::to_string(entry.category) + "] " + Utf16ToUtf8(entry.text) + "\n";
    }
    return text;
}
} // namespace

Entry Message(uint32_t category, uint32_t stringId, std::initializer_list<FormatArg> args) {
    return Entry{category, LoadMessageText(stringId, args)};
}

void ExpectJournal(const MessageJournal& journal, const std::vector<Entry>& expected) {
    std::vector<Entry> actual;
    for (const JournalEntry& entry : journal.entries) {
        actual.push_back(Entry{entry.category, entry.text});
    }
    ASSERT_EQ(actual.size(), expected.size()) << "journal:\n"
                                              << Describe(actual) << "expected:\n"
                                              << Describe(expected);
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(actual[i].category, expected[i].category) << "entry " << i;
        EXPECT_EQ(Utf16ToUtf8(actual[i].text), Utf16ToUtf8(expected[i].text)) << "entry " << i;
    }
}

std::vector<std::u16string> JournalTexts(const CalcContext& context) {
    std::vector<std::u16string> texts;
    for (const JournalEntry& entry : context.journal.entries) {
        texts.push_back(entry.text);
    }
    return texts;
}

std::u16string DisplayName(std::u16string_view id) {
    return DisplayNameForComponent(DefaultAliasList(), id);
}

} // namespace testsupport

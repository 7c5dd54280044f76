// The journal of a run as tests compare it: whole entries (category and finished text) in order, the
// texts alone, and the display names messages give components.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "calc/CalcContext.h"
#include "calc/journal/MessageJournal.h"
#include "text/Format.h"

namespace testsupport {

// A journal entry as a test expects it.
struct Entry {
    uint32_t category = 0;
    std::u16string text;
};

// The entry the journal holds for string stringId filled with args.
Entry Message(uint32_t category, uint32_t stringId, std::initializer_list<FormatArg> args = {});

// The journal holds exactly these entries, in this order; a mismatch prints both lists.
void ExpectJournal(const MessageJournal& journal, const std::vector<Entry>& expected);

// The journal's texts in order.
std::vector<std::u16string> JournalTexts(const CalcContext& context);

// The name the default aliases show for a component identifier.
std::u16string DisplayName(std::u16string_view id);

} // namespace testsupport

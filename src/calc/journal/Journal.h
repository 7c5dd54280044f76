// Recording messages: a string-table text formatted with printf-style arguments (%s a UTF-16 text,
// %d a 32-bit integer, %f, %g, %.4f a double), appended to the journal.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "calc/journal/MessageJournal.h"
#include "text/Format.h"

// The text of string-table id formatted with the arguments. An id without a text gives the empty text
// and the arguments are ignored. Arguments are inserted as they are: a "%" inside a component or
// mixture name is not read as a conversion.
std::u16string LoadMessageText(uint32_t stringId, std::initializer_list<FormatArg> args = {});

// Appends one entry (even when its text comes out empty).
void AddMessage(MessageJournal& journal, uint32_t category, uint32_t stringId,
                std::initializer_list<FormatArg> args = {});

// Removes every entry; only the reset at the start of a run does this.
void ClearJournal(MessageJournal& journal);

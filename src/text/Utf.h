// UTF-8 <-> UTF-16 conversion. The core keeps every text in UTF-16 as the host does; UTF-8 appears only
// at the edges (files, the command line, SQLite's UTF-8 entry points).
#pragma once

#include <string>
#include <string_view>

// Ill-formed input never fails: each invalid byte or unpaired surrogate becomes U+FFFD.
std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

// The first half of a character beyond U+FFFF: a text cut right after it holds half a character.
inline bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

// Text up to the first NUL of a host buffer, never reading past capacity characters.
std::u16string FromBuffer(const char16_t* buffer, size_t capacity);

// Case-insensitive comparison of UTF-16 texts as the C runtime folds them under the "rus" locale:
// Latin A-Z, the Latin-1 capitals and the whole Cyrillic block U+0400-U+042F fold to their lower case.
// The table is written out here so the result never depends on the operating system's locale.
#pragma once

#include <string>
#include <string_view>

char16_t FoldCase(char16_t c);
std::u16string FoldCase(std::u16string_view text);
bool EqualsIgnoreCase(std::u16string_view a, std::u16string_view b);
// Negative, zero or positive as a is below, equal to or above b after folding both.
int CompareIgnoreCase(std::u16string_view a, std::u16string_view b);
// True when needle occurs in haystack, both folded.
bool ContainsIgnoreCase(std::u16string_view haystack, std::u16string_view needle);

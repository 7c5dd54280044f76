#include "text/CaseFold.h"

#include <algorithm>

char16_t FoldCase(char16_t c) {
    if (c >= u'A' && c <= u'Z') {
        return static_cast<char16_t>(c + 0x20);
    }
    if (c < 0x00C0) {
        return c;
    }
    // Latin-1 capitals À..Þ except the multiplication sign.
    if (c <= 0x00DE && c != 0x00D7) {
        return static_cast<char16_t>(c + 0x20);
    }
    // Cyrillic: Ѐ..Џ (Ё among them) fold to ѐ..џ, А..Я to а..я.
    if (c >= 0x0400 && c <= 0x040F) {
        return static_cast<char16_t>(c + 0x50);
    }
    if (c >= 0x0410 && c <= 0x042F) {
        return static_cast<char16_t>(c + 0x20);
    }
    return c;
}

std::u16string FoldCase(std::u16string_view text) {
    std::u16string out(text);
    for (auto& c : out) {
        c = FoldCase(c);
    }
    return out;
}

int CompareIgnoreCase(std::u16string_view a, std::u16string_view b) {
    const size_t common = std::min(a.size(), b.size());
    for (size_t i = 0; i < common; ++i) {
        const char16_t x = FoldCase(a[i]);
        const char16_t y = FoldCase(b[i]);
        if (x != y) {
            return x < y ? -1 : 1;
        }
    }
    if (a.size() == b.size()) {
        return 0;
    }
    return a.size() < b.size() ? -1 : 1;
}

bool EqualsIgnoreCase(std::u16string_view a, std::u16string_view b) {
    return a.size() == b.size() && CompareIgnoreCase(a, b) == 0;
}

bool ContainsIgnoreCase(std::u16string_view haystack, std::u16string_view needle) {
    return FoldCase(haystack).find(FoldCase(needle)) != std::u16string::npos;
}

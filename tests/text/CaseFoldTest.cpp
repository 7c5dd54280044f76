// Case folding as the C runtime's "rus" locale does it: Latin A-Z, the Russian alphabet with Ё and the
// rest of the Cyrillic block U+0400-U+045F; everything else keeps its code unit.
#include "text/CaseFold.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <utility>

namespace {
// Capitals and their lower-case letters, position by position, as the alphabets are written.
struct Alphabet {
    const char* name;
    std::u16string_view upper;
    std::u16string_view lower;
};

const Alphabet kAlphabets[] = {
    {"Latin", u"ABCDEFGHIJKLMNOPQRSTUVWXYZ", u"abcdefghijklmnopqrstuvwxyz"},
    {"Russian", u"АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ", u"абвгдеёжзийклмнопрстуфхцчшщъыьэюя"},
    // U+0400-U+040F: the capitals outside the Russian alphabet (Ѐ Ё Ђ Ѓ Є Ѕ І Ї Ј Љ Њ Ћ Ќ Ѝ Ў Џ).
    {"Cyrillic U+0400-U+040F", u"ЀЁЂЃЄЅІЇЈЉЊЋЌЍЎЏ", u"ѐёђѓєѕіїјљњћќѝўџ"},
};
} // namespace

TEST(CaseFold, CapitalsFoldToTheirLowerCaseLetters) {
    for (const Alphabet& alphabet : kAlphabets) {
        ASSERT_EQ(alphabet.upper.size(), alphabet.lower.size()) << alphabet.name;
        for (size_t i = 0; i < alphabet.upper.size(); ++i) {
            EXPECT_EQ(FoldCase(alphabet.upper[i]), alphabet.lower[i])
                << alphabet.name << " letter " << i << " U+" << std::hex << int(alphabet.upper[i]);
            EXPECT_EQ(FoldCase(alphabet.lower[i]), alphabet.lower[i])
                << alphabet.name << " lower-case letter " << i << " must stay";
        }
        EXPECT_EQ(FoldCase(alphabet.upper), std::u16string(alphabet.lower)) << alphabet.name;
    }
}

TEST(CaseFold, DigitsPunctuationAndSymbolsStay) {
    // Every printable ASCII character other than A-Z keeps its code.
    for (char16_t c = 0x20; c < 0x7F; ++c) {
        if (c >= u'A' && c <= u'Z') {
            continue;
        }
        EXPECT_EQ(FoldCase(c), c) << "U+" << std::hex << int(c);
    }
    // Signs met in component and column names, the em dash of missing values, control characters.
    for (char16_t c : std::u16string_view(u"—–«»№°±×÷µ¹²³\u00A0\t\n\r")) {
        EXPECT_EQ(FoldCase(c), c) << "U+" << std::hex << int(c);
    }
    // The neighbours of the folded ranges stay: '@' and '[' around A-Z, U+0460 after the block.
    EXPECT_EQ(FoldCase(u'@'), u'@');
    EXPECT_EQ(FoldCase(u'['), u'[');
    EXPECT_EQ(FoldCase(u'\u0460'), u'\u0460');
    EXPECT_EQ(FoldCase(u'\u03FF'), u'\u03FF');
}

TEST(CaseFold, LatinOneCapitalsFoldExceptTheMultiplicationSign) {
    EXPECT_EQ(FoldCase(u'À'), u'à');
    EXPECT_EQ(FoldCase(u'Ö'), u'ö');
    EXPECT_EQ(FoldCase(u'Þ'), u'þ');
    EXPECT_EQ(FoldCase(u'×'), u'×');
    EXPECT_EQ(FoldCase(u'ß'), u'ß');
    EXPECT_EQ(FoldCase(u'ÿ'), u'ÿ');
}

TEST(CaseFold, FoldingATextKeepsItsLengthAndEverythingButTheLetters) {
    EXPECT_EQ(FoldCase(u"С6+* (мол.%) Ё-1, CH4"), u"с6+* (мол.%) ё-1, ch4");
    EXPECT_EQ(FoldCase(u""), u"");
}

TEST(CaseFold, EqualsIgnoreCase) {
    struct Case {
        std::u16string_view a;
        std::u16string_view b;
        bool equal;
    };
    const Case cases[] = {
        {u"МЕТАН", u"метан", true},
        {u"н-Бутан", u"Н-БУТАН", true},
        {u"Ёлка", u"ёЛКА", true},
        {u"CH4", u"ch4", true},
        {u"ЂЈЉЊЋЏ", u"ђјљњћџ", true},
        {u"", u"", true},
        // Е and Ё are different letters.
        {u"Елка", u"Ёлка", false},
        // Look-alikes of different scripts stay different: Cyrillic С6 against Latin C6.
        {u"С6", u"C6", false},
        {u"o-ксилол", u"о-ксилол", false},
        {u"метан", u"метанол", false},
        {u"метан", u"", false},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(EqualsIgnoreCase(cases[i].a, cases[i].b), cases[i].equal) << "case " << i;
        EXPECT_EQ(EqualsIgnoreCase(cases[i].b, cases[i].a), cases[i].equal) << "case " << i << " reversed";
    }
}

TEST(CaseFold, CompareIgnoreCaseOrdersByTheFoldedText) {
    EXPECT_EQ(CompareIgnoreCase(u"Пропан", u"ПРОПАН"), 0);
    EXPECT_EQ(CompareIgnoreCase(u"", u""), 0);
    // A folded capital compares as its lower-case letter: А (U+0410) folds to а, below б.
    EXPECT_LT(CompareIgnoreCase(u"А", u"б"), 0);
    EXPECT_GT(CompareIgnoreCase(u"б", u"А"), 0);
    EXPECT_GT(CompareIgnoreCase(u"Z", u"a1"), 0);
    EXPECT_GT(CompareIgnoreCase(u"z", u"A"), 0);
    EXPECT_LT(CompareIgnoreCase(u"ЖИДКОСТЬ", u"жир"), 0);
    // A text that is the beginning of another comes first.
    EXPECT_LT(CompareIgnoreCase(u"МЕТАН", u"метанол"), 0);
    EXPECT_GT(CompareIgnoreCase(u"метанол", u"МЕТАН"), 0);
    EXPECT_LT(CompareIgnoreCase(u"", u"а"), 0);
    // The sign alone is the contract: only -1, 0 and 1 come back.
    for (auto [a, b] :
         {std::pair{u"Этан", u"ЭТИН"}, std::pair{u"Азот", u"азот"}, std::pair{u"Гелий", u"Водород"}}) {
        const int forward = CompareIgnoreCase(a, b);
        EXPECT_TRUE(forward == -1 || forward == 0 || forward == 1);
        EXPECT_EQ(CompareIgnoreCase(b, a), -forward);
    }
}

TEST(CaseFold, ContainsIgnoreCase) {
    EXPECT_TRUE(ContainsIgnoreCase(u"Природный ГАЗ", u"газ"));
    EXPECT_TRUE(ContainsIgnoreCase(u"н-Бутан", u"БУТ"));
    EXPECT_TRUE(ContainsIgnoreCase(u"ГСО 10541-2014 Ёмкость", u"ёМК"));
    EXPECT_TRUE(ContainsIgnoreCase(u"Проба 7", u""));
    EXPECT_FALSE(ContainsIgnoreCase(u"н-Бутан", u"бутен"));
    EXPECT_FALSE(ContainsIgnoreCase(u"С6+", u"C6"));
    EXPECT_FALSE(ContainsIgnoreCase(u"газ", u"газы"));
    EXPECT_FALSE(ContainsIgnoreCase(u"", u"а"));
}

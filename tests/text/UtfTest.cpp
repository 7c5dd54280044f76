#include "text/Utf.h"

#include <gtest/gtest.h>

TEST(Utf, RoundTripsCyrillicAndAstralText) {
    const std::string utf8 = "Метан \xF0\x9F\x94\xA5 CH4";
    const std::u16string utf16 = Utf8ToUtf16(utf8);
    EXPECT_EQ(utf16.substr(0, 5), u"Метан");
    EXPECT_EQ(utf16.size(), 5u + 1 + 2 + 1 + 3);
    EXPECT_EQ(Utf16ToUtf8(utf16), utf8);
}

TEST(Utf, ReplacesIllFormedInput) {
    EXPECT_EQ(Utf8ToUtf16("a\xC0\x80z"), u"a\uFFFDz");   // overlong encoding of NUL
    EXPECT_EQ(Utf8ToUtf16("\xE2\x82"), u"\uFFFD");       // truncated sequence
    EXPECT_EQ(Utf16ToUtf8(u"\xD800x"), "\xEF\xBF\xBDx"); // unpaired surrogate
}

TEST(Utf, FromBufferStopsAtCapacityWithoutTerminator) {
    const char16_t buffer[4] = {u'a', u'b', u'c', u'd'};
    EXPECT_EQ(FromBuffer(buffer, 4), u"abcd");
    EXPECT_EQ(FromBuffer(buffer, 2), u"ab");
    EXPECT_EQ(FromBuffer(nullptr, 10), u"");
}

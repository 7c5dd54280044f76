// The local date and time texts come from the user's locale; only their content can be checked here.
#include <gtest/gtest.h>

#include <string>

#include "platform/LocalTime.h"

namespace {

TEST(LocalTimeTexts, HoldTheYearAndDifferInTheSeconds) {
    // 2023-05-17 12:30:45 UTC: local time in any zone is still 2023-05-17 or -18.
    const std::u16string shortText = platform::ShortDateTimeText(1684326645);
    const std::u16string longText = platform::LongDateTimeText(1684326645);
    EXPECT_NE(shortText.find(u"2023"), std::u16string::npos);
    EXPECT_NE(longText.find(u"2023"), std::u16string::npos);
    EXPECT_NE(shortText.find(u"45"), std::u16string::npos) << "the short form keeps the seconds";
    EXPECT_NE(shortText.find(u' '), std::u16string::npos);
    // One second later only the short form changes.
    EXPECT_NE(platform::ShortDateTimeText(1684326646), shortText);
    EXPECT_EQ(platform::LongDateTimeText(1684326646), longText);
}

} // namespace

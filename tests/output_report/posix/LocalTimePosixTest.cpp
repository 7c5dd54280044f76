// The local date and time texts in the Russian formats, in a fixed time zone.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <string>

#include "platform/LocalTime.h"

namespace {

class LocalTimeTexts : public ::testing::Test {
protected:
    void SetUp() override {
        const char* zone = std::getenv("TZ");
        hadZone_ = zone != nullptr;
        if (hadZone_) {
            savedZone_ = zone;
        }
    }
    void TearDown() override {
        if (hadZone_) {
            setenv("TZ", savedZone_.c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }
    static void UseZone(const char* zone) {
        setenv("TZ", zone, 1);
        tzset();
    }

private:
    bool hadZone_ = false;
    std::string savedZone_;
};

TEST_F(LocalTimeTexts, ShortDateAndTime) {
    UseZone("UTC0");
    EXPECT_EQ(platform::ShortDateTimeText(1684312200), u"17.05.2023 8:30:00");
    EXPECT_EQ(platform::ShortDateTimeText(0), u"01.01.1970 0:00:00");
    EXPECT_EQ(platform::ShortDateTimeText(1704067199), u"31.12.2023 23:59:59");
    // Moscow time, three hours ahead of UTC all year.
    UseZone("MSK-3");
    EXPECT_EQ(platform::ShortDateTimeText(1684312200), u"17.05.2023 11:30:00");
}

TEST_F(LocalTimeTexts, LongDateAndTimeWithoutSeconds) {
    UseZone("UTC0");
    EXPECT_EQ(platform::LongDateTimeText(1684312259), u"17 мая 2023 г. 8:30");
    EXPECT_EQ(platform::LongDateTimeText(1704067199), u"31 декабря 2023 г. 23:59");
    EXPECT_EQ(platform::LongDateTimeText(1675209600), u"1 февраля 2023 г. 0:00");
}

} // namespace

// The conversion between the system's times and the seconds since 1970 that the date pickers of the
// selection dialog and the local time texts share, at the edges of what a FILETIME holds.
#include <gtest/gtest.h>

#include "platform/win32/FileTimes.h"

namespace ui {
namespace {

constexpr int64_t kEarliest = -11644473600LL;                       // 1601-01-01T00:00:00Z
constexpr int64_t kLatest = INT64_MAX / 10000000LL - 11644473600LL; // the last second below 2^63 units

uint64_t Units(const FILETIME& fileTime) {
    return (static_cast<uint64_t>(fileTime.dwHighDateTime) << 32) | fileTime.dwLowDateTime;
}

TEST(FileTimes, SecondsToFileTimeInsideTheRangeAndBackAgain) {
    struct Case {
        int64_t seconds;
        bool converts;
        uint64_t units;
    };
    const Case cases[] = {
        {0, true, 116444736000000000ULL},
        {1684312200, true, 133287858000000000ULL}, // 2023-05-17T08:30:00Z
        {kEarliest, true, 0},
        {kEarliest - 1, false, 0},
        {kLatest, true, static_cast<uint64_t>(kLatest - kEarliest) * 10000000ULL},
        {kLatest + 1, false, 0},
        {INT64_MAX, false, 0},
        {INT64_MIN, false, 0},
    };
    for (const Case& test : cases) {
        FILETIME fileTime{7, 7};
        EXPECT_EQ(platform::FileTimeOfUnixSeconds(test.seconds, fileTime), test.converts) << test.seconds;
        if (test.converts) {
            EXPECT_EQ(Units(fileTime), test.units) << test.seconds;
            EXPECT_EQ(platform::UnixSecondsOfFileTime(fileTime), test.seconds);
        } else {
            EXPECT_EQ(Units(fileTime), (uint64_t{7} << 32) | 7) << "untouched: " << test.seconds;
        }
    }
    // A fraction of a second is dropped.
    const uint64_t almostOneSecond = 116444736000000000ULL + 9999999;
    EXPECT_EQ(platform::UnixSecondsOfFileTime(
                  FILETIME{static_cast<DWORD>(almostOneSecond), static_cast<DWORD>(almostOneSecond >> 32)}),
              0);
}

TEST(FileTimes, LocalTimeRoundTripsAndRefusesWhatNoFileTimeHolds) {
    for (const int64_t seconds :
         {int64_t{0}, int64_t{1684312200}, int64_t{1704067199}, int64_t{4102444800}}) {
        SYSTEMTIME local{};
        ASSERT_TRUE(platform::LocalSystemTimeOfUnixSeconds(seconds, local)) << seconds;
        int64_t back = -1;
        ASSERT_TRUE(platform::UnixSecondsOfLocalSystemTime(local, back));
        EXPECT_EQ(back, seconds);
    }
    SYSTEMTIME untouched{};
    untouched.wYear = 1999;
    EXPECT_FALSE(platform::LocalSystemTimeOfUnixSeconds(INT64_MAX, untouched))
        << "the selection dialog's old overflow";
    EXPECT_FALSE(platform::LocalSystemTimeOfUnixSeconds(kEarliest - 86400, untouched));
    EXPECT_EQ(untouched.wYear, 1999);

    SYSTEMTIME invalid{};
    invalid.wYear = 2023;
    invalid.wMonth = 13;
    invalid.wDay = 1;
    int64_t seconds = 42;
    EXPECT_FALSE(platform::UnixSecondsOfLocalSystemTime(invalid, seconds));
    EXPECT_EQ(seconds, 42);

    const int64_t now = platform::UnixSecondsNow();
    EXPECT_GT(now, 1700000000) << "after November 2023";
    EXPECT_LT(now, 4102444800) << "before 2100";
}

} // namespace
} // namespace ui

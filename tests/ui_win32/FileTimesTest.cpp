// The conversion between the system's times and the seconds since 1970 that the selection dialog's
// date pickers and the local time texts share, at the edges of what a FILETIME holds.
#include <gtest/gtest.h>

#include "platform/win32/FileTimes.h"

namespace ui {
namespace {

constexpr int64_t kEarliest = -11644473600LL;                       // 1601-01-01T00:00:00Z
constexpr int64_t kLatest = INT64_MAX / 10000000LL - 11644473600LL; // the last second below 2^63 units

TEST(FileTimes, SecondsConvertInsideTheRangeOnlyAndComeBack) {
    struct Case {
        int64_t seconds;
        bool converts;
        uint64_t units;
    };
    const Case cases[] = {
        {0, true, 116444736000000000ULL},
        {1684312200, true, 133287858000000000ULL}, // 2023-05-17T08:30:00Z
        {kEarliest, true, 0},
        {kLatest, true, static_cast<uint64_t>(kLatest - kEarliest) * 10000000ULL},
        {kEarliest - 1, false, 0},
        {kLatest + 1, false, 0},
        {INT64_MAX, false, 0}, // what the selection dialog's own copy multiplied past 2^64
        {INT64_MIN, false, 0},
    };
    for (const Case& test : cases) {
        FILETIME fileTime{7, 7};
        EXPECT_EQ(platform::FileTimeOfUnixSeconds(test.seconds, fileTime), test.converts) << test.seconds;
        const uint64_t units =
            (static_cast<uint64_t>(fileTime.dwHighDateTime) << 32) | fileTime.dwLowDateTime;
        SYSTEMTIME local{};
        local.wYear = 1999;
        if (!test.converts) {
            EXPECT_EQ(units, (uint64_t{7} << 32) | 7) << "untouched: " << test.seconds;
            EXPECT_FALSE(platform::LocalSystemTimeOfUnixSeconds(test.seconds, local)) << test.seconds;
            EXPECT_EQ(local.wYear, 1999) << "untouched: " << test.seconds;
            continue;
        }
        EXPECT_EQ(units, test.units) << test.seconds;
        EXPECT_EQ(platform::UnixSecondsOfFileTime(fileTime), test.seconds);
        // The local time, away from the edges a time zone's offset would cross, comes back the same.
        int64_t back = -1;
        if (test.seconds >= 0 && test.seconds < 4102444800) {
            ASSERT_TRUE(platform::LocalSystemTimeOfUnixSeconds(test.seconds, local));
            EXPECT_TRUE(platform::UnixSecondsOfLocalSystemTime(local, back));
            EXPECT_EQ(back, test.seconds);
        }
    }
    // A fraction of a second is dropped.
    const uint64_t almostOneSecond = 116444736000000000ULL + 9999999;
    EXPECT_EQ(platform::UnixSecondsOfFileTime(
                  FILETIME{static_cast<DWORD>(almostOneSecond), static_cast<DWORD>(almostOneSecond >> 32)}),
              0);
}

} // namespace
} // namespace ui

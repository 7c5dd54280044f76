#include "output/UtcTimeText.h"

#include "text/Format.h"

namespace {
constexpr int64_t kEarliestSeconds = -11644473600; // 1601-01-01T00:00:00Z
constexpr int64_t kLatestSeconds = 253402300799;   // 9999-12-31T23:59:59Z
constexpr int64_t kSecondsPerDay = 86400;

struct CivilDate {
    int64_t year;
    int64_t month; // 1..12
    int64_t day;   // 1..31
};

// The Gregorian date of a day count since 1970-01-01, by eras of 400 years (146097 days) counted from
// 0000-03-01, so that the leap day ends each year of the cycle (H. Hinnant, "chrono-Compatible Low-Level
// Date Algorithms", civil_from_days).
CivilDate CivilFromDays(int64_t days) {
    days += 719468; // days from 0000-03-01 to 1970-01-01
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t monthFromMarch = (5 * dayOfYear + 2) / 153;
    const int64_t day = dayOfYear - (153 * monthFromMarch + 2) / 5 + 1;
    const int64_t month = monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9;
    return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}
} // namespace

std::u16string UtcIsoTimeText(int64_t secondsSince1970) {
    if (secondsSince1970 < kEarliestSeconds || secondsSince1970 > kLatestSeconds) {
        return {};
    }
    int64_t days = secondsSince1970 / kSecondsPerDay;
    int64_t secondOfDay = secondsSince1970 % kSecondsPerDay;
    if (secondOfDay < 0) {
        secondOfDay += kSecondsPerDay;
        --days;
    }
    const CivilDate date = CivilFromDays(days);
    return FormatText(u"%04d-%02d-%02dT%02d:%02d:%02dZ",
                      {static_cast<int>(date.year), static_cast<int>(date.month), static_cast<int>(date.day),
                       static_cast<int>(secondOfDay / 3600), static_cast<int>(secondOfDay / 60 % 60),
                       static_cast<int>(secondOfDay % 60)});
}

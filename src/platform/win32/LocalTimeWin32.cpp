#include "platform/LocalTime.h"

#include <windows.h>

namespace platform {
namespace {
// Seconds between 1601-01-01 (the FILETIME epoch) and 1970-01-01.
constexpr int64_t kEpochDifferenceSeconds = 11644473600LL;
constexpr int64_t kFileTimeUnitsPerSecond = 10000000LL;

bool ToLocal(int64_t secondsSince1970Utc, SYSTEMTIME& local) {
    if (secondsSince1970Utc < -kEpochDifferenceSeconds ||
        secondsSince1970Utc > INT64_MAX / kFileTimeUnitsPerSecond - kEpochDifferenceSeconds) {
        return false;
    }
    const uint64_t units =
        static_cast<uint64_t>(secondsSince1970Utc + kEpochDifferenceSeconds) * kFileTimeUnitsPerSecond;
    FILETIME fileTime{};
    fileTime.dwLowDateTime = static_cast<DWORD>(units);
    fileTime.dwHighDateTime = static_cast<DWORD>(units >> 32);
    SYSTEMTIME utc{};
    return FileTimeToSystemTime(&fileTime, &utc) && SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local);
}

std::u16string Joined(const SYSTEMTIME& local, DWORD dateFlags, DWORD timeFlags) {
    wchar_t date[256];
    wchar_t time[256];
    if (GetDateFormatW(LOCALE_USER_DEFAULT, dateFlags, &local, nullptr, date, 256) == 0 ||
        GetTimeFormatW(LOCALE_USER_DEFAULT, timeFlags, &local, nullptr, time, 256) == 0) {
        return {};
    }
    std::u16string text(reinterpret_cast<const char16_t*>(date));
    text.push_back(u' ');
    text.append(reinterpret_cast<const char16_t*>(time));
    return text;
}
} // namespace

std::u16string ShortDateTimeText(int64_t secondsSince1970Utc) {
    SYSTEMTIME local{};
    if (!ToLocal(secondsSince1970Utc, local)) {
        return {};
    }
    return Joined(local, DATE_SHORTDATE, 0);
}

std::u16string LongDateTimeText(int64_t secondsSince1970Utc) {
    SYSTEMTIME local{};
    if (!ToLocal(secondsSince1970Utc, local)) {
        return {};
    }
    return Joined(local, DATE_LONGDATE, TIME_NOSECONDS);
}

uint32_t TickCountMilliseconds() {
    return GetTickCount();
}

} // namespace platform

#include "platform/LocalTime.h"

#include <windows.h>

#include "platform/win32/FileTimes.h"

namespace platform {
namespace {
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
    if (!LocalSystemTimeOfUnixSeconds(secondsSince1970Utc, local)) {
        return {};
    }
    return Joined(local, DATE_SHORTDATE, 0);
}

std::u16string LongDateTimeText(int64_t secondsSince1970Utc) {
    SYSTEMTIME local{};
    if (!LocalSystemTimeOfUnixSeconds(secondsSince1970Utc, local)) {
        return {};
    }
    return Joined(local, DATE_LONGDATE, TIME_NOSECONDS);
}

uint32_t TickCountMilliseconds() {
    return GetTickCount();
}

} // namespace platform

#include "platform/win32/FileTimes.h"

namespace platform {
namespace {
// Seconds between 1601-01-01 (the FILETIME epoch) and 1970-01-01.
constexpr int64_t kEpochDifferenceSeconds = 11644473600LL;
constexpr int64_t kFileTimeUnitsPerSecond = 10000000LL;
} // namespace

bool FileTimeOfUnixSeconds(int64_t secondsSince1970Utc, FILETIME& fileTime) {
    // The system refuses a FILETIME of 2^63 units or more.
    if (secondsSince1970Utc < -kEpochDifferenceSeconds ||
        secondsSince1970Utc > INT64_MAX / kFileTimeUnitsPerSecond - kEpochDifferenceSeconds) {
        return false;
    }
    const uint64_t units =
        static_cast<uint64_t>(secondsSince1970Utc + kEpochDifferenceSeconds) * kFileTimeUnitsPerSecond;
    fileTime.dwLowDateTime = static_cast<DWORD>(units);
    fileTime.dwHighDateTime = static_cast<DWORD>(units >> 32);
    return true;
}

int64_t UnixSecondsOfFileTime(const FILETIME& fileTime) {
    const uint64_t units = (static_cast<uint64_t>(fileTime.dwHighDateTime) << 32) | fileTime.dwLowDateTime;
    return static_cast<int64_t>(units / kFileTimeUnitsPerSecond) - kEpochDifferenceSeconds;
}

bool LocalSystemTimeOfUnixSeconds(int64_t secondsSince1970Utc, SYSTEMTIME& local) {
    FILETIME fileTime{};
    SYSTEMTIME utc{};
    SYSTEMTIME converted{};
    if (!FileTimeOfUnixSeconds(secondsSince1970Utc, fileTime) || !FileTimeToSystemTime(&fileTime, &utc) ||
        !SystemTimeToTzSpecificLocalTime(nullptr, &utc, &converted)) {
        return false;
    }
    local = converted;
    return true;
}

bool UnixSecondsOfLocalSystemTime(const SYSTEMTIME& local, int64_t& secondsSince1970Utc) {
    SYSTEMTIME utc{};
    FILETIME fileTime{};
    if (!TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc) || !SystemTimeToFileTime(&utc, &fileTime)) {
        return false;
    }
    secondsSince1970Utc = UnixSecondsOfFileTime(fileTime);
    return true;
}

int64_t UnixSecondsNow() {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    return UnixSecondsOfFileTime(now);
}

} // namespace platform

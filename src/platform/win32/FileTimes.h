// The system's times against the seconds since 1970-01-01 UTC the host database keeps: FILETIME counts
// 100-nanosecond units since 1601-01-01 UTC, SYSTEMTIME is a calendar date and time. The one conversion
// of the Windows build, used by the local time texts and by the window's date pickers.
#pragma once

#include <windows.h>

#include <cstdint>

namespace platform {

// False (fileTime untouched) when seconds lie before 1601 or beyond what a FILETIME the system accepts
// holds (2^63 units).
bool FileTimeOfUnixSeconds(int64_t secondsSince1970Utc, FILETIME& fileTime);
// Whole seconds, the fraction dropped.
int64_t UnixSecondsOfFileTime(const FILETIME& fileTime);

// The local time of the user's time zone; false (local untouched) outside the range above or when the
// system cannot convert.
bool LocalSystemTimeOfUnixSeconds(int64_t secondsSince1970Utc, SYSTEMTIME& local);
// The seconds of a local time; false (seconds untouched) when it is no valid date and time.
bool UnixSecondsOfLocalSystemTime(const SYSTEMTIME& local, int64_t& secondsSince1970Utc);

// Now, in whole seconds.
int64_t UnixSecondsNow();

} // namespace platform

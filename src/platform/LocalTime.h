// Local date and time texts in the user's formats, and a coarse tick count. Times are seconds since
// 1970-01-01 UTC, as the host database stores them, converted to the local time zone.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// The user's short date, one space and the user's time format ("17.05.2023 8:30:00"); empty when the
// time cannot be converted.
std::u16string ShortDateTimeText(int64_t secondsSince1970Utc);

// The user's long date, one space and the user's time without seconds ("17 мая 2023 г. 8:30"); empty
// when the time cannot be converted.
std::u16string LongDateTimeText(int64_t secondsSince1970Utc);

// Milliseconds since some fixed moment (system start), wrapping at 2^32 as the Windows tick count does.
uint32_t TickCountMilliseconds();

} // namespace platform

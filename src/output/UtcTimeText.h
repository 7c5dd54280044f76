// Host times (seconds since 1970-01-01 UTC) as ISO 8601 text, independent of the system's time
// functions and locale.
#pragma once

#include <cstdint>
#include <string>

// "yyyy-mm-ddThh:mm:ssZ" in UTC (strftime's "%FT%TZ"), proleptic Gregorian calendar; empty outside
// 1601-01-01T00:00:00Z to 9999-12-31T23:59:59Z, the span in which the Windows time functions convert
// too.
std::u16string UtcIsoTimeText(int64_t secondsSince1970);

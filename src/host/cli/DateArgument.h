// Dates on the command line: "YYYY-MM-DD", "YYYY-MM-DD HH:MM" or "YYYY-MM-DD HH:MM:SS" ("T" in place
// of the space is accepted), in local time like the date pickers of the selection dialog.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Seconds since 1970-01-01 UTC. A date without a time is the start of the day, or with endOfDay its
// last second (so "--to 2024-03-14" includes the whole day). False for a text of any other form.
bool ParseLocalDate(std::string_view text, bool endOfDay, int64_t& secondsSince1970);

// The local day of a moment as "YYYY-MM-DD", the form ParseLocalDate reads; empty when the moment
// cannot be converted.
std::string LocalDateArgument(int64_t secondsSince1970);

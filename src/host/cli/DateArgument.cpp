#include "host/cli/DateArgument.h"

#include <charconv>
#include <ctime>

namespace {

bool ReadNumber(std::string_view text, size_t position, size_t digits, int& value) {
    if (position + digits > text.size()) {
        return false;
    }
    const char* begin = text.data() + position;
    const auto [end, error] = std::from_chars(begin, begin + digits, value);
    return error == std::errc() && end == begin + digits;
}

} // namespace

bool ParseLocalDate(std::string_view text, bool endOfDay, int64_t& secondsSince1970) {
    std::tm fields{};
    int year = 0;
    int month = 0;
    int day = 0;
    if (!ReadNumber(text, 0, 4, year) || text.size() < 10 || text[4] != '-' ||
        !ReadNumber(text, 5, 2, month) || text[7] != '-' || !ReadNumber(text, 8, 2, day) || month < 1 ||
        month > 12 || day < 1 || day > 31) {
        return false;
    }
    int hour = endOfDay ? 23 : 0;
    int minute = endOfDay ? 59 : 0;
    int second = endOfDay ? 59 : 0;
    if (text.size() > 10) {
        if ((text[10] != ' ' && text[10] != 'T') || !ReadNumber(text, 11, 2, hour) || text.size() < 16 ||
            text[13] != ':' || !ReadNumber(text, 14, 2, minute)) {
            return false;
        }
        second = 0;
        if (text.size() > 16 && (text.size() != 19 || text[16] != ':' || !ReadNumber(text, 17, 2, second))) {
            return false;
        }
        if (text.size() != 16 && text.size() != 19) {
            return false;
        }
        if (hour > 23 || minute > 59 || second > 59) {
            return false;
        }
    } else if (text.size() != 10) {
        return false;
    }
    fields.tm_year = year - 1900;
    fields.tm_mon = month - 1;
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    fields.tm_isdst = -1; // the local rule decides whether summer time applies
    const std::time_t time = std::mktime(&fields);
    if (time == static_cast<std::time_t>(-1)) {
        return false;
    }
    secondsSince1970 = static_cast<int64_t>(time);
    return true;
}

std::string LocalDateArgument(int64_t secondsSince1970) {
    const auto time = static_cast<std::time_t>(secondsSince1970);
    // One thread: the shared result of localtime is read before anything else can call it.
    const std::tm* fields = std::localtime(&time);
    char text[16] = {};
    if (fields == nullptr || std::strftime(text, sizeof text, "%Y-%m-%d", fields) == 0) {
        return {};
    }
    return text;
}

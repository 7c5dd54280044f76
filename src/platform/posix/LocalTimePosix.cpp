// The date and time formats of the Russian locale, in which the plug-in's laboratories work, written
// without the C library's locale machinery so the texts do not depend on the process locale.
#include "platform/LocalTime.h"

#include <ctime>

#include "text/Format.h"

namespace platform {
namespace {
// Month names in the genitive case, as a long date uses them ("17 мая 2023 г.").
constexpr const char16_t* kMonthsGenitive[12] = {
    u"января", u"февраля", u"марта",    u"апреля",  u"мая",    u"июня",
    u"июля",   u"августа", u"сентября", u"октября", u"ноября", u"декабря",
};

bool ToLocal(int64_t secondsSince1970Utc, std::tm& local) {
    const std::time_t time = static_cast<std::time_t>(secondsSince1970Utc);
    if (static_cast<int64_t>(time) != secondsSince1970Utc) {
        return false;
    }
    return localtime_r(&time, &local) != nullptr;
}
} // namespace

std::u16string ShortDateTimeText(int64_t secondsSince1970Utc) {
    std::tm local{};
    if (!ToLocal(secondsSince1970Utc, local)) {
        return {};
    }
    // Short date "dd.MM.yyyy", time "H:mm:ss".
    return FormatText(u"%02d.%02d.%04d %d:%02d:%02d", {local.tm_mday, local.tm_mon + 1, local.tm_year + 1900,
                                                       local.tm_hour, local.tm_min, local.tm_sec});
}

std::u16string LongDateTimeText(int64_t secondsSince1970Utc) {
    std::tm local{};
    if (!ToLocal(secondsSince1970Utc, local) || local.tm_mon < 0 || local.tm_mon > 11) {
        return {};
    }
    // Long date "d MMMM yyyy 'г.'", time without seconds "H:mm".
    return FormatText(u"%d %s %04d г. %d:%02d", {local.tm_mday, kMonthsGenitive[local.tm_mon],
                                                 local.tm_year + 1900, local.tm_hour, local.tm_min});
}

uint32_t TickCountMilliseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const uint64_t milliseconds =
        static_cast<uint64_t>(now.tv_sec) * 1000u + static_cast<uint64_t>(now.tv_nsec) / 1000000u;
    return static_cast<uint32_t>(milliseconds);
}

} // namespace platform

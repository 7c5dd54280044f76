#include "platform/Platform.h"

#include <cctype>
#include <cstdlib>
#include <string>

#include "text/Utf.h"

namespace platform {
namespace {
// Windows' three-letter language abbreviations of the locales a laboratory is likely to run under;
// others are formed as the language code followed by the region's first letter (as ENU, DEU are).
struct Abbreviation {
    const char* locale;
    const char16_t* abbreviation;
};
constexpr Abbreviation kKnown[] = {
    {"ru_RU", u"RUS"}, {"en_US", u"ENU"}, {"en_GB", u"ENG"}, {"de_DE", u"DEU"}, {"fr_FR", u"FRA"},
    {"uk_UA", u"UKR"}, {"be_BY", u"BEL"}, {"kk_KZ", u"KKZ"}, {"es_ES", u"ESN"}, {"it_IT", u"ITA"},
};
} // namespace

std::u16string LocaleLanguageAbbreviation() {
    const char* names[] = {"LC_ALL", "LC_MESSAGES", "LANG"};
    std::string locale;
    for (const char* name : names) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0') {
            locale = value;
            break;
        }
    }
    if (locale.size() < 2 || locale == "C" || locale == "POSIX" || locale.rfind("C.", 0) == 0) {
        return {};
    }
    for (const auto& known : kKnown) {
        if (locale.rfind(known.locale, 0) == 0) {
            return known.abbreviation;
        }
    }
    std::u16string result;
    result.push_back(static_cast<char16_t>(std::toupper(static_cast<unsigned char>(locale[0]))));
    result.push_back(static_cast<char16_t>(std::toupper(static_cast<unsigned char>(locale[1]))));
    const size_t underscore = locale.find('_');
    const char third = underscore != std::string::npos && underscore + 1 < locale.size()
                           ? locale[underscore + 1]
                           : locale[0];
    result.push_back(static_cast<char16_t>(std::toupper(static_cast<unsigned char>(third))));
    return result;
}

std::u16string TempDirectory() {
    const char* value = std::getenv("TMPDIR");
    std::string folder = value != nullptr && *value != '\0' ? value : "/tmp";
    if (folder.back() != '/') {
        folder.push_back('/');
    }
    return Utf8ToUtf16(folder);
}

} // namespace platform

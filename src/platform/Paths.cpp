#include "platform/Platform.h"

namespace platform {

std::u16string DirectoryOf(std::u16string_view path) {
    const size_t separator = path.find_last_of(u"/\\");
    if (separator == std::u16string_view::npos) {
        return {};
    }
    return std::u16string(path.substr(0, separator + 1));
}

} // namespace platform

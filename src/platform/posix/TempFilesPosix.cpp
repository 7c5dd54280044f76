#include "platform/TempFiles.h"

#include <cstdlib>
#include <string>
#include <unistd.h>

#include "text/Utf.h"

namespace platform {

std::u16string CreateUniqueTempFile(std::u16string_view folder, std::u16string_view prefix) {
    if (folder.empty()) {
        return {};
    }
    std::string pattern = Utf16ToUtf8(folder);
    if (pattern.back() != '/') {
        pattern.push_back('/');
    }
    static constexpr char kUniquePart[] = "XXXXXX";
    static constexpr char kExtension[] = ".tmp";
    pattern += Utf16ToUtf8(prefix);
    pattern += kUniquePart;
    pattern += kExtension;
    // mkstemps replaces the six X before the suffix and creates the file exclusively, so the name is
    // reserved for this caller.
    const int descriptor = mkstemps(pattern.data(), static_cast<int>(sizeof(kExtension) - 1));
    if (descriptor < 0) {
        return {};
    }
    close(descriptor);
    return Utf8ToUtf16(pattern);
}

} // namespace platform

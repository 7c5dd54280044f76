#include "platform/TempFiles.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
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

NewFileResult CreateNewFile(std::u16string_view path) {
    const std::string name = Utf16ToUtf8(path);
    // O_EXCL with O_CREAT fails on any existing name, a symbolic link included, without following it.
    const int descriptor = open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (descriptor < 0) {
        return errno == EEXIST ? NewFileResult::Exists : NewFileResult::Failed;
    }
    close(descriptor);
    return NewFileResult::Created;
}

} // namespace platform

#include "platform/TemplateFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include "platform/Platform.h"
#include "text/Utf.h"

namespace platform {

std::u16string ConfiguredTemplateFolder() {
    const char* value = std::getenv("TARVEL_TEMPLATE_PATH");
    if (value == nullptr) {
        return {};
    }
    return Utf8ToUtf16(value);
}

std::u16string ProgramDirectory() {
    std::string buffer(4096, '\0');
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size() - 1);
    if (length <= 0) {
        return {};
    }
    buffer.resize(static_cast<size_t>(length));
    return DirectoryOf(Utf8ToUtf16(buffer));
}

bool FileExists(std::u16string_view path) {
    struct stat status {};
    return stat(Utf16ToUtf8(path).c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

char16_t PathSeparator() {
    return u'/';
}

size_t MaxPathLength() {
    return 4095; // PATH_MAX less the terminating zero
}

} // namespace platform

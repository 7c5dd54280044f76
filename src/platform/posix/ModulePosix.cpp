#include "platform/Platform.h"

#include <dlfcn.h>

#include <climits>
#include <cstdlib>
#include <string>
#include <unistd.h>

#include "text/Utf.h"

namespace platform {

std::u16string ModulePath() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&ModulePath), &info) != 0 && info.dli_fname != nullptr) {
        char resolved[PATH_MAX];
        if (realpath(info.dli_fname, resolved) != nullptr) {
            return Utf8ToUtf16(resolved);
        }
    }
    char buffer[PATH_MAX];
    const ssize_t length = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    if (length <= 0) {
        return {};
    }
    return Utf8ToUtf16(std::string_view(buffer, static_cast<size_t>(length)));
}

DynamicLibrary::DynamicLibrary(std::u16string_view path) {
    handle_ = dlopen(Utf16ToUtf8(path).c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* DynamicLibrary::Symbol(const char* name) const {
    return handle_ != nullptr ? dlsym(handle_, name) : nullptr;
}

void DynamicLibrary::Reset() {
    if (handle_ != nullptr) {
        dlclose(handle_);
        handle_ = nullptr;
    }
}

std::u16string_view SharedLibraryExtension() {
    return u".so";
}

} // namespace platform

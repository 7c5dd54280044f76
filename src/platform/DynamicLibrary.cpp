#include "platform/Platform.h"

// The ownership rules of a loaded library are the same on every platform; opening, looking up and
// freeing are in posix/ and win32/.
namespace platform {

DynamicLibrary::~DynamicLibrary() {
    Reset();
}

DynamicLibrary::DynamicLibrary(DynamicLibrary&& other) noexcept : handle_(other.handle_) {
    other.handle_ = nullptr;
}

DynamicLibrary& DynamicLibrary::operator=(DynamicLibrary&& other) noexcept {
    if (this != &other) {
        Reset();
        handle_ = other.handle_;
        other.handle_ = nullptr;
    }
    return *this;
}

} // namespace platform

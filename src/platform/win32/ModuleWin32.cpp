#include "platform/Platform.h"

#include <windows.h>

namespace platform {
namespace {
const wchar_t* Wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}
} // namespace

std::u16string ModulePath() {
    HMODULE module = nullptr;
    if (!GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS |
                                GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                            reinterpret_cast<LPCWSTR>(&ModulePath), &module)) {
        module = nullptr;
    }
    wchar_t buffer[MAX_PATH];
    const DWORD length = GetModuleFileNameW(module, buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return {};
    }
    return std::u16string(reinterpret_cast<const char16_t*>(buffer), length);
}

std::u16string LocaleLanguageAbbreviation() {
    wchar_t buffer[4] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SABBREVLANGNAME, buffer, 4) == 0) {
        return {};
    }
    return std::u16string(reinterpret_cast<const char16_t*>(buffer));
}

std::u16string TempDirectory() {
    wchar_t buffer[MAX_PATH + 1];
    const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
    if (length == 0 || length > MAX_PATH) {
        return {};
    }
    return std::u16string(reinterpret_cast<const char16_t*>(buffer), length);
}

DynamicLibrary::DynamicLibrary(std::u16string_view path) {
    const std::u16string copy(path);
    handle_ = LoadLibraryW(Wide(copy));
}

void* DynamicLibrary::Symbol(const char* name) const {
    if (handle_ == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle_), name));
}

void DynamicLibrary::Reset() {
    if (handle_ != nullptr) {
        FreeLibrary(static_cast<HMODULE>(handle_));
        handle_ = nullptr;
    }
}

std::u16string_view SharedLibraryExtension() {
    return u".dll";
}

} // namespace platform

#include "platform/TemplateFolder.h"

#include <windows.h>

#include <vector>

#include "platform/Platform.h"

namespace platform {

// The key is only opened, never created: a lookup leaves no trace in the user's registry. The value is
// read at whatever length it has (a folder path may be longer than the template path allows, and is then
// refused by the lookup rather than cut here).
std::u16string ConfiguredTemplateFolder() {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Quenta\\Orlisk4", 0, KEY_QUERY_VALUE, &key) !=
        ERROR_SUCCESS) {
        return {};
    }
    std::vector<wchar_t> buffer;
    DWORD type = 0;
    DWORD size = 0;
    LONG result = RegQueryValueExW(key, L"TemplatePath", nullptr, &type, nullptr, &size);
    // The value may change between the two reads: grow and read again while it does not fit.
    while (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {
        buffer.assign(size / sizeof(wchar_t) + 1, L'\0');
        size = static_cast<DWORD>((buffer.size() - 1) * sizeof(wchar_t));
        result = RegQueryValueExW(key, L"TemplatePath", nullptr, &type,
                                  reinterpret_cast<BYTE*>(buffer.data()), &size);
        if (result != ERROR_MORE_DATA) {
            break;
        }
    }
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_SZ || size < sizeof(wchar_t)) {
        return {};
    }
    std::u16string folder(reinterpret_cast<const char16_t*>(buffer.data()), size / sizeof(wchar_t));
    const size_t end = folder.find(u'\0');
    if (end != std::u16string::npos) {
        folder.resize(end);
    }
    return folder;
}

std::u16string ProgramDirectory() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            return DirectoryOf(std::u16string(reinterpret_cast<const char16_t*>(buffer.data()), length));
        }
        if (buffer.size() >= 32768) {
            return {};
        }
        buffer.resize(buffer.size() * 2);
    }
}

bool FileExists(std::u16string_view path) {
    const std::u16string copy(path);
    const DWORD attributes = GetFileAttributesW(reinterpret_cast<const wchar_t*>(copy.c_str()));
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

char16_t PathSeparator() {
    return u'\\';
}

size_t MaxPathLength() {
    return MAX_PATH - 1;
}

} // namespace platform

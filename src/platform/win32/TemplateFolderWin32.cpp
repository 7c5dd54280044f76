#include "platform/TemplateFolder.h"

#include <windows.h>

#include <vector>

#include "platform/Platform.h"

namespace platform {

std::u16string ConfiguredTemplateFolder() {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Quenta\\Orlisk4", 0, nullptr, 0, KEY_QUERY_VALUE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return {};
    }
    // The value is read into a buffer of 260 bytes; a longer value is not read at all.
    wchar_t buffer[130] = {};
    DWORD type = 0;
    DWORD size = sizeof buffer;
    const LONG result =
        RegQueryValueExW(key, L"TemplatePath", nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_SZ || size < sizeof(wchar_t)) {
        return {};
    }
    const size_t length = size / sizeof(wchar_t);
    std::u16string folder(reinterpret_cast<const char16_t*>(buffer), length);
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

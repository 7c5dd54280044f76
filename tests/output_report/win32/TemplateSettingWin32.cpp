#include "output_report/TemplateSetting.h"

#include <windows.h>

#include <string>

namespace {
HKEY OpenKey() {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Quenta\\Orlisk4", 0, nullptr, 0, KEY_SET_VALUE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
        return nullptr;
    }
    return key;
}
} // namespace

void SetConfiguredTemplateFolder(std::u16string_view folder) {
    HKEY key = OpenKey();
    if (key == nullptr) {
        return;
    }
    const std::u16string value(folder);
    RegSetValueExW(key, L"TemplatePath", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>((value.size() + 1) * sizeof(char16_t)));
    RegCloseKey(key);
}

void ClearConfiguredTemplateFolder() {
    HKEY key = OpenKey();
    if (key == nullptr) {
        return;
    }
    RegDeleteValueW(key, L"TemplatePath");
    RegCloseKey(key);
}

#include "platform/TextEncoding.h"

#include <windows.h>

namespace platform {

uint32_t AnsiCodePage() {
    return GetACP();
}

std::string ToAnsiCodePage(std::u16string_view text) {
    if (text.empty()) {
        return {};
    }
    const wchar_t* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    // Default flags: best-fit mapping, then the code page's default character.
    const int size = WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) {
        return std::string(text.size(), '?');
    }
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, 0, wide, length, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

} // namespace platform

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
    // No best-fit mapping: a character the code page lacks becomes its default character, never a
    // look-alike (an "é" must not silently turn into an "e" in a certificate's text).
    const DWORD flags = WC_NO_BEST_FIT_CHARS;
    const int size = WideCharToMultiByte(CP_ACP, flags, wide, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) {
        return std::string(text.size(), '?');
    }
    std::string bytes(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(CP_ACP, flags, wide, length, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

} // namespace platform

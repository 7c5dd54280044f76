// Text in the system's ANSI code page, the single-byte encoding older Windows programs read plain text
// files in. The Windows build uses the code page the system is set to (CP_ACP); the Linux build, which
// has no such setting, uses Windows-1251, the code page of a Russian-language system.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The number of the code page ToAnsiCodePage writes (1251 on Linux, GetACP() on Windows).
uint32_t AnsiCodePage();

// text in the ANSI code page, no byte-order mark. A character the code page lacks becomes the code
// page's default character "?" on both builds, never a similar-looking character of the code page
// (no "best fit"). An unpaired surrogate also becomes "?".
std::string ToAnsiCodePage(std::u16string_view text);

} // namespace platform

// Integrity check of the three calculation libraries: each file beside the plug-in must have the SHA-1
// digest recorded when the plug-in was built, so a replaced or damaged library is refused before any
// number is computed with it.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

struct LibraryDigest {
    std::u16string_view name; // library name without extension
    const char* sha1Hex;      // 40 lower-case hexadecimal digits
};

// The three library names, in the order they are checked.
std::span<const std::u16string_view> CalculationLibraryNames();

// Digests recorded at build time (generated).
std::span<const LibraryDigest> ExpectedLibraryDigests();

// The folder the check looks in: the plug-in's own folder, unless set otherwise (a test host does).
std::u16string CalculationLibraryFolder();
void SetCalculationLibraryFolder(std::u16string_view folder);

// The file name (with the platform's extension) of the first library in folder that is missing,
// unreadable, or differs from its recorded digest; empty when all three pass.
std::u16string FirstLibraryFailingIntegrity(std::u16string_view folder);

// 40 lower-case hexadecimal digits.
std::string DigestToHex(const std::array<uint8_t, 20>& digest);

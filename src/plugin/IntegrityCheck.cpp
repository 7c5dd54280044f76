#include "plugin/IntegrityCheck.h"

#include <array>

#include "calc/bindings/Gost31371Binding.h"
#include "calc/bindings/Gost34704Binding.h"
#include "calc/bindings/Gost6976Binding.h"
#include "platform/Platform.h"

namespace {
constexpr std::u16string_view kLibraries[] = {kGost31371Library, kGost6976Library, kGost34704Library};
std::u16string g_folderOverride;
} // namespace

std::u16string CalculationLibraryFolder() {
    return g_folderOverride.empty() ? platform::DirectoryOf(platform::ModulePath()) : g_folderOverride;
}

void SetCalculationLibraryFolder(std::u16string_view folder) {
    g_folderOverride = folder;
}

std::span<const std::u16string_view> CalculationLibraryNames() {
    return kLibraries;
}

std::string DigestToHex(const std::array<uint8_t, 20>& digest) {
    static const char kHex[] = "0123456789abcdef";
    std::string text;
    text.reserve(40);
    for (const uint8_t byte : digest) {
        text.push_back(kHex[byte >> 4]);
        text.push_back(kHex[byte & 0x0F]);
    }
    return text;
}

std::u16string FirstLibraryFailingIntegrity(std::u16string_view folder) {
    const auto expected = ExpectedLibraryDigests();
    for (const std::u16string_view name : kLibraries) {
        std::u16string fileName(name);
        fileName += platform::SharedLibraryExtension();
        const LibraryDigest* recorded = nullptr;
        for (const auto& digest : expected) {
            if (digest.name == name) {
                recorded = &digest;
            }
        }
        platform::Sha1Digest actual{};
        std::u16string path(folder);
        path += fileName;
        if (recorded == nullptr || !platform::Sha1OfFile(path, actual) ||
            DigestToHex(actual) != recorded->sha1Hex) {
            return fileName;
        }
    }
    return {};
}

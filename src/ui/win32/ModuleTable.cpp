#include "ui/win32/ModuleTable.h"

#include <windows.h>

#include <array>
#include <vector>

#include "text/StringIds.gen.h"
#include "ui/models/AboutModel.h"

namespace {
constexpr int32_t kModuleColumnWidthPixels = 110;
constexpr std::array<std::u16string_view, 4> kModules = {u"TarvelPlugin.dll", u"Tarvel31371720.dll",
                                                         u"Tarvel3136921.dll", u"Tarvel3470420.dll"};
} // namespace

std::u16string ModuleIdentifier(const platform::Sha1Digest& digest) {
    static constexpr char16_t kDigits[] = u"0123456789abcdef";
    std::u16string hex;
    for (uint8_t byte : digest) {
        hex += kDigits[byte >> 4];
        hex += kDigits[byte & 0x0F];
    }
    return GroupedIdentifier(hex);
}

std::u16string FileVersionText(const std::u16string& path) {
    const auto* file = reinterpret_cast<const wchar_t*>(path.c_str());
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(file, &ignored);
    if (size == 0) {
        return {};
    }
    std::vector<BYTE> data(size);
    VS_FIXEDFILEINFO* info = nullptr;
    UINT length = 0;
    if (!GetFileVersionInfoW(file, 0, size, data.data()) ||
        !VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&info), &length) || info == nullptr ||
        length < sizeof(VS_FIXEDFILEINFO)) {
        return {};
    }
    const std::string text = std::to_string(HIWORD(info->dwFileVersionMS)) + "." +
                             std::to_string(LOWORD(info->dwFileVersionMS)) + "." +
                             std::to_string(HIWORD(info->dwFileVersionLS)) + "." +
                             std::to_string(LOWORD(info->dwFileVersionLS));
    return std::u16string(text.begin(), text.end());
}

PageTable BuildModuleTable(const std::u16string& folder) {
    PageTable table;
    for (uint32_t header : {StringId::AboutColumnFileName, StringId::AboutColumnVersion,
                            StringId::AboutColumnAlgorithm, StringId::AboutColumnChecksum}) {
        table.columns.push_back(MakePageColumn(header, true, kModuleColumnWidthPixels));
    }
    for (std::u16string_view name : kModules) {
        // Beside the plug-in, not as loaded in the process: the calculation libraries load lazily, so
        // before the first calculation they are not loaded at all.
        const std::u16string path = folder + std::u16string(name);
        platform::Sha1Digest digest{};
        const bool read = platform::Sha1OfFile(path, digest);
        table.rows.push_back({std::u16string(name), FileVersionText(path), u"SHA1",
                              read ? ModuleIdentifier(digest) : std::u16string()});
    }
    std::vector<std::u16string> metrologyTable = MetrologyTableAboutRow(TableInForce());
    if (!metrologyTable.empty()) {
        table.rows.push_back(std::move(metrologyTable));
    }
    return table;
}

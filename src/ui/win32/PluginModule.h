// The plug-in library as the window code sees it: its module handle (kept at library attach; every
// dialog template, string, icon and bitmap is loaded from it), its texts, and the activation context of
// its manifest, under which its windows get the common controls of version 6.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

void SetPluginModule(HINSTANCE module);
HINSTANCE PluginModule();

// A text of the library's string table; empty when it has none.
std::wstring ResourceText(uint32_t id);

// Registers the common-control classes the windows use (tabs, list views); false when that fails.
bool RegisterCommonControls();

// Releases the activation context of the library's manifest (made again on the next activation); no
// activation may be in force.
void ReleaseManifestContext();

// Activates the library's manifest (resource 2) for the lifetime of the object, so that windows and
// controls created meanwhile use common controls 6 whatever the host's own manifest says.
class ManifestActivation {
public:
    ManifestActivation();
    ~ManifestActivation();
    ManifestActivation(const ManifestActivation&) = delete;
    ManifestActivation& operator=(const ManifestActivation&) = delete;

private:
    ULONG_PTR cookie_ = 0;
    bool active_ = false;
};

// UTF-16 texts of the core as the Windows API's wide strings (the same code units).
inline const wchar_t* Wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}
inline std::u16string FromWide(const std::wstring& text) {
    return std::u16string(text.begin(), text.end());
}

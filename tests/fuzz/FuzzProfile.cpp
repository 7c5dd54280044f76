// The profile file and the settings store: whatever a profile holds, loading the settings, saving them
// and loading them again changes nothing (the window does this on every opening and closing).
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "FuzzSupport.h"
#include "calc/CalcContext.h"
#include "host/substitute/SubstituteHost.h"
#include "plugin/Host.h"
#include "plugin/SettingsStore.h"

namespace {

std::string ProfilePath(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

// The profile as the settings store leaves it after loading and saving the settings once.
std::map<std::u16string, std::u16string> SavedOnce(SubstituteHost& host) {
    SetHostServices(host.Services());
    CalcContext context;
    SettingsStore::Load(context);
    SettingsStore::Save(context);
    SetHostServices(nullptr);
    return host.profile;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    static const std::string input = ProfilePath("tarvel-fuzz-profile.txt");
    static const std::string output = ProfilePath("tarvel-fuzz-profile-saved.txt");
    {
        std::ofstream file(input, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes), static_cast<std::streamsize>(size));
    }
    SubstituteHost first;
    fuzz::Require(first.LoadProfileFile(input), "an existing profile file cannot be read");
    const auto once = SavedOnce(first);
    // A profile of the settings as saved: written and read back, loaded and saved again, the same.
    first.profile = once;
    if (!first.SaveProfileFile(output)) {
        return 0; // a setting that cannot stay on one line is refused by name; nothing to compare
    }
    SubstituteHost second;
    fuzz::Require(second.LoadProfileFile(output), "a saved profile cannot be read");
    fuzz::Require(second.profile == once, "the profile file changed the settings");
    fuzz::Require(SavedOnce(second) == once, "loading and saving the settings again changed them");
    return 0;
}

// The profile file and the settings store: whatever a profile holds, loading the settings, saving them
// and loading them again changes nothing (the window does this on every opening and closing). The
// profile goes through the file's bytes in memory, which the file functions read and write; one input
// in kFileRoundTripShare goes through the files as well and must come back as the same settings.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <string>
#include <string_view>

#include <unistd.h>

#include "FuzzSupport.h"
#include "calc/CalcContext.h"
#include "host/substitute/SubstituteHost.h"
#include "plugin/Host.h"
#include "plugin/SettingsStore.h"

namespace {

using Profile = std::map<std::u16string, std::u16string>;

constexpr size_t kFileRoundTripShare = 256;

// A file of this process's own (drivers running side by side, -jobs or -fork, must not read each
// other's), removed when the process ends.
struct ProcessFile {
    explicit ProcessFile(const char* name)
        : path((std::filesystem::temp_directory_path() / (name + std::to_string(getpid()) + ".txt"))
                   .string()) {}
    ~ProcessFile() { std::remove(path.c_str()); }
    ProcessFile(const ProcessFile&) = delete;
    ProcessFile& operator=(const ProcessFile&) = delete;
    const std::string path;
};

// The profile as the settings store leaves it after loading and saving the settings once.
Profile SavedOnce(SubstituteHost& host) {
    SetHostServices(host.Services());
    CalcContext context;
    SettingsStore::Load(context);
    SettingsStore::Save(context);
    SetHostServices(nullptr);
    return host.profile;
}

// The same round trip through the profile files: the settings saved once, written, read back.
void RequireSameThroughFiles(std::string_view bytes, const Profile& once, bool savable) {
    static const ProcessFile inputFile("tarvel-fuzz-profile-");
    static const ProcessFile outputFile("tarvel-fuzz-profile-saved-");
    const std::string& input = inputFile.path;
    const std::string& output = outputFile.path;
    {
        std::ofstream file(input, std::ios::binary | std::ios::trunc);
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    SubstituteHost first;
    fuzz::Require(first.LoadProfileFile(input), "an existing profile file cannot be read");
    fuzz::Require(SavedOnce(first) == once, "the profile file reads other settings than its bytes");
    fuzz::Require(first.SaveProfileFile(output) == savable, "the profile file refuses other settings");
    if (savable) {
        SubstituteHost second;
        fuzz::Require(second.LoadProfileFile(output), "a saved profile cannot be read");
        fuzz::Require(second.profile == once, "the profile file changed the settings");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    SubstituteHost first;
    first.ReadProfileText(text);
    const Profile once = SavedOnce(first);
    // A profile of the settings as saved: written and read back, loaded and saved again, the same.
    first.profile = once;
    std::string refused;
    const std::string saved = first.ProfileText(refused);
    const bool savable = refused.empty();
    if (std::hash<std::string_view>{}(text) % kFileRoundTripShare == 0) {
        RequireSameThroughFiles(text, once, savable);
    }
    if (!savable) {
        return 0; // a setting that cannot stay on one line is refused by name; nothing to compare
    }
    SubstituteHost second;
    second.ReadProfileText(saved);
    fuzz::Require(second.profile == once, "the profile file changed the settings");
    fuzz::Require(SavedOnce(second) == once, "loading and saving the settings again changed them");
    return 0;
}

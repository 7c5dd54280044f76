#include "host/cli/HostSetup.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <system_error>

#include "calc/CalcSettings.h"
#include "plugin/PluginExports.h"
#include "text/Utf.h"

namespace {

// The numbered lists of the settings store: the key, then the index written with at least three
// digits, at most 1023.
constexpr std::array<std::u16string_view, 5> kListKeyStems = {
    u"Tarvel/Analysis", u"Tarvel/Aliase", u"Tarvel/Mixtures", u"Tarvel/Constant", u"Tarvel/ReportProp"};
constexpr int kLastListIndex = 1023;
constexpr std::u16string_view kWindowPlacementKey = u"Tarvel/WState";

bool IsListKey(std::u16string_view key) {
    for (std::u16string_view stem : kListKeyStems) {
        if (key.substr(0, stem.size()) != stem) {
            continue;
        }
        const std::u16string_view index = key.substr(stem.size());
        if (index.size() < 3 || index.size() > 4 ||
            !std::all_of(index.begin(), index.end(), [](char16_t c) { return c >= u'0' && c <= u'9'; })) {
            return false;
        }
        int value = 0;
        for (char16_t c : index) {
            value = value * 10 + (c - u'0');
        }
        return value <= kLastListIndex && (index.size() == 3 || value >= 1000);
    }
    return false;
}

template <typename Keys>
bool HasKey(Keys keys, std::u16string_view key) {
    return std::any_of(keys.begin(), keys.end(), [key](const auto& entry) { return entry.key == key; });
}

bool IsInteger(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    int32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

} // namespace

std::filesystem::path PathFromUtf8(std::string_view utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::u16string PathText(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return Utf8ToUtf16(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()));
}

bool IsExistingFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

bool LoadProfile(SubstituteHost& host, const std::string& pathUtf8, std::string& error) {
    if (!IsExistingFile(PathFromUtf8(pathUtf8)) || !host.LoadProfileFile(pathUtf8)) {
        error = "the profile " + pathUtf8 + " cannot be read";
        return false;
    }
    return true;
}

bool ApplySetting(SubstituteHost& host, std::string_view assignment, std::string& error) {
    const size_t equals = assignment.find('=');
    if (equals == std::string_view::npos || equals == 0) {
        error = "--set expects KEY=VALUE, not '" + std::string(assignment) + "'";
        return false;
    }
    const std::u16string key = Utf8ToUtf16(assignment.substr(0, equals));
    const std::string_view value = assignment.substr(equals + 1);
    const bool numeric = HasKey(BoolSettingKeys(), key) || HasKey(IntSettingKeys(), key);
    if (!numeric && !HasKey(TextSettingKeys(), key) && !IsListKey(key) && key != kWindowPlacementKey) {
        error = "unknown setting '" + std::string(assignment.substr(0, equals)) + "'";
        return false;
    }
    if (numeric && !IsInteger(value)) {
        error = "the setting " + std::string(assignment.substr(0, equals)) + " takes an integer, not '" +
                std::string(value) + "'";
        return false;
    }
    host.profile[key] = Utf8ToUtf16(value);
    return true;
}

LoadedPlugin::LoadedPlugin(SubstituteHost& host) {
    Load(host.Services());
    host.RaiseEvent("System/ModulesLoaded");
}

LoadedPlugin::~LoadedPlugin() {
    Unload();
}

bool PrepareOutputFolder(const std::string& pathUtf8, std::u16string& folder, std::string& error) {
    std::error_code failure;
    const std::filesystem::path path = std::filesystem::absolute(PathFromUtf8(pathUtf8), failure);
    if (failure || (!std::filesystem::is_directory(path, failure) &&
                    !std::filesystem::create_directories(path, failure))) {
        error = "the folder " + pathUtf8 + " cannot be created";
        return false;
    }
    folder = PathText(path.lexically_normal());
    const auto separator = static_cast<char16_t>(std::filesystem::path::preferred_separator);
    if (folder.empty() || folder.back() != separator) {
        folder.push_back(separator);
    }
    return true;
}

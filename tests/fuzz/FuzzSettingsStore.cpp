// The settings store and the profile file on arbitrary profiles: whatever the profile holds, loading the
// settings, saving them and loading them again changes nothing more (the second save writes what the
// first wrote), and a profile of the plug-in's keys written to its file reads back the same.
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "calc/CalcContext.h"
#include "calc/CalcSettings.h"
#include "host/substitute/SubstituteHost.h"
#include "platform/Platform.h"
#include "plugin/Host.h"
#include "plugin/SettingsStore.h"
#include "text/Utf.h"

namespace {

std::u16string Text(FuzzedDataProvider& data) {
    if (data.ConsumeBool()) {
        return Utf8ToUtf16(data.ConsumeRandomLengthString(24));
    }
    std::u16string text(data.ConsumeIntegralInRange<size_t>(0, 300), u'\0');
    for (char16_t& unit : text) {
        unit = data.ConsumeIntegral<char16_t>();
    }
    return text;
}

std::u16string Key(FuzzedDataProvider& data) {
    static const char16_t* const kLists[] = {u"Tarvel/Analysis", u"Tarvel/Aliase", u"Tarvel/Mixtures",
                                             u"Tarvel/Constant", u"Tarvel/ReportProp"};
    switch (data.ConsumeIntegralInRange<int>(0, 4)) {
    case 0:
        return BoolSettingKeys()[data.ConsumeIntegralInRange<size_t>(0, BoolSettingKeys().size() - 1)].key;
    case 1:
        return IntSettingKeys()[data.ConsumeIntegralInRange<size_t>(0, IntSettingKeys().size() - 1)].key;
    case 2:
        return TextSettingKeys()[data.ConsumeIntegralInRange<size_t>(0, TextSettingKeys().size() - 1)].key;
    case 3: {
        const int index = data.ConsumeIntegralInRange<int>(0, 1030);
        std::u16string key = data.PickValueInArray(kLists);
        const std::string digits = (index < 100 ? (index < 10 ? "00" : "0") : "") + std::to_string(index);
        return key + Utf8ToUtf16(digits);
    }
    default:
        return Text(data);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    SubstituteHost host;
    SetHostServices(host.Services());
    const size_t entries = data.ConsumeIntegralInRange<size_t>(0, 40);
    for (size_t i = 0; i < entries; ++i) {
        const std::u16string key = Key(data);
        host.profile[key] = Text(data);
    }

    CalcContext first;
    SettingsStore::Load(first);
    SettingsStore::Save(first);
    const auto saved = host.profile;
    CalcContext second;
    SettingsStore::Load(second);
    SettingsStore::Save(second);
    fuzzsupport::Require(host.profile == saved, "load, save, load again changed the profile");

    static const std::string path =
        Utf16ToUtf8(platform::TempDirectory()) + "tarvel-fuzz-profile-" + std::to_string(getpid()) + ".txt";
    // The file holds UTF-8 "key=value" lines: only texts UTF-8 can carry (no lone surrogate), under
    // the plug-in's own keys, can come back unchanged.
    const auto representable = [](const std::u16string& text) {
        return Utf8ToUtf16(Utf16ToUtf8(text)) == text;
    };
    bool fileCanHoldIt = true;
    for (const auto& [key, value] : saved) {
        fileCanHoldIt = fileCanHoldIt && key.starts_with(u"Tarvel/") &&
                        key.find(u'=') == std::u16string::npos && representable(key) && representable(value);
    }
    if (fileCanHoldIt && host.SaveProfileFile(path)) {
        host.profile.clear();
        fuzzsupport::Require(host.LoadProfileFile(path) && host.profile == saved,
                             "the profile file reads back differently");
    }
    std::remove(path.c_str());
    SetHostServices(nullptr);
    return 0;
}

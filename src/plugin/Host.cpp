#include "plugin/Host.h"

#include "output/report/ReportDocument.h"
#include "text/Utf.h"

namespace {
const HostServices* g_host = nullptr;

intptr_t KeyArg(const std::u16string& key) {
    return reinterpret_cast<intptr_t>(key.c_str());
}

// The host answers 0x80000000 for "no account"; any other value is the address of a UTF-16 text.
constexpr intptr_t kNoAccount = static_cast<intptr_t>(static_cast<uintptr_t>(0x80000000u));
} // namespace

void SetHostServices(const HostServices* services) {
    g_host = services;
    // The report signs with the host's user; the output layer cannot reach the host itself.
    SetAccountNameQuery(services != nullptr ? &HostAccountName : nullptr);
}

const HostServices* GetHostServices() {
    return g_host;
}

intptr_t CallHostTopic(const char* topic, intptr_t first, intptr_t second) {
    if (g_host == nullptr || g_host->CallTopic == nullptr) {
        return 0;
    }
    return g_host->CallTopic(topic, first, second);
}

bool IsHostTopicAvailable(const char* topic) {
    return g_host != nullptr && g_host->IsTopicAvailable != nullptr && g_host->IsTopicAvailable(topic) != 0;
}

bool ProfileGetInt(std::u16string_view key, int32_t& value) {
    const std::u16string k(key);
    int32_t read = 0;
    if (CallHostTopic(topic::ProfileGetInt, KeyArg(k), reinterpret_cast<intptr_t>(&read)) == 0) {
        return false;
    }
    value = read;
    return true;
}

void ProfileSetInt(std::u16string_view key, int32_t value) {
    const std::u16string k(key);
    CallHostTopic(topic::ProfileSetInt, KeyArg(k), reinterpret_cast<intptr_t>(&value));
}

bool ProfileGetString(std::u16string_view key, std::u16string& value) {
    const std::u16string k(key);
    char16_t buffer[kProfileStringCapacity] = {};
    StringRequest request{buffer, kProfileStringCapacity};
    if (CallHostTopic(topic::ProfileGetString, KeyArg(k), reinterpret_cast<intptr_t>(&request)) == 0) {
        return false;
    }
    // A host that fills the whole buffer without a terminator still gives at most 255 characters. A value
    // the host cut at the buffer's end between the halves of a character loses the half: half a
    // character is no text, and a profile kept in UTF-8 could not store it.
    value = FromBuffer(buffer, kProfileStringCapacity - 1);
    if (value.size() == static_cast<size_t>(kProfileStringCapacity - 1) && IsHighSurrogate(value.back())) {
        value.pop_back();
    }
    return true;
}

void ProfileSetString(std::u16string_view key, std::u16string_view value) {
    const std::u16string k(key);
    const std::u16string v(value);
    CallHostTopic(topic::ProfileSetString, KeyArg(k), reinterpret_cast<intptr_t>(v.c_str()));
}

bool ProfileGetRect(std::u16string_view key, ProfileRect& rect) {
    const std::u16string k(key);
    ProfileRect read{};
    if (CallHostTopic(topic::ProfileGetRect, KeyArg(k), reinterpret_cast<intptr_t>(&read)) == 0) {
        return false;
    }
    rect = read;
    return true;
}

void ProfileSetRect(std::u16string_view key, const ProfileRect& rect) {
    const std::u16string k(key);
    ProfileRect copy = rect;
    CallHostTopic(topic::ProfileSetRect, KeyArg(k), reinterpret_cast<intptr_t>(&copy));
}

void ProfileDeleteParam(std::u16string_view key) {
    const std::u16string k(key);
    CallHostTopic(topic::ProfileDelParam, KeyArg(k), 0);
}

std::u16string HostAccountName() {
    const intptr_t result = CallHostTopic(topic::AccountName, 0, 0);
    if (result == 0 || result == kNoAccount) {
        return {};
    }
    // The host's text has no stated length limit; read up to a sane bound.
    return FromBuffer(reinterpret_cast<const char16_t*>(result), 4096);
}

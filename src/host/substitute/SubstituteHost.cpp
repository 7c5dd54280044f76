#include "host/substitute/SubstituteHost.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <span>

#include "text/Utf.h"

namespace {
SubstituteHost* g_active = nullptr;

std::u16string KeyOf(intptr_t argument) {
    return argument != 0 ? FromBuffer(reinterpret_cast<const char16_t*>(argument), 4096) : std::u16string();
}

bool ParseInt32(std::u16string_view text, int32_t& value) {
    const std::string ascii = Utf16ToUtf8(text);
    const char* begin = ascii.data();
    const char* end = begin + ascii.size();
    if (begin != end && *begin == '+') {
        ++begin;
    }
    const auto result = std::from_chars(begin, end, value);
    return result.ec == std::errc() && result.ptr == end && begin != end;
}

bool ParseRect(std::u16string_view text, ProfileRect& rect) {
    int32_t parts[4] = {};
    size_t start = 0;
    for (int i = 0; i < 4; ++i) {
        const size_t comma = i < 3 ? text.find(u',', start) : text.size();
        if (comma == std::u16string_view::npos || !ParseInt32(text.substr(start, comma - start), parts[i])) {
            return false;
        }
        start = comma + 1;
    }
    rect = {parts[0], parts[1], parts[2], parts[3]};
    return true;
}

std::u16string DecimalText(int64_t value) {
    return Utf8ToUtf16(std::to_string(value));
}

// A UTF-8 path as the file system takes it (on Windows the narrow file functions would read the ANSI
// code page).
std::filesystem::path FilePath(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

// A text the line-oriented file keeps as it stands: no line break inside it.
bool FitsOnOneLine(std::u16string_view text) {
    return text.find_first_of(u"\r\n") == std::u16string_view::npos;
}

// The profile topics share their guard: the host serves the profile and the caller names a key.
using ProfileEntry = intptr_t (*)(std::map<std::u16string, std::u16string>& profile,
                                  const std::u16string& key, intptr_t second);

template <ProfileEntry entry>
intptr_t ProfileTopic(SubstituteHost& host, intptr_t first, intptr_t second) {
    if (!host.servesProfile || first == 0) {
        return 0;
    }
    return entry(host.profile, KeyOf(first), second);
}

bool ServesProfile(const SubstituteHost& host) {
    return host.servesProfile;
}

bool AlwaysServed(const SubstituteHost&) {
    return true;
}

intptr_t ProfileGetInt(std::map<std::u16string, std::u16string>& profile, const std::u16string& key,
                       intptr_t second) {
    const auto found = profile.find(key);
    int32_t value = 0;
    if (found == profile.end() || second == 0 || !ParseInt32(found->second, value)) {
        return 0;
    }
    *reinterpret_cast<int32_t*>(second) = value;
    return 1;
}

intptr_t ProfileSetInt(std::map<std::u16string, std::u16string>& profile, const std::u16string& key,
                       intptr_t second) {
    if (second != 0) {
        profile[key] = DecimalText(*reinterpret_cast<const int32_t*>(second));
    }
    return 0;
}

intptr_t ProfileGetString(std::map<std::u16string, std::u16string>& profile, const std::u16string& key,
                          intptr_t second) {
    const auto found = profile.find(key);
    auto* request = reinterpret_cast<StringRequest*>(second);
    if (found == profile.end() || request == nullptr || request->buffer == nullptr ||
        request->capacity <= 0) {
        return 0;
    }
    const size_t length = std::min(found->second.size(), static_cast<size_t>(request->capacity - 1));
    std::copy_n(found->second.data(), length, request->buffer);
    request->buffer[length] = u'\0';
    return 1;
}

intptr_t ProfileSetString(std::map<std::u16string, std::u16string>& profile, const std::u16string& key,
                          intptr_t second) {
    profile[key] = KeyOf(second);
    return 0;
}

intptr_t ProfileGetRect(std::map<std::u16string, std::u16string>& profile, const std::u16string& key,
                        intptr_t second) {
    const auto found = profile.find(key);
    ProfileRect rect{};
    if (found == profile.end() || second == 0 || !ParseRect(found->second, rect)) {
        return 0;
    }
    *reinterpret_cast<ProfileRect*>(second) = rect;
    return 1;
}

intptr_t ProfileSetRect(std::map<std::u16string, std::u16string>& profile, const std::u16string& key,
                        intptr_t second) {
    if (second != 0) {
        const auto& r = *reinterpret_cast<const ProfileRect*>(second);
        profile[key] = DecimalText(r.left) + u"," + DecimalText(r.top) + u"," + DecimalText(r.right) + u"," +
                       DecimalText(r.bottom);
    }
    return 0;
}

intptr_t ProfileDelParam(std::map<std::u16string, std::u16string>& profile, const std::u16string& key,
                         intptr_t) {
    profile.erase(key);
    return 0;
}
} // namespace

struct SubstituteHostThunks {
    static int32_t SubscribeEvent(const char* topic, HostHandler handler) {
        SubstituteHost* host = g_active;
        if (host == nullptr || topic == nullptr) {
            return 0;
        }
        const int32_t id = host->nextId_++;
        host->subscriptions.push_back({id, topic, handler});
        return id;
    }
    static void UnsubscribeEvent(int32_t id) {
        SubstituteHost* host = g_active;
        if (host == nullptr) {
            return;
        }
        host->unsubscribed.push_back(id);
        std::erase_if(host->subscriptions, [id](const auto& s) { return s.id == id; });
    }
    static int32_t RegisterCommand(const char* topic, HostHandler handler) {
        SubstituteHost* host = g_active;
        if (host == nullptr || topic == nullptr) {
            return 0;
        }
        const int32_t id = host->nextId_++;
        host->commands.push_back({id, topic, handler});
        return id;
    }
    static void UnregisterCommand(int32_t id) {
        SubstituteHost* host = g_active;
        if (host == nullptr) {
            return;
        }
        host->unregistered.push_back(id);
        std::erase_if(host->commands, [id](const auto& c) { return c.id == id; });
    }
    static intptr_t CallTopic(const char* topic, intptr_t first, intptr_t second) {
        return g_active != nullptr && topic != nullptr ? g_active->CallTopic(topic, first, second) : 0;
    }
    static int32_t IsTopicAvailable(const char* topic) {
        if (g_active == nullptr || topic == nullptr) {
            return 0;
        }
        g_active->calls.push_back(std::string("?") + topic);
        return g_active->IsTopicAvailable(topic) ? 1 : 0;
    }
};

SubstituteHost::SubstituteHost() : previous_(g_active) {
    services_.SubscribeEvent = &SubstituteHostThunks::SubscribeEvent;
    services_.UnsubscribeEvent = &SubstituteHostThunks::UnsubscribeEvent;
    services_.RegisterCommand = &SubstituteHostThunks::RegisterCommand;
    services_.UnregisterCommand = &SubstituteHostThunks::UnregisterCommand;
    services_.CallTopic = &SubstituteHostThunks::CallTopic;
    services_.IsTopicAvailable = &SubstituteHostThunks::IsTopicAvailable;
    g_active = this;
}

SubstituteHost::~SubstituteHost() {
    g_active = previous_;
}

SubstituteHost* SubstituteHost::Active() {
    return g_active;
}

int SubstituteHost::RaiseEvent(std::string_view topic) {
    const auto snapshot = subscriptions;
    int called = 0;
    for (const auto& s : snapshot) {
        if (s.topic == topic && s.handler != nullptr) {
            s.handler(0, 0);
            ++called;
        }
    }
    return called;
}

bool SubstituteHost::RunCommand(std::string_view topic, intptr_t ownerWindow) {
    for (const auto& c : commands) {
        if (c.topic == topic && c.handler != nullptr) {
            c.handler(ownerWindow, 0);
            return true;
        }
    }
    return false;
}

std::span<const SubstituteHost::ServedTopic> SubstituteHost::ServedTopics() {
    // The rows run inside the class: the texts they return stay alive in returnedText_ until the next call.
    static constexpr ServedTopic kTopics[] = {
        {topic::GetLanguage, [](const SubstituteHost& host) { return host.language.has_value(); },
         [](SubstituteHost& host, intptr_t, intptr_t) { return host.language ? *host.language : 0; }},
        {topic::GetConnectionUri, AlwaysServed,
         [](SubstituteHost& host, intptr_t, intptr_t) {
             host.returnedText_ = host.databaseUri;
             return reinterpret_cast<intptr_t>(host.returnedText_.c_str());
         }},
        {topic::AccountName, AlwaysServed,
         [](SubstituteHost& host, intptr_t, intptr_t) {
             if (!host.accountName) {
                 return static_cast<intptr_t>(static_cast<uintptr_t>(0x80000000u));
             }
             host.returnedText_ = *host.accountName;
             return reinterpret_cast<intptr_t>(host.returnedText_.c_str());
         }},
        {topic::CreateNewMenu, AlwaysServed,
         [](SubstituteHost& host, intptr_t, intptr_t second) -> intptr_t {
             const auto* request = reinterpret_cast<const NewMenuRequest*>(second);
             if (request == nullptr || request->size != 16 || request->path == nullptr ||
                 request->commandTopic == nullptr) {
                 return 0;
             }
             host.menu.push_back({FromBuffer(request->path, 4096), request->commandTopic});
             return 1;
         }},
        {topic::OpenAssayFile, [](const SubstituteHost& host) { return host.servesOpenAssayFile; },
         [](SubstituteHost& host, intptr_t, intptr_t second) -> intptr_t {
             if (!host.servesOpenAssayFile) {
                 return 0;
             }
             host.openedAssays.push_back(KeyOf(second));
             return 1;
         }},
        {topic::ProfileGetInt, ServesProfile, ProfileTopic<ProfileGetInt>},
        {topic::ProfileSetInt, ServesProfile, ProfileTopic<ProfileSetInt>},
        {topic::ProfileGetString, ServesProfile, ProfileTopic<ProfileGetString>},
        {topic::ProfileSetString, ServesProfile, ProfileTopic<ProfileSetString>},
        {topic::ProfileGetRect, ServesProfile, ProfileTopic<ProfileGetRect>},
        {topic::ProfileSetRect, ServesProfile, ProfileTopic<ProfileSetRect>},
        {topic::ProfileDelParam, ServesProfile, ProfileTopic<ProfileDelParam>},
    };
    return kTopics;
}

const SubstituteHost::ServedTopic* SubstituteHost::FindServedTopic(std::string_view topic) {
    const auto topics = ServedTopics();
    const auto found =
        std::find_if(topics.begin(), topics.end(), [topic](const auto& row) { return row.topic == topic; });
    return found != topics.end() ? &*found : nullptr;
}

bool SubstituteHost::IsTopicAvailable(std::string_view topic) const {
    if (const ServedTopic* served = FindServedTopic(topic)) {
        return served->served(*this);
    }
    return std::any_of(commands.begin(), commands.end(), [&](const auto& c) { return c.topic == topic; });
}

intptr_t SubstituteHost::CallTopic(std::string_view topic, intptr_t first, intptr_t second) {
    calls.emplace_back(topic);
    if (const ServedTopic* served = FindServedTopic(topic)) {
        return served->call(*this, first, second);
    }
    for (const auto& c : commands) {
        if (c.topic == topic && c.handler != nullptr) {
            return c.handler(first, second);
        }
    }
    return 0;
}

bool SubstituteHost::LoadProfileFile(const std::string& path) {
    std::ifstream file(FilePath(path), std::ios::binary);
    if (!file) {
        return false;
    }
    ReadProfileText(std::string(std::istreambuf_iterator<char>(file), {}));
    return true;
}

bool SubstituteHost::SaveProfileFile(const std::string& path, std::string* error) const {
    std::string refused;
    const std::string text = ProfileText(refused);
    std::ofstream file(FilePath(path), std::ios::binary | std::ios::trunc);
    file << text;
    file.close();
    if (!file) {
        if (error != nullptr) {
            *error = "the profile " + path + " cannot be written";
        }
        return false;
    }
    if (!refused.empty()) {
        if (error != nullptr) {
            *error = "the profile " + path +
                     " keeps one line per setting; not saved (a line break, or a key " +
                     "that is empty, starts with '#' or holds '='): " + refused;
        }
        return false;
    }
    return true;
}

void SubstituteHost::ReadProfileText(std::string_view bytes) {
    bool firstLine = true;
    size_t start = 0;
    while (start < bytes.size()) {
        const size_t end = std::min(bytes.find('\n', start), bytes.size());
        std::string_view line = bytes.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (firstLine && line.starts_with("\xEF\xBB\xBF")) {
            line.remove_prefix(3);
        }
        firstLine = false;
        if (line.empty() || line[0] == '#') {
            continue;
        }
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos || equals == 0) {
            continue;
        }
        // Both parts literally, exactly as typed: Windows and UNC paths keep every backslash.
        profile[Utf8ToUtf16(line.substr(0, equals))] = Utf8ToUtf16(line.substr(equals + 1));
    }
}

std::string SubstituteHost::ProfileText(std::string& refused) const {
    std::string text;
    refused.clear();
    for (const auto& [key, value] : profile) {
        const bool keyFits = !key.empty() && key[0] != u'#' && key.find(u'=') == std::u16string::npos;
        if (!keyFits || !FitsOnOneLine(key) || !FitsOnOneLine(value)) {
            // An empty key is named too: a refusal that names nothing would read as success.
            refused += refused.empty() ? "" : ", ";
            refused += key.empty() ? std::string("\"\"") : Utf16ToUtf8(key);
            continue;
        }
        text += Utf16ToUtf8(key);
        text += '=';
        text += Utf16ToUtf8(value);
        text += '\n';
    }
    return text;
}

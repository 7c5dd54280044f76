// The host's table of service functions, as the host hands it to Load. Topics are 8-bit ASCII; profile
// keys, paths and returned texts are UTF-16. All functions use the platform's default C calling
// convention (cdecl on 32-bit Windows).
#pragma once

#include <cstdint>

extern "C" {

// An event or command handler. A command handler receives the host window that is to own the plug-in's
// window as first; both return 0.
typedef int32_t (*HostHandler)(intptr_t first, intptr_t second);

struct HostServices {
    void* reserved0; // slots 0-2 belong to the host; the plug-in never calls them
    void* reserved1;
    void* reserved2;
    int32_t (*SubscribeEvent)(const char* topic, HostHandler handler);
    void (*UnsubscribeEvent)(int32_t id);
    int32_t (*RegisterCommand)(const char* topic, HostHandler handler);
    void (*UnregisterCommand)(int32_t id);
    intptr_t (*CallTopic)(const char* topic, intptr_t first, intptr_t second);
    int32_t (*IsTopicAvailable)(const char* topic);
};

// "MainMenu/CreateNewMenu": adds a menu item at a path whose choice raises the command topic.
struct NewMenuRequest {
    int32_t size; // 16 on the 32-bit host
    const char16_t* path;
    int32_t reserved; // 0
    const char* commandTopic;
};

// "Profile/GetString": the buffer the host copies a NUL-terminated value into.
struct StringRequest {
    char16_t* buffer;
    int32_t capacity; // in characters; always 256
};

// "Profile/GetRect", "Profile/SetRect": screen coordinates.
struct ProfileRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

} // extern "C"

// The host ABI is 32-bit: these layouts are what the host reads.
static_assert(sizeof(void*) != 4 || sizeof(HostServices) == 36);
static_assert(sizeof(void*) != 4 || sizeof(NewMenuRequest) == 16);
static_assert(sizeof(void*) != 4 || sizeof(StringRequest) == 8);
static_assert(sizeof(ProfileRect) == 16);

// Topics the plug-in uses.
namespace topic {
inline constexpr const char* ModulesLoaded = "System/ModulesLoaded";
inline constexpr const char* GetLanguage = "System/GetLanguage";
inline constexpr const char* MenuCommand = "Tarvel/MenuCommand";
inline constexpr const char* CreateNewMenu = "MainMenu/CreateNewMenu";
inline constexpr const char* GetConnectionUri = "DB/GetConnectionUri";
inline constexpr const char* OpenAssayFile = "Main/OpenAssayFile";
inline constexpr const char* ProfileGetInt = "Profile/GetInt";
inline constexpr const char* ProfileSetInt = "Profile/SetInt";
inline constexpr const char* ProfileGetString = "Profile/GetString";
inline constexpr const char* ProfileSetString = "Profile/SetString";
inline constexpr const char* ProfileGetRect = "Profile/GetRect";
inline constexpr const char* ProfileSetRect = "Profile/SetRect";
inline constexpr const char* ProfileDelParam = "Profile/DelParam";
inline constexpr const char* AccountName = "Auth/AccountName";
} // namespace topic

// The information record the host reads through GetPluginInfo before anything else.
#pragma once

#include <cstddef>
#include <cstdint>

extern "C" {

struct PluginGuid {
    uint32_t data1;
    uint16_t data2;
    uint16_t data3;
    uint8_t data4[8];
};

struct PluginInfo {
    int32_t size; // 48 in the 32-bit host ABI
    const char16_t* name;
    uint32_t version; // one byte per part, most significant first
    const char16_t* description;
    const char16_t* company;
    const char16_t* email;
    const char16_t* rights;
    const char16_t* website;
    PluginGuid guid;
};

} // extern "C"

static_assert(sizeof(PluginGuid) == 16);
static_assert(sizeof(void*) != 4 || sizeof(PluginInfo) == 48, "the host reads a 48-byte record");
static_assert(sizeof(void*) != 4 || offsetof(PluginInfo, version) == 8);
static_assert(sizeof(void*) != 4 || offsetof(PluginInfo, description) == 12);
static_assert(sizeof(void*) != 4 || offsetof(PluginInfo, website) == 28);
static_assert(sizeof(void*) != 4 || offsetof(PluginInfo, guid) == 32);

// 1.0.6.21, the file version of the plug-in library as well.
inline constexpr uint32_t kPluginVersion = 0x01000615;

const PluginInfo& ThePluginInfo();

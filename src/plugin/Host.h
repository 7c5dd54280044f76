// The plug-in's one way to the host: the HostServices table stored by Load, and typed wrappers of the
// topics. Every wrapper is safe to call before Load (it then reports "not found" / does nothing).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "plugin/HostServices.h"

void SetHostServices(const HostServices* services);
const HostServices* GetHostServices();

intptr_t CallHostTopic(const char* topic, intptr_t first, intptr_t second);
bool IsHostTopicAvailable(const char* topic);

// Profile access; keys are UTF-16. The getters return false when the key is missing (the caller keeps
// its default).
bool ProfileGetInt(std::u16string_view key, int32_t& value);
void ProfileSetInt(std::u16string_view key, int32_t value);
bool ProfileGetString(std::u16string_view key, std::u16string& value);
void ProfileSetString(std::u16string_view key, std::u16string_view value);
bool ProfileGetRect(std::u16string_view key, ProfileRect& rect);
void ProfileSetRect(std::u16string_view key, const ProfileRect& rect);
void ProfileDeleteParam(std::u16string_view key);

// Capacity, in characters, of the buffer "Profile/GetString" writes into.
inline constexpr int32_t kProfileStringCapacity = 256;

// The signed-in user's name; empty when the host has none.
std::u16string HostAccountName();

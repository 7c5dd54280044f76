// The three functions the host imports from the plug-in library, undecorated C names.
#pragma once

#include <cstdint>

#include "plugin/HostServices.h"
#include "plugin/PluginInfo.h"

#ifndef TARVEL_EXPORT
#define TARVEL_EXPORT
#endif

extern "C" {
TARVEL_EXPORT const PluginInfo* GetPluginInfo();
TARVEL_EXPORT int32_t Load(const HostServices* services);
TARVEL_EXPORT int32_t Unload();
}

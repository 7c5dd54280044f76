// Entry points of the plug-in library. Each runs on the host's user-interface thread.
#include "plugin/PluginExports.h"

#include "plugin/Lifecycle.h"

extern "C" {

const PluginInfo* GetPluginInfo() {
    return &ThePluginInfo();
}

int32_t Load(const HostServices* services) {
    return PluginLoad(services);
}

int32_t Unload() {
    return PluginUnload();
}

} // extern "C"

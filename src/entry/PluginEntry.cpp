// Entry points of the plug-in library. Each runs on the host's user-interface thread, and none lets an
// exception reach the host: a failure is recorded and the documented value returned.
#include "plugin/PluginExports.h"

#include "entry/UserInterface.h"
#include "plugin/CallGuard.h"
#include "plugin/Lifecycle.h"

extern "C" {

const PluginInfo* GetPluginInfo() {
    return GuardedCall("GetPluginInfo", static_cast<const PluginInfo*>(nullptr),
                       [] { return &ThePluginInfo(); });
}

int32_t Load(const HostServices* services) {
    return GuardedCall("Load", int32_t{0}, [services] {
        AttachUserInterface();
        return PluginLoad(services);
    });
}

int32_t Unload() {
    const int32_t result = GuardedCall("Unload", int32_t{0}, [] { return PluginUnload(); });
    // The frame has closed the window (or failed to); the library is released next either way, so what
    // the window needed goes now.
    GuardedCall("Unload", int32_t{0}, [] {
        DetachUserInterface();
        return int32_t{0};
    });
    return result;
}

} // extern "C"

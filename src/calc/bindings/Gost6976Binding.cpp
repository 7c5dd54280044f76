#include "calc/bindings/Gost6976Binding.h"

#include <string>

#include "calc/bindings/LibraryLoading.h"

namespace {

struct LoadedGost6976 {
    platform::DynamicLibrary library; // kept open for the life of the process
    Gost6976Binding binding;
};

LoadedGost6976 Load() {
    LoadedGost6976 loaded;
    loaded.library = OpenCalculationLibrary(u"Tarvel3136921");
    if (!loaded.library.IsLoaded()) {
        return loaded;
    }
    Gost6976Binding& binding = loaded.binding;
    bool complete = true;
    ResolveEntry(loaded.library, "GetDefaultConstTable3136921", binding.GetDefaultConstTable3136921,
                 complete);
    ResolveEntry(loaded.library, "Calc3136921", binding.Calc3136921, complete);
    ResolveEntry(loaded.library, "Calc3136921U", binding.Calc3136921U, complete);
    binding.loaded = complete;
    return loaded;
}

} // namespace

const Gost6976Binding& Gost6976() {
    static const LoadedGost6976 instance = Load();
    return instance.binding;
}

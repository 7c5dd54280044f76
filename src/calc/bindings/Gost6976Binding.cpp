#include "calc/bindings/Gost6976Binding.h"

#include <string>

#include "platform/Platform.h"

namespace {

struct LoadedGost6976 {
    platform::DynamicLibrary library; // kept open for the life of the process
    Gost6976Binding binding;
};

template <typename Function>
void Bind(const platform::DynamicLibrary& library, const char* name, Function& entry, bool& complete) {
    entry = reinterpret_cast<Function>(library.Symbol(name));
    complete = complete && entry != nullptr;
}

LoadedGost6976 Load() {
    LoadedGost6976 loaded;
    const std::u16string path = platform::DirectoryOf(platform::ModulePath()) + u"Tarvel3136921" +
                                std::u16string(platform::SharedLibraryExtension());
    loaded.library = platform::DynamicLibrary(path);
    if (!loaded.library.IsLoaded()) {
        return loaded;
    }
    Gost6976Binding& binding = loaded.binding;
    bool complete = true;
    Bind(loaded.library, "GetDefaultConstTable3136921", binding.GetDefaultConstTable3136921, complete);
    Bind(loaded.library, "Calc3136921", binding.Calc3136921, complete);
    Bind(loaded.library, "Calc3136921U", binding.Calc3136921U, complete);
    binding.loaded = complete;
    return loaded;
}

} // namespace

const Gost6976Binding& Gost6976() {
    static const LoadedGost6976 instance = Load();
    return instance.binding;
}

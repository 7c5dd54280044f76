#include "calc/bindings/Gost34704Binding.h"

#include <cstring>
#include <string>

#include "platform/Platform.h"

namespace {

// The library stays loaded for the life of the process, so the binding's pointers stay valid.
struct LoadedGost34704 {
    platform::DynamicLibrary library;
    Gost34704Binding binding;
};

// Copies a symbol's address into a function pointer (the object-to-function pointer conversion is only
// conditionally supported, a byte copy is always defined). A missing symbol clears allFound.
template <typename Function>
void Resolve(const platform::DynamicLibrary& library, const char* name, Function& entry, bool& allFound) {
    void* symbol = library.Symbol(name);
    static_assert(sizeof(entry) == sizeof(symbol), "function and data pointers differ in size");
    if (symbol == nullptr) {
        entry = nullptr;
        allFound = false;
        return;
    }
    std::memcpy(&entry, &symbol, sizeof entry);
}

LoadedGost34704* Load() {
    auto* loaded = new LoadedGost34704;
    std::u16string path = platform::DirectoryOf(platform::ModulePath());
    path += u"Tarvel3470420";
    path += platform::SharedLibraryExtension();
    loaded->library = platform::DynamicLibrary(path);
    if (!loaded->library.IsLoaded()) {
        return loaded;
    }
    const platform::DynamicLibrary& library = loaded->library;
    Gost34704Binding& binding = loaded->binding;
    bool allFound = true;
    Resolve(library, "Calc3470420", binding.Calc3470420, allFound);
    Resolve(library, "VolumeFraction", binding.VolumeFraction, allFound);
    Resolve(library, "SimpleMix", binding.SimpleMix, allFound);
    Resolve(library, "ChooseMix", binding.ChooseMix, allFound);
    Resolve(library, "ThreeMix", binding.ThreeMix, allFound);
    Resolve(library, "CalcMN", binding.CalcMN, allFound);
    Resolve(library, "Normalize", binding.Normalize, allFound);
    Resolve(library, "GetFraction", binding.GetFraction, allFound);
    binding.loaded = allFound;
    return loaded;
}

} // namespace

const Gost34704Binding& Gost34704() {
    // Never destroyed: unloading the library at exit could pull code away from late callers.
    static const LoadedGost34704* const loaded = Load();
    return loaded->binding;
}

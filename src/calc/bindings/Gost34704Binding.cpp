#include "calc/bindings/Gost34704Binding.h"

#include <string>

#include "calc/bindings/LibraryLoading.h"

namespace {

// The library stays loaded for the life of the process, so the binding's pointers stay valid.
struct LoadedGost34704 {
    platform::DynamicLibrary library;
    Gost34704Binding binding;
};

LoadedGost34704* Load() {
    auto* loaded = new LoadedGost34704;
    loaded->library = OpenCalculationLibrary(u"Tarvel3470420");
    if (!loaded->library.IsLoaded()) {
        return loaded;
    }
    const platform::DynamicLibrary& library = loaded->library;
    Gost34704Binding& binding = loaded->binding;
    bool allFound = true;
    ResolveEntry(library, "Calc3470420", binding.Calc3470420, allFound);
    ResolveEntry(library, "VolumeFraction", binding.VolumeFraction, allFound);
    ResolveEntry(library, "SimpleMix", binding.SimpleMix, allFound);
    ResolveEntry(library, "ChooseMix", binding.ChooseMix, allFound);
    ResolveEntry(library, "ThreeMix", binding.ThreeMix, allFound);
    ResolveEntry(library, "CalcMN", binding.CalcMN, allFound);
    ResolveEntry(library, "Normalize", binding.Normalize, allFound);
    ResolveEntry(library, "GetFraction", binding.GetFraction, allFound);
    binding.loaded = allFound;
    return loaded;
}

} // namespace

const Gost34704Binding& Gost34704() {
    // Never destroyed: unloading the library at exit could pull code away from late callers.
    static const LoadedGost34704* const loaded = Load();
    return loaded->binding;
}

#include "calc/bindings/Gost31371Binding.h"

#include <cstring>
#include <string>

#include "platform/Platform.h"

namespace {

// The library stays loaded for the life of the process: the binding's pointers and the tables the
// library owns must outlive every caller.
struct LoadedGost31371 {
    platform::DynamicLibrary library;
    Gost31371Binding binding;
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

LoadedGost31371* Load() {
    auto* loaded = new LoadedGost31371;
    std::u16string path = platform::DirectoryOf(platform::ModulePath());
    path += u"Tarvel31371720";
    path += platform::SharedLibraryExtension();
    loaded->library = platform::DynamicLibrary(path);
    if (!loaded->library.IsLoaded()) {
        return loaded;
    }
    const platform::DynamicLibrary& library = loaded->library;
    Gost31371Binding& binding = loaded->binding;
    bool allFound = true;
    Resolve(library, "GetDefaultConstTableMethodA", binding.GetDefaultConstTableMethodA, allFound);
    Resolve(library, "GetDefaultConstTableMethodB", binding.GetDefaultConstTableMethodB, allFound);
    Resolve(library, "GetDefaultConstTableMethodC1", binding.GetDefaultConstTableMethodC1, allFound);
    Resolve(library, "GetDefaultConstTableMethodC2", binding.GetDefaultConstTableMethodC2, allFound);
    Resolve(library, "CalcRQRate", binding.CalcRQRate, allFound);
    Resolve(library, "CalcNormArea", binding.CalcNormArea, allFound);
    Resolve(library, "CalcCalibFactorDiv", binding.CalcCalibFactorDiv, allFound);
    Resolve(library, "CalcCalibFactorMCnt", binding.CalcCalibFactorMCnt, allFound);
    Resolve(library, "CalcLimitValue", binding.CalcLimitValue, allFound);
    Resolve(library, "CalcCalibFactorMVrb", binding.CalcCalibFactorMVrb, allFound);
    Resolve(library, "CalcCalibFactorMVrbLS", binding.CalcCalibFactorMVrbLS, allFound);
    Resolve(library, "CalcConcentrationMCnt", binding.CalcConcentrationMCnt, allFound);
    Resolve(library, "CalcConcentrationMVrb", binding.CalcConcentrationMVrb, allFound);
    Resolve(library, "AreasRelativeStandardDeviation", binding.AreasRelativeStandardDeviation, allFound);
    Resolve(library, "AreasRelativeRange", binding.AreasRelativeRange, allFound);
    Resolve(library, "GetAllowedValue", binding.GetAllowedValue, allFound);
    Resolve(library, "CalibrationCheck", binding.CalibrationCheck, allFound);
    Resolve(library, "ControlCheck", binding.ControlCheck, allFound);
    Resolve(library, "CalcMethane", binding.CalcMethane, allFound);
    Resolve(library, "CalcMethaneU", binding.CalcMethaneU, allFound);
    Resolve(library, "Normalize", binding.Normalize, allFound);
    Resolve(library, "CalcU", binding.CalcU, allFound);
    Resolve(library, "CheckMoleFactor", binding.CheckMoleFactor, allFound);
    binding.loaded = allFound;
    return loaded;
}

} // namespace

const Gost31371Binding& Gost31371() {
    // Never destroyed: unloading the library at exit could pull tables away from late callers.
    static const LoadedGost31371* const loaded = Load();
    return loaded->binding;
}

const MetrologyRow* MetrologyTableForMethod(int32_t method, int32_t* rowCount) {
    int32_t count = 0;
    const MetrologyRow* rows = nullptr;
    const Gost31371Binding& binding = Gost31371();
    decltype(binding.GetDefaultConstTableMethodA) getter = nullptr;
    switch (method) {
    case 0:
        getter = binding.GetDefaultConstTableMethodA;
        break;
    case 1:
        getter = binding.GetDefaultConstTableMethodB;
        break;
    case 2:
        getter = binding.GetDefaultConstTableMethodC1;
        break;
    case 3:
        getter = binding.GetDefaultConstTableMethodC2;
        break;
    default:
        break;
    }
    if (getter != nullptr) {
        rows = getter(&count);
    }
    if (rows == nullptr) {
        count = 0;
    }
    if (rowCount != nullptr) {
        *rowCount = count;
    }
    return rows;
}

#include "calc/bindings/Gost31371Binding.h"

#include <string>

#include "calc/bindings/LibraryLoading.h"

namespace {

// The library stays loaded for the life of the process: the binding's pointers and the tables the
// library owns must outlive every caller.
struct LoadedGost31371 {
    platform::DynamicLibrary library;
    Gost31371Binding binding;
};

LoadedGost31371* Load() {
    auto* loaded = new LoadedGost31371;
    loaded->library = OpenCalculationLibrary(u"Tarvel31371720");
    if (!loaded->library.IsLoaded()) {
        return loaded;
    }
    const platform::DynamicLibrary& library = loaded->library;
    Gost31371Binding& binding = loaded->binding;
    bool allFound = true;
    ResolveEntry(library, "GetDefaultConstTableMethodA", binding.GetDefaultConstTableMethodA, allFound);
    ResolveEntry(library, "GetDefaultConstTableMethodB", binding.GetDefaultConstTableMethodB, allFound);
    ResolveEntry(library, "GetDefaultConstTableMethodC1", binding.GetDefaultConstTableMethodC1, allFound);
    ResolveEntry(library, "GetDefaultConstTableMethodC2", binding.GetDefaultConstTableMethodC2, allFound);
    ResolveEntry(library, "CalcRQRate", binding.CalcRQRate, allFound);
    ResolveEntry(library, "CalcNormArea", binding.CalcNormArea, allFound);
    ResolveEntry(library, "CalcCalibFactorDiv", binding.CalcCalibFactorDiv, allFound);
    ResolveEntry(library, "CalcCalibFactorMCnt", binding.CalcCalibFactorMCnt, allFound);
    ResolveEntry(library, "CalcLimitValue", binding.CalcLimitValue, allFound);
    ResolveEntry(library, "CalcCalibFactorMVrb", binding.CalcCalibFactorMVrb, allFound);
    ResolveEntry(library, "CalcCalibFactorMVrbLS", binding.CalcCalibFactorMVrbLS, allFound);
    ResolveEntry(library, "CalcConcentrationMCnt", binding.CalcConcentrationMCnt, allFound);
    ResolveEntry(library, "CalcConcentrationMVrb", binding.CalcConcentrationMVrb, allFound);
    ResolveEntry(library, "AreasRelativeStandardDeviation", binding.AreasRelativeStandardDeviation, allFound);
    ResolveEntry(library, "AreasRelativeRange", binding.AreasRelativeRange, allFound);
    ResolveEntry(library, "GetAllowedValue", binding.GetAllowedValue, allFound);
    ResolveEntry(library, "CalibrationCheck", binding.CalibrationCheck, allFound);
    ResolveEntry(library, "ControlCheck", binding.ControlCheck, allFound);
    ResolveEntry(library, "CalcMethane", binding.CalcMethane, allFound);
    ResolveEntry(library, "CalcMethaneU", binding.CalcMethaneU, allFound);
    ResolveEntry(library, "Normalize", binding.Normalize, allFound);
    ResolveEntry(library, "CalcU", binding.CalcU, allFound);
    ResolveEntry(library, "CheckMoleFactor", binding.CheckMoleFactor, allFound);
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

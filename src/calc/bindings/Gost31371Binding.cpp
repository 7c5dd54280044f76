#include "calc/bindings/Gost31371Binding.h"

#include "calc/bindings/LibraryLoading.h"

namespace {
void ResolveAll(EntryResolver& entry, Gost31371Binding& binding) {
    entry("GetDefaultConstTableMethodA", binding.GetDefaultConstTableMethodA);
    entry("GetDefaultConstTableMethodB", binding.GetDefaultConstTableMethodB);
    entry("GetDefaultConstTableMethodC1", binding.GetDefaultConstTableMethodC1);
    entry("GetDefaultConstTableMethodC2", binding.GetDefaultConstTableMethodC2);
    entry("CalcRQRate", binding.CalcRQRate);
    entry("CalcNormArea", binding.CalcNormArea);
    entry("CalcCalibFactorDiv", binding.CalcCalibFactorDiv);
    entry("CalcCalibFactorMCnt", binding.CalcCalibFactorMCnt);
    entry("CalcLimitValue", binding.CalcLimitValue);
    entry("CalcCalibFactorMVrb", binding.CalcCalibFactorMVrb);
    entry("CalcCalibFactorMVrbLS", binding.CalcCalibFactorMVrbLS);
    entry("CalcConcentrationMCnt", binding.CalcConcentrationMCnt);
    entry("CalcConcentrationMVrb", binding.CalcConcentrationMVrb);
    entry("AreasRelativeStandardDeviation", binding.AreasRelativeStandardDeviation);
    entry("AreasRelativeRange", binding.AreasRelativeRange);
    entry("GetAllowedValue", binding.GetAllowedValue);
    entry("CalibrationCheck", binding.CalibrationCheck);
    entry("ControlCheck", binding.ControlCheck);
    entry("CalcMethane", binding.CalcMethane);
    entry("CalcMethaneU", binding.CalcMethaneU);
    entry("Normalize", binding.Normalize);
    entry("CalcU", binding.CalcU);
    entry("CheckMoleFactor", binding.CheckMoleFactor);
    entry("GetMetrologyTableSource", binding.GetMetrologyTableSource);
    entry("WriteMetrologyTableText", binding.WriteMetrologyTableText);
    entry("CheckMetrologyTableFile", binding.CheckMetrologyTableFile);
    entry("MetrologyTableFileRows", binding.MetrologyTableFileRows);
}
} // namespace

const Gost31371Binding& Gost31371() {
    return BindOnce<Gost31371Binding>(kGost31371Library, &ResolveAll);
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

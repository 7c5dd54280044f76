#include "calc/composition/CompositionLibrary.h"

#include "calc/bindings/Gost31371Binding.h"

namespace {
int32_t CountOf(const FractionEntries& entries) {
    return static_cast<int32_t>(entries.size());
}
} // namespace

double ConcentrationByFactor(double area, double factorK) {
    const auto function = Gost31371().CalcConcentrationMCnt;
    return function != nullptr ? function(area, factorK) : 0.0;
}

double ConcentrationByLine(double area, double lineA, double lineB) {
    const auto function = Gost31371().CalcConcentrationMVrb;
    return function != nullptr ? function(area, lineA, lineB) : 0.0;
}

double MethaneByDifference(const FractionEntries& entries) {
    const auto function = Gost31371().CalcMethane;
    return function != nullptr ? function(entries.data(), CountOf(entries)) : 0.0;
}

double MethaneUncertainty(const FractionEntries& entries) {
    const auto function = Gost31371().CalcMethaneU;
    return function != nullptr ? function(entries.data(), CountOf(entries)) : 0.0;
}

void NormalizeEntries(FractionEntries& entries, double totalMolPct) {
    const auto function = Gost31371().Normalize;
    if (function != nullptr) {
        function(entries.data(), CountOf(entries), totalMolPct);
    }
}

double TableUncertainty(const MethodTable& table, const std::u16string& componentId, double x) {
    const auto function = Gost31371().CalcU;
    return function != nullptr ? function(table.rows, table.rowCount, componentId.c_str(), x) : 0.0;
}

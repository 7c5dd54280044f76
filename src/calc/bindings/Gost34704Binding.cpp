#include "calc/bindings/Gost34704Binding.h"

#include "calc/bindings/LibraryLoading.h"

namespace {
void ResolveAll(EntryResolver& entry, Gost34704Binding& binding) {
    entry("Calc3470420", binding.Calc3470420);
    entry("VolumeFraction", binding.VolumeFraction);
    entry("SimpleMix", binding.SimpleMix);
    entry("ChooseMix", binding.ChooseMix);
    entry("ThreeMix", binding.ThreeMix);
    entry("CalcMN", binding.CalcMN);
    entry("Normalize", binding.Normalize);
    entry("GetFraction", binding.GetFraction);
}
} // namespace

const Gost34704Binding& Gost34704() {
    return BindOnce<Gost34704Binding>(kGost34704Library, &ResolveAll);
}

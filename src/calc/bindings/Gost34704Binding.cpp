#include "calc/bindings/Gost34704Binding.h"

#include <type_traits>

#include "calc/bindings/LibraryLoading.h"

static_assert(std::is_same_v<Gost34704Binding::NormalizeFunction, decltype(&::Tarvel3470420HiddenNormalize)>,
              "Normalize as Tarvel3470420.h declares it");

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

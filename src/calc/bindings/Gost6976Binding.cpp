#include "calc/bindings/Gost6976Binding.h"

#include "calc/bindings/LibraryLoading.h"

namespace {
void ResolveAll(EntryResolver& entry, Gost6976Binding& binding) {
    entry("GetDefaultConstTable3136921", binding.GetDefaultConstTable3136921);
    entry("Calc3136921", binding.Calc3136921);
    entry("Calc3136921U", binding.Calc3136921U);
}
} // namespace

const Gost6976Binding& Gost6976() {
    return BindOnce<Gost6976Binding>(kGost6976Library, &ResolveAll);
}

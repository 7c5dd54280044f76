#include "calc/composition/FractionEntries.h"

#include <algorithm>
#include <iterator>

namespace {
// Code units of the identifier field before its terminator.
constexpr size_t kIdentifierUnits = std::size(FractionEntry{}.component) - 1;

std::u16string_view CutIdentifier(std::u16string_view componentId) {
    return componentId.substr(0, std::min(componentId.size(), kIdentifierUnits));
}
} // namespace

FractionEntry MakeFractionEntry(std::u16string_view componentId, double value) {
    FractionEntry entry{};
    const std::u16string_view cut = CutIdentifier(componentId);
    std::copy(cut.begin(), cut.end(), entry.component);
    entry.value = value;
    return entry;
}

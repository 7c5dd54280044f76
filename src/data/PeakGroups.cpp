#include "data/PeakGroups.h"

#include "data/AliasLookup.h"
#include "text/CaseFold.h"

namespace {
constexpr std::array<std::u16string_view, 4> kGroupIds = {u"c6plus", u"c6", u"c7", u"c8"};
} // namespace

PeakGroupNames MakePeakGroupNames(const AliasList& aliases) {
    PeakGroupNames groups;
    for (size_t i = 0; i < kGroupIds.size(); ++i) {
        groups.prefixes[i] = DisplayNameForComponent(aliases, kGroupIds[i]);
    }
    return groups;
}

std::u16string_view PeakGroupOf(const PeakGroupNames& groups, std::u16string_view peakName) {
    for (size_t i = 0; i < kGroupIds.size(); ++i) {
        const std::u16string& prefix = groups.prefixes[i];
        if (prefix.empty() || peakName.size() < prefix.size()) {
            continue;
        }
        if (EqualsIgnoreCase(peakName.substr(0, prefix.size()), prefix)) {
            return kGroupIds[i];
        }
    }
    return {};
}

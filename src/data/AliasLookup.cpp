#include "data/AliasLookup.h"

#include "text/CaseFold.h"

std::u16string ComponentIdForAlias(const AliasList& aliases, std::u16string_view name) {
    for (const auto& entry : aliases) {
        if (EqualsIgnoreCase(entry.alias, name)) {
            return entry.id;
        }
    }
    std::u16string unknown = u"? ";
    unknown += name;
    return unknown;
}

std::u16string DisplayNameForComponent(const AliasList& aliases, std::u16string_view componentId) {
    for (const auto& entry : aliases) {
        if (entry.id == componentId) {
            return entry.alias;
        }
    }
    return std::u16string(componentId);
}

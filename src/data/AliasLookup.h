// Translation between component identifiers and the names users and the host's database give them.
#pragma once

#include <string>
#include <string_view>

#include "data/ComponentCatalogue.h"

// The identifier of the first entry, in list order, whose alias equals name without regard to letter
// case (Latin and Cyrillic); "? " followed by name when no alias matches.
std::u16string ComponentIdForAlias(const AliasList& aliases, std::u16string_view name);

// The alias of the first entry whose identifier equals componentId exactly; the identifier itself when
// no entry has it.
std::u16string DisplayNameForComponent(const AliasList& aliases, std::u16string_view componentId);

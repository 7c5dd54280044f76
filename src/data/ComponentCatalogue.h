// The fixed catalogue of gas components: lower-case ASCII identifiers with their default Russian display
// names, in the order in which every list of the plug-in offers them; and the user's aliases.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

struct CatalogueRow {
    std::u16string_view id;
    std::u16string_view alias;
};

// The 73 rows in catalogue order.
std::span<const CatalogueRow> ComponentCatalogue();

struct AliasEntry {
    std::u16string id;
    std::u16string alias;

    bool operator==(const AliasEntry&) const = default;
};
using AliasList = std::vector<AliasEntry>;

// A fresh alias list: the catalogue's identifiers with their default aliases.
AliasList DefaultAliasList();

// Reference mixtures (ГСО) of the host: their names and certified compositions. The database's reads go
// through a DataBase::Reader (the calculation run's connection, or one of their own outside a run) and
// raise DataBase::SqlException on failure.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "data/ComponentCatalogue.h"
#include "data/HostSources.h"
#include "data/MixtureComponent.h"

// Replaces components with the certified composition of the named mixture, in stored order, names
// turned into identifiers by the aliases. Databases from version 23 on store the decimals of the
// certified values (NULL reads 0); older ones do not (-1). A name that no mixture has gives an empty
// list; a mixture without components gives one record "? " of zeros (the outer join's row).
// Returns the number of records.
int32_t LoadMixture(const HostSources& sources, const AliasList& aliases, std::u16string_view mixtureName,
                    std::vector<MixtureComponent>& components);

// Whether a mixture of exactly that name exists in the database. A failing step reads as "no".
bool MixtureExists(std::u16string_view mixtureName);

// The names of all mixtures in the order the database gives them.
std::vector<std::u16string> LoadMixtureNames();

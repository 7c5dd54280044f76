#include "data/MixtureLoading.h"

#include "data/AliasLookup.h"
#include "data/DataBaseReader.h"
#include "data/SqlTexts.h"

int32_t LoadMixture(const HostSources& sources, const AliasList& aliases, std::u16string_view mixtureName,
                    std::vector<MixtureComponent>& components) {
    std::vector<HostCertifiedRow> rows;
    sources.mixtureRows(mixtureName, rows);
    components.clear();
    for (const HostCertifiedRow& row : rows) {
        MixtureComponent component;
        component.name = ComponentIdForAlias(aliases, row.name);
        component.concentration = row.concentration;
        component.deviation = row.deviation;
        component.qty_sym_conc = row.concentrationDecimals;
        component.qty_sym_dev = row.deviationDecimals;
        components.push_back(std::move(component));
    }
    return static_cast<int32_t>(components.size());
}

bool MixtureExists(std::u16string_view mixtureName) {
    return DatabaseSources().mixtureExists(mixtureName);
}

std::vector<std::u16string> LoadMixtureNames() {
    std::vector<std::u16string> names;
    DataBase::Reader reader;
    DataBase::Statement& statement = reader.Prepare(HostSql::kMixtureNames);
    while (statement.Step()) {
        names.push_back(statement.ColumnText(0));
    }
    return names;
}

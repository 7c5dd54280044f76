#include "data/MixtureLoading.h"

#include <sqlite3.h>

#include "data/AliasLookup.h"
#include "data/DataBaseReader.h"
#include "data/SqlTexts.h"

namespace {
int32_t DatabaseVersion(DataBase::Reader& reader) {
    int32_t version = 0;
    DataBase::Statement& statement = reader.Prepare(HostSql::kDatabaseVersion);
    while (statement.Step()) {
        version = statement.ColumnInt(0);
    }
    return version;
}
} // namespace

int32_t LoadMixture(const AliasList& aliases, std::u16string_view mixtureName,
                    std::vector<MixtureComponent>& components) {
    DataBase::Reader reader;
    const bool withDecimals = DatabaseVersion(reader) >= HostSql::kFirstVersionWithDecimals;
    components.clear();
    DataBase::Statement& statement = reader.Prepare(withDecimals ? HostSql::kMixtureCompositionWithDecimals
                                                                 : HostSql::kMixtureComposition);
    statement.BindText(1, mixtureName);
    while (statement.Step()) {
        MixtureComponent component;
        component.name = ComponentIdForAlias(aliases, statement.ColumnText(0));
        component.concentration = statement.ColumnDouble(1);
        component.deviation = statement.ColumnDouble(2);
        if (withDecimals) {
            component.qty_sym_conc = statement.ColumnInt(3);
            component.qty_sym_dev = statement.ColumnInt(4);
        }
        components.push_back(std::move(component));
    }
    return static_cast<int32_t>(components.size());
}

bool MixtureExists(std::u16string_view mixtureName) {
    DataBase::Reader reader;
    DataBase::Statement& statement = reader.Prepare(HostSql::kMixtureExists);
    statement.BindText(1, mixtureName);
    return statement.StepResult() == SQLITE_ROW;
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

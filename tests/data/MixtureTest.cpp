#include <gtest/gtest.h>

#include <sqlite3.h>

#include <memory>

#include "ReferenceMixtures.h"
#include "calc/CalcContext.h"
#include "calc/ContextLoading.h"
#include "data/MixtureLoading.h"
#include "data/MixtureLookup.h"
#include "data/SqlException.h"
#include "support/TempHostDatabase.h"

namespace {

using testsupport::TempHostDatabase;
using testsupport::UseHostDatabase;

class MixtureTest : public ::testing::Test {
protected:
    void Create(int32_t version) {
        writer_ = std::make_unique<sim::HostWriter>(file_.path());
        writer_->CreateSchema(sim::SchemaOptions{version, true});
    }
    std::vector<MixtureComponent> Load(std::u16string_view name) {
        writer_.reset();
        UseHostDatabase use(file_);
        std::vector<MixtureComponent> components(3); // cleared by the loader
        const int32_t count = LoadMixture(context_, name, components);
        EXPECT_EQ(count, static_cast<int32_t>(components.size()));
        return components;
    }

    TempHostDatabase file_{"mixtures"};
    std::unique_ptr<sim::HostWriter> writer_;
    CalcContext context_;
};

TEST_F(MixtureTest, ReadsTheCertifiedCompositionWithItsDecimalsFromVersion23) {
    for (const int32_t version : {23, 24}) {
        Create(version);
        sim::Random random(5);
        const sim::ReferenceMixture mixture = sim::IpgNearGas(u"СО-ИПГ № 7", sim::PipelineGas(), random);
        sim::WriteMixture(*writer_, mixture);
        const std::vector<MixtureComponent> components = Load(u"СО-ИПГ № 7");
        ASSERT_EQ(components.size(), mixture.values.size());
        for (size_t i = 0; i < components.size(); ++i) {
            EXPECT_EQ(components[i].name, mixture.values[i].id);
            EXPECT_EQ(components[i].concentration, mixture.values[i].concentration);
            EXPECT_EQ(components[i].deviation, mixture.values[i].deviation);
            EXPECT_EQ(components[i].qty_sym_conc, mixture.values[i].decimals);
            EXPECT_EQ(components[i].qty_sym_dev, mixture.values[i].deviationDecimals);
        }
    }
}

TEST_F(MixtureTest, OlderDatabasesGiveNoDecimals) {
    Create(22);
    sim::Random random(5);
    sim::WriteMixture(*writer_, sim::IpgNearGas(u"ИПГ", sim::PipelineGas(), random));
    const std::vector<MixtureComponent> components = Load(u"ИПГ");
    ASSERT_FALSE(components.empty());
    for (const auto& component : components) {
        EXPECT_EQ(component.qty_sym_conc, -1);
        EXPECT_EQ(component.qty_sym_dev, -1);
    }
}

TEST_F(MixtureTest, TheLastAppliedVersionDecides) {
    struct Case {
        const char* rows; // (id, version, appliedon)
        int32_t expectedDecimals;
    };
    const Case cases[] = {
        {"(1, 24, 100), (2, 22, 200)", -1}, // applied later, though lower
        {"(1, 22, 100), (2, 24, 200)", 2},
        {"(1, 22, 200), (2, 24, 100)", -1}, // the greater id does not decide
        {"(1, 24, 100), (2, 22, 100)", -1}, // equal dates: the greater id decides
        {"(2, 24, 100), (1, 22, 100)", 2},
        {"(1, NULL, 300), (2, 24, 100)", -1}, // NULL reads as version 0
        {"(1, 23, NULL)", 2},
        {"", -1}, // no version at all
    };
    for (const auto& c : cases) {
        Create(24);
        writer_->Exec("DELETE FROM versioninfo;");
        if (*c.rows != '\0') {
            writer_->Exec(std::string("INSERT INTO versioninfo (id, version, appliedon) VALUES ") + c.rows);
        }
        const int64_t id = writer_->AddMixture(u"Смесь");
        writer_->AddMixtureComponent(id, {u"Метан", 100.0, 0.05, 2, 2});
        const std::vector<MixtureComponent> components = Load(u"Смесь");
        ASSERT_EQ(components.size(), 1u) << c.rows;
        EXPECT_EQ(components[0].qty_sym_conc, c.expectedDecimals) << c.rows;
    }
}

TEST_F(MixtureTest, NullsReadAsZeroAndUnknownNamesAreMarked) {
    Create(24);
    writer_->Exec("INSERT INTO mixture VALUES (1, 'Смесь');"
                  "INSERT INTO mixturecomp VALUES (1, 'Гелий', 0.015, 0.0008, NULL, NULL),"
                  "(1, NULL, NULL, NULL, 3, 4), (1, 'Аргон-40', 1, 0.1, 2, 2);");
    const std::vector<MixtureComponent> components = Load(u"Смесь");
    ASSERT_EQ(components.size(), 3u);
    EXPECT_EQ(components[0].name, u"helium");
    EXPECT_EQ(components[0].qty_sym_conc, 0); // shown without decimals, not with "%g"
    EXPECT_EQ(components[0].qty_sym_dev, 0);
    EXPECT_EQ(components[1].name, u"? ");
    EXPECT_EQ(components[1].concentration, 0.0);
    EXPECT_EQ(components[1].qty_sym_conc, 3);
    EXPECT_EQ(components[2].name, u"? Аргон-40");
}

TEST_F(MixtureTest, MissingAndEmptyMixtures) {
    Create(24);
    writer_->AddMixture(u"Пустая");
    const int64_t id = writer_->AddMixture(u"СО-ИПГ");
    writer_->AddMixtureComponent(id, {u"Метан", 100.0, 0.05, 2, 2});
    EXPECT_TRUE(Load(u"Нет такой").empty());
    EXPECT_TRUE(Load(u"со-ипг").empty()); // names compare exactly
    const std::vector<MixtureComponent> empty = Load(u"Пустая");
    ASSERT_EQ(empty.size(), 1u); // the row of the outer join
    EXPECT_EQ(empty[0].name, u"? ");
    EXPECT_EQ(empty[0].concentration, 0.0);
    EXPECT_EQ(empty[0].deviation, 0.0);
    EXPECT_EQ(empty[0].qty_sym_conc, 0);
}

TEST_F(MixtureTest, ExistenceAndNames) {
    Create(24);
    for (const auto name : {u"Б", u"А", u"", u"В"}) {
        writer_->AddMixture(name);
    }
    writer_->Exec("INSERT INTO mixture (name) VALUES (NULL);");
    writer_.reset();
    UseHostDatabase use(file_);
    EXPECT_TRUE(MixtureExists(u"А"));
    EXPECT_TRUE(MixtureExists(u""));
    EXPECT_FALSE(MixtureExists(u"а"));
    EXPECT_FALSE(MixtureExists(u"Г"));
    const std::vector<std::u16string> expected = {u"Б", u"А", u"", u"В", u""};
    EXPECT_EQ(LoadMixtureNames(), expected);
}

TEST_F(MixtureTest, AFailingStepMeansNoSuchMixtureButNamesRaise) {
    Create(24);
    writer_->Exec("DROP TABLE mixturecomp; DROP TABLE mixture;"
                  "CREATE VIEW mixture AS SELECT 1 AS id, 'А' || abs(-9223372036854775807 - 1) AS name;");
    writer_.reset();
    UseHostDatabase use(file_);
    EXPECT_FALSE(MixtureExists(u"А"));
    try {
        LoadMixtureNames();
        ADD_FAILURE() << "no exception";
    } catch (const DataBase::SqlException& raised) {
        EXPECT_EQ(raised.code(), SQLITE_ERROR);
        EXPECT_EQ(raised.sql(), "SELECT name FROM [mixture];");
    }
}

TEST_F(MixtureTest, WithoutVersionInfoTheLoaderRaisesAtPrepare) {
    Create(24);
    writer_->Exec("DROP TABLE versioninfo;");
    writer_.reset();
    UseHostDatabase use(file_);
    std::vector<MixtureComponent> components(2);
    try {
        LoadMixture(context_, u"Смесь", components);
        ADD_FAILURE() << "no exception";
    } catch (const DataBase::SqlException& raised) {
        EXPECT_EQ(raised.message(), "no such table: versioninfo");
        EXPECT_EQ(raised.sql(), "");
    }
    EXPECT_EQ(components.size(), 2u); // untouched: the failure came before the list was cleared
}

std::vector<MixtureComponent>
Composition(std::initializer_list<std::pair<std::u16string_view, double>> rows) {
    std::vector<MixtureComponent> list;
    int32_t decimals = 1;
    for (const auto& [name, concentration] : rows) {
        list.push_back({std::u16string(name), concentration, 0.01, decimals++, 2});
    }
    return list;
}

TEST(FindMixtureConcentration, FallsBackToTheNormalAlkaneOfAGroup) {
    struct Case {
        std::vector<MixtureComponent> composition;
        std::u16string_view id;
        bool found;
        double concentration;
        int32_t decimals;
    };
    const Case cases[] = {
        {Composition({{u"methane", 90}, {u"n_hexane", 0.06}}), u"methane", true, 90, 1},
        {Composition({{u"methane", 90}, {u"n_hexane", 0.06}}), u"c6", true, 0.06, 2},
        {Composition({{u"methane", 90}, {u"n_hexane", 0.06}}), u"c6plus", true, 0.06, 2},
        {Composition({{u"c6", 0.07}, {u"n_hexane", 0.06}}), u"c6", true, 0.07, 1},
        {Composition({{u"n_hexane", 0.06}}), u"c6plusstar", false, 0, -1},
        {Composition({{u"n_heptane", 0.02}, {u"n_octane", 0.01}}), u"c7", true, 0.02, 1},
        {Composition({{u"n_heptane", 0.02}, {u"n_octane", 0.01}}), u"c8", true, 0.01, 2},
        {Composition({{u"n_heptane", 0.02}}), u"c8", false, 0, -1},
        {Composition({{u"n_hexane", 0.06}}), u"n_heptane", false, 0, -1},
        {Composition({{u"Methane", 90}}), u"methane", false, 0, -1},
        {Composition({{u"ethane", 1}, {u"ethane", 2}}), u"ethane", true, 1, 1},
        {Composition({}), u"c6", false, 0, -1},
    };
    for (const auto& c : cases) {
        const MixtureConcentration result = FindMixtureConcentration(c.composition, c.id);
        EXPECT_EQ(result.found, c.found) << Utf16ToUtf8(c.id);
        EXPECT_EQ(result.concentration, c.concentration) << Utf16ToUtf8(c.id);
        EXPECT_EQ(result.decimals, c.decimals) << Utf16ToUtf8(c.id);
    }
}

TEST(MixtureHasComponent, ComparesExactly) {
    const std::vector<MixtureComponent> composition =
        Composition({{u"c6plusstar", 0.05}, {u"n_hexane", 0.05}});
    EXPECT_TRUE(MixtureHasComponent(composition, u"c6plusstar"));
    EXPECT_FALSE(MixtureHasComponent(composition, u"c6plus")); // no fall-back here
    EXPECT_FALSE(MixtureHasComponent(composition, u"C6plusstar"));
    EXPECT_FALSE(MixtureHasComponent({}, u"methane"));
}

} // namespace

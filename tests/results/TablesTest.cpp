// The result tables: keys and elements every reader relies on, the conditions that differ between the
// page and the documents, and the named settings the tables are decided by.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <set>
#include <string>

#include "calc/CalcSettings.h"
#include "results/CalibrationTable.h"
#include "results/ComponentsTable.h"
#include "results/MethaneNumberTable.h"
#include "results/PropertiesTable.h"

namespace {

template <typename Columns>
void ExpectDistinctNames(const Columns& columns, const char* table) {
    std::set<std::string> keys;
    std::set<std::string> elements;
    std::set<uint32_t> headers;
    for (const auto& column : columns) {
        SCOPED_TRACE(std::string(table) + " " + column.key);
        EXPECT_TRUE(headers.insert(column.headerId).second);
        if (column.when == ShownWhen::Never) {
            continue;
        }
        EXPECT_TRUE(keys.insert(column.key).second);
        EXPECT_TRUE(elements.insert(column.element).second);
        EXPECT_FALSE(std::string(column.key).empty());
    }
}

TEST(ResultTables, EveryColumnHasItsOwnHeaderKeyAndElement) {
    ExpectDistinctNames(CalibrationTable(), "calibration");
    ExpectDistinctNames(ComponentsTable(), "components");

    std::set<std::string> keys;
    std::set<uint32_t> labels;
    std::set<int32_t> positions;
    for (const PropertiesTableRow& row : PropertiesTable()) {
        EXPECT_TRUE(keys.insert(row.key).second) << row.key;
        EXPECT_TRUE(labels.insert(row.labelId).second) << row.key;
        EXPECT_TRUE(positions.insert(row.pagePosition).second) << row.key;
        // The ideal-gas rows carry the "0" of their key, and only they do.
        EXPECT_EQ(row.when == ShownWhen::IdealGas, std::string(row.key).find('0') != std::string::npos)
            << row.key;
        EXPECT_EQ(row.kilocalories, std::string(row.key).ends_with("_kcalm3")) << row.key;
    }
    EXPECT_EQ(positions.size(), PropertiesTable().size());
    EXPECT_EQ(*positions.begin(), 0);
    EXPECT_EQ(*positions.rbegin(), static_cast<int32_t>(PropertiesTable().size()) - 1);
    ASSERT_EQ(MethaneNumberTable().size(), 2u);
    EXPECT_STREQ(MethaneNumberTable()[0].key, "mncm");
    EXPECT_STREQ(MethaneNumberTable()[1].key, "mn");
}

const ComponentsTableColumn& ComponentColumn(const char* key) {
    for (const ComponentsTableColumn& column : ComponentsTable()) {
        if (std::string(column.key) == key) {
            return column;
        }
    }
    throw std::out_of_range(key);
}

// The certified value of the control mixture: the page shows it on its Show setting, the report and the
// exports only when the result was controlled against the mixture.
TEST(ResultTables, ControlMixtureColumnDiffersBetweenPageAndDocuments) {
    struct Case {
        bool show;
        bool control;
        bool onPage;
        bool inDocuments;
    };
    const Case cases[] = {
        {true, true, true, true},
        {true, false, true, false},
        {false, true, false, false},
        {false, false, false, false},
    };
    const ComponentsTableColumn& mix = ComponentColumn("mix");
    for (const Case& c : cases) {
        CalcSettings settings;
        settings.viewComponentsShowMixture = c.show;
        settings.clcControl = c.control;
        EXPECT_EQ(IsShown(mix, TableView{settings, false, TableReader::Page}), c.onPage);
        EXPECT_EQ(IsShown(mix, TableView{settings, false, TableReader::Document}), c.inDocuments);
    }
    // No other column depends on the reader.
    CalcSettings settings;
    settings.clcControl = false;
    for (const ComponentsTableColumn& column : ComponentsTable()) {
        if (std::string(column.key) != "mix") {
            EXPECT_EQ(IsShown(column, TableView{settings, false, TableReader::Page}),
                      IsShown(column, TableView{settings, false, TableReader::Document}))
                << column.key;
        }
    }
}

// The XML and TXT exports write the unnormalised fraction without the missing test; the page and the
// report write the dash.
TEST(ResultTables, UnnormalisedFractionSkipsTheMissingTestOnlyInTheExports) {
    CalcSettings settings;
    settings.viewComponentsGostBaseConc = false;
    settings.viewComponentsScaleBaseConc = 2;
    ComponentResult row;
    row.uncertainty = 0.05;
    const ComponentsTableColumn& bconc = ComponentColumn("bconc");
    const ComponentsTableColumn& conc = ComponentColumn("conc");
    row.rawFraction = row.molarFraction = 0.0;
    EXPECT_EQ(CellText(bconc, row, settings), u"\u2014");
    EXPECT_EQ(ExportText(bconc, row, settings), u"0.00");
    EXPECT_EQ(ExportText(conc, row, settings), u"\u2014");
    row.rawFraction = 1.234;
    EXPECT_EQ(CellText(bconc, row, settings), u"1.23");
    EXPECT_EQ(ExportText(bconc, row, settings), u"1.23");
    settings.viewComponentsGostBaseConc = true;
    EXPECT_EQ(ExportText(bconc, row, settings), u"1.23");
}

TEST(CalcSettings, NamedDecisions) {
    struct Case {
        int32_t method;
        bool twoMixtures;
    };
    const Case methods[] = {{0, false}, {1, false}, {2, true}, {3, true}, {4, false}, {-1, false}};
    for (const Case& c : methods) {
        CalcSettings settings;
        settings.clbrCalcMethod = c.method;
        EXPECT_EQ(settings.TwoMixtureMethod(), c.twoMixtures) << c.method;
        EXPECT_EQ(IsTwoMixtureMethod(c.method), c.twoMixtures) << c.method;
    }
    CalcSettings settings;
    EXPECT_TRUE(settings.LaboratoryChromatograph());
    settings.clcDeviceType = 1;
    EXPECT_FALSE(settings.LaboratoryChromatograph());
    settings.clcDeviceType = 2; // any device type but 0 is a process chromatograph
    EXPECT_FALSE(settings.LaboratoryChromatograph());
    EXPECT_TRUE(settings.MethaneByDifference());
    settings.clcMethaneDiff = false;
    EXPECT_FALSE(settings.MethaneByDifference());
}

} // namespace

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <functional>
#include <limits>
#include <map>
#include <memory>

#include "Databases.h"
#include "calc/CalcContext.h"
#include "calc/ContextLoading.h"
#include "calc/bindings/Gost31371Binding.h"
#include "data/DataBaseHandle.h"
#include "data/HostQueries.h"
#include "data/MixtureLoading.h"
#include "data/PeakLoading.h"
#include "data/SqlException.h"
#include "support/TempHostDatabase.h"

namespace {

using testsupport::TempHostDatabase;
using testsupport::UseHostDatabase;

constexpr int64_t kAll[] = {1, 1, 1};

class HostileTest : public ::testing::Test {
protected:
    void Make(sim::HostileKind kind) {
        sim::MakeHostileDatabase(file_.path(), kind);
        use_ = std::make_unique<UseHostDatabase>(file_);
    }
    std::vector<ComponentResult> Peaks(int64_t id, bool pressure = false) {
        context_.settings.clcPressure = pressure;
        std::vector<ComponentResult> peaks;
        LoadAssayPeaks(context_, id, peaks);
        return peaks;
    }
    std::vector<MixtureComponent> Mixture(std::u16string_view name) {
        std::vector<MixtureComponent> components;
        LoadMixture(context_, name, components);
        return components;
    }
    template <typename Body>
    DataBase::SqlException Raised(Body body) {
        try {
            body();
        } catch (const DataBase::SqlException& raised) {
            return raised;
        }
        ADD_FAILURE() << "no SqlException";
        return DataBase::SqlException("", "", 0);
    }

    TempHostDatabase file_{"hostile"};
    std::unique_ptr<UseHostDatabase> use_;
    CalcContext context_;
};

TEST_F(HostileTest, NullEverywhereReadsAsEmptyTextsAndZeros) {
    Make(sim::HostileKind::NullEverywhere);
    ASSERT_TRUE(Gost31371().loaded);
    const std::vector<ComponentResult> peaks = Peaks(1, true);
    ASSERT_EQ(peaks.size(), 2u); // the NULL name is skipped, the NULL assay id matches nothing
    for (const auto& peak : peaks) {
        EXPECT_TRUE(peak.id == u"methane" || peak.id == u"c6plus") << Utf16ToUtf8(peak.id);
        EXPECT_EQ(peak.time, 0.0);
        EXPECT_EQ(peak.area, 0.0);
        EXPECT_EQ(peak.height, 0.0);
    }
    std::vector<AreaSeries> series;
    EXPECT_EQ(LoadAreaSeries(context_, kAll, series), 2);

    // A NULL version is version 0: no decimals. The component with a NULL name is "? ".
    const std::vector<MixtureComponent> components = Mixture(u"Смесь");
    ASSERT_EQ(components.size(), 1u);
    EXPECT_EQ(components[0].name, u"? ");
    EXPECT_EQ(components[0].concentration, 0.0);
    EXPECT_EQ(components[0].qty_sym_conc, -1);
    EXPECT_EQ(LoadMixtureNames(), (std::vector<std::u16string>{u"", u"Смесь"}));
    EXPECT_FALSE(MixtureExists(u"")); // NULL is not an empty name
    EXPECT_TRUE(MixtureExists(u"Смесь"));

    DataBase::Handle handle;
    const std::vector<NamedId> stations = QueryStations(handle);
    ASSERT_EQ(stations.size(), 2u);
    EXPECT_EQ(stations[0].id, -1);
    EXPECT_EQ(stations[0].name, u"");
    EXPECT_EQ(stations[1].name, u"Станция");
    const std::vector<NamedId> places = QueryPlaces(handle, 1);
    ASSERT_EQ(places.size(), 1u);
    EXPECT_EQ(places[0].name, u"");
    const std::vector<Assay> rows = QueryAssayRows(handle, 1);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].filename, u"");
    EXPECT_EQ(rows[0].date, 0);
    EXPECT_EQ(rows[0].atmpressure, 0.0);
    AssaySearch search;
    search.toDate = std::numeric_limits<int64_t>::max();
    EXPECT_TRUE(SearchAssays(handle, search).empty()); // isdeleted NULL is not 0
    EXPECT_TRUE(QueryOperatorsInPeriod(handle, 0, search.toDate).empty());
    EXPECT_EQ(QueryStationNameOfAssay(handle, 1), u"");
}

TEST_F(HostileTest, EmptyNamesAreSkippedInPeaksButNamedInMixtures) {
    Make(sim::HostileKind::EmptyNames);
    const std::vector<ComponentResult> peaks = Peaks(1);
    ASSERT_EQ(peaks.size(), 1u);
    EXPECT_EQ(peaks[0].id, u"methane");
    const std::vector<MixtureComponent> components = Mixture(u"");
    ASSERT_EQ(components.size(), 2u);
    EXPECT_EQ(components[0].name, u"? ");
    EXPECT_EQ(components[0].concentration, 1.5);
    EXPECT_EQ(components[1].name, u"methane");
    EXPECT_TRUE(MixtureExists(u""));
    EXPECT_EQ(LoadMixtureNames(), (std::vector<std::u16string>{u""}));
    DataBase::Handle handle;
    EXPECT_EQ(QueryStationNameOfAssay(handle, 1), u"");
}

TEST_F(HostileTest, MissingTablesRaiseAtPrepare) {
    Make(sim::HostileKind::NoTables);
    std::vector<AreaSeries> series;
    struct Case {
        const char* table;
        std::function<void()> body;
    };
    const Case cases[] = {
        {"peak", [&] { Peaks(1); }},
        {"assay", [&] { Peaks(1, true); }},
        {"peak",
         [&] {
             context_.settings.clcPressure = false;
             LoadAreaSeries(context_, kAll, series);
         }},
        {"versioninfo", [&] { Mixture(u"Смесь"); }},
        {"mixture", [&] { MixtureExists(u"Смесь"); }},
        {"mixture", [&] { LoadMixtureNames(); }},
        {"station",
         [&] {
             DataBase::Handle handle;
             QueryStations(handle);
         }},
    };
    for (const auto& c : cases) {
        const DataBase::SqlException raised = Raised(c.body);
        EXPECT_EQ(raised.code(), SQLITE_ERROR);
        EXPECT_EQ(raised.message(), std::string("no such table: ") + c.table);
        EXPECT_EQ(raised.sql(), "");
    }
}

TEST_F(HostileTest, WithoutVersionInfoOnlyMixturesFail) {
    Make(sim::HostileKind::NoVersionInfo);
    EXPECT_EQ(Peaks(1).size(), 2u);
    EXPECT_EQ(Raised([&] { Mixture(u"Смесь"); }).message(), "no such table: versioninfo");
    EXPECT_TRUE(MixtureExists(u"Смесь"));
}

TEST_F(HostileTest, MissingColumnsFailTheStatementsThatNeedThem) {
    Make(sim::HostileKind::MissingColumns);
    EXPECT_EQ(Raised([&] { Peaks(1); }).message(), "no such column: height");
    std::vector<AreaSeries> series;
    EXPECT_EQ(LoadAreaSeries(context_, kAll, series), 2); // name and area are there
    EXPECT_EQ(series[0].areas[2], 1000.0);
    EXPECT_EQ(Raised([&] { Mixture(u"Смесь"); }).message(), "no such column: c.qty_sym_conc");
}

TEST_F(HostileTest, TextsInNumericColumnsReadAsTheirNumericPrefix) {
    Make(sim::HostileKind::TextInNumbers);
    ASSERT_TRUE(Gost31371().loaded);
    // Numbers sort before texts and texts before BLOBs; a text reads as its numeric prefix or 0.
    const std::vector<ComponentResult> peaks = Peaks(1, true); // pressure "высокое" reads 0: no correction
    ASSERT_EQ(peaks.size(), 4u);
    const std::u16string_view ids[] = {u"ethane", u"propane", u"nitrogen", u"methane"};
    const double areas[] = {12.5, 1000.0, 0.0, 0.0};
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(peaks[i].id, ids[i]);
        EXPECT_EQ(peaks[i].area, areas[i]);
    }
    EXPECT_EQ(peaks[3].time, 0.0);
    const std::vector<ComponentResult> second = Peaks(2, true); // pressure "99.5 kPa" reads 99.5
    ASSERT_EQ(second.size(), 1u);
    EXPECT_NEAR(second[0].area, 250.0 * 101.325 / 99.5, 1e-9);

    const std::vector<MixtureComponent> components = Mixture(u"Смесь"); // version text: 0
    ASSERT_EQ(components.size(), 1u);
    EXPECT_EQ(components[0].concentration, 5.0); // "5,5": a comma ends the number
    EXPECT_EQ(components[0].deviation, 0.0);
    EXPECT_EQ(components[0].qty_sym_conc, -1);
    DataBase::Handle handle;
    EXPECT_EQ(QueryAssayRows(handle, 1).at(0).date, 0);
}

TEST_F(HostileTest, NonFiniteNumbersPassThroughWithoutFault) {
    Make(sim::HostileKind::NonFiniteNumbers);
    const Gost31371Binding& library = Gost31371();
    ASSERT_TRUE(library.loaded);
    const double inf = std::numeric_limits<double>::infinity();
    for (const bool pressure : {false, true}) {
        const double factor = pressure ? library.CalcRQRate(inf, 20.0) : 1.0;
        const std::vector<ComponentResult> peaks = Peaks(1, pressure);
        ASSERT_EQ(peaks.size(), 5u);
        EXPECT_EQ(peaks[0].area, library.CalcNormArea(inf, factor));
        EXPECT_EQ(peaks[0].height, inf); // heights are taken as stored
        EXPECT_EQ(peaks[1].area, library.CalcNormArea(-inf, factor));
        EXPECT_EQ(peaks[2].area, library.CalcNormArea(-500.0, factor));
        EXPECT_EQ(peaks[3].area, 0.0); // SQLite stores NaN as NULL
        EXPECT_EQ(peaks[3].height, 0.0);
        EXPECT_EQ(peaks[4].id, u"c6plus");
        const double group = library.CalcNormArea(1e308, factor);
        EXPECT_EQ(peaks[4].area, group + group); // may overflow to infinity: it is not a fault
    }
    for (const int64_t id : {2, 3}) { // pressures -5 and NaN (NULL): no correction
        const std::vector<ComponentResult> peaks = Peaks(id, true);
        ASSERT_EQ(peaks.size(), 1u);
        EXPECT_EQ(peaks[0].area, 1000.0);
    }
    const std::vector<MixtureComponent> components = Mixture(u"Смесь");
    ASSERT_EQ(components.size(), 2u);
    EXPECT_EQ(components[0].concentration, inf);
    EXPECT_EQ(components[0].deviation, 0.0);
    EXPECT_EQ(components[1].concentration, -1e308);
    EXPECT_EQ(components[1].qty_sym_conc, std::numeric_limits<int32_t>::max());
    EXPECT_EQ(components[1].qty_sym_dev, std::numeric_limits<int32_t>::min());
}

TEST_F(HostileTest, TenThousandPeaksInOneChromatogram) {
    Make(sim::HostileKind::ManyPeaks);
    // The rule the loader follows, restated on the peaks as the simulator writes them.
    const std::u16string_view groupIds[] = {u"c6plus", u"c6", u"c7", u"c8"};
    std::vector<std::pair<std::u16string, double>> expected = {{u"methane", 1000.0}, {u"ethane", 100.0}};
    std::map<std::u16string, size_t> groups;
    std::map<std::u16string, double> sums = {{u"methane", 1000.0}, {u"ethane", 100.0}};
    for (int32_t i = 0; i < sim::kManyPeaksCount; ++i) {
        const double area = 1.0 + i % 7;
        std::u16string id;
        if (i % 10 == 0) {
            id = std::u16string(groupIds[(i / 10) % 4]);
            sums[id] += area;
            const auto [it, fresh] = groups.emplace(id, expected.size());
            if (fresh) {
                expected.emplace_back(id, area);
            } else {
                expected[it->second].second += area;
            }
            continue;
        }
        id = i % 10 == 1 ? u"methane" : u"? Пик " + Utf8ToUtf16(std::to_string(i));
        sums[id] += area;
        expected.emplace_back(id, area);
    }
    const std::vector<ComponentResult> peaks = Peaks(1);
    ASSERT_EQ(peaks.size(), expected.size());
    EXPECT_EQ(peaks.size(), 2u + 4u + 1000u + 8000u);
    for (size_t i = 0; i < peaks.size(); ++i) {
        ASSERT_EQ(peaks[i].id, expected[i].first) << i;
        ASSERT_EQ(peaks[i].area, expected[i].second) << i;
    }
    std::vector<AreaSeries> series;
    ASSERT_EQ(LoadAreaSeries(context_, kAll, series), static_cast<int32_t>(sums.size()));
    for (const auto& record : series) {
        for (size_t k = 0; k < 3; ++k) {
            ASSERT_EQ(record.areas[k], sums[record.id]) << Utf16ToUtf8(record.id);
        }
    }
}

TEST_F(HostileTest, OddNamesTravelUnchanged) {
    Make(sim::HostileKind::OddNames);
    const std::vector<std::u16string> names = sim::OddPeakNames();
    const std::vector<ComponentResult> peaks = Peaks(1);
    ASSERT_EQ(peaks.size(), names.size() + 2); // and two ill-formed texts after them
    for (size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(peaks[i].id, u"? " + names[i]) << i;
        EXPECT_EQ(peaks[i].area, 10.0 * static_cast<double>(i + 1));
    }
    for (size_t i = names.size(); i < peaks.size(); ++i) {
        EXPECT_EQ(peaks[i].id.substr(0, 2), u"? ");
        EXPECT_GT(peaks[i].id.size(), 2u);
    }
    const std::vector<MixtureComponent> components = Mixture(u"Смесь");
    ASSERT_EQ(components.size(), names.size());
    for (size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(components[i].name, u"? " + names[i]);
        EXPECT_TRUE(MixtureExists(names[i])) << i;
    }
    DataBase::Handle handle;
    EXPECT_EQ(QueryStationNameOfAssay(handle, 1), u"%s");
    EXPECT_EQ(QueryPlaceNameOfAssay(handle, 1), names[4]);
    const std::vector<Assay> rows = QueryAssayRows(handle, 1);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].sample, names[3]);
    EXPECT_EQ(QueryOperatorsInPeriod(handle, 0, 2000000000), (std::vector<std::u16string>{names[5]}));
    AssaySearch search;
    search.toDate = 2000000000;
    search.mixture = u"Смесь";
    search.sample = u"'апостроф";
    const std::vector<AssayFound> found = SearchAssays(handle, search);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].id, 1);
}

TEST_F(HostileTest, AFileThatIsNoDatabase) {
    Make(sim::HostileKind::NotADatabase);
    const DataBase::SqlException raised = Raised([&] { Peaks(1); });
    EXPECT_EQ(raised.code(), SQLITE_NOTADB);
    EXPECT_EQ(raised.message(), "file is not a database");
    EXPECT_EQ(Raised([&] { MixtureExists(u"x"); }).code(), SQLITE_NOTADB);
}

} // namespace

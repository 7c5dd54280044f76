// The five numbered lists of the profile: value formats, stale entries, malformed elements, limits.
#include <gtest/gtest.h>

#include "calc/CalcContext.h"
#include "host/substitute/SubstituteHost.h"
#include "plugin/Host.h"
#include "plugin/SettingsStore.h"
#include "text/Format.h"
#include "text/Utf.h"

namespace {

class Lists : public ::testing::Test {
protected:
    void SetUp() override { SetHostServices(host.Services()); }
    void TearDown() override { SetHostServices(nullptr); }
    CalcContext RoundTrip(const CalcContext& written) {
        SettingsStore::Save(written);
        CalcContext read;
        SettingsStore::Load(read);
        return read;
    }
    SubstituteHost host;
};

TEST(SplitFields, RunsOfSlashesCountAsOneSeparator) {
    using V = std::vector<std::u16string>;
    EXPECT_EQ(SettingsStore::SplitFields(u"a//b///c"), (V{u"a", u"b", u"c"}));
    EXPECT_EQ(SettingsStore::SplitFields(u"/a/"), (V{u"a"}));
    EXPECT_EQ(SettingsStore::SplitFields(u""), V{});
    EXPECT_EQ(SettingsStore::SplitFields(u"///"), V{});
}

TEST_F(Lists, AssaysAreStoredAsIdIncludedStampRole) {
    CalcContext context;
    Assay a;
    a.id = 4711;
    a.included = true;
    a.groupStamp = 4000000000u;
    a.role = 2;
    a.filename = u"not stored";
    context.assays.push_back(a);
    Assay b;
    b.id = -1;
    b.role = 0;
    context.assays.push_back(b);
    Assay big;
    big.id = 6000000000LL; // beyond 32 bits: read back whole
    context.assays.push_back(big);
    const CalcContext read = RoundTrip(context);

    EXPECT_EQ(host.profile.at(u"Tarvel/Analysis000"), u"4711/1/4000000000/2");
    EXPECT_EQ(host.profile.at(u"Tarvel/Analysis001"), u"18446744073709551615/0/0/0");
    ASSERT_EQ(read.assays.size(), 3u);
    EXPECT_EQ(read.assays[0].id, 4711);
    EXPECT_TRUE(read.assays[0].included);
    EXPECT_EQ(read.assays[0].groupStamp, 4000000000u);
    EXPECT_EQ(read.assays[0].role, 2);
    EXPECT_EQ(read.assays[0].filename, u"") << "the page refreshes the rest from the database";
    EXPECT_EQ(read.assays[1].id, -1);
    EXPECT_FALSE(read.assays[1].included);
    EXPECT_EQ(read.assays[2].id, 6000000000LL);
}

TEST_F(Lists, SavingAShorterListDeletesTheStaleEntries) {
    for (int i = 0; i < 5; ++i) {
        host.profile[FormatText(u"Tarvel/ReportProp%03d", {i})] = FormatText(u"name%d/value%d", {i, i});
    }
    CalcContext context;
    context.reportProps = {{u"Лаборатория", u"ИЛ-1"}, {u"Исполнитель", u"Иванов"}, {u"Пункт", u"ГРС-2"}};
    SettingsStore::Save(context);
    EXPECT_EQ(host.profile.at(u"Tarvel/ReportProp002"), u"Пункт/ГРС-2");
    EXPECT_EQ(host.profile.count(u"Tarvel/ReportProp003"), 0u);
    EXPECT_EQ(host.profile.count(u"Tarvel/ReportProp004"), 0u);
}

// Reading goes on past an empty entry, so the deletion must too: otherwise "c/d" would come back at the
// next opening as a parameter the user had removed. Both end at the first missing entry.
TEST_F(Lists, StaleDeletionGoesOnPastAnEmptyEntryToTheFirstMissingOne) {
    host.profile[u"Tarvel/ReportProp001"] = u"a/b";
    host.profile[u"Tarvel/ReportProp002"] = u"";
    host.profile[u"Tarvel/ReportProp003"] = u"c/d";
    host.profile[u"Tarvel/ReportProp005"] = u"e/f";
    CalcContext context;
    context.reportProps = {{u"x", u"y"}};
    const CalcContext read = RoundTrip(context);
    ASSERT_EQ(read.reportProps.size(), 1u);
    EXPECT_EQ(read.reportProps[0].name, u"x");
    for (const char16_t* gone : {u"Tarvel/ReportProp001", u"Tarvel/ReportProp002", u"Tarvel/ReportProp003"}) {
        EXPECT_EQ(host.profile.count(gone), 0u);
    }
    EXPECT_EQ(host.profile.count(u"Tarvel/ReportProp005"), 1u)
        << "beyond the first missing entry: never read";
}

TEST_F(Lists, AReportParameterIsItsNameUpToTheFirstSlashAndTheWholeRestAsItsValue) {
    const std::vector<std::pair<std::u16string, ReportProp>> stored = {
        {u"Договор/№ 17/2026", {u"Договор", u"№ 17/2026"}},
        {u"Дата отбора/07/12/2026 10:00", {u"Дата отбора", u"07/12/2026 10:00"}},
        {u"Примечание/", {u"Примечание", u""}},
        {u"/без названия", {u"", u"без названия"}},
        {u"Метод//ГОСТ 31371.7", {u"Метод", u"/ГОСТ 31371.7"}},
    };
    for (size_t i = 0; i < stored.size(); ++i) {
        host.profile[FormatText(u"Tarvel/ReportProp%03d", {static_cast<int32_t>(i)})] = stored[i].first;
    }
    host.profile[FormatText(u"Tarvel/ReportProp%03d", {static_cast<int32_t>(stored.size())})] =
        u"без разделителя";
    CalcContext read;
    SettingsStore::Load(read);
    ASSERT_EQ(read.reportProps.size(), stored.size()) << "an entry without a slash is no parameter";
    for (size_t i = 0; i < stored.size(); ++i) {
        EXPECT_EQ(read.reportProps[i].name, stored[i].second.name) << i;
        EXPECT_EQ(read.reportProps[i].value, stored[i].second.value) << i;
    }
    const CalcContext again = RoundTrip(read);
    for (size_t i = 0; i < stored.size(); ++i) {
        EXPECT_EQ(host.profile.at(FormatText(u"Tarvel/ReportProp%03d", {static_cast<int32_t>(i)})),
                  stored[i].first);
        EXPECT_EQ(again.reportProps[i].value, stored[i].second.value) << i;
    }
}

TEST_F(Lists, AnAliasWithASlashReadsBackUpToTheSlash) {
    CalcContext context;
    context.aliases[0].alias = u"Метан/1";
    const CalcContext read = RoundTrip(context);
    EXPECT_EQ(host.profile.at(u"Tarvel/Aliase000"), u"methane/Метан/1");
    EXPECT_EQ(read.aliases[0].alias, u"Метан");
    EXPECT_EQ(read.aliases.size(), 73u);
}

TEST_F(Lists, AliasesUpdateEntriesByExactIdentifierAndAddNone) {
    host.profile[u"Tarvel/Aliase000"] = u"ethane/C2H6";
    host.profile[u"Tarvel/Aliase001"] = u"Methane/CH4"; // identifiers match case-sensitively
    host.profile[u"Tarvel/Aliase002"] = u"unobtainium/X";
    host.profile[u"Tarvel/Aliase003"] = u"propane";      // missing alias: skipped
    host.profile[u"Tarvel/Aliase004"] = u"propane/C3H8"; // reading goes on after a skipped element
    CalcContext context;
    SettingsStore::Load(context);
    ASSERT_EQ(context.aliases.size(), 73u);
    EXPECT_EQ(context.aliases[0].alias, u"Метан");
    EXPECT_EQ(context.aliases[1].alias, u"C2H6");
    EXPECT_EQ(context.aliases[2].alias, u"C3H8");
}

TEST_F(Lists, MixtureNamesUseADashForEmpty) {
    CalcContext context;
    context.mixtures.push_back({u"methane", u"", u"ГСО 2", 0, 1});
    context.mixtures.push_back({u"", u"-вниз", u"ГСО 10538-2014", 1, 7});
    const CalcContext read = RoundTrip(context);
    EXPECT_EQ(host.profile.at(u"Tarvel/Mixtures000"), u"methane/-/ГСО 2/0/1");
    EXPECT_EQ(host.profile.at(u"Tarvel/Mixtures001"), u"-/-вниз/ГСО 10538-2014/1/7");
    ASSERT_EQ(read.mixtures.size(), 2u);
    EXPECT_EQ(read.mixtures[0].component, u"methane");
    EXPECT_EQ(read.mixtures[0].first, u"");
    EXPECT_EQ(read.mixtures[0].second, u"ГСО 2");
    EXPECT_EQ(read.mixtures[0].firstType, 0);
    EXPECT_EQ(read.mixtures[0].secondType, 1);
    EXPECT_EQ(read.mixtures[1].component, u"");
    EXPECT_EQ(read.mixtures[1].first, u"") << "a name beginning with a dash reads back as empty";
    EXPECT_EQ(read.mixtures[1].secondType, 7) << "types are kept as stored";
}

TEST_F(Lists, ConstantsWithThreeFieldsHaveNoDigitCounts) {
    host.profile[u"Tarvel/Constant000"] = u"water/0.500000/0.050000";
    host.profile[u"Tarvel/Constant001"] = u"helium/0.01"; // deviation missing: skipped
    host.profile[u"Tarvel/Constant002"] = u"neon/0.0018/0.0002/4/5";
    host.profile[u"Tarvel/Constant003"] = u"argon/abc/1e-3/x/2"; // unreadable numbers read as 0
    CalcContext context;
    SettingsStore::Load(context);
    ASSERT_EQ(context.constants.size(), 3u);
    EXPECT_EQ(context.constants[0].name, u"water");
    EXPECT_DOUBLE_EQ(context.constants[0].concentration, 0.5);
    EXPECT_DOUBLE_EQ(context.constants[0].deviation, 0.05);
    EXPECT_EQ(context.constants[0].qty_sym_conc, -1);
    EXPECT_EQ(context.constants[0].qty_sym_dev, -1);
    EXPECT_EQ(context.constants[1].qty_sym_conc, 4);
    EXPECT_EQ(context.constants[1].qty_sym_dev, 5);
    EXPECT_DOUBLE_EQ(context.constants[2].concentration, 0.0);
    EXPECT_DOUBLE_EQ(context.constants[2].deviation, 0.001);
    EXPECT_EQ(context.constants[2].qty_sym_conc, 0);
}

TEST_F(Lists, ConstantsAreWrittenWithSixDecimals) {
    CalcContext context;
    context.constants.push_back({u"water", 0.5, 0.05, -1, -1});
    context.constants.push_back({u"oxygen", 0.0123456789, 1.0 / 3.0, 4, 3});
    const CalcContext read = RoundTrip(context);
    EXPECT_EQ(host.profile.at(u"Tarvel/Constant000"), u"water/0.500000/0.050000/-1/-1");
    EXPECT_EQ(host.profile.at(u"Tarvel/Constant001"), u"oxygen/0.012346/0.333333/4/3");
    EXPECT_DOUBLE_EQ(read.constants[1].concentration, 0.012346);
}

TEST_F(Lists, ConstantsTypedWithMoreThanSixDecimalsKeepThemAll) {
    CalcContext context;
    context.constants.push_back({u"water", 0.0000004, 0.00000004, 7, 8});
    context.constants.push_back({u"helium", 0.0004, 0.0001, 4, 4});
    const CalcContext read = RoundTrip(context);
    EXPECT_EQ(host.profile.at(u"Tarvel/Constant000"), u"water/0.0000004/0.00000004/7/8");
    EXPECT_EQ(host.profile.at(u"Tarvel/Constant001"), u"helium/0.000400/0.000100/4/4");
    EXPECT_EQ(read.constants[0].concentration, 0.0000004);
    EXPECT_EQ(read.constants[0].deviation, 0.00000004);
    EXPECT_EQ(read.constants[1].concentration, 0.0004);
}

// What is read is written back whole and read again as the same: decimals the entry dialog cannot take
// read as not given, and a value whose text would outgrow the profile's 255 characters is not read.
TEST_F(Lists, AConstantIsReadOnlyAsItCanBeWrittenBackWhole) {
    const struct {
        std::u16string stored;
        bool read;
        int32_t decimals;
    } kCases[] = {
        {u"methane/0.5/0.05/15/3", true, 15},
        {u"methane/0.5/0.05/16/3", true, -1},
        {u"methane/0.5/0.05/100000/3", true, -1},
        {u"methane/0.5/0.05/-7/3", true, -1},
        {u"methane/0.5/1e250/6/6", false, 0},
        {u"methane/1e300/0.05", false, 0},
        {std::u16string(240, u'x') + u"/0.5/0.05", false, 0},
    };
    for (const auto& kase : kCases) {
        host.profile = {{u"Tarvel/Constant000", kase.stored}};
        CalcContext read;
        SettingsStore::Load(read);
        ASSERT_EQ(read.constants.size(), kase.read ? 1u : 0u) << Utf16ToUtf8(kase.stored);
        if (kase.read) {
            EXPECT_EQ(read.constants[0].qty_sym_conc, kase.decimals);
            EXPECT_EQ(read.constants[0].qty_sym_dev, 3);
        }
        SettingsStore::Save(read);
        const auto once = host.profile;
        EXPECT_EQ(RoundTrip(read).constants.size(), read.constants.size());
        EXPECT_EQ(host.profile, once) << Utf16ToUtf8(kase.stored);
    }
}

TEST_F(Lists, AMissingIndexZeroEndsTheListBeforeItBegins) {
    host.profile[u"Tarvel/ReportProp001"] = u"a/b";
    host.profile[u"Tarvel/Analysis001"] = u"1/1/1/1";
    CalcContext context;
    SettingsStore::Load(context);
    EXPECT_TRUE(context.reportProps.empty());
    EXPECT_TRUE(context.assays.empty());
}

TEST_F(Lists, ReadingStopsAfterIndex1023) {
    for (int i = 0; i <= 1100; ++i) {
        host.profile[FormatText(u"Tarvel/Analysis%03d", {i})] = FormatText(u"%d/1/0/0", {i + 1});
    }
    CalcContext context;
    SettingsStore::Load(context);
    ASSERT_EQ(context.assays.size(), 1024u);
    EXPECT_EQ(context.assays.back().id, 1024);

    // Saving 1024 entries leaves index 1024 onwards alone: the list never reaches it.
    SettingsStore::Save(context);
    EXPECT_EQ(host.profile.count(u"Tarvel/Analysis1024"), 1u);
}

TEST_F(Lists, ValuesLongerThanTheBufferAreCutAt255Characters) {
    CalcContext context;
    context.reportProps.push_back({u"Примечание", std::u16string(400, u'ж')});
    SettingsStore::Save(context);
    const std::u16string& stored = host.profile.at(u"Tarvel/ReportProp000");
    EXPECT_EQ(stored.size(), 255u);
    EXPECT_TRUE(stored.starts_with(u"Примечание/жжж"));
}

TEST_F(Lists, AHostThatDoesNotAnswerEndsEveryListAtIndexZero) {
    host.profile[u"Tarvel/ReportProp000"] = u"a/b";
    host.servesProfile = false;
    CalcContext context;
    context.reportProps.push_back({u"x", u"y"});
    SettingsStore::Load(context);
    EXPECT_TRUE(context.reportProps.empty());
    EXPECT_EQ(context.aliases.size(), 73u);
    EXPECT_EQ(context.settings.clcMeasureTemp, 3);
}

} // namespace

// Scalar settings through the host profile: defaults, value formats, garbage.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "calc/CalcContext.h"
#include "host/substitute/SubstituteHost.h"
#include "plugin/Host.h"
#include "plugin/SettingsStore.h"
#include "text/Utf.h"

namespace {

class Settings : public ::testing::Test {
protected:
    void SetUp() override { SetHostServices(host.Services()); }
    void TearDown() override { SetHostServices(nullptr); }
    SubstituteHost host;
};

TEST_F(Settings, FreshProfileGivesEveryDefault) {
    CalcContext context;
    context.settings.clbrCalcMethod = 3;
    context.settings.viewAnalysisShowUUID = true;
    context.settings.expCommand = u"other";
    context.assays.push_back({});
    context.aliases[0].alias = u"CH4";
    SettingsStore::Load(context);

    const CalcSettings& s = context.settings;
    EXPECT_TRUE(s.clbrCarbonDioxide && s.clbrNitrogen && s.clbrOxygen && s.clbrControl &&
                s.clbrMixtureConformity);
    EXPECT_EQ(s.clbrCalcMethod, 0);
    EXPECT_FALSE(s.clcPressure);
    EXPECT_EQ(s.clcMeasureTemp, 3);
    EXPECT_EQ(s.clcBurnoutTemp, 4);
    EXPECT_TRUE(s.clcMethaneDiff && s.clcIdentityMatrix && s.clcMixtureConformity && s.clcControl &&
                s.clcCtlRange);
    EXPECT_EQ(s.clcDeviceType, 0);
    EXPECT_FALSE(s.clcExtRange);
    EXPECT_FALSE(s.viewAnalysisShowUUID);
    EXPECT_TRUE(s.viewAnalysisShowSample);
    EXPECT_EQ(s.viewAnalysisScaleAtmPressure, 3);
    EXPECT_TRUE(s.viewCalibrationGostCfAB);
    EXPECT_FALSE(s.viewComponentsShowConcVol);
    EXPECT_FALSE(s.viewComponentsGostConcMass);
    EXPECT_FALSE(s.viewComponentsShowMixture);
    EXPECT_TRUE(s.viewCalculationPerfectGas);
    EXPECT_FALSE(s.viewCalculationShowHvolkcalm3);
    EXPECT_TRUE(s.viewCalculationGostWobbekcalm3);
    EXPECT_EQ(s.viewCalculationScaleWobbekcalm3, 7);
    EXPECT_EQ(s.viewMethaneScaleMn, 4);
    EXPECT_FALSE(s.viewMethaneShowComp);
    EXPECT_EQ(s.viewMethaneScaleComp, 4);
    EXPECT_EQ(s.expFormat, 0);
    EXPECT_TRUE(s.expAssay && s.expOutput);
    EXPECT_EQ(s.expCommand, u"CMD");
    EXPECT_EQ(s.expParameters, u"/C move /Y %F C:\\out\\data.xml");

    EXPECT_TRUE(context.assays.empty());
    EXPECT_TRUE(context.constants.empty());
    EXPECT_TRUE(context.mixtures.empty());
    EXPECT_TRUE(context.reportProps.empty());
    ASSERT_EQ(context.aliases.size(), 73u);
    EXPECT_EQ(context.aliases[0].alias, u"Метан");
}

TEST_F(Settings, EveryScalarKeyIsWrittenAndHasTheDocumentedName) {
    // The last five: the selection dialog's range (2) and the stability of the calibration (3).
    EXPECT_EQ(BoolSettingKeys().size() + IntSettingKeys().size(), 16u + 94u + 9u + 2u + 3u);
    CalcContext context;
    SettingsStore::Save(context);
    EXPECT_EQ(host.profile.at(u"Tarvel/clbrCarbonDioxide"), u"1");
    EXPECT_EQ(host.profile.at(u"Tarvel/clcPressure"), u"0");
    EXPECT_EQ(host.profile.at(u"Tarvel/clcBurnoutTemp"), u"4");
    EXPECT_EQ(host.profile.at(u"Tarvel/viewCalibrationShowInK"), u"1");
    EXPECT_EQ(host.profile.at(u"Tarvel/viewCalibrationGostInK"), u"1");
    EXPECT_EQ(host.profile.at(u"Tarvel/viewCalibrationScaleInK"), u"4");
    EXPECT_EQ(host.profile.at(u"Tarvel/viewCalculationPerfectGas"), u"1");
    EXPECT_EQ(host.profile.at(u"Tarvel/viewAnalysisScaleAtmPressure"), u"3");
    EXPECT_EQ(host.profile.at(u"Tarvel/viewMethaneShowArr"), u"0");
    EXPECT_EQ(host.profile.at(u"Tarvel/expCommand"), u"CMD");
    EXPECT_EQ(host.profile.count(u"Tarvel/viewAnalysisGostUUID"), 0u) << "keys marked absent do not exist";
    EXPECT_EQ(host.profile.count(u"Tarvel/viewCalibrationShowCfAB"), 0u);
    EXPECT_EQ(host.profile.count(u"Tarvel/viewMethaneShowMn"), 0u);
    EXPECT_EQ(host.profile.count(u"Tarvel/viewMethaneGostArr"), 0u);
}

TEST_F(Settings, StoredValuesInsideTheirBoundsAreReadAsStored) {
    host.profile[u"Tarvel/clbrCalcMethod"] = u"3";
    host.profile[u"Tarvel/clcPressure"] = u"-5"; // nonzero: true
    host.profile[u"Tarvel/clbrControl"] = u"0";
    host.profile[u"Tarvel/viewComponentsScaleArea"] = u"15";
    host.profile[u"Tarvel/expParameters"] = u""; // present but empty: the empty text
    CalcContext context;
    SettingsStore::Load(context);
    EXPECT_EQ(context.settings.clbrCalcMethod, 3);
    EXPECT_TRUE(context.settings.clcPressure);
    EXPECT_FALSE(context.settings.clbrControl);
    EXPECT_EQ(context.settings.viewComponentsScaleArea, 15);
    EXPECT_EQ(context.settings.expParameters, u"");
    EXPECT_TRUE(context.journal.entries.empty());
}

TEST_F(Settings, AStoredIntegerOutsideItsBoundsGivesTheDefaultNamedOnceInTheJournal) {
    host.profile[u"Tarvel/clbrCalcMethod"] = u"9";
    host.profile[u"Tarvel/viewComponentsScaleArea"] = u"-2";
    host.profile[u"Tarvel/clcBurnoutTemp"] = u"5";
    CalcContext context;
    SettingsStore::Load(context);
    EXPECT_EQ(context.settings.clbrCalcMethod, 0);
    EXPECT_EQ(context.settings.viewComponentsScaleArea, 4);
    EXPECT_EQ(context.settings.clcBurnoutTemp, 4);
    const std::vector<std::u16string> expected = {
        u"Настройка \"Tarvel/clbrCalcMethod\": сохранённое значение 9 вне допустимого диапазона [0-3], "
        u"использовано значение по умолчанию 0.",
        u"Настройка \"Tarvel/clcBurnoutTemp\": сохранённое значение 5 вне допустимого диапазона [0-4], "
        u"использовано значение по умолчанию 4.",
        u"Настройка \"Tarvel/viewComponentsScaleArea\": сохранённое значение -2 вне допустимого диапазона "
        u"[0-15], использовано значение по умолчанию 4.",
    };
    for (const MessageJournal* journal : {&context.journal, &context.loadingJournal}) {
        ASSERT_EQ(journal->entries.size(), expected.size());
        for (size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(journal->entries[i].text, expected[i]) << Utf16ToUtf8(journal->entries[i].text);
            EXPECT_EQ(journal->entries[i].category, JournalCategory::General);
        }
    }
    // Loading again from a sound profile forgets what the last loading found.
    host.profile.clear();
    SettingsStore::Load(context);
    EXPECT_TRUE(context.loadingJournal.entries.empty());
}

TEST_F(Settings, GarbageIntegersFallBackToDefaults) {
    host.profile[u"Tarvel/clcMeasureTemp"] = u"двадцать";
    host.profile[u"Tarvel/clbrOxygen"] = u"";
    host.profile[u"Tarvel/clcDeviceType"] = u"99999999999999999999";
    CalcContext context;
    SettingsStore::Load(context);
    EXPECT_EQ(context.settings.clcMeasureTemp, 3);
    EXPECT_TRUE(context.settings.clbrOxygen);
    EXPECT_EQ(context.settings.clcDeviceType, 0);
}

// A value inside the bounds that differs from the default.
int32_t OtherThanDefault(const IntSettingKey& key, int32_t initial) {
    return initial < key.highest ? initial + 1 : key.lowest;
}

TEST_F(Settings, EverySettingSurvivesARoundTrip) {
    CalcContext written;
    CalcSettings& s = written.settings;
    // Flip every boolean and change every integer away from its default.
    for (const auto& key : BoolSettingKeys()) {
        s.*key.field = !(s.*key.field);
    }
    for (const auto& key : IntSettingKeys()) {
        s.*key.field = OtherThanDefault(key, s.*key.field);
    }
    s.expCommand = u"C:\\Программы\\приёмник.exe";
    s.expParameters = u"--file \"%F\" --mode=1";
    SettingsStore::Save(written);

    CalcContext read;
    SettingsStore::Load(read);
    for (const auto& key : BoolSettingKeys()) {
        EXPECT_EQ(read.settings.*key.field, s.*key.field) << Utf16ToUtf8(key.key);
    }
    for (const auto& key : IntSettingKeys()) {
        EXPECT_EQ(read.settings.*key.field, s.*key.field);
    }
    EXPECT_EQ(read.settings.expCommand, s.expCommand);
    EXPECT_EQ(read.settings.expParameters, s.expParameters);
    EXPECT_TRUE(read.journal.entries.empty());
}

// Every setting of the list on its own: its key is "Tarvel/" + a name no other setting has, it is
// written under that key alone, and read back into its own member, every other one keeping its default.
// The integers' bounds are inclusive: one beyond either gives the default.
TEST_F(Settings, EachSettingHasAKeyOfItsOwnAndRoundTripsAlone) {
    const CalcSettings defaults;
    // The value of every scalar setting as text, in the order of the list.
    const auto valuesOf = [](const CalcSettings& settings) {
        std::vector<std::u16string> values;
        for (const auto& key : BoolSettingKeys()) {
            values.push_back(settings.*key.field ? u"1" : u"0");
        }
        for (const auto& key : IntSettingKeys()) {
            values.push_back(Utf8ToUtf16(std::to_string(settings.*key.field)));
        }
        for (const auto& key : TextSettingKeys()) {
            values.push_back(settings.*key.field);
        }
        return values;
    };
    std::vector<std::u16string> keys;
    for (const auto& key : BoolSettingKeys()) {
        keys.push_back(key.key);
    }
    for (const auto& key : IntSettingKeys()) {
        keys.push_back(key.key);
    }
    for (const auto& key : TextSettingKeys()) {
        keys.push_back(key.key);
    }
    EXPECT_EQ(std::set<std::u16string>(keys.begin(), keys.end()).size(), keys.size()) << "a key used twice";
    for (const std::u16string& key : keys) {
        EXPECT_EQ(key.rfind(u"Tarvel/", 0), 0u) << Utf16ToUtf8(key);
    }

    const std::vector<std::u16string> defaultValues = valuesOf(defaults);
    // Changes the index-th setting of the list, saves, and reads into a fresh context.
    const auto roundTripAlone = [&](size_t index, const std::function<void(CalcSettings&)>& change) {
        CalcContext written;
        change(written.settings);
        std::vector<std::u16string> expected = defaultValues;
        expected[index] = valuesOf(written.settings)[index];
        ASSERT_NE(expected[index], defaultValues[index]) << Utf16ToUtf8(keys[index]);
        host.profile.clear();
        SettingsStore::Save(written);
        EXPECT_EQ(host.profile.at(keys[index]), expected[index]);
        CalcContext read;
        SettingsStore::Load(read);
        EXPECT_EQ(valuesOf(read.settings), expected) << Utf16ToUtf8(keys[index]);
    };
    size_t index = 0;
    for (const auto& key : BoolSettingKeys()) {
        roundTripAlone(index++, [&](CalcSettings& s) { s.*key.field = !(s.*key.field); });
    }
    for (const auto& key : IntSettingKeys()) {
        roundTripAlone(index, [&](CalcSettings& s) { s.*key.field = OtherThanDefault(key, s.*key.field); });
        for (const int32_t bound : {key.lowest, key.highest}) {
            host.profile = {{key.key, Utf8ToUtf16(std::to_string(bound))}};
            CalcContext read;
            SettingsStore::Load(read);
            EXPECT_EQ(read.settings.*key.field, bound) << Utf16ToUtf8(key.key);
            EXPECT_TRUE(read.loadingJournal.entries.empty()) << Utf16ToUtf8(key.key);
        }
        for (const int32_t beyond : {key.lowest - 1, key.highest + 1}) {
            host.profile = {{key.key, Utf8ToUtf16(std::to_string(beyond))}};
            CalcContext read;
            SettingsStore::Load(read);
            EXPECT_EQ(read.settings.*key.field, defaults.*key.field) << Utf16ToUtf8(key.key);
            EXPECT_EQ(read.loadingJournal.entries.size(), 1u) << Utf16ToUtf8(key.key);
        }
        ++index;
    }
    for (const auto& key : TextSettingKeys()) {
        roundTripAlone(index++, [&](CalcSettings& s) { s.*key.field += u"/другой"; });
    }
}

// The selection dialog's filters: every text key round-trips, Cyrillic and empty alike.
TEST_F(Settings, SelectionFiltersSurviveARoundTrip) {
    CalcContext written;
    int next = 0;
    for (const auto& key : TextSettingKeys()) {
        written.settings.*key.field = next++ % 3 == 0 ? u"" : u"Проба «" + std::u16string(key.key) + u"»";
    }
    SettingsStore::Save(written);
    CalcContext read;
    SettingsStore::Load(read);
    for (const auto& key : TextSettingKeys()) {
        EXPECT_EQ(read.settings.*key.field, written.settings.*key.field) << Utf16ToUtf8(key.key);
    }
    EXPECT_EQ(TextSettingKeys().size(), 2u + 12u);
}

} // namespace

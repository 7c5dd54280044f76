// Scalar settings through the host profile: defaults, value formats, garbage.
#include <gtest/gtest.h>

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
    // The last 3: the stability of the calibration.
    EXPECT_EQ(BoolSettingKeys().size() + IntSettingKeys().size(), 16u + 94u + 9u + 3u);
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

TEST_F(Settings, StoredValuesAreReadWithoutValidation) {
    host.profile[u"Tarvel/clbrCalcMethod"] = u"7"; // out of range: kept as stored
    host.profile[u"Tarvel/clcPressure"] = u"-5";   // nonzero: true
    host.profile[u"Tarvel/clbrControl"] = u"0";
    host.profile[u"Tarvel/viewComponentsScaleArea"] = u"-2";
    host.profile[u"Tarvel/expParameters"] = u""; // present but empty: the empty text
    CalcContext context;
    SettingsStore::Load(context);
    EXPECT_EQ(context.settings.clbrCalcMethod, 7);
    EXPECT_TRUE(context.settings.clcPressure);
    EXPECT_FALSE(context.settings.clbrControl);
    EXPECT_EQ(context.settings.viewComponentsScaleArea, -2);
    EXPECT_EQ(context.settings.expParameters, u"");
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

TEST_F(Settings, EverySettingSurvivesARoundTrip) {
    CalcContext written;
    CalcSettings& s = written.settings;
    // Flip every boolean and change every integer away from its default.
    for (const auto& key : BoolSettingKeys()) {
        s.*key.field = !(s.*key.field);
    }
    int32_t next = 11;
    for (const auto& key : IntSettingKeys()) {
        s.*key.field = next++;
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
}

} // namespace

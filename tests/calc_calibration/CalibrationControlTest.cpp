// The control of the calibration: control chromatograms measured against the finished calibration.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "CalibrationTestSupport.h"
#include "calc/Stages.h"
#include "calc/Status.h"
#include "calc/bindings/Gost31371Binding.h"
#include "calc/calibration/CalibrationControl.h"
#include "calc/calibration/ControlMixture.h"
#include "text/StringTable.h"

namespace {

using calibtest::AddToList;
using calibtest::CalibMessage;
using calibtest::CalibrationDatabase;
using calibtest::CalibText;
using calibtest::FindResult;
using calibtest::Peak;
using testsupport::ExpectJournal;

constexpr uint32_t kStamp = 1700000000;
const std::u16string kMixture = u"ГСО 5";

// Limits of the control at 5 mol % (allowed relative standard deviation 0.5 %): the deviation of the
// controlled concentration 2.8 · 0.5 %, the range of the control areas 3.3 · 0.5 % (ISO 5725-6 critical
// ranges of two and three results).
constexpr double kDeviationLimit5 = 2.8 * 0.5;
constexpr double kRangeLimit5 = 3.3 * 0.5;

void ExpectRelativelyNear(double actual, double expected, const char* what) {
    EXPECT_NEAR(actual, expected, std::fabs(expected) * 1e-12 + 1e-15) << what;
}

double RelativeRangePct(double a1, double a2, double a3) {
    const double mean = (a1 + a2 + a3) / 3.0;
    return (std::max({a1, a2, a3}) - std::min({a1, a2, a3})) / mean * 100.0;
}

CalibrationResult FactorResult(std::u16string component, double concentration, double factor) {
    CalibrationResult result;
    result.isok = true;
    result.component = std::move(component);
    result.conc1 = concentration;
    result.midk = factor;
    return result;
}

CalibrationResult LineResult(std::u16string component, double c1, double c2, double a, double b) {
    CalibrationResult result;
    result.isok = true;
    result.component = std::move(component);
    result.conc1 = c1;
    result.conc2 = c2;
    result.inka = a;
    result.inkb = b;
    return result;
}

class CalibrationControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Gost31371().loaded) << "the GOST 31371.7 library must lie beside the test program";
        db_.Mixture(kMixture, {{u"Метан", 92.0, 0.1, 2, 2},
                               {u"Этан", 5.0, 0.1, 2, 2},
                               {u"Пропан", 2.0, 0.06, 3, 3},
                               {u"Азот", 1.0, 0.03, 3, 3}});
        context_ = calibtest::OneMixtureContext(kMixture, 0);
        // Method А's factors: ethane 5 mol % at area 1000, propane 2 mol % at 2500.
        context_.calibration = {FactorResult(u"ethane", 5.0, 0.005), FactorResult(u"propane", 2.0, 0.0008)};
    }

    std::vector<int64_t> Control(const std::u16string& mixture, const std::vector<std::vector<Peak>>& runs) {
        std::vector<int64_t> ids;
        for (const auto& peaks : runs) {
            ids.push_back(db_.Chromatogram(mixture, peaks));
        }
        AddToList(context_, ids, AssayRole::Control, mixture, kStamp);
        return ids;
    }
    static std::vector<Peak> Run(double ethane, double propane = 2500.0) {
        return {{u"Метан", 90000.0}, {u"Этан", ethane}, {u"Пропан", propane}};
    }

    CalibrationDatabase db_;
    CalcContext context_;
};

TEST_F(CalibrationControlTest, PassingControlWritesItsValues) {
    Control(kMixture, {Run(1002.0), Run(998.0), Run(1003.0)});
    db_.Attach(context_);
    EXPECT_EQ(RunCalibrationControl(context_, false), Status::Ok);
    EXPECT_TRUE(context_.calibrationOk);
    ExpectJournal(context_.journal, {});
    const CalibrationResult& ethane = *FindResult(context_, u"ethane");
    EXPECT_TRUE(ethane.isok);
    const double found = 0.005 * (1002.0 + 998.0 + 1003.0) / 3.0;
    ExpectRelativelyNear(ethane.crate, std::fabs(5.0 - found) / 5.0 * 100.0, "crate");
    ExpectRelativelyNear(ethane.cnorm, kDeviationLimit5, "cnorm");
    ExpectRelativelyNear(ethane.crrng, RelativeRangePct(1002.0, 998.0, 1003.0), "crrng");
    ExpectRelativelyNear(ethane.cvrng, kRangeLimit5, "cvrng");
    EXPECT_EQ(FindResult(context_, u"propane")->crate, 0.0);
    EXPECT_TRUE(FindResult(context_, u"propane")->isok);
}

TEST_F(CalibrationControlTest, ADeviatingComponentFailsWith291And182) {
    // Ethane reads 2 % high: above the limit of 1.4 %, while its three areas agree.
    Control(kMixture, {Run(1020.0), Run(1021.0), Run(1019.0)});
    db_.Attach(context_);
    context_.calibrationOk = true;
    EXPECT_EQ(RunCalibrationControl(context_, false), Status::Failed);
    EXPECT_FALSE(context_.calibrationOk);
    const CalibrationResult& ethane = *FindResult(context_, u"ethane");
    EXPECT_FALSE(ethane.isok);
    ExpectRelativelyNear(ethane.crate, 2.0, "crate");
    EXPECT_TRUE(FindResult(context_, u"propane")->isok);
    ExpectJournal(context_.journal, {CalibMessage(StringId::CalibrationControlComponentFailed,
                                                  {kMixture, u"Этан", ethane.crate, kDeviationLimit5}),
                                     CalibText(u"Контроль градуировочной характеристики не пройден.")});
    EXPECT_EQ(testsupport::JournalTexts(context_).at(0),
              u"В смеси \"ГСО 5\" для компонента \"Этан\" не пройден контроль градуировочной характеристики "
              u"[2.000000 > 1.400000].");
}

TEST_F(CalibrationControlTest, FirstWindowFailsTheRangeAndTheSecondIsTaken) {
    // Four control chromatograms: the first reads 10 % high, so the range of the first window fails.
    Control(kMixture, {Run(1100.0), Run(1001.0), Run(999.0), Run(1002.0)});
    db_.Attach(context_);
    EXPECT_EQ(RunCalibrationControl(context_, false), Status::Ok);
    const CalibrationResult& ethane = *FindResult(context_, u"ethane");
    EXPECT_TRUE(ethane.isok);
    ExpectRelativelyNear(ethane.crrng, RelativeRangePct(1001.0, 999.0, 1002.0), "crrng of the second window");
    ExpectRelativelyNear(ethane.crate, std::fabs(5.0 - 0.005 * (1001.0 + 999.0 + 1002.0) / 3.0) / 5.0 * 100.0,
                         "crate of the second window");
    ExpectJournal(context_.journal, {});
}

TEST_F(CalibrationControlTest, WithoutAPassingWindowTheLastWindowWithAreasCounts) {
    // The ranges fail in every window although the mean is exact; the last window has no peaks at all
    // and is passed over.
    Control(kMixture, {Run(1000.0), Run(1100.0), {}, {}, {}});
    db_.Attach(context_);
    EXPECT_EQ(RunCalibrationControl(context_, false), Status::Failed);
    const CalibrationResult& ethane = *FindResult(context_, u"ethane");
    // Window 1 holds 1100, 0, 0: its range is 300 % of its mean (window 0 would give 157 %).
    ExpectRelativelyNear(ethane.crrng, 300.0, "crrng of the last window with areas");
    ExpectRelativelyNear(ethane.crate, std::fabs(5.0 - 0.005 * 1100.0 / 3.0) / 5.0 * 100.0, "crate");
    EXPECT_FALSE(ethane.isok);
    EXPECT_FALSE(context_.calibrationOk);
    // Propane's single area of 2500 in that window reads two thirds low.
    const CalibrationResult& propane = *FindResult(context_, u"propane");
    ExpectRelativelyNear(propane.crate, std::fabs(2.0 - 0.0008 * 2500.0 / 3.0) / 2.0 * 100.0,
                         "propane crate");
    ExpectJournal(context_.journal, {CalibMessage(StringId::CalibrationControlComponentFailed,
                                                  {kMixture, u"Этан", ethane.crate, kDeviationLimit5}),
                                     CalibMessage(StringId::CalibrationControlComponentFailed,
                                                  {kMixture, u"Пропан", propane.crate, propane.cnorm}),
                                     CalibMessage(StringId::CalibrationControlFailed)});
}

TEST_F(CalibrationControlTest, ARangeFailureAloneFailsTheControlWithoutAComponentMessage) {
    Control(kMixture, {Run(1000.0), Run(1060.0), Run(940.0)});
    db_.Attach(context_);
    EXPECT_EQ(RunCalibrationControl(context_, false), Status::Failed);
    const CalibrationResult& ethane = *FindResult(context_, u"ethane");
    EXPECT_TRUE(ethane.isok); // its mean is exact
    EXPECT_EQ(ethane.crate, 0.0);
    ExpectRelativelyNear(ethane.crrng, 12.0, "crrng");
    EXPECT_FALSE(context_.calibrationOk);
    ExpectJournal(context_.journal, {CalibText(u"Контроль градуировочной характеристики не пройден.")});
}

TEST_F(CalibrationControlTest, TooFewControlChromatogramsMessage305) {
    Control(kMixture, {Run(1000.0), Run(1000.0)});
    db_.Attach(context_);
    EXPECT_EQ(RunCalibrationControl(context_, false), Status::Failed);
    ExpectJournal(context_.journal,
                  {CalibText(u"Недостаточно контрольных хроматограм для смеси \"ГСО 5\". Загружено 2 из 3."),
                   CalibText(u"Контроль градуировочной характеристики не пройден.")});
    EXPECT_TRUE(FindResult(context_, u"ethane")->isok);
}

TEST_F(CalibrationControlTest, OwnAssignmentsAreControlledOnlyByMethodsC) {
    const std::u16string nitrogenMixture = u"Азот 1";
    db_.Mixture(nitrogenMixture, {{u"Гелий", 99.0, 0.1, 2, 2}, {u"Азот", 1.0, 0.03, 3, 3}});
    // Propane has its own assignment: the general control passes it over, however far off it reads.
    Control(kMixture, {Run(1000.0, 3000.0), Run(1001.0, 3000.0), Run(999.0, 3000.0)});
    db_.Attach(context_);
    context_.mixtures.push_back(ComponentMixtures{u"propane", nitrogenMixture, u"", 0, 0});
    context_.mixtures.push_back(ComponentMixtures{u"propane", u"", u"", 0, 0});
    EXPECT_EQ(RunCalibrationControl(context_, false), Status::Ok);
    EXPECT_EQ(FindResult(context_, u"propane")->crate, 0.0);
    EXPECT_TRUE(FindResult(context_, u"propane")->isok);
    ExpectJournal(context_.journal, {});

    // Method В1: the propane assignment is controlled by its own mixture, which has no control runs.
    context_.settings.clbrCalcMethod = 2;
    EXPECT_EQ(RunCalibrationControl(context_, false), Status::Failed);
    ExpectJournal(context_.journal,
                  {CalibMessage(StringId::NotEnoughControlChromatograms, {nitrogenMixture, 0, 3}),
                   CalibMessage(StringId::CalibrationControlFailed)});
}

TEST_F(CalibrationControlTest, AComponentWithoutCalibrationResultIsNotControlled) {
    // Nitrogen has control peaks far off but no calibration result; propane has no control peak.
    Control(kMixture, {{{u"Этан", 1000.0}, {u"Азот", 10.0}},
                       {{u"Этан", 1000.0}, {u"Азот", 900.0}},
                       {{u"Этан", 1000.0}, {u"Азот", 10.0}}});
    db_.Attach(context_);
    context_.calibration[1].isok = false; // propane failed its calibration and keeps that
    EXPECT_EQ(ControlMixture(context_, false, kMixture, context_.mixtures[0], {}), false); // nitrogen's range
    EXPECT_EQ(FindResult(context_, u"nitrogen"), nullptr);
    EXPECT_FALSE(FindResult(context_, u"propane")->isok);
    EXPECT_EQ(FindResult(context_, u"propane")->crate, 0.0);
    EXPECT_TRUE(FindResult(context_, u"ethane")->isok);
    ExpectJournal(context_.journal, {});
}

TEST_F(CalibrationControlTest, AnUncertifiedComponentFailsWithItsMessage) {
    // Helium is calibrated but the control mixture does not certify it: the deviation is undefined.
    context_.calibration.push_back(FactorResult(u"helium", 0.1, 0.002));
    Control(kMixture, {{{u"Этан", 1000.0}, {u"Гелий", 50.0}},
                       {{u"Этан", 1000.0}, {u"Гелий", 50.0}},
                       {{u"Этан", 1000.0}, {u"Гелий", 50.0}}});
    db_.Attach(context_);
    EXPECT_FALSE(ControlMixture(context_, false, kMixture, context_.mixtures[0], {}));
    const CalibrationResult& helium = *FindResult(context_, u"helium");
    EXPECT_FALSE(helium.isok);
    EXPECT_TRUE(std::isnan(helium.crate));
    EXPECT_EQ(helium.cnorm, 0.0);
    // Said in words, not as "[nan > 0.000000]".
    ExpectJournal(context_.journal,
                  {CalibText(u"В смеси \"ГСО 5\" компонент \"Гелий\" не аттестован: контроль "
                             u"градуировочной характеристики по нему невозможен.")});
}

TEST_F(CalibrationControlTest, LowRangeLineOfANonLinearComponent) {
    const std::u16string lowMixture = u"Азот 0.01";
    db_.Mixture(lowMixture, {{u"Гелий", 99.99, 0.1, 2, 2}, {u"Азот", 0.01, 0.0005, 4, 4}});
    Control(lowMixture, {{{u"Азот", 2.0}}, {{u"Азот", 2.0}}, {{u"Азот", 2.0}}});
    db_.Attach(context_);
    context_.calibrationKind = 2;
    context_.settings.clbrCalcMethod = 2;
    context_.settings.clbrNitrogen = false;
    context_.calibration = {LineResult(u"nitrogen", 6.5, 13.0, 150.0, 0.0),
                            LineResult(u"nitrogen", 0.006, 0.022, 150.0, 0.5)};
    const ComponentMixtures assignment{u"nitrogen", lowMixture, u"", 0, 0};
    // 2.0 = 150 · 0.01 + 0.5 on the low-range line.
    EXPECT_TRUE(ControlMixture(context_, false, lowMixture, assignment, {u"nitrogen"}));
    EXPECT_EQ(context_.calibration[0].cnorm, 0.0);
    EXPECT_NEAR(context_.calibration[1].crate, 0.0, 1e-9);
    ExpectRelativelyNear(context_.calibration[1].cnorm, 2.8 * 5.0, "cnorm at 0.01 mol %");

    // Linear nitrogen is controlled against its first line: 2.0 / 150 misses 0.01 by a third.
    context_.settings.clbrNitrogen = true;
    context_.journal.entries.clear();
    EXPECT_FALSE(ControlMixture(context_, false, lowMixture, assignment, {u"nitrogen"}));
    ExpectRelativelyNear(context_.calibration[0].crate, std::fabs(0.01 - 2.0 / 150.0) / 0.01 * 100.0,
                         "crate");
    EXPECT_FALSE(context_.calibration[0].isok);
    ExpectJournal(context_.journal,
                  {CalibMessage(StringId::CalibrationControlComponentFailed,
                                {lowMixture, u"Азот", context_.calibration[0].crate, 2.8 * 5.0})});
}

TEST_F(CalibrationControlTest, AnUnknownMethodControlsNothingAgainstACalibration) {
    Control(kMixture, {Run(1000.0), Run(1000.0), Run(1000.0)});
    db_.Attach(context_);
    context_.calibrationKind = 9;
    EXPECT_FALSE(ControlMixture(context_, false, kMixture, context_.mixtures[0], {}));
    // No calibration gives a concentration: every controlled component misses by 100 %.
    EXPECT_EQ(FindResult(context_, u"ethane")->crate, 100.0);
    EXPECT_FALSE(FindResult(context_, u"ethane")->isok);
}

} // namespace

// The calibration stage as the pipeline runs it: the method chosen by the setting, the control, the
// order of the table and the overall status.
#include <gtest/gtest.h>

#include <vector>

#include "CalibrationTestSupport.h"
#include "calc/Stages.h"
#include "calc/Status.h"
#include "calc/bindings/Gost31371Binding.h"
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
const std::u16string kMixture = u"ГСО-ИПГ 1";
const std::u16string kSecond = u"ГСО-ИПГ 2";
constexpr double kNoise[5] = {1.0, 1.0005, 0.9995, 1.0002, 0.9998};

std::vector<std::u16string> Components(const CalcContext& context) {
    std::vector<std::u16string> components;
    for (const auto& result : context.calibration) {
        components.push_back(result.component);
    }
    return components;
}

class RunCalibrationTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Gost31371().loaded) << "the GOST 31371.7 library must lie beside the test program";
        db_.Mixture(kMixture, {{u"Метан", 90.5, 0.1, 2, 2},
                               {u"Этан", 5.0, 0.1, 2, 2},
                               {u"Азот", 1.5, 0.03, 3, 3},
                               {u"Пропан", 2.0, 0.06, 3, 3},
                               {u"н-Гексан", 0.5, 0.01, 3, 3},
                               {u"С6+*", 0.6, 0.01, 3, 3}});
    }
    // Peaks stored heaviest first, so that the table's order comes from the sort.
    static std::vector<Peak> Run(double scale = 1.0, double ethaneScale = 1.0) {
        return {{u"С6+", 150.0 * scale},
                {u"Пропан", 2500.0 * scale},
                {u"Этан", 1000.0 * scale * ethaneScale},
                {u"Азот", 600.0 * scale},
                {u"Метан", 90000.0 * scale}};
    }
    void Batch(AssayRole role, const std::u16string& mixture, const std::vector<std::vector<Peak>>& runs) {
        std::vector<int64_t> ids;
        for (const auto& peaks : runs) {
            ids.push_back(db_.Chromatogram(mixture, peaks));
        }
        AddToList(context_, ids, role, mixture, kStamp);
    }

    CalibrationDatabase db_;
    CalcContext context_ = calibtest::OneMixtureContext(kMixture, 1);
};

TEST_F(RunCalibrationTest, MethodBWithPassingControl) {
    Batch(AssayRole::Calibration, kMixture, {Run(1.0), Run(1.001), Run(0.999)});
    Batch(AssayRole::Control, kMixture, {Run(1.0005), Run(0.9995), Run(1.0)});
    db_.Attach(context_);
    EXPECT_EQ(RunCalibration(context_), Status::Ok);
    ExpectJournal(context_.journal, {});
    EXPECT_TRUE(context_.calibrationOk);
    EXPECT_EQ(context_.calibrationKind, 1);
    // By molar mass: nitrogen, ethane, propane, then c6plus and c6plusstar (equal) in their order.
    EXPECT_EQ(Components(context_),
              (std::vector<std::u16string>{u"nitrogen", u"ethane", u"propane", u"c6plus", u"c6plusstar"}));
    // The control data has no record "c6plusstar": it keeps its calibration values.
    EXPECT_GT(FindResult(context_, u"c6plus")->cnorm, 0.0);
    EXPECT_EQ(FindResult(context_, u"c6plusstar")->cnorm, 0.0);
    EXPECT_TRUE(FindResult(context_, u"c6plusstar")->isok);
    EXPECT_GT(FindResult(context_, u"ethane")->cvrng, 0.0);
    EXPECT_EQ(context_.calibrationAssays.size(), 3u); // control chromatograms are not listed
}

TEST_F(RunCalibrationTest, FailingControlGives291Then182Then265) {
    Batch(AssayRole::Calibration, kMixture, {Run(1.0), Run(1.001), Run(0.999)});
    Batch(AssayRole::Control, kMixture, {Run(1.0, 1.03), Run(1.0, 1.031), Run(1.0, 1.029)});
    db_.Attach(context_);
    EXPECT_EQ(RunCalibration(context_), Status::CalibrationFailed);
    EXPECT_FALSE(context_.calibrationOk);
    const CalibrationResult& ethane = *FindResult(context_, u"ethane");
    EXPECT_FALSE(ethane.isok);
    ExpectJournal(context_.journal, {CalibMessage(StringId::CalibrationControlComponentFailed,
                                                  {kMixture, u"Этан", ethane.crate, ethane.cnorm}),
                                     CalibText(u"Контроль градуировочной характеристики не пройден."),
                                     CalibText(u"Некоторые из компонентов не прошли проверку.")});
}

TEST_F(RunCalibrationTest, ControlIsNotRunAfterAFailedCalibrationStatus) {
    context_.mixtures.clear(); // no mixture: message 298, status -1
    db_.Attach(context_);
    EXPECT_EQ(RunCalibration(context_), Status::Failed);
    ExpectJournal(context_.journal, {CalibText(u"Не указана смесь для градуировки.")});
}

TEST_F(RunCalibrationTest, ControlOffLeavesTheControlValuesZero) {
    Batch(AssayRole::Calibration, kMixture, {Run(1.0), Run(1.001), Run(0.999)});
    db_.Attach(context_);
    context_.settings.clbrControl = false;
    context_.settings.clbrCalcMethod = 0;
    EXPECT_EQ(RunCalibration(context_), Status::Ok);
    EXPECT_EQ(context_.calibrationKind, 0);
    EXPECT_EQ(Components(context_), (std::vector<std::u16string>{u"nitrogen", u"ethane", u"propane", u"c6"}));
    for (const auto& result : context_.calibration) {
        EXPECT_EQ(result.cnorm, 0.0);
        EXPECT_EQ(result.crrng, 0.0);
    }
}

TEST_F(RunCalibrationTest, AnUnknownMethodCalibratesNothingButTheControlStillRuns) {
    db_.Attach(context_);
    context_.settings.clbrCalcMethod = 4;
    context_.calibrationKind = 4;
    context_.settings.clbrControl = false;
    EXPECT_EQ(RunCalibration(context_), Status::Ok);
    EXPECT_TRUE(context_.calibration.empty());
    ExpectJournal(context_.journal, {});

    context_.settings.clbrControl = true;
    EXPECT_EQ(RunCalibration(context_), Status::Failed);
    ExpectJournal(context_.journal, {CalibMessage(StringId::NotEnoughControlChromatograms, {kMixture, 0, 3}),
                                     CalibMessage(StringId::CalibrationControlFailed)});
}

TEST_F(RunCalibrationTest, MethodC1WithControlOfTheFirstMixture) {
    db_.Mixture(kSecond, {{u"Метан", 82.0, 0.1, 2, 2}, {u"Этан", 9.0, 0.1, 2, 2}, {u"Азот", 9.0, 0.1, 2, 2}});
    std::vector<std::vector<Peak>> first;
    std::vector<std::vector<Peak>> second;
    for (const double noise : kNoise) {
        first.push_back({{u"Этан", 1000.0 * noise}, {u"Азот", 600.0 * noise}});
        second.push_back({{u"Этан", 1800.0 * noise}, {u"Азот", 3600.0 * noise}});
    }
    Batch(AssayRole::Calibration, kMixture, first);
    Batch(AssayRole::Calibration, kSecond, second);
    Batch(AssayRole::Control, kMixture,
          {{{u"Этан", 1001.0}, {u"Азот", 600.0}},
           {{u"Этан", 999.0}, {u"Азот", 600.5}},
           {{u"Этан", 1000.0}, {u"Азот", 599.5}}});
    db_.Attach(context_);
    context_.settings.clbrCalcMethod = 2;
    context_.mixtures = {ComponentMixtures{u"", kMixture, kSecond, 0, 0}};
    EXPECT_EQ(RunCalibration(context_), Status::Ok);
    EXPECT_EQ(Components(context_), (std::vector<std::u16string>{u"nitrogen", u"ethane"}));
    const CalibrationResult& ethane = *FindResult(context_, u"ethane");
    EXPECT_TRUE(ethane.isok);
    EXPECT_NEAR(ethane.crate, 0.0, 1e-9); // the line through the origin meets both mixtures exactly
    EXPECT_EQ(ethane.cnorm, 2.8 * 0.5);
    ExpectJournal(context_.journal, {});
    EXPECT_EQ(context_.calibrationAssays.size(), 10u);
}

TEST_F(RunCalibrationTest, MethodC1CalibrationFailureSkipsTheControl) {
    // Only the first mixture has chromatograms: no result, status -1 and no control.
    std::vector<std::vector<Peak>> first;
    for (const double noise : kNoise) {
        first.push_back({{u"Этан", 1000.0 * noise}});
    }
    Batch(AssayRole::Calibration, kMixture, first);
    db_.Attach(context_);
    context_.settings.clbrCalcMethod = 2;
    context_.mixtures = {ComponentMixtures{u"", kMixture, kSecond, 0, 0}};
    EXPECT_EQ(RunCalibration(context_), Status::Failed);
    ExpectJournal(context_.journal,
                  {CalibMessage(StringId::NotEnoughCalibrationChromatograms, {kSecond, 0, 5})});
}

} // namespace

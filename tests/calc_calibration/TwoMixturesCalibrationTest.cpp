// Methods В1 and В2: calibration lines from five calibration chromatograms of each of two mixtures.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <numeric>
#include <vector>

#include "CalibrationTestSupport.h"
#include "calc/Stages.h"
#include "calc/Status.h"
#include "calc/bindings/Gost31371Binding.h"
#include "calc/calibration/AssignmentCalibration.h"
#include "calc/calibration/TwoMixturesCalibration.h"
#include "text/StringTable.h"

namespace {

using calibtest::AddToList;
using calibtest::CalibMessage;
using calibtest::CalibrationDatabase;
using calibtest::CalibText;
using calibtest::FindResult;
using calibtest::Peak;
using calibtest::SampleRsdPct;
using testsupport::ExpectJournal;

constexpr uint32_t kStamp = 1700000000;
constexpr int32_t kMethodC1 = 2;
constexpr int32_t kMethodC2 = 3;
const std::u16string kFirst = u"ИПГ нижний";
const std::u16string kSecond = u"ИПГ верхний";

// Relative noise of the five chromatograms of a batch: symmetric, so that the mean area stays exact.
constexpr double kNoise[5] = {1.0, 1.0005, 0.9995, 1.0002, 0.9998};

double Mean(const std::vector<double>& values) {
    return std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
}

void ExpectRelativelyNear(double actual, double expected, const char* what) {
    EXPECT_NEAR(actual, expected, std::fabs(expected) * 1e-9 + 1e-12) << what;
}

class TwoMixturesCalibrationTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Gost31371().loaded) << "the GOST 31371.7 library must lie beside the test program";
        context_.settings.clbrCalcMethod = kMethodC1;
        context_.calibrationKind = kMethodC1;
        context_.settings.clbrControl = false;
    }

    // Areas of one component over a batch: response (area per mol %) times the concentration, with the
    // batch's noise.
    static std::vector<double> Areas(double response, double concentration) {
        std::vector<double> areas;
        for (const double noise : kNoise) {
            areas.push_back(response * concentration * noise);
        }
        return areas;
    }

    // count chromatograms of the mixture; peaks(k) gives the peaks of the k-th.
    std::vector<int64_t> Batch(const std::u16string& mixture, int count,
                               const std::function<std::vector<Peak>(int)>& peaks, uint32_t stamp = kStamp) {
        std::vector<int64_t> ids;
        for (int k = 0; k < count; ++k) {
            ids.push_back(db_.Chromatogram(mixture, peaks(k)));
        }
        AddToList(context_, ids, AssayRole::Calibration, mixture, stamp);
        return ids;
    }

    // Ethane, propane and nitrogen with proportional responses; the second mixture's ethane reads 0.2 %
    // high and its propane 3 % high.
    void UsualMixtures() {
        db_.Mixture(kFirst, {{u"Метан", 80.0, 0.1, 2, 2},
                             {u"Этан", 7.0, 0.1, 2, 2},
                             {u"Пропан", 3.0, 0.06, 2, 2},
                             {u"Азот", 6.5, 0.1, 2, 2}});
        db_.Mixture(kSecond, {{u"Метан", 60.0, 0.1, 2, 2},
                              {u"Этан", 13.0, 0.2, 1, 1},
                              {u"Пропан", 5.5, 0.1, 2, 2},
                              {u"Азот", 13.0, 0.2, 1, 1}});
        firstIds_ = Batch(kFirst, 5, [](int k) {
            return std::vector<Peak>{{u"Метан", 100.0 * 80.0 * kNoise[k]},
                                     {u"Этан", 200.0 * 7.0 * kNoise[k]},
                                     {u"Пропан", 300.0 * 3.0 * kNoise[k]},
                                     {u"Азот", 150.0 * 6.5 * kNoise[k]}};
        });
        secondIds_ = Batch(kSecond, 5, [](int k) {
            return std::vector<Peak>{{u"Метан", (100.0 * 60.0 + 40.0) * kNoise[k]},
                                     {u"Этан", 200.4 * 13.0 * kNoise[k]},
                                     {u"Пропан", 309.0 * 5.5 * kNoise[k]},
                                     {u"Азот", 150.0 * 13.0 * kNoise[k]}};
        });
    }

    CalibrationDatabase db_;
    CalcContext context_;
    std::vector<int64_t> firstIds_;
    std::vector<int64_t> secondIds_;
};

TEST_F(TwoMixturesCalibrationTest, LinesThroughTheOriginJudgedAtBothMixtures) {
    UsualMixtures();
    db_.Attach(context_);
    context_.mixtures = {ComponentMixtures{u"", kFirst, kSecond, 0, 0}};
    EXPECT_EQ(CalibrateTwoMixtures(context_, false), Status::Failed); // propane fails

    EXPECT_EQ(context_.calibrationKind, kMethodC1);
    EXPECT_FALSE(context_.calibrationOk);
    std::set<int64_t> used(firstIds_.begin(), firstIds_.end());
    used.insert(secondIds_.begin(), secondIds_.end());
    EXPECT_EQ(context_.calibrationAssays, used);
    ASSERT_EQ(context_.calibration.size(), 3u); // methane by difference is not calibrated
    EXPECT_EQ(context_.calibration[0].component, u"ethane");
    EXPECT_EQ(context_.calibration[1].component, u"propane");
    EXPECT_EQ(context_.calibration[2].component, u"nitrogen");

    // Ethane: the line through the origin has the mean response factor of the ten areas (GOST 31371.7
    // method В, one coefficient), here (200 + 200.4) / 2.
    const CalibrationResult& ethane = context_.calibration[0];
    const std::vector<double> ethane1 = Areas(200.0, 7.0);
    const std::vector<double> ethane2 = Areas(200.4, 13.0);
    double factorSum = 0.0;
    for (size_t k = 0; k < 5; ++k) {
        factorSum += ethane1[k] / 7.0 + ethane2[k] / 13.0;
    }
    const double a = factorSum / 10.0;
    EXPECT_TRUE(ethane.isok);
    EXPECT_EQ(ethane.conc1, 7.0);
    EXPECT_EQ(ethane.conc2, 13.0);
    EXPECT_EQ(ethane.digits1, 2);
    EXPECT_EQ(ethane.digits2, 1);
    ExpectRelativelyNear(ethane.inka, a, "inka");
    EXPECT_EQ(ethane.inkb, 0.0);
    ExpectRelativelyNear(ethane.mda1, Mean(ethane1), "mda1");
    ExpectRelativelyNear(ethane.mda2, Mean(ethane2), "mda2");
    ExpectRelativelyNear(ethane.rate1, std::fabs(7.0 - Mean(ethane1) / a) / 7.0 * 100.0, "rate1");
    ExpectRelativelyNear(ethane.rate2, std::fabs(13.0 - Mean(ethane2) / a) / 13.0 * 100.0, "rate2");
    // Limits: twice the allowed relative standard deviation, 0.5 % above 1 mol %, 0.2 % above 10 mol %.
    ExpectRelativelyNear(ethane.norm1, 2 * 0.5, "norm1");
    ExpectRelativelyNear(ethane.norm2, 2 * 0.2, "norm2");
    ExpectRelativelyNear(ethane.arsd1, SampleRsdPct(ethane1), "arsd1");
    ExpectRelativelyNear(ethane.arsd2, SampleRsdPct(ethane2), "arsd2");
    EXPECT_EQ(ethane.cval1, 0.5);
    EXPECT_EQ(ethane.cval2, 0.2);
    for (const double unused : {ethane.ink1, ethane.ink2, ethane.ink3, ethane.midk, ethane.crrng,
                                ethane.cvrng, ethane.crate, ethane.cnorm}) {
        EXPECT_EQ(unused, 0.0);
    }

    // Propane reads 3 % high in the second mixture: the line misses both mixtures by about 1.5 %.
    const CalibrationResult& propane = context_.calibration[1];
    const double propaneA = (300.0 + 309.0) / 2.0;
    const double rate1 = std::fabs(3.0 - 300.0 * 3.0 / propaneA) / 3.0 * 100.0;
    const double rate2 = std::fabs(5.5 - 309.0 * 5.5 / propaneA) / 5.5 * 100.0;
    EXPECT_FALSE(propane.isok);
    ExpectRelativelyNear(propane.rate1, rate1, "propane rate1");
    ExpectRelativelyNear(propane.rate2, rate2, "propane rate2");
    EXPECT_TRUE(context_.calibration[2].isok);
    ExpectJournal(
        context_.journal,
        {CalibMessage(StringId::CalibrationFactorNotAcceptable, {kFirst, u"Пропан", propane.rate1, 1.0}),
         CalibMessage(StringId::CalibrationFactorNotAcceptable, {kSecond, u"Пропан", propane.rate2, 1.0})});
    EXPECT_EQ(testsupport::JournalTexts(context_).at(0),
              u"В смеси \"ИПГ нижний\" для компонента \"Пропан\" не пройдена проверка "
              u"приемлемости значения градуировочного коэффициента [1.477833 > 1.000000].");
}

TEST_F(TwoMixturesCalibrationTest, MethaneGetsALeastSquaresLineWithIntercept) {
    UsualMixtures();
    db_.Attach(context_);
    context_.settings.clcMethaneDiff = false;
    context_.mixtures = {ComponentMixtures{u"methane", kFirst, kSecond, 0, 0}};
    EXPECT_EQ(CalibrateTwoMixtures(context_, false), Status::Ok);
    ASSERT_EQ(context_.calibration.size(), 1u); // the assignment names methane only
    const CalibrationResult& methane = context_.calibration[0];
    // With five areas at each concentration the least-squares line passes through both mean areas.
    const double mean1 = Mean(Areas(100.0, 80.0));
    const double mean2 = Mean(Areas(1.0, 100.0 * 60.0 + 40.0));
    const double slope = (mean2 - mean1) / (60.0 - 80.0);
    ExpectRelativelyNear(methane.inka, slope, "inka");
    ExpectRelativelyNear(methane.inkb, mean1 - slope * 80.0, "inkb");
    EXPECT_NEAR(methane.rate1, 0.0, 1e-9);
    EXPECT_NEAR(methane.rate2, 0.0, 1e-9);
    EXPECT_TRUE(methane.isok);
    EXPECT_TRUE(context_.calibrationOk);
    EXPECT_EQ(context_.calibrationAssays.size(), 10u);
}

TEST_F(TwoMixturesCalibrationTest, AssignmentsWithoutMixturesMessages299And300) {
    db_.Attach(context_);
    context_.mixtures = {ComponentMixtures{u"nitrogen", u"", kSecond, 0, 0},
                         ComponentMixtures{u"", kFirst, u"", 0, 0},
                         ComponentMixtures{u"oxygen", u"", u"", 0, 0}};
    EXPECT_EQ(CalibrateTwoMixtures(context_, true), Status::Failed);
    EXPECT_EQ(context_.calibrationKind, kMethodC2);
    EXPECT_FALSE(context_.calibrationOk);
    ExpectJournal(context_.journal,
                  {CalibText(u"Для компонента \"Азот\" не указана первая смесь для градуировки."),
                   // The general assignment is named "*": all components.
                   CalibText(u"Для компонента \"*\" не указана вторая смесь для градуировки."),
                   CalibText(u"Для компонента \"Кислород\" не указана первая смесь для градуировки."),
                   CalibText(u"Для компонента \"Кислород\" не указана вторая смесь для градуировки.")});
    // Without any assignment there is no result, and so no calibration; the journal says why.
    CalcContext empty;
    db_.Attach(empty);
    EXPECT_EQ(CalibrateTwoMixtures(empty, false), Status::Failed);
    ExpectJournal(empty.journal, {CalibText(u"Не указана смесь для градуировки.")});
}

TEST_F(TwoMixturesCalibrationTest, TooFewChromatogramsOfEitherMixtureMessage112) {
    UsualMixtures();
    db_.Attach(context_);
    // The first mixture has its five; a sixth chromatogram of another batch leaves one.
    CalcContext shortFirst = context_;
    AddToList(shortFirst, {firstIds_[0]}, AssayRole::Calibration, kFirst, kStamp + 60);
    shortFirst.mixtures = {ComponentMixtures{u"", kFirst, kSecond, 0, 0}};
    EXPECT_EQ(CalibrateAssignment(shortFirst, false, kFirst, kSecond, shortFirst.mixtures[0]),
              Status::Failed);
    ExpectJournal(shortFirst.journal,
                  {CalibText(u"Недостаточно градуировочных хроматограм для смеси \"ИПГ нижний\". "
                             u"Загружено 1 из 5.")});
    EXPECT_TRUE(shortFirst.calibration.empty());
    EXPECT_TRUE(shortFirst.calibrationAssays.empty());

    // The first is complete, the second has none: only the second is reported.
    context_.mixtures = {ComponentMixtures{u"", kFirst, u"Нет такой", 0, 0}};
    EXPECT_EQ(CalibrateTwoMixtures(context_, false), Status::Failed);
    ExpectJournal(context_.journal,
                  {CalibMessage(StringId::NotEnoughCalibrationChromatograms, {u"Нет такой", 0, 5})});
    EXPECT_TRUE(context_.calibration.empty());
}

TEST_F(TwoMixturesCalibrationTest, FirstWindowOfFiveFailsTheAreaCheckAndTheNextPasses) {
    db_.Mixture(kFirst, {{u"Метан", 93.0, 0.1, 2, 2}, {u"Этан", 7.0, 0.1, 2, 2}});
    db_.Mixture(kSecond, {{u"Метан", 87.0, 0.1, 2, 2}, {u"Этан", 13.0, 0.2, 1, 1}});
    // Seven chromatograms of the first mixture; the first one's ethane is 3 % high.
    const std::vector<double> ethane1 = {1442.0, 1400.0, 1401.0, 1399.0, 1400.5, 1399.5, 1400.0};
    const std::vector<int64_t> first = Batch(kFirst, 7, [&](int k) {
        return std::vector<Peak>{{u"Метан", 9300.0}, {u"Этан", ethane1[k]}};
    });
    const std::vector<int64_t> second = Batch(kSecond, 5, [](int k) {
        return std::vector<Peak>{{u"Метан", 8700.0}, {u"Этан", 2600.0 * kNoise[k]}};
    });
    db_.Attach(context_);
    context_.mixtures = {ComponentMixtures{u"", kFirst, kSecond, 0, 0}};
    EXPECT_EQ(CalibrateTwoMixtures(context_, false), Status::Ok);

    const std::vector<double> window0(ethane1.begin(), ethane1.begin() + 5);
    const std::vector<double> window1(ethane1.begin() + 1, ethane1.begin() + 6);
    ExpectJournal(context_.journal, {CalibMessage(StringId::CalibrationAreasNotAcceptable,
                                                  {kFirst, u"Этан", SampleRsdPct(window0), 0.5})});
    std::set<int64_t> used(first.begin() + 1, first.begin() + 6);
    used.insert(second.begin(), second.end());
    EXPECT_EQ(context_.calibrationAssays, used);
    const CalibrationResult& ethane = *FindResult(context_, u"ethane");
    ExpectRelativelyNear(ethane.mda1, Mean(window1), "mda1 of the second window");
    ExpectRelativelyNear(ethane.arsd1, SampleRsdPct(window1), "arsd1 of the second window");
    EXPECT_TRUE(ethane.isok);
    EXPECT_TRUE(context_.calibrationOk);
}

TEST_F(TwoMixturesCalibrationTest, WithoutAnAcceptableWindowNoComponentPasses) {
    db_.Mixture(kFirst,
                {{u"Метан", 90.0, 0.1, 2, 2}, {u"Этан", 7.0, 0.1, 2, 2}, {u"Пропан", 3.0, 0.06, 2, 2}});
    db_.Mixture(kSecond,
                {{u"Метан", 81.5, 0.1, 2, 2}, {u"Этан", 13.0, 0.2, 1, 1}, {u"Пропан", 5.5, 0.1, 2, 2}});
    const std::vector<double> ethane1 = {1400.0, 1450.0, 1350.0, 1400.0, 1400.0};
    const std::vector<int64_t> first = Batch(kFirst, 5, [&](int k) {
        return std::vector<Peak>{{u"Этан", ethane1[k]}, {u"Пропан", 900.0 * kNoise[k]}};
    });
    Batch(kSecond, 5, [](int k) {
        return std::vector<Peak>{{u"Этан", 2600.0 * kNoise[k]}, {u"Пропан", 1650.0 * kNoise[k]}};
    });
    db_.Attach(context_);
    context_.mixtures = {ComponentMixtures{u"", kFirst, kSecond, 0, 0}};
    EXPECT_EQ(CalibrateTwoMixtures(context_, false), Status::Failed);
    ExpectJournal(
        context_.journal,
        {CalibMessage(StringId::CalibrationAreasNotAcceptable, {kFirst, u"Этан", SampleRsdPct(ethane1), 0.5}),
         CalibText(u"Недостаточно градуировочных хроматограм для смеси \"ИПГ нижний\"."),
         CalibMessage(StringId::NoCalibrationLine, {u"Этан"}),
         CalibMessage(StringId::NoCalibrationLine, {u"Пропан"})});
    const CalibrationResult& ethane = *FindResult(context_, u"ethane");
    const CalibrationResult& propane = *FindResult(context_, u"propane");
    // No line is drawn, and a component without a line has no concentration: propane's repeatable areas
    // do not make it pass.
    EXPECT_FALSE(ethane.isok);
    EXPECT_FALSE(propane.isok);
    for (const CalibrationResult* result : {&ethane, &propane}) {
        for (const double unused : {result->inka, result->inkb, result->mda1, result->mda2, result->rate1,
                                    result->norm1, result->rate2, result->norm2}) {
            EXPECT_EQ(unused, 0.0);
        }
    }
    ExpectRelativelyNear(ethane.arsd1, SampleRsdPct(ethane1), "arsd1");
    EXPECT_EQ(ethane.cval1, 0.5);
    EXPECT_EQ(propane.cval2, 0.5);
    // The first five chromatograms of the failed mixture count as used.
    EXPECT_EQ(context_.calibrationAssays.count(first[0]), 1u);
    EXPECT_EQ(context_.calibrationAssays.size(), 10u);
}

TEST_F(TwoMixturesCalibrationTest, AreasThatCannotBeJudgedNeverPass) {
    // Helium is certified only in the first mixture but shows, with identical areas, in the second:
    // the second mixture fails its area check, which cannot be evaluated for an uncertified component.
    // Ethane has a negative area in the first mixture, which the library cannot judge (it answers a
    // relative standard deviation of 0). Both are said in words, not as "[0.000000 > 0.000000]".
    db_.Mixture(kFirst,
                {{u"Метан", 92.9, 0.1, 2, 2}, {u"Этан", 7.0, 0.1, 2, 2}, {u"Гелий", 0.1, 0.003, 3, 3}});
    db_.Mixture(kSecond, {{u"Метан", 87.0, 0.1, 2, 2}, {u"Этан", 13.0, 0.2, 1, 1}});
    std::vector<double> ethane1;
    for (int k = 0; k < 5; ++k) {
        ethane1.push_back(k == 2 ? -1400.0 : 1400.0 * kNoise[k]);
    }
    Batch(kFirst, 5, [&](int k) {
        return std::vector<Peak>{{u"Этан", ethane1[k]}, {u"Гелий", 20.0 * kNoise[k]}};
    });
    Batch(kSecond, 5, [](int k) {
        return std::vector<Peak>{{u"Этан", 2600.0 * kNoise[k]}, {u"Гелий", 3.0}};
    });
    db_.Attach(context_);
    context_.mixtures = {ComponentMixtures{u"", kFirst, kSecond, 0, 0}};
    EXPECT_EQ(CalibrateTwoMixtures(context_, false), Status::Failed);

    ExpectJournal(context_.journal,
                  {CalibMessage(StringId::CalibrationAreasNotJudgeable, {kFirst, u"Этан"}),
                   CalibMessage(StringId::NotEnoughAcceptableCalibrationChromatograms, {kFirst}),
                   CalibMessage(StringId::CalibrationAreasComponentNotCertified, {kSecond, u"Гелий"}),
                   CalibMessage(StringId::NotEnoughAcceptableCalibrationChromatograms, {kSecond}),
                   CalibMessage(StringId::NoCalibrationLine, {u"Этан"}),
                   CalibMessage(StringId::NoCalibrationLine, {u"Гелий"})});
    const CalibrationResult& ethane = *FindResult(context_, u"ethane");
    const CalibrationResult& helium = *FindResult(context_, u"helium");
    EXPECT_FALSE(ethane.isok);
    EXPECT_EQ(ethane.arsd1, 0.0);
    EXPECT_EQ(ethane.cval1, 0.5);
    EXPECT_FALSE(helium.isok);
    EXPECT_EQ(helium.arsd2, 0.0);
    EXPECT_EQ(helium.cval2, 0.0);
}

TEST_F(TwoMixturesCalibrationTest, AComponentTheSecondMixtureDoesNotCertifyFails) {
    // Helium appears only in the first mixture's chromatograms and is certified only there: both
    // mixtures pass their area checks, and the line cannot be judged at the second mixture.
    db_.Mixture(kFirst,
                {{u"Метан", 92.9, 0.1, 2, 2}, {u"Этан", 7.0, 0.1, 2, 2}, {u"Гелий", 0.1, 0.003, 3, 3}});
    db_.Mixture(kSecond, {{u"Метан", 87.0, 0.1, 2, 2}, {u"Этан", 13.0, 0.2, 1, 1}});
    Batch(kFirst, 5, [](int k) {
        return std::vector<Peak>{{u"Этан", 1400.0 * kNoise[k]}, {u"Гелий", 20.0 * kNoise[k]}};
    });
    Batch(kSecond, 5, [](int k) { return std::vector<Peak>{{u"Этан", 2600.0 * kNoise[k]}}; });
    db_.Attach(context_);
    context_.mixtures = {ComponentMixtures{u"", kFirst, kSecond, 0, 0}};
    EXPECT_EQ(CalibrateTwoMixtures(context_, false), Status::Failed);
    const CalibrationResult& helium = *FindResult(context_, u"helium");
    EXPECT_FALSE(helium.isok);
    EXPECT_EQ(helium.conc2, 0.0);
    EXPECT_EQ(helium.digits2, -1);
    // The library draws no line with a zero concentration (a = 0): the component has no line, which the
    // journal says, instead of deviations of 100 % and "nan" from a line that does not exist.
    EXPECT_EQ(helium.inka, 0.0);
    EXPECT_EQ(helium.rate1, 0.0);
    EXPECT_EQ(helium.rate2, 0.0);
    EXPECT_EQ(helium.norm2, 0.0);
    ExpectJournal(context_.journal, {CalibMessage(StringId::NoCalibrationLine, {u"Гелий"})});
    EXPECT_TRUE(FindResult(context_, u"ethane")->isok);
}

TEST_F(TwoMixturesCalibrationTest, NitrogenGetsALowRangeLineBesideTheGeneralOne) {
    UsualMixtures();
    const std::u16string low1 = u"Азот 0.006";
    const std::u16string low2 = u"Азот 0.022";
    db_.Mixture(low1, {{u"Гелий", 99.994, 0.01, 3, 3}, {u"Азот", 0.006, 0.0004, 4, 4}});
    db_.Mixture(low2, {{u"Гелий", 99.978, 0.01, 3, 3}, {u"Азот", 0.022, 0.0008, 4, 4}});
    // Near its detection limit nitrogen has an offset: area = 150·x + 0.5.
    Batch(low1, 5, [](int k) { return std::vector<Peak>{{u"Азот", (150.0 * 0.006 + 0.5) * kNoise[k]}}; });
    Batch(low2, 5, [](int k) { return std::vector<Peak>{{u"Азот", (150.0 * 0.022 + 0.5) * kNoise[k]}}; });
    db_.Attach(context_);
    context_.settings.clbrNitrogen = false;
    context_.mixtures = {ComponentMixtures{u"", kFirst, kSecond, 0, 0},
                         ComponentMixtures{u"nitrogen", low1, low2, 0, 0},
                         // Above the low range like the general assignment's mixtures: the line named for
                         // nitrogen takes precedence over the general one.
                         ComponentMixtures{u"nitrogen", kSecond, kFirst, 0, 0}};
    CalibrateTwoMixtures(context_, false);
    std::vector<const CalibrationResult*> nitrogen;
    for (const auto& result : context_.calibration) {
        if (result.component == u"nitrogen") {
            nitrogen.push_back(&result);
        }
    }
    ASSERT_EQ(nitrogen.size(), 2u);
    EXPECT_EQ(nitrogen[0]->conc1, 0.006);
    EXPECT_EQ(nitrogen[0]->conc2, 0.022);
    ExpectRelativelyNear(nitrogen[0]->inka, 150.0, "low-range slope");
    ExpectRelativelyNear(nitrogen[0]->inkb, 0.5, "low-range intercept");
    EXPECT_TRUE(nitrogen[0]->isok);
    EXPECT_EQ(nitrogen[1]->conc1, 13.0);
    EXPECT_EQ(nitrogen[1]->conc2, 6.5);
    EXPECT_EQ(nitrogen[1]->inkb, 0.0); // above the low range: through the origin
    // The helium of the low-range mixtures is not calibrated: those assignments name nitrogen only.
    EXPECT_EQ(FindResult(context_, u"helium"), nullptr);
}

TEST_F(TwoMixturesCalibrationTest, LinearNitrogenIsReplacedByItsOwnAssignment) {
    UsualMixtures();
    const std::u16string own1 = u"Азот 5";
    const std::u16string own2 = u"Азот 10";
    db_.Mixture(own1, {{u"Гелий", 95.0, 0.01, 3, 3}, {u"Азот", 5.0, 0.1, 2, 2}});
    db_.Mixture(own2, {{u"Гелий", 90.0, 0.01, 3, 3}, {u"Азот", 10.0, 0.2, 1, 1}});
    Batch(own1, 5, [](int k) { return std::vector<Peak>{{u"Азот", 750.0 * kNoise[k]}}; });
    Batch(own2, 5, [](int k) { return std::vector<Peak>{{u"Азот", 1500.0 * kNoise[k]}}; });
    db_.Attach(context_);
    context_.mixtures = {ComponentMixtures{u"", kFirst, kSecond, 0, 0},
                         ComponentMixtures{u"nitrogen", own1, own2, 0, 0}};
    CalibrateTwoMixtures(context_, false);
    // The named assignment is calibrated first; the general one gives only the other components.
    ASSERT_EQ(context_.calibration.size(), 3u);
    EXPECT_EQ(context_.calibration[0].component, u"nitrogen");
    EXPECT_EQ(context_.calibration[0].conc1, 5.0);
    EXPECT_EQ(context_.calibration[0].conc2, 10.0);
    EXPECT_EQ(context_.calibration[1].component, u"ethane");
    EXPECT_EQ(context_.calibration[2].component, u"propane");
    EXPECT_EQ(context_.calibrationAssays.size(), 20u);
}

TEST_F(TwoMixturesCalibrationTest, AnOwnAssignmentComesBeforeTheGeneralOneWhereverListed) {
    UsualMixtures();
    db_.Attach(context_);
    context_.mixtures = {ComponentMixtures{u"", kFirst, kSecond, 0, 0},
                         ComponentMixtures{u"ethane", kFirst, kSecond, 0, 0}};
    CalibrateTwoMixtures(context_, false);
    ASSERT_EQ(context_.calibration.size(), 3u);
    EXPECT_EQ(context_.calibration[0].component, u"ethane");
    EXPECT_EQ(context_.calibration[1].component, u"propane");
    EXPECT_EQ(context_.calibration[2].component, u"nitrogen");
    // The same chromatograms were used twice; propane, calibrated by the general assignment only, fails
    // at both mixtures.
    EXPECT_EQ(context_.calibrationAssays.size(), 10u);
    const CalibrationResult& propane = *FindResult(context_, u"propane");
    ExpectJournal(
        context_.journal,
        {CalibMessage(StringId::CalibrationFactorNotAcceptable, {kFirst, u"Пропан", propane.rate1, 1.0}),
         CalibMessage(StringId::CalibrationFactorNotAcceptable, {kSecond, u"Пропан", propane.rate2, 1.0})});
}

TEST_F(TwoMixturesCalibrationTest, MethodC2GroupsTheHeavyHydrocarbonsAsC6Plus) {
    db_.Mixture(kFirst,
                {{u"Метан", 92.5, 0.1, 2, 2}, {u"Этан", 7.0, 0.1, 2, 2}, {u"н-Гексан", 0.5, 0.01, 2, 2}});
    db_.Mixture(kSecond,
                {{u"Метан", 86.0, 0.1, 2, 2}, {u"Этан", 13.0, 0.2, 1, 1}, {u"н-Гексан", 1.0, 0.02, 2, 2}});
    Batch(kFirst, 5, [](int k) {
        return std::vector<Peak>{
            {u"Этан", 1400.0 * kNoise[k]}, {u"н-Гексан", 150.0 * kNoise[k]}, {u"н-Гептан", 50.0 * kNoise[k]}};
    });
    Batch(kSecond, 5, [](int k) {
        return std::vector<Peak>{{u"Этан", 2600.0 * kNoise[k]},
                                 {u"н-Гексан", 300.0 * kNoise[k]},
                                 {u"н-Гептан", 100.0 * kNoise[k]}};
    });
    db_.Attach(context_);
    context_.settings.clbrCalcMethod = kMethodC2;
    context_.mixtures = {ComponentMixtures{u"", kFirst, kSecond, 0, 0}};
    EXPECT_EQ(CalibrateTwoMixtures(context_, true), Status::Ok);
    EXPECT_EQ(context_.calibrationKind, kMethodC2);
    ASSERT_EQ(context_.calibration.size(), 2u);
    const CalibrationResult& c6plus = context_.calibration[1];
    EXPECT_EQ(c6plus.component, u"c6plus");
    EXPECT_EQ(c6plus.conc1, 0.5);
    EXPECT_EQ(c6plus.conc2, 1.0);
    ExpectRelativelyNear(c6plus.mda1, 200.0, "mda1");
    ExpectRelativelyNear(c6plus.inka, 400.0, "inka"); // 200 / 0.5 and 400 / 1.0
    EXPECT_TRUE(c6plus.isok);
}

TEST_F(TwoMixturesCalibrationTest, AComponentWithoutAreasGetsNoResult) {
    UsualMixtures();
    db_.Attach(context_);
    // Zero helium peaks in every chromatogram of an extra batch of each mixture.
    CalcContext context = context_;
    context.assays.clear();
    std::vector<int64_t> first;
    std::vector<int64_t> second;
    {
        CalibrationDatabase other;
        other.Mixture(kFirst, {{u"Этан", 7.0, 0.1, 2, 2}, {u"Гелий", 0.1, 0.003, 3, 3}});
        other.Mixture(kSecond, {{u"Этан", 13.0, 0.2, 1, 1}, {u"Гелий", 0.4, 0.01, 2, 2}});
        for (int k = 0; k < 5; ++k) {
            first.push_back(other.Chromatogram(kFirst, {{u"Этан", 1400.0 * kNoise[k]}, {u"Гелий", 0.0}}));
            second.push_back(other.Chromatogram(kSecond, {{u"Этан", 2600.0 * kNoise[k]}, {u"Гелий", 0.0}}));
        }
        other.Attach(context);
        AddToList(context, first, AssayRole::Calibration, kFirst, kStamp);
        AddToList(context, second, AssayRole::Calibration, kSecond, kStamp);
        context.mixtures = {ComponentMixtures{u"", kFirst, kSecond, 0, 0}};
        EXPECT_EQ(CalibrateTwoMixtures(context, false), Status::Ok);
        EXPECT_EQ(FindResult(context, u"helium"), nullptr);
        EXPECT_NE(FindResult(context, u"ethane"), nullptr);
    }
}

} // namespace

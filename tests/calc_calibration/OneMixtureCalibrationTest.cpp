// Methods А and Б: calibration factors from windows of three calibration chromatograms of one mixture.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "CalibrationTestSupport.h"
#include "calc/Stages.h"
#include "calc/Status.h"
#include "calc/bindings/Gost31371Binding.h"
#include "calc/calibration/OneMixtureCalibration.h"
#include "data/HostSources.h"
#include "support/TempHostDatabase.h"
#include "text/StringTable.h"

namespace {

using calibtest::AddToList;
using calibtest::CalibMessage;
using calibtest::CalibrationDatabase;
using calibtest::CalibText;
using calibtest::FactorsOf;
using calibtest::FindResult;
using calibtest::Peak;
using testsupport::ExpectJournal;

constexpr uint32_t kStamp = 1700000000;
constexpr int32_t kMethodA = 0;
constexpr int32_t kMethodB = 1;
const std::u16string kMixture = u"ГСО-ИПГ 10541";

// Limits of the rate of acceptability of the three factors: 3.3·s(c), the ISO 5725-6 critical range of
// three results times the allowed relative standard deviation of the areas at c (0.5 % above 1 mol %,
// 2 % above 0.01 up to 0.1 mol %, 1 % above 0.1 up to 1 mol %, 5 % up to 0.01 mol %).
constexpr double kLimitAbove1 = 3.3 * 0.5;
constexpr double kLimitUpTo01 = 3.3 * 2.0;
constexpr double kLimitUpTo1 = 3.3 * 1.0;
constexpr double kLimitUpTo001 = 3.3 * 5.0;

void ExpectRelativelyNear(double actual, double expected, const char* what) {
    EXPECT_NEAR(actual, expected, std::fabs(expected) * 1e-12 + 1e-300) << what;
}

class OneMixtureCalibrationTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Gost31371().loaded) << "the GOST 31371.7 library must lie beside the test program";
    }

    // The usual mixture: methane, ethane, propane, nitrogen, n-hexane and n-heptane.
    void UsualMixture() {
        db_.Mixture(kMixture, {{u"Метан", 90.0, 0.1, 2, 2},
                               {u"Этан", 5.0, 0.1, 2, 2},
                               {u"Пропан", 2.0, 0.06, 3, 3},
                               {u"Азот", 2.93, 0.06, 3, 3},
                               {u"н-Гексан", 0.05, 0.0015, 4, 4},
                               {u"н-Гептан", 0.02, 0.0006, 4, 4}});
    }
    static std::vector<Peak> UsualPeaks(double ethane) {
        return {{u"Метан", 90000.0}, {u"Этан", ethane},   {u"Пропан", 2500.0},
                {u"Азот", 1500.0},   {u"н-Гексан", 80.0}, {u"н-Гептан", 35.0}};
    }
    std::vector<int64_t> Batch(const std::vector<double>& ethaneAreas) {
        std::vector<int64_t> ids;
        for (const double ethane : ethaneAreas) {
            ids.push_back(db_.Chromatogram(kMixture, UsualPeaks(ethane)));
        }
        AddToList(context_, ids, AssayRole::Calibration, kMixture, kStamp);
        return ids;
    }

    CalibrationDatabase db_;
    CalcContext context_ = calibtest::OneMixtureContext(kMixture, kMethodA);
};

TEST_F(OneMixtureCalibrationTest, MethodAGivesEveryComponentItsFactor) {
    UsualMixture();
    const std::vector<int64_t> ids = Batch({1000.0, 1005.0, 1002.0});
    db_.Attach(context_);
    ASSERT_EQ(CalibrateOneMixture(context_, false), Status::Ok);

    ExpectJournal(context_.journal, {});
    EXPECT_EQ(context_.calibrationKind, kMethodA);
    EXPECT_TRUE(context_.calibrationOk);
    EXPECT_EQ(context_.calibrationAssays, std::set<int64_t>(ids.begin(), ids.end()));
    // Peaks in order of first appearance, the groups С6 and С7 appended; methane by difference is not
    // calibrated.
    std::vector<std::u16string> components;
    for (const auto& result : context_.calibration) {
        components.push_back(result.component);
    }
    EXPECT_EQ(components, (std::vector<std::u16string>{u"ethane", u"propane", u"nitrogen", u"c6", u"c7"}));

    const CalibrationResult& ethane = *FindResult(context_, u"ethane");
    const calibtest::Factors factors = FactorsOf(5.0, 1000.0, 1005.0, 1002.0);
    EXPECT_TRUE(ethane.isok);
    EXPECT_EQ(ethane.conc1, 5.0);
    EXPECT_EQ(ethane.digits1, 2);
    EXPECT_EQ(ethane.digits2, -1);
    ExpectRelativelyNear(ethane.ink1, factors.k1, "ink1");
    ExpectRelativelyNear(ethane.ink2, factors.k2, "ink2");
    ExpectRelativelyNear(ethane.ink3, factors.k3, "ink3");
    ExpectRelativelyNear(ethane.midk, factors.mean, "midk");
    ExpectRelativelyNear(ethane.mda1, 3007.0 / 3.0, "mda1");
    ExpectRelativelyNear(ethane.rate1, factors.ratePct, "rate1");
    ExpectRelativelyNear(ethane.norm1, kLimitAbove1, "norm1");
    for (const double unused :
         {ethane.conc2, ethane.mda2, ethane.inka, ethane.inkb, ethane.rate2, ethane.norm2, ethane.crrng,
          ethane.cvrng, ethane.crate, ethane.cnorm, ethane.arsd1, ethane.cval1, ethane.arsd2, ethane.cval2}) {
        EXPECT_EQ(unused, 0.0);
    }

    // The groups take the certified values of their normal alkanes.
    const CalibrationResult& c6 = *FindResult(context_, u"c6");
    EXPECT_EQ(c6.conc1, 0.05);
    EXPECT_EQ(c6.digits1, 4);
    ExpectRelativelyNear(c6.midk, 0.05 / 80.0, "c6 midk");
    EXPECT_EQ(c6.rate1, 0.0);
    ExpectRelativelyNear(c6.norm1, kLimitUpTo01, "c6 norm1");
    EXPECT_EQ(FindResult(context_, u"c7")->conc1, 0.02);
    ExpectRelativelyNear(FindResult(context_, u"nitrogen")->norm1, kLimitAbove1, "nitrogen norm1");
}

TEST_F(OneMixtureCalibrationTest, RunCalibrationOrdersByMolarMass) {
    UsualMixture();
    Batch({1000.0, 1005.0, 1002.0});
    db_.Attach(context_);
    context_.settings.clbrControl = false;
    ASSERT_EQ(RunCalibration(context_), Status::Ok);
    std::vector<std::u16string> components;
    for (const auto& result : context_.calibration) {
        components.push_back(result.component);
    }
    // nitrogen 28.0134, ethane 30.06904, propane 44.09562, c6 86.17536, c7 100.20194 kg/kmol.
    EXPECT_EQ(components, (std::vector<std::u16string>{u"nitrogen", u"ethane", u"propane", u"c6", u"c7"}));
}

TEST_F(OneMixtureCalibrationTest, FirstWindowFailsAndTheSecondIsTaken) {
    UsualMixture();
    // The first chromatogram's ethane is 10 % high: its window's factors range far beyond 1.65 %.
    const std::vector<int64_t> ids = Batch({1100.0, 1000.0, 1004.0, 998.0, 1001.0});
    db_.Attach(context_);
    ASSERT_EQ(CalibrateOneMixture(context_, false), Status::Ok);
    EXPECT_TRUE(context_.calibrationOk);
    EXPECT_EQ(context_.calibrationAssays, (std::set<int64_t>{ids[1], ids[2], ids[3]}));
    const CalibrationResult& ethane = *FindResult(context_, u"ethane");
    EXPECT_TRUE(ethane.isok);
    ExpectRelativelyNear(ethane.mda1, (1000.0 + 1004.0 + 998.0) / 3.0, "mda1 of the second window");
    ExpectRelativelyNear(ethane.rate1, FactorsOf(5.0, 1000.0, 1004.0, 998.0).ratePct, "rate1");
    ExpectJournal(context_.journal, {});
}

TEST_F(OneMixtureCalibrationTest, NoWindowPassesAndTheLastWindowStays) {
    UsualMixture();
    const std::vector<int64_t> ids = Batch({1000.0, 1100.0, 1000.0, 1100.0, 1000.0});
    db_.Attach(context_);
    context_.settings.clbrControl = false;
    ASSERT_EQ(CalibrateOneMixture(context_, false), Status::Ok);
    EXPECT_FALSE(context_.calibrationOk);
    EXPECT_EQ(context_.calibrationAssays, (std::set<int64_t>{ids[2], ids[3], ids[4]}));
    const CalibrationResult& ethane = *FindResult(context_, u"ethane");
    EXPECT_FALSE(ethane.isok);
    ExpectRelativelyNear(ethane.rate1, FactorsOf(5.0, 1000.0, 1100.0, 1000.0).ratePct, "rate1");
    EXPECT_GT(ethane.rate1, ethane.norm1);
    EXPECT_TRUE(FindResult(context_, u"propane")->isok);

    // The stage: whatever the status of the calibration, a failed result gives 265 and -13.
    context_.calibration.clear();
    context_.calibrationAssays.clear();
    EXPECT_EQ(RunCalibration(context_), Status::CalibrationFailed);
    ExpectJournal(context_.journal, {CalibText(u"Некоторые из компонентов не прошли проверку.")});
}

TEST_F(OneMixtureCalibrationTest, WithoutAGeneralMixtureMessage298) {
    db_.Attach(context_);
    context_.mixtures = {ComponentMixtures{u"nitrogen", kMixture, u"", 0, 0},
                         ComponentMixtures{u"", u"", u"x", 0, 0}};
    EXPECT_EQ(CalibrateOneMixture(context_, false), Status::Failed);
    ExpectJournal(context_.journal, {CalibText(u"Не указана смесь для градуировки.")});
    EXPECT_TRUE(context_.calibration.empty());
}

TEST_F(OneMixtureCalibrationTest, TheFirstGeneralAssignmentWithAMixtureIsUsed) {
    UsualMixture();
    Batch({1000.0, 1005.0, 1002.0});
    db_.Attach(context_);
    context_.mixtures = {
        ComponentMixtures{u"", u"", u"", 0, 0}, ComponentMixtures{u"ethane", u"Другая", u"", 0, 0},
        ComponentMixtures{u"", kMixture, u"", 0, 0}, ComponentMixtures{u"", u"Третья", u"", 0, 0}};
    EXPECT_EQ(CalibrateOneMixture(context_, false), Status::Ok);
    EXPECT_EQ(context_.calibration.size(), 5u);
}

TEST_F(OneMixtureCalibrationTest, TooFewChromatogramsOfOneBatchMessage112) {
    UsualMixture();
    const std::vector<int64_t> ids = Batch({1000.0, 1005.0, 1002.0});
    // A fourth chromatogram added later: only it is the current batch.
    const int64_t later = db_.Chromatogram(kMixture, UsualPeaks(1001.0));
    AddToList(context_, {later}, AssayRole::Calibration, kMixture, kStamp + 60);
    db_.Attach(context_);
    EXPECT_EQ(CalibrateOneMixture(context_, false), Status::Failed);
    ExpectJournal(context_.journal,
                  {CalibText(u"Недостаточно градуировочных хроматограм для смеси \"ГСО-ИПГ 10541\". "
                             u"Загружено 1 из 3.")});
    EXPECT_TRUE(context_.calibration.empty());
    EXPECT_TRUE(context_.calibrationAssays.empty());

    // Without any chromatogram of the mixture: 0 of 3.
    CalcContext none = calibtest::OneMixtureContext(u"Пусто", kMethodB);
    db_.Attach(none);
    EXPECT_EQ(CalibrateOneMixture(none, true), Status::Failed);
    ExpectJournal(none.journal,
                  {CalibMessage(StringId::NotEnoughCalibrationChromatograms, {u"Пусто", 0, 3})});
}

TEST_F(OneMixtureCalibrationTest, MethodBCalibratesC6PlusAndC6PlusStarFromTheSameAreas) {
    db_.Mixture(kMixture, {{u"Метан", 94.0, 0.1, 2, 2},
                           {u"Этан", 5.0, 0.1, 2, 2},
                           {u"н-Гексан", 0.1, 0.005, 3, 3},
                           {u"С6+*", 0.12, 0.006, 3, 3}});
    // The heavy hydrocarbons as one back-flushed peak, and a separate heptane peak that joins it.
    const std::vector<double> c6plus = {300.0, 303.0, 301.0};
    std::vector<int64_t> ids;
    for (const double area : c6plus) {
        ids.push_back(db_.Chromatogram(
            kMixture, {{u"Метан", 90000.0}, {u"Этан", 1000.0}, {u"С6+", area - 20.0}, {u"н-Гептан", 20.0}}));
    }
    AddToList(context_, ids, AssayRole::Calibration, kMixture, kStamp);
    db_.Attach(context_);
    context_.settings.clbrCalcMethod = kMethodB;
    ASSERT_EQ(CalibrateOneMixture(context_, true), Status::Ok);
    EXPECT_EQ(context_.calibrationKind, kMethodB);
    EXPECT_TRUE(context_.calibrationOk);
    ASSERT_EQ(context_.calibration.size(), 3u);
    EXPECT_EQ(context_.calibration[1].component, u"c6plus");
    EXPECT_EQ(context_.calibration[2].component, u"c6plusstar");

    const CalibrationResult& plus = context_.calibration[1];
    const CalibrationResult& star = context_.calibration[2];
    EXPECT_EQ(plus.conc1, 0.1); // certified as n-hexane
    EXPECT_EQ(star.conc1, 0.12);
    ExpectRelativelyNear(plus.mda1, 904.0 / 3.0, "c6plus mda1");
    EXPECT_EQ(star.mda1, plus.mda1);
    ExpectRelativelyNear(plus.midk, FactorsOf(0.1, 300.0, 303.0, 301.0).mean, "c6plus midk");
    ExpectRelativelyNear(star.midk, FactorsOf(0.12, 300.0, 303.0, 301.0).mean, "c6plusstar midk");
    ExpectRelativelyNear(star.rate1, plus.rate1, "the same relative range");
    ExpectRelativelyNear(plus.norm1, kLimitUpTo01, "c6plus norm1 at 0.1");
    ExpectRelativelyNear(star.norm1, kLimitUpTo1, "c6plusstar norm1 at 0.12");
    ExpectJournal(context_.journal, {});
}

TEST_F(OneMixtureCalibrationTest, MethodBWithoutC6PlusStarInTheMixture) {
    db_.Mixture(kMixture,
                {{u"Метан", 94.9, 0.1, 2, 2}, {u"Этан", 5.0, 0.1, 2, 2}, {u"н-Гексан", 0.1, 0.005, 3, 3}});
    const std::vector<int64_t> ids =
        db_.Chromatograms(kMixture, {{u"Метан", 90000.0}, {u"Этан", 1000.0}, {u"С6+", 300.0}}, 3);
    AddToList(context_, ids, AssayRole::Calibration, kMixture, kStamp);
    db_.Attach(context_);
    ASSERT_EQ(CalibrateOneMixture(context_, true), Status::Ok);
    ASSERT_EQ(context_.calibration.size(), 2u);
    EXPECT_EQ(context_.calibration[1].component, u"c6plus");
}

TEST_F(OneMixtureCalibrationTest, ZeroAndMissingAreas) {
    // Read from a database file: propane's peak is lost in the second chromatogram (a NaN area is stored
    // as NULL, which the host's reader gives as 0); nitrogen is zero in all three.
    const testsupport::TempHostDatabase file("calibration");
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::vector<int64_t> ids;
    {
        sim::HostWriter writer(file.path());
        writer.CreateSchema(sim::SchemaOptions{});
        calibtest::AddMixture(writer, kMixture,
                              {{u"Метан", 93.0, 0.1, 2, 2},
                               {u"Этан", 5.0, 0.1, 2, 2},
                               {u"Пропан", 2.0, 0.06, 3, 3},
                               {u"Азот", 0.3, 0.01, 3, 3}});
        for (const double propane : {2500.0, nan, 2502.0}) {
            ids.push_back(calibtest::AddChromatogram(
                writer, kMixture,
                {{u"Метан", 90000.0}, {u"Этан", 1000.0}, {u"Пропан", propane}, {u"Азот", 0.0}}));
        }
    }
    AddToList(context_, ids, AssayRole::Calibration, kMixture, kStamp);
    const testsupport::UseHostDatabase use(file);
    context_.sources = DatabaseSources();
    ASSERT_EQ(CalibrateOneMixture(context_, false), Status::Ok);
    EXPECT_EQ(FindResult(context_, u"nitrogen"), nullptr);
    const CalibrationResult& propane = *FindResult(context_, u"propane");
    EXPECT_FALSE(propane.isok);
    EXPECT_TRUE(std::isfinite(propane.rate1));
    EXPECT_GT(propane.rate1, propane.norm1);
    EXPECT_FALSE(context_.calibrationOk);
    EXPECT_TRUE(FindResult(context_, u"ethane")->isok);
    ExpectJournal(context_.journal, {});
}

TEST_F(OneMixtureCalibrationTest, InfiniteAndNegativeAreasFail) {
    db_.Mixture(kMixture,
                {{u"Метан", 93.0, 0.1, 2, 2}, {u"Этан", 5.0, 0.1, 2, 2}, {u"Пропан", 2.0, 0.06, 3, 3}});
    // An infinite area reaches the calibration as 0 (the area correction has no answer for it); a
    // negative one as it is.
    const double inf = std::numeric_limits<double>::infinity();
    std::vector<int64_t> ids;
    for (int k = 0; k < 3; ++k) {
        ids.push_back(db_.Chromatogram(
            kMixture,
            {{u"Метан", 90000.0}, {u"Этан", k == 1 ? inf : 1000.0}, {u"Пропан", k == 2 ? -2500.0 : 2500.0}}));
    }
    AddToList(context_, ids, AssayRole::Calibration, kMixture, kStamp);
    db_.Attach(context_);
    ASSERT_EQ(CalibrateOneMixture(context_, false), Status::Ok);
    for (const std::u16string_view component : {u"ethane", u"propane"}) {
        const CalibrationResult& result = *FindResult(context_, component);
        EXPECT_FALSE(result.isok);
        EXPECT_TRUE(std::isfinite(result.rate1));
        EXPECT_GT(result.rate1, result.norm1);
    }
    EXPECT_FALSE(context_.calibrationOk);
    ExpectJournal(context_.journal, {});
}

TEST_F(OneMixtureCalibrationTest, UncertifiedAndUnknownComponentsFailWithTheirMessages) {
    db_.Mixture(kMixture, {{u"Метан", 95.0, 0.1, 2, 2}, {u"Этан", 5.0, 0.1, 2, 2}});
    // Helium is not certified (concentration 0) and its areas agree exactly, so its factors range 0 %:
    // it must still fail. "Пик 7" is no component at all.
    const std::vector<int64_t> ids = db_.Chromatograms(
        kMixture, {{u"Метан", 90000.0}, {u"Этан", 1000.0}, {u"Гелий", 50.0}, {u"Пик 7", 12.0}}, 3);
    AddToList(context_, ids, AssayRole::Calibration, kMixture, kStamp);
    db_.Attach(context_);
    ASSERT_EQ(CalibrateOneMixture(context_, false), Status::Ok);
    const CalibrationResult& helium = *FindResult(context_, u"helium");
    EXPECT_FALSE(helium.isok);
    EXPECT_EQ(helium.conc1, 0.0);
    EXPECT_EQ(helium.digits1, -1);
    EXPECT_EQ(helium.rate1, 0.0);
    EXPECT_EQ(helium.norm1, 0.0);
    EXPECT_FALSE(FindResult(context_, u"? Пик 7")->isok);
    EXPECT_FALSE(context_.calibrationOk);
    // The messages of the one window, in the order of the peaks; helium's in words rather than as a
    // concentration of 0 out of range.
    ExpectJournal(
        context_.journal,
        {CalibText(
             u"В смеси \"" + kMixture +
             u"\" компонент \"Гелий\" не аттестован: градуировочный коэффициент не может быть определен."),
         CalibText(u"Компонент \"? Пик 7\" не найден в таблице метрологических характеристик методики "
                   u"измерений.")});
}

TEST_F(OneMixtureCalibrationTest, WithoutRangeControlTheLimitComesFromTheUncertaintyOfTheUppermostRange) {
    UsualMixture();
    Batch({1000.0, 1005.0, 1002.0});
    db_.Attach(context_);
    context_.settings.clcCtlRange = false;
    // Method А's table gives ethane its uppermost row 10..15 mol % with U = 0.0204·x + 0.0000785
    // (the library's designed table); the limit is 80 % of U/c at the certified concentration.
    int32_t rows = 0;
    const MetrologyRow* table = MetrologyTableForMethod(kMethodA, &rows);
    bool found = false;
    for (int32_t i = 0; i < rows; ++i) {
        if (std::u16string_view(table[i].component) == u"ethane" && table[i].lower == 10.0) {
            ASSERT_EQ(table[i].a, 0.0204);
            ASSERT_EQ(table[i].b, 7.85e-05);
            found = true;
        }
    }
    ASSERT_TRUE(found) << "the designed table of method А changed";
    ASSERT_EQ(CalibrateOneMixture(context_, false), Status::Ok);
    ExpectRelativelyNear(FindResult(context_, u"ethane")->norm1,
                         (0.0204 * 5.0 + 7.85e-05) / 5.0 * 100.0 * 0.8, "norm1");
    EXPECT_TRUE(FindResult(context_, u"ethane")->isok);
}

TEST_F(OneMixtureCalibrationTest, ExtendedRangeOfMethodBBorrowsMethodALimits) {
    db_.Mixture(kMixture,
                {{u"Метан", 94.997, 0.1, 3, 3}, {u"Этан", 5.0, 0.1, 2, 2}, {u"Пропан", 0.003, 0.0002, 4, 4}});
    const std::vector<int64_t> ids =
        db_.Chromatograms(kMixture, {{u"Метан", 90000.0}, {u"Этан", 1000.0}, {u"Пропан", 4.0}}, 3);
    AddToList(context_, ids, AssayRole::Calibration, kMixture, kStamp);
    db_.Attach(context_);
    context_.settings.clbrCalcMethod = kMethodB;

    // Method Б measures propane from 0.005 mol %: no limit, and a message with its range.
    ASSERT_EQ(CalibrateOneMixture(context_, true), Status::Ok);
    EXPECT_EQ(FindResult(context_, u"propane")->norm1, 0.0);
    ExpectJournal(
        context_.journal,
        {CalibText(
            u"Компонент \"Пропан\" [0.003000] вне диапазона [0.0050-6.0000] допустимых концентраций.")});

    // With the extended range, method А's row 0.001..0.01 mol % gives the limit.
    context_.journal.entries.clear();
    context_.settings.clcExtRange = true;
    ASSERT_EQ(CalibrateOneMixture(context_, true), Status::Ok);
    ExpectRelativelyNear(FindResult(context_, u"propane")->norm1, kLimitUpTo001, "norm1");
    EXPECT_TRUE(FindResult(context_, u"propane")->isok);
    ExpectJournal(context_.journal, {});

    // The extension belongs to method Б only.
    context_.journal.entries.clear();
    ASSERT_EQ(CalibrateOneMixture(context_, false), Status::Ok);
    ExpectRelativelyNear(FindResult(context_, u"propane")->norm1, kLimitUpTo001, "method А's own row");
}

TEST_F(OneMixtureCalibrationTest, MethaneAndConditionallyConstantComponents) {
    UsualMixture();
    Batch({1000.0, 1005.0, 1002.0});
    db_.Attach(context_);
    context_.settings.clcMethaneDiff = false;
    context_.constants.push_back(MixtureComponent{u"nitrogen", 2.93, 0.06, 3, 3});
    ASSERT_EQ(CalibrateOneMixture(context_, false), Status::Ok);
    ASSERT_NE(FindResult(context_, u"methane"), nullptr);
    EXPECT_EQ(FindResult(context_, u"methane")->conc1, 90.0);
    EXPECT_EQ(FindResult(context_, u"nitrogen"), nullptr);
}

} // namespace

// Runs that fail, each on a simulated laboratory with one fault: the status that leaves the run and the
// exact journal of the stages that found the fault; the results of the stages after it stay empty.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "Laboratory.h"
#include "RunExpectations.h"
#include "calc/Stages.h"
#include "calc/Status.h"
#include "calc/journal/MessageJournal.h"
#include "text/StringIds.gen.h"
#include "text/Utf.h"

namespace {

using namespace pipelinetest;

const ComponentResult* RowOf(const CalcContext& context, std::u16string_view id) {
    for (const ComponentResult& row : context.components) {
        if (row.id == id) {
            return &row;
        }
    }
    return nullptr;
}

const CalibrationResult* ResultOf(const CalcContext& context, std::u16string_view id) {
    for (const CalibrationResult& result : context.calibration) {
        if (result.component == id) {
            return &result;
        }
    }
    return nullptr;
}

void ExpectNoPropertiesNorMethaneNumber(const CalcContext& context) {
    for (int i = 1; i < kPhysicalPropertyCount; ++i) {
        EXPECT_EQ(context.properties.value[i], 0.0) << i;
    }
    EXPECT_TRUE(std::isnan(context.methaneNumber.first)) << "no methane number";
    EXPECT_TRUE(std::isnan(context.methaneNumber.second)) << "no methane number";
    EXPECT_TRUE(context.methaneNumberLists.componentFractions.empty());
    EXPECT_TRUE(context.methaneNumberLists.initialMethaneNumbers.empty());
}

class FailingRun : public ::testing::Test {
protected:
    void Write(const LaboratoryPlan& plan) {
        laboratory = WriteLaboratory(file, plan);
        context = ContextFor(laboratory, plan.method);
    }
    std::u16string Mixture(size_t index) const { return laboratory.mixtures.at(index).name; }

    LaboratoryFile file{"failing"};
    Laboratory laboratory;
    CalcContext context;
};

} // namespace

TEST_F(FailingRun, AMixtureMissingFromTheDatabaseStopsBeforeTheCalibration) {
    Write(LaboratoryPlan{});
    context.mixtures.front().first = u"СО-ИПГ № 99";

    EXPECT_EQ(RunCalculation(context), Status::Failed);

    EXPECT_EQ(JournalLines(context.journal),
              std::vector<std::string>{
                  Line(JournalCategory::Calib, StringId::MixtureDescriptionNotFound, {u"СО-ИПГ № 99"})});
    EXPECT_TRUE(context.calibration.empty());
    EXPECT_TRUE(context.components.empty());

    // Without the conformity check the calibration finds no chromatogram of that mixture.
    context.settings.clbrMixtureConformity = false;
    EXPECT_EQ(RunCalculation(context), Status::Failed);
    EXPECT_EQ(
        JournalLines(context.journal),
        std::vector<std::string>{Line(JournalCategory::Calib, StringId::NotEnoughCalibrationChromatograms,
                                      {u"СО-ИПГ № 99", 0, 3})});
}

TEST_F(FailingRun, NoMixtureAssignedForMethodA) {
    Write(LaboratoryPlan{});
    context.mixtures.clear();

    EXPECT_EQ(RunCalculation(context), Status::Failed);

    EXPECT_EQ(JournalLines(context.journal),
              std::vector<std::string>{Line(JournalCategory::Calib, StringId::NoCalibrationMixture)});
}

TEST_F(FailingRun, NoMixtureAssignedForMethodC1IsExplained) {
    LaboratoryPlan plan;
    plan.method = Method::C1;
    Write(plan);
    context.mixtures.clear();

    EXPECT_EQ(RunCalculation(context), Status::Failed);

    EXPECT_EQ(JournalLines(context.journal),
              std::vector<std::string>{Line(JournalCategory::Calib, StringId::NoCalibrationMixture)});
}

TEST_F(FailingRun, TooFewCalibrationChromatogramsForMethodA) {
    LaboratoryPlan plan;
    plan.calibrationRuns = 2;
    Write(plan);

    EXPECT_EQ(RunCalculation(context), Status::Failed);

    EXPECT_EQ(JournalLines(context.journal),
              std::vector<std::string>{Line(
                  JournalCategory::Calib, StringId::NotEnoughCalibrationChromatograms, {Mixture(0), 2, 3})});
    EXPECT_TRUE(context.components.empty());
}

TEST_F(FailingRun, TooFewCalibrationChromatogramsForMethodC1) {
    LaboratoryPlan plan;
    plan.method = Method::C1;
    plan.calibrationRuns = 4;
    Write(plan);

    EXPECT_EQ(RunCalculation(context), Status::Failed);

    // The first mixture is short; the second is not looked at.
    EXPECT_EQ(JournalLines(context.journal),
              std::vector<std::string>{Line(
                  JournalCategory::Calib, StringId::NotEnoughCalibrationChromatograms, {Mixture(0), 4, 5})});
    EXPECT_TRUE(context.calibration.empty());
    EXPECT_FALSE(context.calibrationOk);
}

TEST_F(FailingRun, AFailingFirstWindowOfMethodAGivesWayToTheNext) {
    LaboratoryPlan plan;
    plan.firstCalibrationFaults = {{u"ethane", 1.05}};
    Write(plan);

    EXPECT_EQ(RunCalculation(context), Status::Ok);

    EXPECT_EQ(JournalLines(context.journal), std::vector<std::string>{});
    EXPECT_TRUE(context.calibrationOk);
    const std::vector<int64_t>& batch = laboratory.calibration.front();
    EXPECT_EQ(context.calibrationAssays, (std::set<int64_t>{batch[1], batch[2], batch[3]}));
}

TEST_F(FailingRun, AFailingFirstWindowOfMethodC1IsReportedAndTheNextTaken) {
    LaboratoryPlan plan;
    plan.method = Method::C1;
    plan.firstCalibrationFaults = {{u"ethane", 1.05}};
    Write(plan);

    EXPECT_EQ(RunCalculation(context), Status::Ok);

    // One finding of the area check for the first window of the first mixture (the numbers follow from the
    // library's deviation and allowed value), then a clean run.
    const std::vector<std::string> lines = JournalLines(context.journal);
    ASSERT_EQ(lines.size(), 1u);
    const std::string prefix =
        "1|В смеси \"" + Utf16ToUtf8(Mixture(0)) +
        "\" для компонента \"Этан\" не пройдена проверка приемлемости полученных значений "
        "площадей пиков [";
    EXPECT_EQ(lines[0].substr(0, prefix.size()), prefix);
    EXPECT_TRUE(context.calibrationOk);
    const std::vector<int64_t>& first = laboratory.calibration[0];
    EXPECT_EQ(context.calibrationAssays.count(first[0]), 0u);
    EXPECT_EQ(context.calibrationAssays.count(first[5]), 1u);
}

TEST_F(FailingRun, AFailedControlOfTheCalibration) {
    for (const Method method : {Method::A, Method::C1}) {
        SCOPED_TRACE(static_cast<int>(method));
        LaboratoryPlan plan;
        plan.method = method;
        plan.controlFaults = {{u"ethane", 1.05}};
        Write(plan);

        EXPECT_EQ(RunCalculation(context), Status::CalibrationFailed);

        // Only the first mixture of an assignment is controlled.
        const CalibrationResult* ethane = ResultOf(context, u"ethane");
        ASSERT_NE(ethane, nullptr);
        EXPECT_FALSE(ethane->isok);
        EXPECT_NEAR(ethane->crate, 5.0, 1.0);
        EXPECT_LT(ethane->cnorm, ethane->crate);
        EXPECT_EQ(JournalLines(context.journal),
                  (std::vector<std::string>{
                      Line(JournalCategory::Calib, StringId::CalibrationControlComponentFailed,
                           {Mixture(0), u"Этан", ethane->crate, ethane->cnorm}),
                      Line(JournalCategory::Calib, StringId::CalibrationControlFailed),
                      Line(JournalCategory::Calib, StringId::SomeCalibrationResultsFailed)}));
        EXPECT_FALSE(context.calibrationOk);
        EXPECT_TRUE(context.components.empty());
    }
}

TEST_F(FailingRun, TooFewControlChromatograms) {
    LaboratoryPlan plan;
    plan.controlRuns = 2;
    Write(plan);

    EXPECT_EQ(RunCalculation(context), Status::Failed);

    EXPECT_EQ(JournalLines(context.journal),
              (std::vector<std::string>{
                  Line(JournalCategory::Calib, StringId::NotEnoughControlChromatograms, {Mixture(0), 2, 3}),
                  Line(JournalCategory::Calib, StringId::CalibrationControlFailed)}));
    EXPECT_FALSE(context.calibrationOk);
}

TEST_F(FailingRun, ARawSumOutsideNinetyEightToOneHundredAndTwo) {
    for (const double methaneFactor : {0.97, 1.03}) {
        SCOPED_TRACE(methaneFactor);
        LaboratoryPlan plan;
        plan.analysisFaults = {{u"methane", methaneFactor}};
        Write(plan);
        context.settings.clcMethaneDiff = false;

        EXPECT_EQ(RunCalculation(context), Status::SumOutOfRange);

        double rawSum = 0.0;
        for (const ComponentResult& row : context.components) {
            rawSum += row.rawFraction;
        }
        // Methane, about 94.2 % of the gas, is read 3 % off.
        EXPECT_NEAR(rawSum, 100.0 + (methaneFactor - 1.0) * 94.2, 0.2);
        EXPECT_EQ(JournalLines(context.journal),
                  std::vector<std::string>{
                      Line(JournalCategory::Comp, StringId::MolarFractionSumOutOfRange, {rawSum})});
        ExpectNoPropertiesNorMethaneNumber(context);
    }
}

TEST_F(FailingRun, WithMethaneByDifferenceTheMethaneAreaDoesNotMatter) {
    LaboratoryPlan plan;
    plan.analysisFaults = {{u"methane", 0.97}};
    Write(plan);

    EXPECT_EQ(RunCalculation(context), Status::Ok);

    EXPECT_EQ(JournalLines(context.journal), std::vector<std::string>{});
    const ComponentResult* methane = RowOf(context, u"methane");
    ASSERT_NE(methane, nullptr);
    EXPECT_LE(std::fabs(methane->molarFraction - sim::FractionOf(laboratory.gas, u"methane")),
              methane->uncertainty);
}

TEST_F(FailingRun, TwoMeasurementsThatDisagree) {
    for (const bool byDifference : {true, false}) {
        SCOPED_TRACE(byDifference);
        LaboratoryPlan plan;
        plan.secondAnalysisFaults = {{u"ethane", 1.05}};
        Write(plan);
        context.settings.clcMethaneDiff = byDifference;

        EXPECT_EQ(RunCalculation(context), Status::Repeatability);

        const ComponentResult* ethane = RowOf(context, u"ethane");
        ASSERT_NE(ethane, nullptr);
        EXPECT_FALSE(ethane->accepted);
        EXPECT_NEAR(ethane->difference, 0.05 * 2.812, 0.02);
        EXPECT_DOUBLE_EQ(ethane->acceptLimit, 1.4 * ethane->rawUncertainty);
        // The mixture suits the gas, so the check that follows a failed composition with methane by
        // difference finds nothing.
        EXPECT_EQ(JournalLines(context.journal),
                  (std::vector<std::string>{Line(JournalCategory::Comp, StringId::RepeatabilityFailed,
                                                 {u"Этан", ethane->difference, ethane->acceptLimit}),
                                            Line(JournalCategory::Comp, StringId::SomeComponentsFailed)}));
        ExpectNoPropertiesNorMethaneNumber(context);
    }
}

TEST_F(FailingRun, ACompressibilityFactorNotAboveNineTenths) {
    Write(LaboratoryPlan{});
    // A vapour of n-heptane declared as conditionally constant: Z = 1 - (Σ x·s)² falls to about 0.89
    // (ISO 6976:2016, s of n-heptane at 20 °C 0.3547).
    context.constants = {MixtureComponent{u"n_heptane", 90.0, 0.5}};

    EXPECT_EQ(RunCalculation(context), Status::Failed);

    EXPECT_EQ(JournalLines(context.journal),
              std::vector<std::string>{Line(JournalCategory::Prop, StringId::CompressibilityFactorTooLow)});
    EXPECT_GT(context.properties.value[0], 0.85);
    EXPECT_LE(context.properties.value[0], 0.9);
    for (int i = 0; i < kPhysicalPropertyCount; ++i) {
        EXPECT_EQ(context.propertiesU.value[i], 0.0) << i;
    }
    ExpectNoPropertiesNorMethaneNumber(context);
    EXPECT_FALSE(context.components.empty());
}

TEST_F(FailingRun, TheControlOfTheResultNeedsAMixtureAnalysedAsASample) {
    Write(LaboratoryPlan{});
    context.settings.clcControl = true;

    EXPECT_EQ(RunCalculation(context), Status::Failed);

    EXPECT_EQ(JournalLines(context.journal),
              std::vector<std::string>{Line(JournalCategory::Comp, StringId::NoMixtureForAnalysis)});
    ExpectNoPropertiesNorMethaneNumber(context);
}

TEST_F(FailingRun, TheControlOfTheResultPassesForTheMixtureItself) {
    LaboratoryPlan plan;
    plan.analyseMixture = true;
    Write(plan);
    context.settings.clcControl = true;

    EXPECT_EQ(RunCalculation(context), Status::Ok);

    EXPECT_EQ(JournalLines(context.journal), std::vector<std::string>{});
    const ComponentResult* ethane = RowOf(context, u"ethane");
    ASSERT_NE(ethane, nullptr);
    EXPECT_EQ(ethane->referenceValue, sim::FractionOf(laboratory.gas, u"ethane"));
    EXPECT_GT(context.methaneNumber.first, 0.0);
}

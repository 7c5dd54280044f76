// The pipeline's own rules: the reset at the start of a run, the quiet end without analyses, the range
// check of the mixtures of methods В1 and В2 that stops at the first failing mixture, the check of the
// mixture against the gas after a failed composition with methane by difference, and repeatable runs.
#include <gtest/gtest.h>

#include <cmath>

#include <string>
#include <vector>

#include "Laboratory.h"
#include "RunExpectations.h"
#include "calc/Stages.h"
#include "calc/Status.h"
#include "calc/journal/Journal.h"
#include "text/StringIds.gen.h"
#include "text/Utf.h"

namespace {

using namespace pipelinetest;

bool StartsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

size_t CountContaining(const std::vector<std::string>& lines, const std::string& part) {
    size_t count = 0;
    for (const std::string& line : lines) {
        count += line.find(part) != std::string::npos ? 1 : 0;
    }
    return count;
}

const ComponentResult* RowOf(const CalcContext& context, std::u16string_view id) {
    for (const ComponentResult& row : context.components) {
        if (row.id == id) {
            return &row;
        }
    }
    return nullptr;
}

double CertifiedFraction(const sim::ReferenceMixture& mixture, std::u16string_view id) {
    for (const sim::CertifiedValue& value : mixture.values) {
        if (value.id == id) {
            return value.concentration;
        }
    }
    return 0.0;
}

} // namespace

TEST(ResetRun, ClearsTheResultsOfTheLastRunAndKeepsTheInputs) {
    CalcContext context;
    context.settings.clbrCalcMethod = 3;
    context.assays.push_back(Assay{});
    context.constants.push_back(MixtureComponent{u"helium", 0.01, 0.001});
    context.mixtures.push_back(ComponentMixtures{u"", u"ГСО 1", u"ГСО 2"});
    context.reportProps.push_back(ReportProp{u"Лаборатория", u"ИЛ"});
    const size_t aliases = context.aliases.size();
    context.measurements.push_back(Measurement{});
    context.components.push_back(ComponentResult{});
    context.components2.push_back(ComponentResult{});
    context.calibrationKind = 0;
    context.calibrationOk = false;
    context.calibration.push_back(CalibrationResult{});
    context.calibrationAssays.insert(7);
    context.properties.value[4] = 50.0;
    context.propertiesU.value[17] = 0.1;
    context.methaneNumber = {80.0, 81.0};
    context.methaneNumberLists.componentFractions.push_back({});
    context.methaneNumberLists.simplifiedMixture.push_back({});
    context.methaneNumberLists.motorFuelMixture.push_back({});
    context.methaneNumberLists.initialMethaneNumbers.push_back({});
    AddMessage(context.journal, JournalCategory::Comp, StringId::SomeComponentsFailed);

    EXPECT_EQ(ResetRun(context), 0);

    EXPECT_TRUE(context.journal.entries.empty());
    EXPECT_EQ(context.calibrationKind, 3);
    EXPECT_TRUE(context.calibrationOk);
    EXPECT_TRUE(context.calibration.empty());
    EXPECT_TRUE(context.calibrationAssays.empty());
    EXPECT_TRUE(context.measurements.empty());
    EXPECT_TRUE(context.components.empty());
    EXPECT_TRUE(context.components2.empty());
    for (int i = 0; i < kPhysicalPropertyCount; ++i) {
        EXPECT_EQ(context.properties.value[i], 0.0);
        EXPECT_EQ(context.propertiesU.value[i], 0.0);
    }
    EXPECT_TRUE(std::isnan(context.methaneNumber.first)) << "no methane number";
    EXPECT_TRUE(std::isnan(context.methaneNumber.second)) << "no methane number";
    EXPECT_TRUE(context.methaneNumberLists.componentFractions.empty());
    EXPECT_TRUE(context.methaneNumberLists.simplifiedMixture.empty());
    EXPECT_TRUE(context.methaneNumberLists.motorFuelMixture.empty());
    EXPECT_TRUE(context.methaneNumberLists.initialMethaneNumbers.empty());
    // Inputs.
    EXPECT_EQ(context.assays.size(), 1u);
    EXPECT_EQ(context.constants.size(), 1u);
    EXPECT_EQ(context.mixtures.size(), 1u);
    EXPECT_EQ(context.reportProps.size(), 1u);
    EXPECT_EQ(context.aliases.size(), aliases);
    EXPECT_EQ(context.settings.clbrCalcMethod, 3);
}

TEST(ResetRun, TheFirstRunAfterLoadingTheSettingsNamesWhatTheLoadingReplaced) {
    CalcContext context;
    AddMessage(context.loadingJournal, JournalCategory::General, StringId::SettingOutOfBounds,
               {u"Tarvel/clbrCalcMethod", 9, 0, 3, 0});
    AddMessage(context.journal, JournalCategory::Comp, StringId::SomeComponentsFailed);
    ASSERT_EQ(ResetRun(context), 0);
    ASSERT_EQ(context.journal.entries.size(), 1u);
    EXPECT_EQ(context.journal.entries[0].category, JournalCategory::General);
    EXPECT_NE(context.journal.entries[0].text.find(u"\"Tarvel/clbrCalcMethod\""), std::u16string::npos);
    EXPECT_TRUE(context.loadingJournal.entries.empty());
    ASSERT_EQ(ResetRun(context), 0);
    EXPECT_TRUE(context.journal.entries.empty()) << "named once";
}

TEST(Pipeline, WithoutAnalysesTheRunEndsQuietlyAfterTheCalibration) {
    LaboratoryFile file("no-analysis");
    LaboratoryPlan plan;
    const Laboratory laboratory = WriteLaboratory(file, plan);
    CalcContext context = ContextFor(laboratory, plan.method);
    ASSERT_EQ(RunCalculation(context), Status::Ok);
    ASSERT_FALSE(context.components.empty());

    // The same list without its analysis chromatograms: the results of the earlier run go as well.
    std::erase_if(context.assays,
                  [](const Assay& assay) { return assay.role == static_cast<int32_t>(AssayRole::Analysis); });
    EXPECT_EQ(RunCalculation(context), Status::Ok);

    EXPECT_EQ(JournalLines(context.journal), std::vector<std::string>{});
    EXPECT_TRUE(context.calibrationOk);
    EXPECT_FALSE(context.calibration.empty());
    EXPECT_EQ(context.calibrationAssays.size(), 3u);
    EXPECT_TRUE(context.measurements.empty());
    EXPECT_TRUE(context.components.empty());
    for (int i = 0; i < kPhysicalPropertyCount; ++i) {
        EXPECT_EQ(context.properties.value[i], 0.0);
    }
    EXPECT_TRUE(std::isnan(context.methaneNumber.second)) << "no methane number";
    EXPECT_TRUE(context.methaneNumberLists.motorFuelMixture.empty());
}

TEST(Pipeline, TheRangeCheckOfMethodC1StopsAtTheFirstFailingMixture) {
    LaboratoryFile file("ranges");
    LaboratoryPlan plan;
    plan.method = Method::C1;
    const Laboratory laboratory = WriteLaboratory(file, plan);
    const std::u16string lower = laboratory.mixtures[0].name;
    const std::u16string upper = laboratory.mixtures[1].name;
    CalcContext context = ContextFor(laboratory, plan.method);
    // The mixtures swapped: the first mixture lies in the upper calibration range, where the gas asks for
    // the lower one. A second assignment, for nitrogen, is swapped too and would fail if it were checked.
    context.mixtures = {ComponentMixtures{u"", upper, lower, 0, 0},
                        ComponentMixtures{u"nitrogen", upper, lower, 0, 0}};

    EXPECT_EQ(RunCalculation(context), Status::Failed);

    const std::vector<std::string> lines = JournalLines(context.journal);
    ASSERT_FALSE(lines.empty());
    const std::string prefix = "1|В смеси \"" + Utf16ToUtf8(upper) + "\" компонент \"";
    // One finding per component of the gas other than methane at or above its lower limit, all for the
    // first mixture of the first assignment.
    size_t judged = 0;
    for (const ComponentResult& row : context.components) {
        judged += row.id != u"methane" && row.molarFraction >= row.lowerLimit ? 1 : 0;
    }
    EXPECT_EQ(lines.size(), judged);
    for (const std::string& line : lines) {
        EXPECT_TRUE(StartsWith(line, prefix)) << line;
    }
    EXPECT_EQ(CountContaining(lines, "\"Азот\""), 1u);
    EXPECT_EQ(CountContaining(lines, Utf16ToUtf8(lower)), 0u);
    // Ethane of the upper mixture against the lower range of the first mixture, 6-8 mol %.
    const double ethane = CertifiedFraction(laboratory.mixtures[1], u"ethane");
    EXPECT_EQ(CountContaining(lines, Line(JournalCategory::Calib, StringId::MixtureComponentOutOfGasRange,
                                          {upper, u"Этан", ethane, 6.0, 8.0})),
              1u);
    EXPECT_EQ(context.properties.value[0], 0.0);

    // Without the conformity check of the calibration mixtures the run goes through.
    context.settings.clbrMixtureConformity = false;
    EXPECT_EQ(RunCalculation(context), Status::Ok);
    EXPECT_EQ(JournalLines(context.journal), std::vector<std::string>{});
}

TEST(Pipeline, AFailedCompositionWithMethaneByDifferenceStillChecksTheMixtureAgainstTheGas) {
    LaboratoryFile file("against-gas");
    LaboratoryPlan plan;
    // The mixture is made for a gas with three times the propane.
    for (sim::GasComponent& component : plan.mixtureGas) {
        if (component.id == u"propane") {
            component.molarPercent *= 3.0;
        }
    }
    plan.secondAnalysisFaults = {{u"ethane", 1.05}};
    const Laboratory laboratory = WriteLaboratory(file, plan);
    const std::u16string mixture = laboratory.mixtures[0].name;
    const std::string propaneFinding =
        "5|Градуировочная смесь \"" + Utf16ToUtf8(mixture) +
        "\" не соответствует анализируемому газу, компонент " + "\"Пропан\" [" +
        Utf16ToUtf8(FormatFixedPoint(CertifiedFraction(laboratory.mixtures[0], u"propane"), 6)) +
        "] вне диапазона [";

    CalcContext byDifference = ContextFor(laboratory, plan.method);
    EXPECT_EQ(RunCalculation(byDifference), Status::Repeatability);
    const std::vector<std::string> lines = JournalLines(byDifference.journal);
    ASSERT_EQ(lines.size(), 3u);
    const ComponentResult* ethane = RowOf(byDifference, u"ethane");
    ASSERT_NE(ethane, nullptr);
    EXPECT_EQ(lines[0], Line(JournalCategory::Comp, StringId::RepeatabilityFailed,
                             {u"Этан", ethane->difference, ethane->acceptLimit}));
    EXPECT_EQ(lines[1], Line(JournalCategory::Comp, StringId::SomeComponentsFailed));
    EXPECT_TRUE(StartsWith(lines[2], propaneFinding)) << lines[2];
    // The check's verdict shows in the table: no uncertainty for propane.
    ASSERT_NE(RowOf(byDifference, u"propane"), nullptr);
    EXPECT_EQ(RowOf(byDifference, u"propane")->uncertainty, 0.0);

    // With normalisation the failed composition ends the run at once.
    CalcContext normalised = ContextFor(laboratory, plan.method);
    normalised.settings.clcMethaneDiff = false;
    EXPECT_EQ(RunCalculation(normalised), Status::Repeatability);
    EXPECT_EQ(JournalLines(normalised.journal).size(), 2u);

    // Two measurements that agree: the composition passes and the same check stops the run.
    LaboratoryFile agreeingFile("against-gas-agreeing");
    plan.secondAnalysisFaults.clear();
    const Laboratory agreeing = WriteLaboratory(agreeingFile, plan);
    CalcContext passed = ContextFor(agreeing, plan.method);
    EXPECT_EQ(RunCalculation(passed), Status::Failed);
    const std::vector<std::string> passedLines = JournalLines(passed.journal);
    ASSERT_EQ(passedLines.size(), 1u);
    EXPECT_TRUE(StartsWith(passedLines[0], "5|Градуировочная смесь")) << passedLines[0];
    EXPECT_EQ(passed.properties.value[0], 0.0);
}

TEST(Pipeline, TwoRunsWithTheSameInputsGiveTheSameJournalAndResults) {
    LaboratoryFile file("repeat");
    LaboratoryPlan plan;
    plan.method = Method::C1;
    plan.controlFaults = {{u"propane", 1.06}};
    const Laboratory laboratory = WriteLaboratory(file, plan);
    CalcContext context = ContextFor(laboratory, plan.method);

    const int32_t first = RunCalculation(context);
    const std::vector<std::string> firstJournal = JournalLines(context.journal);
    const std::vector<CalibrationResult> firstCalibration = context.calibration;
    const int32_t second = RunCalculation(context);

    EXPECT_EQ(first, Status::CalibrationFailed);
    EXPECT_EQ(second, first);
    EXPECT_EQ(firstJournal.size(), 3u);
    EXPECT_EQ(JournalLines(context.journal), firstJournal);
    ASSERT_EQ(context.calibration.size(), firstCalibration.size());
    for (size_t i = 0; i < firstCalibration.size(); ++i) {
        EXPECT_EQ(context.calibration[i].component, firstCalibration[i].component);
        EXPECT_EQ(context.calibration[i].inka, firstCalibration[i].inka);
        EXPECT_EQ(context.calibration[i].crate, firstCalibration[i].crate);
    }

    // A successful run twice.
    std::erase_if(context.assays,
                  [](const Assay& assay) { return assay.role == static_cast<int32_t>(AssayRole::Control); });
    context.settings.clbrControl = false;
    ASSERT_EQ(RunCalculation(context), Status::Ok);
    const std::vector<ComponentResult> components = context.components;
    const PhysicalProperties properties = context.properties;
    ASSERT_EQ(RunCalculation(context), Status::Ok);
    EXPECT_EQ(JournalLines(context.journal), std::vector<std::string>{});
    ASSERT_EQ(context.components.size(), components.size());
    for (size_t i = 0; i < components.size(); ++i) {
        EXPECT_EQ(context.components[i].id, components[i].id);
        EXPECT_EQ(context.components[i].molarFraction, components[i].molarFraction);
        EXPECT_EQ(context.components[i].uncertainty, components[i].uncertainty);
    }
    for (int i = 0; i < kPhysicalPropertyCount; ++i) {
        EXPECT_EQ(context.properties.value[i], properties.value[i]);
    }
}

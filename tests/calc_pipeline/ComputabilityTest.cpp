// Runs on simulated laboratories whose calibration or analyses cannot give the composition of the gas:
// each must fail with the status and the message that says why, and leave no composition behind, rather
// than pass with components at 0 whose share went to methane. And runs that look unusual but can be
// computed: they must pass and recover the gas.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "Laboratory.h"
#include "RunExpectations.h"
#include "calc/Stages.h"
#include "calc/Status.h"
#include "support/JournalExpectations.h"
#include "text/StringIds.gen.h"
#include "text/Utf.h"

namespace {

using namespace pipelinetest;
using testsupport::DisplayName;

// The gas with extra components, methane remaining the balance.
sim::GasComposition WithExtra(const sim::GasComposition& gas, const sim::GasComposition& extra) {
    sim::GasComposition result = gas;
    double added = 0.0;
    for (const sim::GasComponent& component : extra) {
        result.push_back(component);
        added += component.molarPercent;
    }
    for (sim::GasComponent& component : result) {
        if (component.id == u"methane") {
            component.molarPercent -= added;
        }
    }
    return result;
}

const ComponentResult* RowNamed(const CalcContext& context, std::u16string_view id) {
    const auto found = std::find_if(context.components.begin(), context.components.end(),
                                    [id](const ComponentResult& row) { return row.id == id; });
    return found == context.components.end() ? nullptr : &*found;
}

std::u16string FileOf(const CalcContext& context, int64_t assayId) {
    for (const Assay& assay : context.assays) {
        if (assay.id == assayId) {
            return assay.filename;
        }
    }
    return u"";
}

// Every row of a component of the gas lies within its expanded uncertainty of the truth.
void ExpectRecovered(const CalcContext& context, const sim::GasComposition& gas) {
    int judged = 0;
    for (const ComponentResult& row : context.components) {
        SCOPED_TRACE(Utf16ToUtf8(row.id));
        if (row.fixed || row.molarFraction < row.lowerLimit || row.id.starts_with(u"? ")) {
            continue;
        }
        EXPECT_GT(row.uncertainty, 0.0);
        EXPECT_LE(std::fabs(row.molarFraction - TrueFraction(gas, row.id)), row.uncertainty)
            << "x = " << row.molarFraction << ", true " << TrueFraction(gas, row.id);
        ++judged;
    }
    EXPECT_GE(judged, 12);
}

struct RefusedCase {
    const char* name;
    std::function<void(LaboratoryPlan&)> plan;
    std::function<void(CalcContext&, const Laboratory&)> context;
    int32_t status;
    std::function<std::vector<std::string>(const CalcContext&, const Laboratory&)> journal;
};

class RefusedRun : public ::testing::TestWithParam<RefusedCase> {};

const RefusedCase kRefusedCases[] = {
    {"ComponentOutsideTheScopeOfTheMethod",
     [](LaboratoryPlan& plan) {
         plan.gas = WithExtra(sim::PipelineGas(), {{u"argon", 0.012}});
     },
     [](CalcContext&, const Laboratory&) {}, Status::Failed,
     [](const CalcContext&, const Laboratory&) {
         return std::vector<std::string>{
             Line(JournalCategory::Comp, StringId::ComponentOutsideMethodScope, {DisplayName(u"argon")})};
     }},
    {"ComponentInNoReferenceMixtureOfMethodA",
     [](LaboratoryPlan& plan) {
         plan.gas = WithExtra(sim::PipelineGas(), {{u"methanol", 0.004}});
     },
     [](CalcContext&, const Laboratory&) {}, Status::Failed,
     [](const CalcContext&, const Laboratory&) {
         return std::vector<std::string>{
             Line(JournalCategory::Comp, StringId::ComponentNotCalibrated, {DisplayName(u"methanol")})};
     }},
    {"ComponentInNoReferenceMixtureOfMethodB",
     [](LaboratoryPlan& plan) {
         plan.method = Method::B;
         plan.gas = WithExtra(sim::PipelineGas(), {{u"methanol", 0.004}});
     },
     [](CalcContext&, const Laboratory&) {}, Status::Failed,
     [](const CalcContext&, const Laboratory&) {
         return std::vector<std::string>{
             Line(JournalCategory::Comp, StringId::ComponentNotCalibrated, {DisplayName(u"methanol")})};
     }},
    {"AnalysisWithoutPressureUnderPressureCorrection",
     [](LaboratoryPlan& plan) { plan.secondAnalysisWithoutPressure = true; },
     [](CalcContext& context, const Laboratory&) { context.settings.clcPressure = true; }, Status::Failed,
     [](const CalcContext& context, const Laboratory& laboratory) {
         return std::vector<std::string>{Line(JournalCategory::Comp, StringId::AssayPressureMissing,
                                              {FileOf(context, laboratory.analyses.at(1))})};
     }},
    {"CalibrationChromatogramWithoutPressureUnderPressureCorrection",
     [](LaboratoryPlan& plan) { plan.firstCalibrationWithoutPressure = true; },
     [](CalcContext& context, const Laboratory&) { context.settings.clcPressure = true; }, Status::Failed,
     [](const CalcContext& context, const Laboratory& laboratory) {
         return std::vector<std::string>{Line(JournalCategory::Calib, StringId::AssayPressureMissing,
                                              {FileOf(context, laboratory.calibration.at(0).at(0))})};
     }},
    {"MethodC1GeneralAssignmentWithoutItsSecondMixture",
     [](LaboratoryPlan& plan) { plan.method = Method::C1; },
     [](CalcContext& context, const Laboratory& laboratory) {
         ComponentMixtures ethane = context.mixtures.front();
         ethane.component = u"ethane";
         context.mixtures.front().second.clear();
         context.mixtures.push_back(ethane);
         (void)laboratory;
     },
     Status::Failed,
     [](const CalcContext&, const Laboratory&) {
         return std::vector<std::string>{
             Line(JournalCategory::Calib, StringId::NoSecondCalibrationMixture, {u"*"})};
     }},
    // The three factors of ethane disagree in every window; the control chromatograms are clean and pass,
    // which must not turn the failed calibration into a passed one.
    {"MethodAFailedCalibrationIsNotRescuedByAPassingControl",
     [](LaboratoryPlan& plan) {
         plan.alternateCalibrationFaults = {{u"ethane", 1.03}};
     },
     [](CalcContext& context, const Laboratory&) { context.settings.clbrControl = true; },
     Status::CalibrationFailed,
     [](const CalcContext&, const Laboratory&) {
         return std::vector<std::string>{
             Line(JournalCategory::Calib, StringId::SomeCalibrationResultsFailed)};
     }},
    {"MethodBFailedCalibrationIsNotRescuedByAPassingControl",
     [](LaboratoryPlan& plan) {
         plan.method = Method::B;
         plan.alternateCalibrationFaults = {{u"ethane", 1.03}};
     },
     [](CalcContext& context, const Laboratory&) { context.settings.clbrControl = true; },
     Status::CalibrationFailed,
     [](const CalcContext&, const Laboratory&) {
         return std::vector<std::string>{
             Line(JournalCategory::Calib, StringId::SomeCalibrationResultsFailed)};
     }},
};

std::string RefusedName(const ::testing::TestParamInfo<RefusedCase>& info) {
    return info.param.name;
}

} // namespace

TEST_P(RefusedRun, FailsWithItsMessageAndNoComposition) {
    const RefusedCase& refused = GetParam();
    LaboratoryFile file("refused");
    LaboratoryPlan plan;
    refused.plan(plan);
    const Laboratory laboratory = WriteLaboratory(file, plan);
    CalcContext context = ContextFor(laboratory, plan.method);
    refused.context(context, laboratory);

    EXPECT_EQ(RunCalculation(context), refused.status);

    EXPECT_EQ(JournalLines(context.journal), refused.journal(context, laboratory));
    EXPECT_TRUE(context.components.empty());
    EXPECT_EQ(context.properties.value[1], 0.0);
    EXPECT_TRUE(std::isnan(context.methaneNumber.first)) << "no methane number";
}

INSTANTIATE_TEST_SUITE_P(Cases, RefusedRun, ::testing::ValuesIn(kRefusedCases), RefusedName);

TEST(RefusedCalibration, ControlKeepsTheFailedResultFailed) {
    LaboratoryFile file("rescue");
    LaboratoryPlan plan;
    plan.alternateCalibrationFaults = {{u"ethane", 1.03}};
    const Laboratory laboratory = WriteLaboratory(file, plan);
    CalcContext context = ContextFor(laboratory, plan.method);

    EXPECT_EQ(RunCalculation(context), Status::CalibrationFailed);

    EXPECT_FALSE(context.calibrationOk);
    for (const CalibrationResult& result : context.calibration) {
        SCOPED_TRACE(Utf16ToUtf8(result.component));
        // Ethane failed its own acceptability; the control passed it, and every other component.
        EXPECT_EQ(result.isok, result.component != u"ethane");
        EXPECT_LT(result.crate, result.cnorm);
        if (result.component == u"ethane") {
            EXPECT_GT(result.rate1, result.norm1);
        }
    }
}

// Methods В1/В2: a component whose areas fail the repeatability check in every window leaves the whole
// assignment without calibration lines. No component may then pass with a zero line (and methane by
// difference come out as 100 %): each is named and the calibration fails. The same when the failing
// component is a conditionally constant one, which is not calibrated itself.
TEST(RefusedCalibration, NoWindowOfAcceptableAreasLeavesNoComponentPassing) {
    struct Case {
        const char* faulted;
        bool constant;
    };
    for (const Case c : {Case{"methane", false}, Case{"helium", true}}) {
        SCOPED_TRACE(c.faulted);
        const std::u16string faulted = Utf8ToUtf16(c.faulted);
        LaboratoryFile file("windows");
        LaboratoryPlan plan;
        plan.method = Method::C1;
        plan.alternateCalibrationFaults = {{faulted, 1.05}};
        const Laboratory laboratory = WriteLaboratory(file, plan);
        CalcContext context = ContextFor(laboratory, plan.method);
        if (c.constant) {
            context.constants = {MixtureComponent{faulted, 0.0163, 0.002}};
        }

        EXPECT_EQ(RunCalculation(context), Status::CalibrationFailed);

        const std::vector<std::string> lines = JournalLines(context.journal);
        const auto has = [&lines](const std::string& line) {
            return std::find(lines.begin(), lines.end(), line) != lines.end();
        };
        EXPECT_TRUE(has(Line(JournalCategory::Calib, StringId::NotEnoughAcceptableCalibrationChromatograms,
                             {laboratory.mixtures[0].name})));
        for (const std::u16string_view id : {u"ethane", u"propane", u"nitrogen", u"carbon_dioxide"}) {
            EXPECT_TRUE(has(Line(JournalCategory::Calib, StringId::NoCalibrationLine, {DisplayName(id)})))
                << Utf16ToUtf8(id);
        }
        ASSERT_FALSE(lines.empty());
        EXPECT_EQ(lines.back(), Line(JournalCategory::Calib, StringId::SomeCalibrationResultsFailed));
        EXPECT_FALSE(context.calibration.empty());
        for (const CalibrationResult& result : context.calibration) {
            EXPECT_FALSE(result.isok) << Utf16ToUtf8(result.component);
        }
        EXPECT_TRUE(context.components.empty());
    }
}

// Nitrogen treated as non-linear, with a low-range assignment of its own: wherever the user lists it,
// nitrogen at 1 % is read on the general line and the gas comes back.
TEST(SoundRun, TheOrderOfTheAssignmentsDoesNotMatter) {
    sim::ReferenceMixture low1{u"Азот 0.006", sim::MixtureType::Ipg, {}};
    low1.values = {{u"methane", 99.994, 0.01, 3, 2}, {u"nitrogen", 0.006, 0.0004, 4, 4}};
    sim::ReferenceMixture low2{u"Азот 0.022", sim::MixtureType::Ipg, {}};
    low2.values = {{u"methane", 99.978, 0.01, 3, 2}, {u"nitrogen", 0.022, 0.0008, 4, 4}};
    LaboratoryFile file("order");
    LaboratoryPlan plan;
    plan.method = Method::C1;
    plan.extraMixtures = {low1, low2};
    const Laboratory laboratory = WriteLaboratory(file, plan);
    const ComponentMixtures nitrogen{u"nitrogen", low1.name, low2.name, 0, 0};

    std::vector<double> nitrogenFound;
    for (const bool nitrogenFirst : {true, false}) {
        SCOPED_TRACE(nitrogenFirst);
        CalcContext context = ContextFor(laboratory, plan.method);
        context.settings.clbrNitrogen = false;
        context.settings.clbrMixtureConformity = false; // the low-range mixtures are made for this test
        const auto at = nitrogenFirst ? context.mixtures.begin() : context.mixtures.end();
        context.mixtures.insert(at, nitrogen);

        ASSERT_EQ(RunCalculation(context), Status::Ok);

        EXPECT_EQ(JournalLines(context.journal), std::vector<std::string>{});
        int nitrogenLines = 0;
        for (const CalibrationResult& result : context.calibration) {
            nitrogenLines += result.component == u"nitrogen" ? 1 : 0;
        }
        EXPECT_EQ(nitrogenLines, 2);
        const ComponentResult* row = RowNamed(context, u"nitrogen");
        ASSERT_NE(row, nullptr);
        nitrogenFound.push_back(row->molarFraction);
        ExpectRecovered(context, laboratory.gas);
    }
    ASSERT_EQ(nitrogenFound.size(), 2u);
    EXPECT_EQ(nitrogenFound[0], nitrogenFound[1]);
}

// A peak no alias knows is named with its retention time and takes no part in the acceptability of the
// two measurements: the run passes and the gas comes back.
TEST(SoundRun, AnUnidentifiedPeakIsNamedNotFailed) {
    LaboratoryFile file("unknown");
    LaboratoryPlan plan;
    plan.unknownAnalysisPeaks = 1;
    const Laboratory laboratory = WriteLaboratory(file, plan);
    CalcContext context = ContextFor(laboratory, plan.method);

    ASSERT_EQ(RunCalculation(context), Status::Ok);

    const ComponentResult* unknown = RowNamed(context, u"? Пик 1");
    ASSERT_NE(unknown, nullptr);
    EXPECT_GT(unknown->time, 0.3);
    EXPECT_LT(unknown->time, 18.0);
    EXPECT_EQ(JournalLines(context.journal),
              std::vector<std::string>{
                  Line(JournalCategory::Comp, StringId::UnidentifiedPeak, {u"? Пик 1", unknown->time})});
    ExpectRecovered(context, laboratory.gas);
}

// Cyclic and heavier hydrocarbons real gases carry join the group of their carbon number (method А and
// В1: cyclohexane and methylcyclopentane С6, methylcyclohexane С7, nonane С8) or С6+ (methods Б and
// В2), so that the run passes and recovers them within the groups' uncertainties.
TEST(SoundRun, HeavyHydrocarbonsJoinTheGroupsOfTheMethod) {
    const sim::GasComposition gas = WithExtra(sim::PipelineGas(), {{u"cyclohexane", 0.004},
                                                                   {u"methylcyclopentane", 0.003},
                                                                   {u"methylcyclohexane", 0.002},
                                                                   {u"nonane", 0.002}});
    for (const Method method : {Method::A, Method::B, Method::C1, Method::C2}) {
        SCOPED_TRACE(static_cast<int>(method));
        LaboratoryFile file("heavy");
        LaboratoryPlan plan;
        plan.method = method;
        plan.gas = gas;
        const Laboratory laboratory = WriteLaboratory(file, plan);
        CalcContext context = ContextFor(laboratory, method);

        ASSERT_EQ(RunCalculation(context), Status::Ok);

        EXPECT_EQ(JournalLines(context.journal), std::vector<std::string>{});
        for (const std::u16string_view id : {u"cyclohexane", u"methylcyclopentane", u"nonane"}) {
            EXPECT_EQ(RowNamed(context, id), nullptr) << Utf16ToUtf8(id);
        }
        ExpectRecovered(context, laboratory.gas);
    }
}

// A component in the chromatograms of a reference mixture that the mixture does not certify: the checks
// that cannot be evaluated for it say so in words, and no message compares meaningless numbers such as
// "[0.000000 > 0.000000]" or "[nan > ...]".
TEST(RefusedCalibration, ChecksThatCannotBeEvaluatedSaySoInWords) {
    struct Case {
        Method method;
        uint32_t message;
    };
    for (const Case c : {Case{Method::A, StringId::FactorComponentNotCertified},
                         Case{Method::C1, StringId::CalibrationAreasComponentNotCertified}}) {
        SCOPED_TRACE(static_cast<int>(c.method));
        LaboratoryFile file("uncertified");
        LaboratoryPlan plan;
        plan.method = c.method;
        plan.uncertifiedComponent = u"helium";
        const Laboratory laboratory = WriteLaboratory(file, plan);
        CalcContext context = ContextFor(laboratory, plan.method);
        context.settings.clbrMixtureConformity = false;

        EXPECT_EQ(RunCalculation(context), Status::CalibrationFailed);

        const std::vector<std::string> lines = JournalLines(context.journal);
        EXPECT_NE(std::find(lines.begin(), lines.end(),
                            Line(JournalCategory::Calib, c.message,
                                 {laboratory.mixtures[0].name, DisplayName(u"helium")})),
                  lines.end());
        for (const std::string& line : lines) {
            EXPECT_EQ(line.find("0.000000 > 0.000000"), std::string::npos) << line;
            EXPECT_EQ(line.find("nan"), std::string::npos) << line;
            EXPECT_EQ(line.find("[0.000000]"), std::string::npos) << line;
        }
        EXPECT_EQ(lines.back(), Line(JournalCategory::Calib, StringId::SomeCalibrationResultsFailed));
        EXPECT_TRUE(context.components.empty());
    }
}

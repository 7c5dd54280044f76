// Whole runs on simulated laboratories whose gas is known: every method, one and two measurements,
// methane by difference and by normalisation, conditionally constant components and the pressure
// correction. The composition must come back within its expanded uncertainty, the physical properties
// within theirs of the true gas's, and the journal must stay empty.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "Laboratory.h"
#include "RunExpectations.h"
#include "calc/Stages.h"
#include "calc/Status.h"
#include "data/MolarMass.h"
#include "text/Utf.h"

namespace {

using namespace pipelinetest;

const char* MethodName(Method method) {
    switch (method) {
    case Method::A:
        return "A";
    case Method::B:
        return "B";
    case Method::C1:
        return "C1";
    case Method::C2:
        return "C2";
    }
    return "?";
}

bool HeavyAsOneGroup(Method method) {
    return method == Method::B || method == Method::C2;
}

// The rows the composition should have: the components of the gas with the heavy hydrocarbons in the
// method's groups.
std::set<std::u16string> ExpectedRows(const sim::GasComposition& gas, Method method) {
    std::set<std::u16string> rows;
    for (const sim::GasComponent& component : gas) {
        const double mass = MolarMassOf(component.id);
        if (mass > MolarMassOf(u"n_pentane")) {
            if (HeavyAsOneGroup(method)) {
                rows.insert(u"c6plus");
            } else {
                rows.insert(mass < MolarMassOf(u"c7") ? u"c6" : mass < MolarMassOf(u"c8") ? u"c7" : u"c8");
            }
        } else {
            rows.insert(component.id);
        }
    }
    return rows;
}

// Every row at or above its lower limit lies within its expanded uncertainty of the truth (a row below
// the limit is shown as "< limit" and has no uncertainty).
void ExpectRecovered(const CalcContext& context, const sim::GasComposition& gas) {
    int judged = 0;
    for (const ComponentResult& row : context.components) {
        SCOPED_TRACE(Utf16ToUtf8(row.id));
        if (row.fixed || row.molarFraction < row.lowerLimit) {
            continue;
        }
        EXPECT_GT(row.uncertainty, 0.0);
        EXPECT_LE(std::fabs(row.molarFraction - TrueFraction(gas, row.id)), row.uncertainty)
            << "x = " << row.molarFraction << ", true " << TrueFraction(gas, row.id);
        ++judged;
    }
    EXPECT_GE(judged, 12);
}

// Methane by difference and the normalisation close the rows at or above their lower limits to 100 %;
// a row below its limit (n-octane at 0.004 mol % in the range of method В1, which begins at 0.005) keeps
// its measured value outside that sum.
double SumOfMeasurableFractions(const CalcContext& context, bool fixedRows) {
    double sum = 0.0;
    for (const ComponentResult& row : context.components) {
        if (row.molarFraction >= row.lowerLimit && row.fixed == fixedRows) {
            sum += row.molarFraction;
        }
    }
    return sum;
}

// The properties of the true gas (heavy hydrocarbons as themselves) through the same stage.
PhysicalProperties TrueProperties(const sim::GasComposition& gas, const CalcSettings& settings) {
    CalcContext truth;
    truth.settings = settings;
    for (const sim::GasComponent& component : gas) {
        ComponentResult row;
        row.id = component.id;
        row.molarFraction = row.rawFraction = component.molarPercent;
        truth.components.push_back(row);
    }
    EXPECT_EQ(RunPhysicalProperties(truth), Status::Ok);
    return truth.properties;
}

void ExpectPropertiesOfTheGas(const CalcContext& context, const sim::GasComposition& gas) {
    const PhysicalProperties truth = TrueProperties(gas, context.settings);
    for (PhysicalPropertyIndex index :
         {PhysicalPropertyIndex::MolarMass, PhysicalPropertyIndex::SuperiorVolumetricReal,
          PhysicalPropertyIndex::InferiorVolumetricReal, PhysicalPropertyIndex::DensityReal,
          PhysicalPropertyIndex::SuperiorWobbeReal}) {
        const int i = static_cast<int>(index);
        SCOPED_TRACE(i);
        EXPECT_GT(context.propertiesU.value[i], 0.0);
        EXPECT_LE(std::fabs(context.properties.value[i] - truth.value[i]), context.propertiesU.value[i]);
    }
    EXPECT_NEAR(context.properties.value[0], truth.value[0], 1e-4);
}

struct RunCase {
    Method method;
    int32_t measurements;
    bool methaneByDifference;
};

std::string CaseName(const ::testing::TestParamInfo<RunCase>& info) {
    return std::string(MethodName(info.param.method)) + "_" + std::to_string(info.param.measurements) +
           (info.param.methaneByDifference ? "_difference" : "_normalised");
}

class WholeRun : public ::testing::TestWithParam<RunCase> {};

} // namespace

TEST_P(WholeRun, RecoversTheGasWithinItsUncertainty) {
    const RunCase& run = GetParam();
    LaboratoryFile file("whole");
    LaboratoryPlan plan;
    plan.method = run.method;
    plan.analysisRuns = run.measurements;
    const Laboratory laboratory = WriteLaboratory(file, plan);
    CalcContext context = ContextFor(laboratory, run.method);
    context.settings.clcDeviceType = run.measurements == 1 ? 1 : 0;
    context.settings.clcMethaneDiff = run.methaneByDifference;

    ASSERT_EQ(RunCalculation(context), Status::Ok);

    EXPECT_EQ(JournalLines(context.journal), std::vector<std::string>{});
    EXPECT_TRUE(context.calibrationOk);
    EXPECT_EQ(context.calibrationKind, static_cast<int32_t>(run.method));
    EXPECT_EQ(context.measurements.size(), static_cast<size_t>(run.measurements));
    std::set<std::u16string> rows;
    for (const ComponentResult& row : context.components) {
        rows.insert(row.id);
        EXPECT_TRUE(row.accepted) << Utf16ToUtf8(row.id);
    }
    EXPECT_EQ(rows, ExpectedRows(laboratory.gas, run.method));
    EXPECT_NEAR(SumOfMeasurableFractions(context, false), 100.0, 1e-9);
    ExpectRecovered(context, laboratory.gas);
    ExpectPropertiesOfTheGas(context, laboratory.gas);
    EXPECT_GT(context.methaneNumber.first, 70.0);
    EXPECT_LT(context.methaneNumber.first, 95.0);
    EXPECT_EQ(context.methaneNumberLists.simplifiedMixture.size(), 4u);
}

INSTANTIATE_TEST_SUITE_P(EveryMethod, WholeRun,
                         ::testing::Values(RunCase{Method::A, 2, true}, RunCase{Method::A, 2, false},
                                           RunCase{Method::A, 1, true}, RunCase{Method::A, 1, false},
                                           RunCase{Method::B, 2, true}, RunCase{Method::B, 2, false},
                                           RunCase{Method::B, 1, true}, RunCase{Method::B, 1, false},
                                           RunCase{Method::C1, 2, true}, RunCase{Method::C1, 2, false},
                                           RunCase{Method::C1, 1, true}, RunCase{Method::C1, 1, false},
                                           RunCase{Method::C2, 2, true}, RunCase{Method::C2, 2, false},
                                           RunCase{Method::C2, 1, true}, RunCase{Method::C2, 1, false}),
                         CaseName);

class MethodRun : public ::testing::TestWithParam<Method> {};

TEST_P(MethodRun, ConditionallyConstantComponentsReplaceTheMeasuredRows) {
    for (const bool byDifference : {true, false}) {
        SCOPED_TRACE(byDifference);
        LaboratoryFile file("constants");
        LaboratoryPlan plan;
        plan.method = GetParam();
        const Laboratory laboratory = WriteLaboratory(file, plan);
        CalcContext context = ContextFor(laboratory, plan.method);
        context.settings.clcMethaneDiff = byDifference;
        // Helium is also measured; argon is not.
        context.constants = {MixtureComponent{u"helium", 0.0165, 0.0020},
                             MixtureComponent{u"argon", 0.0100, 0.0015}};

        ASSERT_EQ(RunCalculation(context), Status::Ok);

        EXPECT_EQ(JournalLines(context.journal), std::vector<std::string>{});
        double fixedSum = 0.0;
        int heliumRows = 0;
        for (const ComponentResult& row : context.components) {
            heliumRows += row.id == u"helium" ? 1 : 0;
            if (row.id == u"helium" || row.id == u"argon") {
                EXPECT_TRUE(row.fixed);
                EXPECT_EQ(row.molarFraction, row.id == u"helium" ? 0.0165 : 0.0100);
                EXPECT_EQ(row.uncertainty, row.id == u"helium" ? 0.0020 : 0.0015);
                fixedSum += row.molarFraction;
            } else {
                EXPECT_FALSE(row.fixed);
            }
        }
        EXPECT_EQ(heliumRows, 1);
        EXPECT_NEAR(fixedSum, 0.0265, 1e-12);
        // With normalisation the measured components share what the constants leave.
        EXPECT_NEAR(SumOfMeasurableFractions(context, false), 100.0 - 0.0265, 1e-9);
        ExpectRecovered(context, laboratory.gas);
        // The constants take no part in the calibration.
        for (const CalibrationResult& result : context.calibration) {
            EXPECT_NE(result.component, u"helium");
        }
    }
}

TEST_P(MethodRun, ThePressureCorrectionBringsAnalysesAtAnotherPressureBack) {
    LaboratoryFile file("pressure");
    LaboratoryPlan plan;
    plan.method = GetParam();
    plan.calibrationPressureKPa = 101.3;
    plan.analysisPressureKPa = 97.0;
    const Laboratory laboratory = WriteLaboratory(file, plan);

    CalcContext corrected = ContextFor(laboratory, plan.method);
    corrected.settings.clcPressure = true;
    ASSERT_EQ(RunCalculation(corrected), Status::Ok);
    EXPECT_EQ(JournalLines(corrected.journal), std::vector<std::string>{});
    ExpectRecovered(corrected, laboratory.gas);

    // Without it every area of the analyses is about 4 % low, and so is every component but methane,
    // the balance: ethane falls outside its uncertainty.
    CalcContext uncorrected = ContextFor(laboratory, plan.method);
    uncorrected.settings.clcPressure = false;
    ASSERT_EQ(RunCalculation(uncorrected), Status::Ok);
    for (const ComponentResult& row : uncorrected.components) {
        if (row.id == u"ethane") {
            const double truth = sim::FractionOf(laboratory.gas, u"ethane");
            EXPECT_NEAR(row.molarFraction / truth, 97.0 / 101.3, 0.005);
            EXPECT_GT(std::fabs(row.molarFraction - truth), row.uncertainty);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryMethod, MethodRun,
                         ::testing::Values(Method::A, Method::B, Method::C1, Method::C2),
                         [](const ::testing::TestParamInfo<Method>& info) { return MethodName(info.param); });

#include <gtest/gtest.h>

#include <cmath>
#include <string_view>
#include <vector>

#include "Chromatograph.h"
#include "CompositionTestSupport.h"
#include "calc/Stages.h"
#include "calc/Status.h"

namespace {

using comptest::AddChromatogram;
using comptest::FactorResult;
using comptest::LineResult;
using comptest::ListedAssay;
using comptest::RowOf;
using comptest::TableRuleUncertainty;
using testsupport::DisplayName;
using testsupport::ExpectJournal;
using testsupport::JournalTexts;

struct GasPart {
    std::u16string_view id;
    double molPct;
};

// A pipeline gas whose parts sum to 100 mol %, in retention order.
const std::vector<GasPart> kGas = {
    {u"nitrogen", 1.0},  {u"methane", 94.26}, {u"carbon_dioxide", 0.5},
    {u"ethane", 3.0},    {u"propane", 0.9},   {u"2_methylpropane", 0.15},
    {u"n_butane", 0.15}, {u"n_hexane", 0.03}, {u"n_heptane", 0.01},
};

// Area per mol % of the simulated detector at 101.325 kPa.
double Response(std::u16string_view id) {
    return sim::ChromatographModel{}.ResponseOf(id);
}

double TrueFraction(std::u16string_view id) {
    for (const GasPart& part : kGas) {
        if (part.id == id) {
            return part.molPct;
        }
    }
    return 0.0;
}

// Factors K = 1/response of the components the method determines (С6 and С7 as n-hexane and n-heptane).
std::vector<CalibrationResult> FactorsOfMethodA() {
    std::vector<CalibrationResult> results;
    for (const std::u16string_view id : {u"methane", u"nitrogen", u"ethane", u"carbon_dioxide", u"propane",
                                         u"2_methylpropane", u"n_butane"}) {
        results.push_back(FactorResult(id, 1.0 / Response(id)));
    }
    results.push_back(FactorResult(u"c6", 1.0 / Response(u"n_hexane")));
    results.push_back(FactorResult(u"c7", 1.0 / Response(u"n_heptane")));
    return results;
}

// The identifier under which the composition of method А reports a component of the gas.
std::u16string_view ReportedIdA(std::u16string_view id) {
    if (id == u"n_hexane") {
        return u"c6";
    }
    if (id == u"n_heptane") {
        return u"c7";
    }
    return id;
}

class RunCompositionTest : public ::testing::Test {
protected:
    void SetUp() override {
        comptest::RequireLibrary();
        context_.settings.clbrCalcMethod = 0;
        context_.calibrationKind = 0;
        context_.settings.clcMethaneDiff = true;
        context_.settings.clcDeviceType = 0;
        context_.calibration = FactorsOfMethodA();
        host_.Attach(context_);
    }

    // A chromatogram of the gas with every area multiplied by scale (and the components named in
    // factors by their own factor), sampled at pressureKPa by a detector whose areas follow the pressure.
    int64_t Chromatogram(double scale = 1.0, std::vector<std::pair<std::u16string_view, double>> factors = {},
                         double pressureKPa = 101.325, const std::vector<GasPart>& gas = kGas) {
        std::vector<comptest::Peak> peaks;
        for (const GasPart& part : gas) {
            double area = part.molPct * Response(part.id) * scale * pressureKPa / 101.325;
            for (const auto& [id, factor] : factors) {
                if (id == part.id) {
                    area *= factor;
                }
            }
            peaks.push_back({part.id, sim::RetentionTimeOf(part.id), area, area / 10.0});
        }
        const int64_t id = AddChromatogram(host_, peaks, pressureKPa);
        // The chromatogram list carries the assay's row, its pressure included.
        Assay listed = ListedAssay(id);
        listed.atmpressure = pressureKPa;
        context_.assays.push_back(listed);
        return id;
    }

    int32_t Run() { return RunComposition(context_); }

    double SumOf(double ComponentResult::*field, const std::vector<ComponentResult>& table) const {
        double sum = 0.0;
        for (const ComponentResult& row : table) {
            sum += row.*field;
        }
        return sum;
    }

    testsupport::HostRecords host_;
    CalcContext context_;
};

TEST_F(RunCompositionTest, TwoMeasurementsWithMethaneByDifference) {
    const int64_t first = Chromatogram();
    const int64_t second = Chromatogram(1.002);
    ASSERT_EQ(Run(), Status::Ok);
    EXPECT_TRUE(context_.journal.entries.empty());

    ASSERT_EQ(context_.measurements.size(), 2u);
    EXPECT_EQ(context_.measurements[0].assayId, first);
    EXPECT_EQ(context_.measurements[1].assayId, second);
    ASSERT_EQ(context_.measurements[0].peaks.size(), 9u);
    EXPECT_EQ(context_.measurements[0].peaks.back().id, u"c7"); // groups at the end
    EXPECT_NEAR(context_.measurements[0].peaks[1].molarFraction, 94.26, 1e-11);
    EXPECT_EQ(context_.measurements[0].peaks[1].rawFraction, context_.measurements[0].peaks[1].molarFraction);

    std::vector<std::u16string> ids;
    for (const ComponentResult& row : context_.components) {
        ids.push_back(row.id);
    }
    // By molar mass; the butanes, of equal mass, in retention order.
    const std::vector<std::u16string> order = {u"methane",        u"nitrogen", u"ethane",
                                               u"carbon_dioxide", u"propane",  u"2_methylpropane",
                                               u"n_butane",       u"c6",       u"c7"};
    EXPECT_EQ(ids, order);

    double others = 0.0;
    double squares = 0.0;
    for (const GasPart& part : kGas) {
        if (part.id == u"methane") {
            continue;
        }
        const ComponentResult* row = RowOf(context_.components, ReportedIdA(part.id));
        ASSERT_NE(row, nullptr);
        const std::string name = comptest::Narrow(row->id);
        EXPECT_NEAR(row->x1, part.molPct, 1e-12) << name;
        EXPECT_NEAR(row->x2, part.molPct * 1.002, 1e-12) << name;
        EXPECT_NEAR(row->molarFraction, part.molPct * 1.001, 1e-12) << name;
        EXPECT_EQ(row->rawFraction, row->molarFraction) << name;
        EXPECT_NEAR(row->difference, part.molPct * 0.002, 1e-12) << name;
        const double u = TableRuleUncertainty(0, row->id, row->rawFraction);
        EXPECT_DOUBLE_EQ(row->rawUncertainty, u) << name;
        EXPECT_DOUBLE_EQ(row->uncertainty, u) << name;
        EXPECT_DOUBLE_EQ(row->acceptLimit, 1.4 * u) << name;
        EXPECT_TRUE(row->accepted) << name;
        EXPECT_FALSE(row->fixed) << name;
        EXPECT_GT(row->lowerLimit, 0.0) << name;
        others += row->molarFraction;
        squares += u * u;
    }
    const ComponentResult& methane = context_.components[0];
    EXPECT_NEAR(methane.molarFraction, 100.0 - others, 1e-12);
    EXPECT_NEAR(methane.molarFraction, 100.0 - 5.74 * 1.001, 1e-11);
    EXPECT_EQ(methane.rawFraction, methane.molarFraction);
    EXPECT_DOUBLE_EQ(methane.rawUncertainty, std::sqrt(squares));
    EXPECT_DOUBLE_EQ(methane.uncertainty, std::sqrt(squares));
    EXPECT_TRUE(methane.accepted);
    EXPECT_EQ(methane.x1, 0.0);
    EXPECT_EQ(methane.area, 0.0);
    EXPECT_EQ(methane.lowerLimit, 0.0);

    // Volume fractions at 20 °C (the default metering temperature) and mass fractions.
    EXPECT_NEAR(SumOf(&ComponentResult::volumeFraction, context_.components), 100.0, 1e-10);
    EXPECT_NEAR(SumOf(&ComponentResult::massFraction, context_.components), 100.0, 1e-10);
    const ComponentResult* ethane = RowOf(context_.components, u"ethane");
    EXPECT_NEAR(ethane->volumeFraction / methane.volumeFraction,
                (ethane->molarFraction * 0.99197) / (methane.molarFraction * 0.99814), 1e-12);
    EXPECT_NEAR(ethane->massFraction / methane.massFraction,
                (ethane->molarFraction * 30.06904) / (methane.molarFraction * 16.04246), 1e-12);
    EXPECT_TRUE(context_.components2.empty());
}

TEST_F(RunCompositionTest, TwoMeasurementsNormalised) {
    context_.settings.clcMethaneDiff = false;
    Chromatogram(0.995);
    Chromatogram(0.997);
    ASSERT_EQ(Run(), Status::Ok);
    EXPECT_TRUE(context_.journal.entries.empty());
    ASSERT_EQ(context_.components.size(), 9u);
    EXPECT_NEAR(SumOf(&ComponentResult::rawFraction, context_.components), 99.6, 1e-10);
    EXPECT_NEAR(SumOf(&ComponentResult::molarFraction, context_.components), 100.0, 1e-10);
    for (const ComponentResult& row : context_.components) {
        const std::string name = comptest::Narrow(row.id);
        const double truth = row.id == u"c6" ? 0.03 : row.id == u"c7" ? 0.01 : TrueFraction(row.id);
        EXPECT_NEAR(row.rawFraction, truth * 0.996, 1e-11) << name;
        EXPECT_NEAR(row.molarFraction, truth, 1e-11) << name;
        EXPECT_DOUBLE_EQ(row.rawUncertainty, TableRuleUncertainty(0, row.id, row.rawFraction)) << name;
        EXPECT_DOUBLE_EQ(row.uncertainty, TableRuleUncertainty(0, row.id, row.molarFraction)) << name;
        EXPECT_TRUE(row.accepted) << name;
    }
    // Methane is measured and judged like the others.
    EXPECT_GT(RowOf(context_.components, u"methane")->acceptLimit, 0.0);
    EXPECT_NEAR(RowOf(context_.components, u"methane")->x1, 94.26 * 0.995, 1e-10);
}

TEST_F(RunCompositionTest, RawSumOutsideNinetyEightToOneHundredTwo) {
    context_.settings.clcMethaneDiff = false;
    Chromatogram(0.97);
    Chromatogram(0.97);
    EXPECT_EQ(Run(), Status::SumOutOfRange);
    const double sum = SumOf(&ComponentResult::rawFraction, context_.components);
    EXPECT_NEAR(sum, 97.0, 1e-10);
    EXPECT_EQ(JournalTexts(context_),
              std::vector<std::u16string>{LoadMessageText(StringId::MolarFractionSumOutOfRange, {sum})});
    EXPECT_EQ(context_.journal.entries[0].text,
              u"Сумма значений молярной доли компонентов 97.000000 находится вне диапазона от 98% до 102%.");
    // The later steps did not run; the earlier ones did.
    for (const ComponentResult& row : context_.components) {
        EXPECT_EQ(row.uncertainty, 0.0);
        EXPECT_EQ(row.volumeFraction, 0.0);
        EXPECT_EQ(row.massFraction, 0.0);
        EXPECT_GT(row.rawUncertainty, 0.0);
        EXPECT_TRUE(row.accepted);
    }
}

TEST_F(RunCompositionTest, RawSumIsNotCheckedWithMethaneByDifference) {
    Chromatogram(0.97);
    Chromatogram(0.97);
    EXPECT_EQ(Run(), Status::Ok);
    EXPECT_TRUE(context_.journal.entries.empty());
    EXPECT_NEAR(RowOf(context_.components, u"methane")->molarFraction, 100.0 - 5.74 * 0.97, 1e-11);
}

TEST_F(RunCompositionTest, RepeatabilityFailureWithMethaneByDifference) {
    Chromatogram();
    Chromatogram(1.0, {{u"ethane", 1.1}});
    EXPECT_EQ(Run(), Status::Repeatability);
    const ComponentResult* ethane = RowOf(context_.components, u"ethane");
    ASSERT_NE(ethane, nullptr);
    EXPECT_NEAR(ethane->difference, 0.3, 1e-12);
    EXPECT_FALSE(ethane->accepted);
    EXPECT_EQ(ethane->uncertainty, 0.0); // not accepted: no uncertainty
    EXPECT_EQ(RowOf(context_.components, u"methane")->uncertainty, 0.0);
    EXPECT_DOUBLE_EQ(RowOf(context_.components, u"propane")->uncertainty,
                     TableRuleUncertainty(0, u"propane", 0.9));
    ExpectJournal(context_.journal,
                  {
                      {JournalCategory::Comp,
                       LoadMessageText(StringId::RepeatabilityFailed,
                                       {DisplayName(u"ethane"), ethane->difference, ethane->acceptLimit})},
                      {JournalCategory::Comp, u"Некоторые из компонентов не прошли проверку."},
                  });
    // Steps 13 and 14 filled the table before the failure was reported.
    EXPECT_NEAR(SumOf(&ComponentResult::volumeFraction, context_.components), 100.0, 1e-10);
    EXPECT_NEAR(SumOf(&ComponentResult::massFraction, context_.components), 100.0, 1e-10);
}

TEST_F(RunCompositionTest, RepeatabilityFailureComesBeforeTheSumWhenNormalised) {
    context_.settings.clcMethaneDiff = false;
    Chromatogram(0.97);
    Chromatogram(0.97, {{u"propane", 1.2}});
    EXPECT_EQ(Run(), Status::Repeatability);
    ASSERT_EQ(context_.journal.entries.size(), 2u);
    EXPECT_EQ(context_.journal.entries[1].text, LoadMessageText(StringId::SomeComponentsFailed));
    for (const ComponentResult& row : context_.components) {
        EXPECT_EQ(row.uncertainty, 0.0); // normalised: none without the passed check
    }
}

TEST_F(RunCompositionTest, NoAnalysisChromatogramEndsQuietlyWithEmptyTables) {
    context_.components.push_back(ComponentResult{});
    context_.components2.push_back(ComponentResult{});
    context_.measurements.push_back(Measurement{});
    context_.assays.push_back(ListedAssay(1, AssayRole::Calibration));
    EXPECT_EQ(Run(), Status::NoAnalysis);
    EXPECT_TRUE(context_.components.empty());
    EXPECT_TRUE(context_.components2.empty());
    EXPECT_TRUE(context_.measurements.empty());
    EXPECT_TRUE(context_.journal.entries.empty());
}

TEST_F(RunCompositionTest, OneChromatogramIsTooFewForALaboratoryChromatograph) {
    Chromatogram();
    EXPECT_EQ(Run(), Status::Failed);
    EXPECT_EQ(JournalTexts(context_),
              std::vector<std::u16string>{u"Для анализа выбрано менее 2 хроматограмм."});
    EXPECT_TRUE(context_.components.empty());
}

TEST_F(RunCompositionTest, ProcessChromatographTakesOneMeasurement) {
    context_.settings.clcDeviceType = 1;
    const int64_t first = Chromatogram();
    Chromatogram(1.5); // not taken
    ASSERT_EQ(Run(), Status::Ok);
    EXPECT_TRUE(context_.journal.entries.empty());
    ASSERT_EQ(context_.measurements.size(), 1u);
    EXPECT_EQ(context_.measurements[0].assayId, first);
    const ComponentResult* ethane = RowOf(context_.components, u"ethane");
    EXPECT_NEAR(ethane->x1, 3.0, 1e-12);
    EXPECT_EQ(ethane->x2, 0.0);
    EXPECT_EQ(ethane->difference, ethane->x1); // far above 1.4·U, yet accepted
    EXPECT_TRUE(ethane->accepted);
    EXPECT_EQ(ethane->acceptLimit, 0.0);
    EXPECT_NEAR(RowOf(context_.components, u"methane")->molarFraction, 94.26, 1e-11);
}

TEST_F(RunCompositionTest, ConditionallyConstantComponentReplacesTheMeasuredOne) {
    std::vector<GasPart> gas = kGas;
    gas.push_back({u"helium", 0.02});
    gas[1].molPct -= 0.02;
    context_.constants = {{u"helium", 0.015, 0.002}};
    context_.calibration.push_back(FactorResult(u"helium", 1.0 / Response(u"helium")));
    Chromatogram(1.0, {}, 101.325, gas);
    Chromatogram(1.0, {}, 101.325, gas);
    ASSERT_EQ(Run(), Status::Ok);
    const ComponentResult* helium = RowOf(context_.components, u"helium");
    ASSERT_NE(helium, nullptr);
    EXPECT_TRUE(helium->fixed);
    EXPECT_EQ(helium->molarFraction, 0.015);
    EXPECT_EQ(helium->uncertainty, 0.002);
    EXPECT_EQ(helium->rawUncertainty, 0.002);
    EXPECT_EQ(helium->area, 0.0);
    EXPECT_EQ(context_.components[0].id, u"helium"); // the lightest
    const ComponentResult* methane = RowOf(context_.components, u"methane");
    EXPECT_NEAR(methane->molarFraction, 100.0 - 5.74 - 0.015, 1e-11);
    EXPECT_GT(methane->uncertainty * methane->uncertainty, 0.002 * 0.002);

    // Normalised: the measured components share what the fixed one leaves.
    context_.settings.clcMethaneDiff = false;
    ASSERT_EQ(RunComposition(context_), Status::Ok);
    double measured = 0.0;
    for (const ComponentResult& row : context_.components) {
        if (!row.fixed) {
            measured += row.molarFraction;
        }
    }
    EXPECT_NEAR(measured, 100.0 - 0.015, 1e-10);
    EXPECT_EQ(RowOf(context_.components, u"helium")->molarFraction, 0.015);
}

TEST_F(RunCompositionTest, PressureCorrectionBringsAreasToStandardPressure) {
    Chromatogram(1.0, {}, 95.0);
    Chromatogram(1.0, {}, 95.0);
    context_.settings.clcPressure = true;
    ASSERT_EQ(Run(), Status::Ok);
    EXPECT_NEAR(RowOf(context_.components, u"ethane")->molarFraction, 3.0, 1e-11);
    EXPECT_NEAR(RowOf(context_.components, u"methane")->molarFraction, 94.26, 1e-11);

    context_.settings.clcPressure = false;
    ASSERT_EQ(RunComposition(context_), Status::Ok);
    EXPECT_NEAR(RowOf(context_.components, u"ethane")->molarFraction, 3.0 * 95.0 / 101.325, 1e-11);
    EXPECT_NEAR(RowOf(context_.components, u"methane")->molarFraction, 100.0 - 5.74 * 95.0 / 101.325, 1e-11);
}

TEST_F(RunCompositionTest, ComponentBelowTheLowerLimitOfItsRange) {
    std::vector<GasPart> gas = kGas;
    gas.insert(gas.begin(), GasPart{u"hydrogen", 0.0005});
    context_.calibration.push_back(FactorResult(u"hydrogen", 1.0 / Response(u"hydrogen")));
    Chromatogram(1.0, {}, 101.325, gas);
    Chromatogram(1.0, {{u"hydrogen", 1.8}}, 101.325, gas);
    const double lowerLimit = comptest::RangeInTable(0, u"hydrogen").lower;
    ASSERT_GT(lowerLimit, 0.0009);

    ASSERT_EQ(Run(), Status::Ok);
    EXPECT_TRUE(context_.journal.entries.empty()); // below the range: no message, no acceptability test
    const ComponentResult* hydrogen = RowOf(context_.components, u"hydrogen");
    EXPECT_EQ(hydrogen->lowerLimit, lowerLimit);
    EXPECT_NEAR(hydrogen->molarFraction, 0.0007, 1e-15);
    EXPECT_TRUE(hydrogen->accepted);
    EXPECT_EQ(hydrogen->rawUncertainty, 0.0);
    EXPECT_EQ(hydrogen->uncertainty, 0.0);
    // It takes no part in methane by difference.
    EXPECT_NEAR(RowOf(context_.components, u"methane")->molarFraction, 94.26, 1e-11);

    // Normalised, it keeps its measured value.
    context_.settings.clcMethaneDiff = false;
    ASSERT_EQ(RunComposition(context_), Status::Ok);
    EXPECT_NEAR(RowOf(context_.components, u"hydrogen")->molarFraction, 0.0007, 1e-15);
    EXPECT_NEAR(SumOf(&ComponentResult::molarFraction, context_.components), 100.0007, 1e-10);
}

TEST_F(RunCompositionTest, MethodBGroupsEverythingAboveThePentanesIntoC6Plus) {
    context_.settings.clbrCalcMethod = 1;
    context_.calibrationKind = 1;
    const double factorC6Plus = 1.0 / 130000.0;
    context_.calibration = FactorsOfMethodA();
    context_.calibration.push_back(FactorResult(u"c6plus", factorC6Plus));
    Chromatogram();
    Chromatogram();
    ASSERT_EQ(Run(), Status::Ok);
    EXPECT_TRUE(context_.journal.entries.empty());
    EXPECT_EQ(RowOf(context_.components, u"c6"), nullptr);
    EXPECT_EQ(RowOf(context_.components, u"c7"), nullptr);
    const ComponentResult* c6plus = RowOf(context_.components, u"c6plus");
    ASSERT_NE(c6plus, nullptr);
    const double area = 0.03 * Response(u"n_hexane") + 0.01 * Response(u"n_heptane");
    EXPECT_NEAR(c6plus->area, area, 1e-9);
    EXPECT_NEAR(c6plus->molarFraction, area * factorC6Plus, 1e-14);
    EXPECT_DOUBLE_EQ(c6plus->uncertainty, TableRuleUncertainty(1, u"c6plus", c6plus->molarFraction));
    EXPECT_TRUE(context_.components2.empty()); // no "c6plusstar" result
}

TEST_F(RunCompositionTest, MethodC1ConvertsWithCalibrationLines) {
    context_.settings.clbrCalcMethod = 2;
    context_.calibrationKind = 2;
    context_.calibration.clear();
    for (const std::u16string_view id : {u"methane", u"nitrogen", u"ethane", u"carbon_dioxide", u"propane",
                                         u"2_methylpropane", u"n_butane"}) {
        context_.calibration.push_back(LineResult(id, Response(id), 0.0));
    }
    context_.calibration.push_back(LineResult(u"c6", Response(u"n_hexane"), 0.0));
    context_.calibration.push_back(LineResult(u"c7", Response(u"n_heptane"), 0.0));
    Chromatogram();
    Chromatogram(1.001);
    ASSERT_EQ(Run(), Status::Ok);
    EXPECT_TRUE(context_.journal.entries.empty());
    EXPECT_NEAR(RowOf(context_.components, u"c6")->molarFraction, 0.03 * 1.0005, 1e-14);
    EXPECT_NEAR(RowOf(context_.components, u"carbon_dioxide")->molarFraction, 0.5 * 1.0005, 1e-13);
    EXPECT_DOUBLE_EQ(RowOf(context_.components, u"ethane")->uncertainty,
                     TableRuleUncertainty(2, u"ethane", 3.0 * 1.0005));
}

TEST_F(RunCompositionTest, SecondComponentTableOfMethodBWithC6PlusStar) {
    context_.settings.clbrCalcMethod = 1;
    context_.calibrationKind = 1;
    context_.calibration = FactorsOfMethodA();
    context_.calibration.push_back(FactorResult(u"c6plus", 1.0 / 130000.0));
    context_.calibration.push_back(FactorResult(u"c6plusstar", 1.0 / 120000.0));
    Chromatogram();
    Chromatogram(1.001);
    ASSERT_EQ(Run(), Status::Ok);
    EXPECT_TRUE(context_.journal.entries.empty());
    EXPECT_EQ(context_.measurements.size(), 2u); // the second table's measurements are not kept

    const double area = (0.03 * Response(u"n_hexane") + 0.01 * Response(u"n_heptane")) * 1.0005;
    ASSERT_EQ(context_.components2.size(), context_.components.size());
    EXPECT_NEAR(RowOf(context_.components, u"c6plus")->molarFraction, area / 130000.0, 1e-14);
    const ComponentResult* c6plus = RowOf(context_.components2, u"c6plus");
    ASSERT_NE(c6plus, nullptr);
    EXPECT_NEAR(c6plus->molarFraction, area / 120000.0, 1e-14);
    EXPECT_DOUBLE_EQ(c6plus->uncertainty, TableRuleUncertainty(1, u"c6plus", c6plus->molarFraction));
    EXPECT_TRUE(c6plus->accepted);

    // Not sorted (methane by difference last, as appended), no volume or mass fractions.
    EXPECT_EQ(context_.components2.back().id, u"methane");
    EXPECT_EQ(context_.components2.front().id, u"nitrogen");
    EXPECT_EQ(context_.components.front().id, u"methane");
    double others = 0.0;
    for (const ComponentResult& row : context_.components2) {
        EXPECT_EQ(row.volumeFraction, 0.0);
        EXPECT_EQ(row.massFraction, 0.0);
        if (row.id != u"methane") {
            others += row.molarFraction;
        }
    }
    EXPECT_NEAR(context_.components2.back().molarFraction, 100.0 - others, 1e-12);
    EXPECT_GT(context_.components2.back().uncertainty, 0.0);
}

TEST_F(RunCompositionTest, NoSecondTableAfterAFailedCheckOrForAnotherMethod) {
    context_.settings.clbrCalcMethod = 1;
    context_.calibrationKind = 1;
    context_.calibration = FactorsOfMethodA();
    context_.calibration.push_back(FactorResult(u"c6plus", 1.0 / 130000.0));
    context_.calibration.push_back(FactorResult(u"c6plusstar", 1.0 / 120000.0));
    Chromatogram();
    Chromatogram(1.0, {{u"propane", 1.3}});
    EXPECT_EQ(Run(), Status::Repeatability);
    EXPECT_TRUE(context_.components2.empty());
    EXPECT_EQ(context_.journal.entries.size(), 2u); // 292 for propane and 266, once each

    context_.calibrationKind = 0; // a calibration by method А with the same results
    context_.assays.erase(context_.assays.begin() + 1);
    context_.settings.clcDeviceType = 1;
    ASSERT_EQ(RunComposition(context_), Status::Ok);
    EXPECT_TRUE(context_.components2.empty());
}

// A component far above its range: its message once from the raw uncertainty and once from the final
// one. A peak no alias knows is named once as unidentified, with its retention time, and gets no
// uncertainty message.
TEST_F(RunCompositionTest, UncertaintyMessagesAppearTwiceAndAnUnidentifiedPeakOnce) {
    context_.settings.clcDeviceType = 1;
    const int64_t id = AddChromatogram(host_, {{u"methane", 2.05, 80.0 * Response(u"methane")},
                                               {u"ethane", 3.46, 20.0 * Response(u"ethane")},
                                               {u"? Пик 1", 5.0, 100.0}});
    context_.assays.push_back(ListedAssay(id));
    ASSERT_EQ(Run(), Status::Ok);
    const comptest::TableRange range = comptest::RangeInTable(0, u"ethane");
    const std::u16string ethane20 = LoadMessageText(StringId::ComponentOutOfMethodRange,
                                                    {DisplayName(u"ethane"), 20.0, range.lower, range.upper});
    const std::u16string unknown = u"Пик \"? Пик 1\" (время удерживания 5.000 мин) не идентифицирован и не "
                                   u"учитывается в проверке приемлемости результатов измерений.";
    ExpectJournal(context_.journal, {{JournalCategory::Comp, unknown},
                                     {JournalCategory::Comp, ethane20},
                                     {JournalCategory::Comp, ethane20}});
    EXPECT_EQ(context_.components[0].id, u"? Пик 1");
    EXPECT_EQ(context_.components[0].molarFraction, 0.0);
    EXPECT_EQ(RowOf(context_.components, u"ethane")->uncertainty, 0.0);
}

// A peak no alias knows has fraction 0 and uncertainty 0; it is named as unidentified and left out of
// the acceptability of the two measurements instead of failing it on 1.4·0 > 0.
TEST_F(RunCompositionTest, AnUnidentifiedPeakDoesNotFailTheAcceptabilityOfTwoMeasurements) {
    for (int i = 0; i < 2; ++i) {
        const int64_t id = AddChromatogram(host_, {{u"methane", 2.05, 94.0 * Response(u"methane")},
                                                   {u"ethane", 3.46, 6.0 * Response(u"ethane")},
                                                   {u"? Пик 1", 5.0, 100.0}});
        context_.assays.push_back(ListedAssay(id));
    }
    EXPECT_EQ(Run(), Status::Ok);
    const std::vector<std::u16string> expected = {
        u"Пик \"? Пик 1\" (время удерживания 5.000 мин) не идентифицирован и не учитывается в проверке "
        u"приемлемости результатов измерений.",
    };
    EXPECT_EQ(JournalTexts(context_), expected);
    const ComponentResult* unknown = RowOf(context_.components, u"? Пик 1");
    ASSERT_NE(unknown, nullptr);
    EXPECT_TRUE(unknown->accepted);
    EXPECT_EQ(unknown->molarFraction, 0.0);
    EXPECT_EQ(unknown->uncertainty, 0.0);
}

// Peaks stored without a name, or without a retention time (integrated by hand), are measured areas the
// composition cannot take in: the journal names each one that has an area, and a missing time is shown
// as missing rather than as 0.
TEST_F(RunCompositionTest, PeaksWithoutNameOrTimeAreNamedWithTheirTimeShownAsMissing) {
    context_.settings.clcDeviceType = 1;
    const int64_t id = AddChromatogram(host_, {{u"methane", 2.05, 94.0 * Response(u"methane")},
                                               {u"ethane", 3.46, 6.0 * Response(u"ethane")},
                                               {u"", 0.0, 3.5},
                                               {u"", 7.25, 0.0},
                                               {u"", 8.5, 2.0},
                                               {u"? Пик 2", 0.0, 40.0}});
    context_.assays.push_back(ListedAssay(id));
    ASSERT_EQ(Run(), Status::Ok);
    ExpectJournal(
        context_.journal,
        {{JournalCategory::Comp, LoadMessageText(StringId::UnidentifiedPeakWithoutTime, {u"? Пик 2"})},
         {JournalCategory::Comp, u"Пик без названия (время удерживания \u2014 мин, площадь 3.5) не "
                                 u"идентифицирован и не входит в состав газа."},
         {JournalCategory::Comp, LoadMessageText(StringId::UnnamedPeak, {u"8.500", 2.0})}});
    EXPECT_NE(RowOf(context_.components, u"? Пик 2"), nullptr);
}

} // namespace

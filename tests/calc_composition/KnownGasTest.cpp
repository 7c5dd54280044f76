// A known gas through a simulated chromatograph (noisy areas, a pressure that drifts from the standard),
// composed back from the detector's own response factors: every molar fraction must come back within
// its expanded uncertainty. The chromatograms are read from the database file the simulator writes, so
// that the composition also meets the rows through the host's own queries.
#include <gtest/gtest.h>

#include <cmath>
#include <string_view>
#include <vector>

#include "Chromatograph.h"
#include "CompositionTestSupport.h"
#include "GasComposition.h"
#include "HostWriter.h"
#include "Random.h"
#include "calc/Stages.h"
#include "calc/Status.h"
#include "support/TempHostDatabase.h"

namespace {

using comptest::FactorResult;
using comptest::LineResult;
using comptest::RowOf;

// The С6/С7/С8 groups of methods А and В1 hold one alkane each in this gas.
std::u16string_view ReportedId(std::u16string_view id) {
    if (id == u"n_hexane") {
        return u"c6";
    }
    if (id == u"n_heptane") {
        return u"c7";
    }
    if (id == u"n_octane") {
        return u"c8";
    }
    return id;
}

struct KnownGasCase {
    const char* name;
    int32_t method; // А 0 or В1 2
    bool methaneByDifference;
    double pressureKPa; // at which the chromatograms are run
    bool pressureCorrection;
};

class KnownGas : public ::testing::TestWithParam<KnownGasCase> {};

TEST_P(KnownGas, ComesBackWithinItsExpandedUncertainty) {
    ASSERT_NO_FATAL_FAILURE(comptest::RequireLibrary());
    const KnownGasCase& c = GetParam();
    const sim::GasComposition gas = sim::PipelineGas();
    const sim::ChromatographModel model;

    CalcContext context;
    context.settings.clbrCalcMethod = c.method;
    context.calibrationKind = c.method;
    context.settings.clcMethaneDiff = c.methaneByDifference;
    context.settings.clcPressure = c.pressureCorrection;
    for (const sim::GasComponent& component : gas) {
        const double response = model.ResponseOf(component.id); // area per mol % at 101.325 kPa
        const std::u16string_view id = ReportedId(component.id);
        context.calibration.push_back(c.method == 0 ? FactorResult(id, 1.0 / response)
                                                    : LineResult(id, response, 0.0));
    }

    const testsupport::TempHostDatabase file("composition");
    {
        sim::HostWriter writer(file.path());
        writer.CreateSchema(sim::SchemaOptions{});
        sim::Random random(20240607);
        sim::AssayRow row;
        row.atmpressureKPa = c.pressureKPa;
        for (const sim::Chromatogram& chromatogram :
             sim::WriteSeries(writer, row, 2, 600, gas, model, sim::ChromatogramOptions{}, random)) {
            // The chromatogram list carries the assay's row, its pressure included.
            Assay listed = comptest::ListedAssay(chromatogram.assayId);
            listed.atmpressure = chromatogram.assay.atmpressureKPa;
            context.assays.push_back(listed);
        }
    }

    const testsupport::UseHostDatabase use(file);
    ASSERT_EQ(RunComposition(context), Status::Ok);
    EXPECT_TRUE(context.journal.entries.empty());
    ASSERT_EQ(context.components.size(), gas.size());
    for (const sim::GasComponent& component : gas) {
        const ComponentResult* result = RowOf(context.components, ReportedId(component.id));
        ASSERT_NE(result, nullptr) << comptest::Narrow(component.id);
        const std::string name = comptest::Narrow(result->id);
        if (result->molarFraction < result->lowerLimit) {
            // Reported as "< lowerLimit" without an uncertainty, which the true value must bear out.
            EXPECT_LT(component.molarPercent, result->lowerLimit) << name;
            EXPECT_EQ(result->uncertainty, 0.0) << name;
            continue;
        }
        EXPECT_GT(result->uncertainty, 0.0) << name;
        EXPECT_LE(std::fabs(result->molarFraction - component.molarPercent), result->uncertainty)
            << name << ": " << result->molarFraction << " against " << component.molarPercent;
        EXPECT_TRUE(result->accepted) << name;
        if (!(c.methaneByDifference && component.id == u"methane")) {
            EXPECT_NE(result->difference, 0.0) << name; // the two runs differ by their noise
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    MethodsAndOptions, KnownGas,
    ::testing::Values(KnownGasCase{"MethodA_MethaneByDifference", 0, true, 101.325, false},
                      KnownGasCase{"MethodA_Normalised_LowPressureCorrected", 0, false, 98.2, true},
                      KnownGasCase{"MethodC1_MethaneByDifference_HighPressureCorrected", 2, true, 102.9,
                                   true},
                      KnownGasCase{"MethodC1_Normalised", 2, false, 101.325, false}),
    [](const ::testing::TestParamInfo<KnownGasCase>& info) { return std::string(info.param.name); });

} // namespace

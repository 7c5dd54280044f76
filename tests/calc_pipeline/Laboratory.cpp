#include "Laboratory.h"

#include <stdexcept>

#include "Batches.h"
#include "HostWriter.h"
#include "data/DataBaseHandle.h"
#include "data/HostQueries.h"

namespace pipelinetest {

namespace {

constexpr int64_t kDay = 1710374400; // 2024-03-14 00:00 UTC
constexpr int64_t kHour = 3600;

std::vector<sim::ReferenceMixture> MixturesOf(const LaboratoryPlan& plan, sim::Random& random) {
    switch (plan.method) {
    case Method::A:
        return {sim::IpgNearGas(u"СО-ИПГ № 17-А", plan.mixtureGas, random)};
    case Method::B:
        return {sim::PgmNearGas(u"СО-ПГМ № 82-Б", plan.mixtureGas, random)};
    case Method::C1:
        return {sim::IpgCalibrationRange(u"СО-ИПГ № 21-В1 (1)", false, false, random),
                sim::IpgCalibrationRange(u"СО-ИПГ № 22-В1 (2)", true, false, random)};
    case Method::C2:
        return {sim::IpgCalibrationRange(u"СО-ИПГ № 11-В2 (1)", false, true, random),
                sim::IpgCalibrationRange(u"СО-ИПГ № 12-В2 (2)", true, true, random)};
    }
    return {};
}

int32_t DefaultCalibrationRuns(Method method) {
    switch (method) {
    case Method::A:
        return 5;
    case Method::B:
        return 3;
    default:
        return 7;
    }
}

bool HeavyAsOneGroup(Method method) {
    return method == Method::B || method == Method::C2;
}

} // namespace

Laboratory WriteLaboratory(const LaboratoryFile& file, const LaboratoryPlan& plan) {
    sim::Random random(plan.seed);
    sim::HostWriter writer(file.path());
    writer.CreateSchema(sim::SchemaOptions{});
    writer.Begin();

    Laboratory laboratory;
    laboratory.mixtures = MixturesOf(plan, random);
    laboratory.mixtures.insert(laboratory.mixtures.end(), plan.extraMixtures.begin(),
                               plan.extraMixtures.end());
    laboratory.gas = plan.analyseMixture ? sim::GasOf(laboratory.mixtures.front()) : plan.gas;
    const std::u16string analysedMixture = plan.analyseMixture ? laboratory.mixtures.front().name : u"";

    const sim::ChromatographModel model;
    sim::RunContext run;
    run.method = u"ГОСТ 31371.7-2020";
    run.intervalSeconds = 600;
    run.atmpressureKPa = plan.calibrationPressureKPa;
    run.date = kDay + 6 * kHour;
    sim::ChromatogramOptions calibrationOptions;
    calibrationOptions.heavyPeaks =
        HeavyAsOneGroup(plan.method) ? sim::HeavyPeaks::C6Plus : sim::HeavyPeaks::Individual;
    const int32_t calibrationRuns =
        plan.calibrationRuns > 0 ? plan.calibrationRuns : DefaultCalibrationRuns(plan.method);
    for (const sim::ReferenceMixture& mixture : laboratory.mixtures) {
        sim::ReferenceMixture certificate = mixture;
        if (&mixture == &laboratory.mixtures.front()) {
            std::erase_if(certificate.values, [&plan](const sim::CertifiedValue& value) {
                return value.id == plan.uncertifiedComponent;
            });
        }
        sim::WriteMixture(writer, certificate);
        std::vector<int64_t> batch;
        for (int32_t i = 0; i < calibrationRuns; ++i) {
            sim::ChromatogramOptions options = calibrationOptions;
            if (i == 0 && laboratory.calibration.empty()) {
                options.areaFactors = plan.firstCalibrationFaults;
            }
            if (i % 2 == 1 && laboratory.calibration.empty()) {
                options.areaFactors = plan.alternateCalibrationFaults;
            }
            run.atmpressureNull =
                plan.firstCalibrationWithoutPressure && i == 0 && laboratory.calibration.empty();
            batch.push_back(
                sim::WriteCalibrationBatch(writer, mixture, 1, run, model, options, random).front().assayId);
            run.atmpressureNull = false;
            run.date += run.intervalSeconds;
        }
        laboratory.calibration.push_back(batch);
    }
    sim::ChromatogramOptions controlOptions = calibrationOptions;
    controlOptions.areaFactors = plan.controlFaults;
    for (const sim::ReferenceMixture& mixture : laboratory.mixtures) {
        laboratory.control.push_back(sim::IdsOf(
            sim::WriteControlBatch(writer, mixture, plan.controlRuns, run, model, controlOptions, random)));
        run.date += plan.controlRuns * run.intervalSeconds;
    }

    run.date = kDay + 16 * kHour;
    run.atmpressureKPa = plan.analysisPressureKPa;
    sim::ChromatogramOptions analysisOptions;
    analysisOptions.areaFactors = plan.analysisFaults;
    analysisOptions.unknownNamedPeaks = plan.unknownAnalysisPeaks;
    for (int32_t i = 0; i < plan.analysisRuns; ++i) {
        if (i == 1) {
            analysisOptions.areaFactors.insert(analysisOptions.areaFactors.end(),
                                               plan.secondAnalysisFaults.begin(),
                                               plan.secondAnalysisFaults.end());
            run.atmpressureNull = plan.secondAnalysisWithoutPressure;
        }
        const auto written = sim::WriteAnalyses(writer, laboratory.gas, u"Проба газа", analysedMixture, 1,
                                                run, model, analysisOptions, random);
        laboratory.analyses.push_back(written.front().assayId);
        run.date += 1200;
    }
    writer.Commit();
    return laboratory;
}

Assay ListEntry(int64_t assayId, AssayRole role, uint32_t groupStamp) {
    DataBase::Handle handle;
    std::vector<Assay> rows = QueryAssayRows(handle, assayId);
    if (rows.empty()) {
        throw std::runtime_error("no such assay");
    }
    Assay entry = rows.back();
    entry.included = true;
    entry.role = static_cast<int32_t>(role);
    entry.groupStamp = groupStamp;
    return entry;
}

CalcContext ContextFor(const Laboratory& laboratory, Method method) {
    CalcContext context;
    context.settings.clbrCalcMethod = static_cast<int32_t>(method);
    context.settings.clcControl = false;

    uint32_t stamp = 1710400000;
    for (const auto& batch : laboratory.calibration) {
        ++stamp;
        for (int64_t id : batch) {
            context.assays.push_back(ListEntry(id, AssayRole::Calibration, stamp));
        }
    }
    for (const auto& batch : laboratory.control) {
        ++stamp;
        for (int64_t id : batch) {
            context.assays.push_back(ListEntry(id, AssayRole::Control, stamp));
        }
    }
    ++stamp;
    for (int64_t id : laboratory.analyses) {
        context.assays.push_back(ListEntry(id, AssayRole::Analysis, stamp));
    }

    ComponentMixtures general;
    general.first = laboratory.mixtures.front().name;
    general.firstType = static_cast<int32_t>(laboratory.mixtures.front().type);
    if (laboratory.mixtures.size() > 1) {
        general.second = laboratory.mixtures[1].name;
        general.secondType = static_cast<int32_t>(laboratory.mixtures[1].type);
    }
    context.mixtures.push_back(general);
    return context;
}

} // namespace pipelinetest

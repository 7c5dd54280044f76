#include "Databases.h"

namespace sim {

namespace {
constexpr int64_t kDemoDay = 1710374400; // 2024-03-14 00:00 UTC
constexpr int64_t kHour = 3600;
constexpr double kDayPressureKPa = 99.82; // a low-pressure day: the pressure correction matters

// The gas at the second sampling point, downstream of a blending node: a little richer.
GasComposition SecondPointGas() {
    GasComposition gas = PipelineGas();
    for (auto& component : gas) {
        if (component.id == u"ethane" || component.id == u"propane") {
            component.molarPercent *= 1.06;
        }
    }
    double others = 0.0;
    for (const auto& component : gas) {
        others += component.id == u"methane" ? 0.0 : component.molarPercent;
    }
    gas.front().molarPercent = 100.0 - others;
    return gas;
}

MethodRuns CalibrateMethod(HostWriter& writer, std::u16string method, std::vector<ReferenceMixture> mixtures,
                           int32_t runs, HeavyPeaks heavyPeaks, RunContext run,
                           const ChromatographModel& model, Random& random) {
    MethodRuns result;
    result.method = std::move(method);
    run.method = result.method;
    ChromatogramOptions options;
    options.heavyPeaks = heavyPeaks;
    for (const auto& mixture : mixtures) {
        WriteMixture(writer, mixture);
        result.calibration.push_back(
            IdsOf(WriteCalibrationBatch(writer, mixture, runs, run, model, options, random)));
        run.date += runs * run.intervalSeconds;
    }
    for (const auto& mixture : mixtures) {
        result.control.push_back(IdsOf(WriteControlBatch(writer, mixture, 3, run, model, options, random)));
        run.date += 3 * run.intervalSeconds;
    }
    result.mixtures = std::move(mixtures);
    return result;
}

// Daily calibrations of every method before the day of the runs, with a drift of the propane response
// over the last two weeks; the day of the runs (its own random draws made first) stays as it was.
void WriteHistory(HostWriter& writer, DemoManifest& manifest, const ChromatographModel& model,
                  Random& random) {
    constexpr int64_t kDay = 24 * kHour;
    constexpr int64_t kStartOfDay[4] = {6 * kHour, 8 * kHour, 9 * kHour, 12 * kHour};
    constexpr int32_t kRuns[4] = {3, 3, 5, 5};
    constexpr HeavyPeaks kHeavy[4] = {HeavyPeaks::Individual, HeavyPeaks::C6Plus, HeavyPeaks::Individual,
                                      HeavyPeaks::C6Plus};
    manifest.driftComponent = u"propane";
    manifest.driftStartDay = kHistoryDays - 14;
    manifest.driftPerDay = 0.002;
    for (size_t m = 0; m < manifest.methods.size(); ++m) {
        HistoryPlan plan;
        plan.method = manifest.methods[m].method;
        plan.mixtures = manifest.methods[m].mixtures;
        plan.runsPerMixture = kRuns[m];
        plan.heavyPeaks = kHeavy[m];
        plan.firstDay = kDemoDay - kHistoryDays * kDay;
        plan.days = kHistoryDays;
        plan.startSeconds = kStartOfDay[m];
        plan.pressureKPa = kDayPressureKPa;
        plan.driftComponent = manifest.driftComponent;
        plan.driftStartDay = manifest.driftStartDay;
        plan.driftPerDay = manifest.driftPerDay;
        manifest.history[m] = WriteCalibrationHistory(writer, plan, model, random);
    }
}
} // namespace

DemoManifest MakeDemoDatabase(const std::string& pathUtf8, uint64_t seed, int32_t version) {
    Random random(seed);
    HostWriter writer(pathUtf8);
    writer.CreateSchema(SchemaOptions{version, true});
    writer.Begin();

    DemoManifest manifest;
    manifest.dayStart = kDemoDay;
    manifest.stationId = writer.AddStation(u"ГРС «Заречная»");
    manifest.placeIds[0] = writer.AddPlace(manifest.stationId, u"Вход ГРС, узел учёта №1");
    manifest.placeIds[1] = writer.AddPlace(manifest.stationId, u"Выход ГРС, узел смешения");
    manifest.operatorIds[0] = writer.AddOperator(u"Иванова А. С.");
    manifest.operatorIds[1] = writer.AddOperator(u"Петров В. Н.");
    manifest.gas[0] = PipelineGas();
    manifest.gas[1] = SecondPointGas();

    const ChromatographModel model;
    RunContext run;
    run.intervalSeconds = 600;
    run.atmpressureKPa = kDayPressureKPa;
    run.operatorId = manifest.operatorIds[0];
    run.stationId = manifest.stationId;
    run.placeId = manifest.placeIds[0];

    run.date = kDemoDay + 6 * kHour; // calibrations from 06:00
    manifest.methods[0] = CalibrateMethod(writer, u"ГОСТ 31371.7-2020, метод А",
                                          {IpgNearGas(u"СО-ИПГ № 0417-23", manifest.gas[0], random)}, 5,
                                          HeavyPeaks::Individual, run, model, random);
    run.date += 2 * kHour;
    manifest.methods[1] = CalibrateMethod(writer, u"ГОСТ 31371.7-2020, метод Б",
                                          {PgmNearGas(u"СО-ПГМ № 1182-23", manifest.gas[0], random)}, 3,
                                          HeavyPeaks::C6Plus, run, model, random);
    run.date += 1 * kHour;
    manifest.methods[2] = CalibrateMethod(writer, u"ГОСТ 31371.7-2020, метод В1",
                                          {IpgCalibrationRange(u"СО-ИПГ № 0521-23 (1)", false, false, random),
                                           IpgCalibrationRange(u"СО-ИПГ № 0522-23 (2)", true, false, random)},
                                          7, HeavyPeaks::Individual, run, model, random);
    run.date += 3 * kHour;
    manifest.methods[3] = CalibrateMethod(writer, u"ГОСТ 31371.7-2020, метод В2",
                                          {IpgCalibrationRange(u"СО-ИПГ № 0611-23 (1)", false, true, random),
                                           IpgCalibrationRange(u"СО-ИПГ № 0612-23 (2)", true, true, random)},
                                          7, HeavyPeaks::C6Plus, run, model, random);

    // Analyses from 16:00: the second operator, two runs per sample at each sampling point, twice.
    run.operatorId = manifest.operatorIds[1];
    run.method = manifest.methods[0].method;
    run.intervalSeconds = 1200;
    const ChromatogramOptions analysisOptions;
    for (int32_t round = 0; round < 2; ++round) {
        for (size_t point = 0; point < 2; ++point) {
            run.date = kDemoDay + (16 + 2 * round) * kHour + static_cast<int64_t>(point) * 3000;
            run.placeId = manifest.placeIds[point];
            run.atmpressureKPa = kDayPressureKPa + 0.12 * round;
            const std::u16string sample = point == 0 ? u"Проба газа, вход" : u"Проба газа, выход";
            for (int64_t id : IdsOf(WriteAnalyses(writer, manifest.gas[point], sample, u"", 2, run, model,
                                                  analysisOptions, random))) {
                manifest.analyses[point].push_back(id);
            }
        }
    }
    run.date = kDemoDay + 21 * kHour;
    run.placeId = manifest.placeIds[0];
    const ReferenceMixture& controlMixture = manifest.methods[0].mixtures.front();
    manifest.mixtureAnalyses =
        IdsOf(WriteAnalyses(writer, GasOf(controlMixture), u"Контроль точности", controlMixture.name, 2, run,
                            model, analysisOptions, random));
    WriteHistory(writer, manifest, model, random);
    writer.Commit();
    return manifest;
}

} // namespace sim

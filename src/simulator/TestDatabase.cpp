#include "Databases.h"

namespace sim {

TestManifest MakeTestDatabase(const std::string& pathUtf8, uint64_t seed, int32_t version) {
    Random random(seed);
    HostWriter writer(pathUtf8);
    writer.CreateSchema(SchemaOptions{version, true});
    writer.Begin();

    TestManifest manifest;
    manifest.gas = PipelineGas();
    manifest.ipg = IpgNearGas(u"СО-ИПГ № 7", manifest.gas, random);
    manifest.pgm = PgmNearGas(u"СО-ПГМ № 8", manifest.gas, random);
    WriteMixture(writer, manifest.ipg);
    WriteMixture(writer, manifest.pgm);
    // A mixture without components, and one whose name differs from another only in letter case.
    writer.AddMixture(u"Пустая смесь");
    WriteMixture(writer,
                 ReferenceMixture{u"со-ипг № 7", MixtureType::Ipg, {{u"methane", 100.0, 0.01, 2, 2}}});

    const int64_t station = writer.AddStation(u"Станция");
    const int64_t place = writer.AddPlace(station, u"Точка");
    const int64_t person = writer.AddOperator(u"Лаборант");
    RunContext run;
    run.date = 1700000000; // 2023-11-14 22:13:20 UTC
    run.intervalSeconds = 480;
    run.method = u"Метод испытаний";
    run.operatorId = person;
    run.stationId = station;
    run.placeId = place;

    const ChromatographModel model;
    ChromatogramOptions options;
    run.atmpressureKPa = 100.4;
    manifest.batch3 = WriteCalibrationBatch(writer, manifest.ipg, 3, run, model, options, random);
    run.date += 3600;
    options.heavyPeaks = HeavyPeaks::C6C7C8;
    run.atmpressureKPa = 101.9;
    manifest.batch5 = WriteCalibrationBatch(writer, manifest.ipg, 5, run, model, options, random);
    run.date += 3600;
    options.heavyPeaks = HeavyPeaks::C6Plus;
    run.atmpressureKPa = 100.9;
    manifest.batch7 = WriteCalibrationBatch(writer, manifest.pgm, 7, run, model, options, random);
    run.date += 7200;

    ChromatogramOptions analysis;
    analysis.order = PeakOrder::Shuffled;
    analysis.unnamedPeaks = 3;
    analysis.unknownNamedPeaks = 2;
    run.atmpressureKPa = 98.7;
    manifest.analyses = WriteAnalyses(writer, manifest.gas, u"Проба", u"", 2, run, model, analysis, random);
    run.date += 3600;
    AssayRow deleted;
    deleted.sample = u"Удалённая проба";
    deleted.date = run.date;
    deleted.deleted = true;
    manifest.deletedAssayId =
        WriteChromatogram(writer, deleted, manifest.gas, model, ChromatogramOptions{}, random).assayId;
    writer.Commit();
    return manifest;
}

} // namespace sim

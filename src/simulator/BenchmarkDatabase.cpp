#include "Databases.h"

namespace sim {

BenchmarkManifest MakeBenchmarkDatabase(const std::string& pathUtf8, uint64_t seed, int64_t assayCount) {
    Random random(seed);
    HostWriter writer(pathUtf8);
    // Indexes are built once at the end: far faster than keeping them up to date row by row.
    writer.CreateSchema(SchemaOptions{24, false});
    writer.Begin();

    BenchmarkManifest manifest;
    const GasComposition gas = PipelineGas();
    const ReferenceMixture mixture = IpgNearGas(u"СО-ИПГ № 1", gas, random);
    WriteMixture(writer, mixture);
    manifest.mixtureName = mixture.name;
    const ChromatographModel model;
    const GasComposition mixtureGas = GasOf(mixture);

    // Chromatograms of 30, 15, 20, 20 and 15 peaks in turn: 20 on average. The pipeline gas gives 16
    // named peaks one by one and 14 with a back-flushed С6+; unknown peaks make up the rest.
    ChromatogramOptions thirty;
    thirty.unnamedPeaks = 10;
    thirty.unknownNamedPeaks = 4;
    ChromatogramOptions fifteen;
    fifteen.heavyPeaks = HeavyPeaks::C6Plus;
    fifteen.unknownNamedPeaks = 1;
    ChromatogramOptions twenty;
    twenty.unnamedPeaks = 2;
    twenty.unknownNamedPeaks = 2;
    const ChromatogramOptions* cycle[] = {&thirty, &fifteen, &twenty, &twenty, &fifteen};

    AssayRow row;
    row.method = u"ГОСТ 31371.7-2020, метод А";
    row.atmpressureKPa = 100.1;
    constexpr int64_t kStart = 1262304000; // 2010-01-01 00:00 UTC
    for (int64_t i = 0; i < assayCount; ++i) {
        row.date = kStart + i * 1800;
        row.uuid.clear();
        row.filename.clear();
        const bool calibration = i < 5;
        row.calibration = calibration;
        row.mixture = calibration ? mixture.name : std::u16string();
        row.sample = calibration ? u"Градуировка" : u"Проба";
        const ChromatogramOptions& options = *cycle[i % 5];
        const Chromatogram chromatogram =
            WriteChromatogram(writer, row, calibration ? mixtureGas : gas, model, options, random);
        manifest.peaks += static_cast<int64_t>(chromatogram.peaks.size());
        if (calibration) {
            manifest.calibrationAssays.push_back(chromatogram.assayId);
        }
        if (chromatogram.peaks.size() == 30 && manifest.thirtyPeakAssays.size() < 64) {
            manifest.thirtyPeakAssays.push_back(chromatogram.assayId);
        }
    }
    manifest.assays = assayCount;
    writer.CreateIndexes();
    writer.Commit();
    return manifest;
}

} // namespace sim

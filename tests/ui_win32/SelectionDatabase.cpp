#include "SelectionDatabase.h"

#include <filesystem>
#include <fstream>

#include "text/Utf.h"

namespace ui {

SelectionDatabase MakeSelectionDatabase(const std::u16string& path, int64_t now) {
    sim::HostWriter writer(Utf16ToUtf8(path));
    writer.CreateSchema(sim::SchemaOptions{});
    writer.Begin();
    SelectionDatabase made;
    made.stationIds = {writer.AddStation(u"Пункт 1"), writer.AddStation(u"Пункт 2")};
    made.placeIds = {writer.AddPlace(made.stationIds[0], u"Точка А"),
                     writer.AddPlace(made.stationIds[0], u"Точка Б"),
                     writer.AddPlace(made.stationIds[1], u"Точка В")};
    made.operatorIds = {writer.AddOperator(u"Иванов"), writer.AddOperator(u"Петров")};
    constexpr int kAssays = 24;
    for (int i = 0; i < kAssays; ++i) {
        SelectionAssay assay;
        sim::AssayRow& row = assay.row;
        const std::u16string number = Utf8ToUtf16(std::to_string(100 + i));
        row.filename = u"C:\\Chrom\\run" + number + u".chr";
        row.uuid = u"uuid-" + number;
        row.sample = (i % 3 == 0 ? u"газ abcde " : u"газ abxyz ") + number;
        row.method = i % 4 < 2 ? u"Метод 1" : u"Метод 2";
        row.date = now - (i + 1) * 3600;
        row.calibration = i % 2 == 0;
        row.mixture = row.calibration ? (i % 4 == 0 ? u"СО-1" : u"СО-2") : u"";
        row.atmpressureKPa = 100.0 + i * 0.125;
        row.operatorId = made.operatorIds[static_cast<size_t>(i % 5 == 0 ? 1 : 0)];
        const size_t place = static_cast<size_t>(i % 3);
        row.placeId = made.placeIds[place];
        row.stationId = made.stationIds[place < 2 ? 0 : 1];
        assay.id = writer.AddAssay(row);
        assay.peaks = {{u"Метан", 1.5, 12345.678901 + i, 10.0},
                       {u"", 2.0, 11.0, 1.0},
                       {u"Этан", 3.25, 0.1 * (i + 1), 2.0}};
        for (const sim::PeakRow& peak : assay.peaks) {
            writer.AddPeak(assay.id, peak);
        }
        made.assays.push_back(std::move(assay));
    }
    sim::AssayRow old;
    old.uuid = u"uuid-old";
    old.method = u"Метод прежний";
    old.mixture = u"СО-прежняя";
    old.date = now - 400 * 86400;
    writer.AddAssay(old);
    sim::AssayRow deleted;
    deleted.uuid = u"uuid-deleted";
    deleted.date = now - 600;
    deleted.deleted = true;
    writer.AddAssay(deleted);
    writer.Commit();
    return made;
}

bool WriteSelectionProfile(const std::u16string& path, int32_t calibrationMethod, int32_t deviceType) {
    std::ofstream file(std::filesystem::path(std::wstring(path.begin(), path.end())),
                       std::ios::binary | std::ios::trunc);
    file << "Tarvel/clbrCalcMethod=" << calibrationMethod << "\n"
         << "Tarvel/clcDeviceType=" << deviceType << "\n";
    return static_cast<bool>(file);
}

} // namespace ui

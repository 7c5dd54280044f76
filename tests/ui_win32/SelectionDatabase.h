// A small host database for the chromatograms page and its selection dialog, dated around the time it is
// written so that the dialog's default period of 365 days finds it: two stations, three sampling points,
// two operators, two methods and two mixtures spread over calibration and analysis chromatograms whose
// fields the tests know, each with two named peaks and one unnamed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "HostWriter.h"

namespace ui {

struct SelectionAssay {
    int64_t id = 0;
    sim::AssayRow row;
    std::vector<sim::PeakRow> peaks; // in retention order
};

struct SelectionDatabase {
    std::vector<SelectionAssay> assays; // newest first, as the dialog lists them
    std::vector<int64_t> stationIds;    // "Пункт 1", "Пункт 2"
    std::vector<int64_t> placeIds; // "Точка А" and "Точка Б" of station 1, "Точка В" of station 2
    std::vector<int64_t> operatorIds; // "Иванов", "Петров"
};

// Calibration and analysis chromatograms alternate, one an hour back from now; one more analysis lies
// 400 days back (method "Метод прежний", mixture "СО-прежняя") and one is marked deleted, both outside
// every search of the dialog's default range.
SelectionDatabase MakeSelectionDatabase(const std::u16string& path, int64_t now);

// The profile of an empty chromatogram list with the given calibration method and chromatograph type.
bool WriteSelectionProfile(const std::u16string& path, int32_t calibrationMethod, int32_t deviceType);

} // namespace ui

// The modal dialog "Выбор хроматограм" of the chromatograms page: searches the host database for
// calibration or analysis chromatograms by date, mixture, method, operator, station, sampling point and
// sample name, and returns a batch of exactly the number of chromatograms the page asks for.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

struct CalcSettings;

struct SelectionRequest {
    SIZE minimum{};           // the dialog's size at its start, kept as its minimum tracking size
    bool calibration = false; // calibration and control chromatograms, else analysis
    size_t count = 0;         // the batch size the dialog demands
    std::vector<int64_t> ids; // the chosen assays in row order, written on "OK"
    // Where the dialog keeps its range and filters when it closes and finds them when it opens; null:
    // it starts from the 365 days before today and no filter.
    CalcSettings* settings = nullptr;
};

// Milliseconds after the last change of a filter before the search runs.
inline constexpr UINT kSearchDelayMilliseconds = 500;

// Shows the dialog owned by owner; true when it ended with "OK" and request.ids holds request.count ids.
bool RunSelectionDialog(HWND owner, SelectionRequest& request);

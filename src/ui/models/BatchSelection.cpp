#include "ui/models/BatchSelection.h"

#include <algorithm>

std::vector<bool> SelectWholeBatches(const std::vector<uint64_t>& batchOfRow, std::vector<bool> selected,
                                     const SelectionGesture& gesture) {
    const size_t rows = std::min(batchOfRow.size(), selected.size());
    const bool onRow = gesture.row >= 0 && static_cast<size_t>(gesture.row) < rows;
    if (onRow && !gesture.shift) {
        const uint64_t clicked = batchOfRow[static_cast<size_t>(gesture.row)];
        const bool state = gesture.control ? selected[static_cast<size_t>(gesture.row)] : true;
        for (size_t row = 0; row < rows; ++row) {
            if (batchOfRow[row] == clicked) {
                selected[row] = state;
            } else if (!gesture.control) {
                selected[row] = false;
            }
        }
        if (!gesture.control) {
            return selected;
        }
    }
    // Any batch with a selected row is selected whole (the Ctrl-clicked batch is settled above).
    std::vector<uint64_t> chosen;
    for (size_t row = 0; row < rows; ++row) {
        const bool clickedBatch =
            onRow && gesture.control && batchOfRow[row] == batchOfRow[static_cast<size_t>(gesture.row)];
        if (selected[row] && !clickedBatch) {
            chosen.push_back(batchOfRow[row]);
        }
    }
    for (size_t row = 0; row < rows; ++row) {
        if (std::find(chosen.begin(), chosen.end(), batchOfRow[row]) != chosen.end()) {
            selected[row] = true;
        }
    }
    return selected;
}

namespace {

bool IsPick(const std::vector<bool>& selected, int first, size_t count) {
    if (first < 0) {
        return false;
    }
    const size_t start = static_cast<size_t>(first);
    for (size_t row = 0; row < selected.size(); ++row) {
        if (selected[row] != (row >= start && row < start + count)) {
            return false;
        }
    }
    return true;
}

} // namespace

std::vector<bool> PickBatchRows(BatchPick& pick, std::vector<bool> selected, size_t count,
                                const SelectionGesture& gesture) {
    const bool onRow = gesture.row >= 0 && static_cast<size_t>(gesture.row) < selected.size();
    if (!onRow || gesture.control || gesture.shift) {
        if (!IsPick(selected, pick.first, count)) {
            pick.first = -1;
        }
        return selected;
    }
    const auto row = static_cast<size_t>(gesture.row);
    const bool insidePick = pick.first >= 0 && row >= static_cast<size_t>(pick.first) &&
                            row < static_cast<size_t>(pick.first) + count;
    if (!insidePick) {
        pick.first = gesture.row;
    }
    const auto first = static_cast<size_t>(pick.first);
    for (size_t index = 0; index < selected.size(); ++index) {
        selected[index] = index >= first && index < first + count;
    }
    return selected;
}

// The selection rules of the lists that hold batches: the chromatograms page (batches by group stamp and
// role) and the selection dialog (a pick of N rows from the clicked one), after the list's own handling
// of a click has left its own selection.
#include <gtest/gtest.h>

#include <string>

#include "ui/models/BatchSelection.h"

namespace {

// Rows as characters: '1' selected, '0' not.
std::vector<bool> Rows(const std::string& marks) {
    std::vector<bool> rows;
    for (char mark : marks) {
        rows.push_back(mark == '1');
    }
    return rows;
}

std::string Marks(const std::vector<bool>& rows) {
    std::string marks;
    for (bool row : rows) {
        marks += row ? '1' : '0';
    }
    return marks;
}

struct PageCase {
    const char* name;
    const char* listSelection; // what the list left after its own handling
    SelectionGesture gesture;
    const char* expected;
};

// Batches: rows 0-1 (A), 2-4 (B), 5 (C), 6-7 (A again: same stamp and role further down).
TEST(BatchSelection, PageSelectsWholeBatchesWhateverRowIsClicked) {
    const std::vector<uint64_t> batches = {1, 1, 2, 2, 2, 3, 1, 1};
    const PageCase cases[] = {
        {"plain click on a row the list left alone", "00010000", {3, false, false}, "00111000"},
        {"second click: the list kept one row of the batch", "00001000", {4, false, false}, "00111000"},
        {"plain click after Ctrl+A", "00000100", {5, false, false}, "00000100"},
        {"a batch split across the list comes whole", "10000000", {0, false, false}, "11000011"},
        {"Ctrl-click adds a batch", "00111001", {7, true, false}, "11111011"},
        {"Ctrl-click removes a batch", "11011011", {2, true, false}, "11000011"},
        {"Shift-click range ends inside a batch", "01110000", {3, false, true}, "11111011"},
        {"a key left one row", "00100000", {-1, false, false}, "00111000"},
        {"click beside the rows keeps batches whole", "00000010", {-1, false, false}, "11000011"},
        {"nothing selected stays so", "00000000", {-1, false, false}, "00000000"},
    };
    for (const PageCase& test : cases) {
        EXPECT_EQ(Marks(SelectWholeBatches(batches, Rows(test.listSelection), test.gesture)), test.expected)
            << test.name;
    }
}

struct PickStep {
    const char* listSelection;
    SelectionGesture gesture;
    const char* expected;
};

// A batch of 3 among 8 rows, one gesture after another on the same pick.
TEST(BatchSelection, DialogPickSurvivesASecondClickAndFollowsNewOnes) {
    const PickStep steps[] = {
        {"00100000", {2, false, false}, "00111000"}, // a click picks 2-4
        {"00010000", {3, false, false}, "00111000"}, // a second click inside keeps the pick
        {"00001000", {4, false, false}, "00111000"},
        {"00000010", {6, false, false}, "00000011"},  // near the end: what is left
        {"11111111", {-1, false, false}, "11111111"}, // Ctrl+A: the list's own, the pick forgotten
        {"00000001", {7, false, false}, "00000001"},  // so a click inside the old pick starts anew
        {"00100000", {2, false, false}, "00111000"},
        {"00111100", {5, true, false}, "00111100"},  // Ctrl-click composes freely
        {"00000100", {3, false, false}, "00011100"}, // the pick was forgotten: from row 3
    };
    BatchPick pick;
    for (size_t index = 0; index < std::size(steps); ++index) {
        const PickStep& step = steps[index];
        EXPECT_EQ(Marks(PickBatchRows(pick, Rows(step.listSelection), 3, step.gesture)), step.expected)
            << "step " << index;
    }
}

} // namespace

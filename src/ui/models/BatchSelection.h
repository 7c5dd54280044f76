// Which rows a click, a Shift- or Ctrl-click or a key leaves selected in the lists that hold batches:
// the chromatograms page, whose batches are the rows of one group stamp and role, and the selection
// dialog, whose click picks the clicked row and the rows below it, as many as one batch needs. The
// rules run after the list has done its own selecting, so they see the list's result and mend it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// How the user changed the selection: a click on row (Ctrl or Shift held, or neither), or a key (row -1).
struct SelectionGesture {
    int row = -1;
    bool control = false;
    bool shift = false;
};

// The chromatograms page. batchOfRow names each row's batch; selected is the list's selection after
// its own handling. A plain click selects exactly the clicked row's batch; a Ctrl-click gives the
// clicked row's whole batch the state the row has now; otherwise (Shift-click, keys) every batch with a
// selected row is selected whole. No batch is ever left partly selected.
std::vector<bool> SelectWholeBatches(const std::vector<uint64_t>& batchOfRow, std::vector<bool> selected,
                                     const SelectionGesture& gesture);

// The selection dialog's pick of count rows starting at a clicked row. first is -1 while the user has
// no pick (after Ctrl+A, a Ctrl- or Shift-click, a new search).
struct BatchPick {
    int first = -1;
};

// Rows selected after the gesture; pick follows it. A plain click on a row of the current pick keeps
// the pick (a second click must not break the batch); a plain click elsewhere picks the batch from the
// clicked row down (fewer rows near the end). Ctrl- and Shift-clicks and keys keep the list's own
// selection and forget the pick unless the selection still is the pick.
std::vector<bool> PickBatchRows(BatchPick& pick, std::vector<bool> selected, size_t count,
                                const SelectionGesture& gesture);

// The result list of the chromatogram selection dialog ("Выбор хроматограм"): the assays a search
// found, newest first.
#pragma once

#include <vector>

#include "data/HostQueries.h"
#include "ui/models/PageTable.h"

inline constexpr int32_t kSelectionColumnWidthPixels = 150;

// Columns UUID, sample, method, date (local short date and time); one row per assay found, in order.
PageTable BuildSelectionList(const std::vector<AssayFound>& found);

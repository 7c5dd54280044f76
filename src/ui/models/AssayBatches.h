// The chromatogram list's operations of the chromatograms page that need no window: the size of a
// batch the selection dialog asks for, adding a selected batch, and refreshing the records from the
// host database. Database failures raise DataBase::SqlException.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "data/Assay.h"

struct CalcContext;
struct CalcSettings;

namespace DataBase {
class Handle;
}

// Chromatograms in one batch: calibration 3 for methods А and Б and 5 for В1 and В2 (GOST 31371.7-2020
// calibrates a line through two mixtures from more runs), control 3, analysis 2 on a laboratory
// chromatograph (two measurements per sample) and 1 on a process one.
size_t RequiredBatchSize(const CalcSettings& settings, AssayRole role);

enum class AddBatchResult : int32_t {
    Added = 0,
    AlreadyListed = 1, // some id is already in the list: nothing was added (notice 275)
};

// Appends one record per id, in order, read from the database with the role, included and the group
// stamp of the batch (the time of the action, seconds since 1970-01-01 UTC).
AddBatchResult AddAssayBatch(CalcContext& context, DataBase::Handle& handle, std::span<const int64_t> ids,
                             AssayRole role, uint32_t groupStamp);

// The group stamp of a batch added at time now: now itself, or the next number above it that no record
// carries yet, so that two batches added within one second stay apart and deleting one never deletes
// the other.
uint32_t NextGroupStamp(const CalcContext& context, uint32_t now);

// Removes every record whose group stamp is one of stamps: whole batches go. Returns how many.
size_t DeleteBatches(CalcContext& context, std::span<const uint32_t> stamps);

// Copies the database fields of every record from its assay row; a record whose assay no longer exists
// keeps its fields. Returns how many records were found.
size_t RefreshAssayList(CalcContext& context, DataBase::Handle& handle);

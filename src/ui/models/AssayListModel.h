// The chromatogram list of the chromatograms page ("Хроматограммы"): the calibration, control and
// analysis chromatograms of the next calculation, in the order they were added.
#pragma once

#include <string>
#include <string_view>

#include "ui/models/PageTable.h"

struct CalcContext;

// The page's columns by their place: the columns of AssaysTable in its order.
enum class AssayListColumn : int32_t {
    File = 0,
    Uuid = 1,
    Sample = 2,
    Mixture = 3,
    Date = 4,
    Role = 5,
    Method = 6,
    AtmPressure = 7,
};
inline constexpr int32_t kAssayListColumnCount = 8;
inline constexpr int32_t kAssayColumnWidthPixels = 100;

// The columns of AssaysTable, a column hidden by its Show setting at width 0; one row per record of
// context.assays; rowMarks is the check box (included). Dates are the user's local short date and time;
// a record that was never read from the database (date 0) shows no date.
PageTable BuildAssayList(const CalcContext& context);

// The file name part of a path written with either separator.
std::u16string FileNamePart(std::u16string_view path);

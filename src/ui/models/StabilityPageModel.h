// The list of the stability dialog of the calibration page, and tarvel's stability table: one row per
// charted component of the last run, the columns of the stability table (results/StabilityTable.h).
#pragma once

#include "ui/models/PageTable.h"

struct CalcContext;

// rowMarks holds the ChartStatus of each row (the dialog's status colour).
PageTable BuildStabilityPage(const CalcContext& context);

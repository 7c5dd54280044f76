// Where the analysed gas was sampled: the station and the sampling point of the first analysis
// chromatogram of the list, read from the host database.
#pragma once

#include <cstdint>
#include <string>

struct CalcContext;

// The identifier of the first chromatogram of the list, in list order, that is included and has the
// analysis role; -1 when there is none.
int64_t ReportAssayId(const CalcContext& context);

// The station's and the sampling point's names, at most 255 characters; empty when nothing is found or
// the chromatogram's identifier is 0 (then no query is made). One connection to the host database (the
// address of DataBaseConnection) per call; a failing database operation raises DataBase::SqlException.
std::u16string QueryStationName(const CalcContext& context);
std::u16string QueryPlaceName(const CalcContext& context);

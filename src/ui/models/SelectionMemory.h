// What the chromatogram selection dialog remembers between openings, in the settings (and so in the
// profile): its range as whole local days and its filters by the texts its lists show, kept apart for
// calibration (and control) and analysis chromatograms.
#pragma once

#include <cstdint>
#include <string>

struct CalcSettings;

struct SelectionFilters {
    std::u16string mixture;
    std::u16string method;
    std::u16string operatorName;
    std::u16string station;
    std::u16string place;
    std::u16string sample;
};

SelectionFilters RememberedFilters(const CalcSettings& settings, bool calibration);
void RememberFilters(CalcSettings& settings, bool calibration, const SelectionFilters& filters);

// Local calendar days counted from 1970-01-01 (proleptic Gregorian calendar).
int32_t DayNumber(int32_t year, int32_t month, int32_t day);
struct CivilDate {
    int32_t year = 1970;
    int32_t month = 1;
    int32_t day = 1;
};
CivilDate DateOfDay(int32_t dayNumber);

// The days before today the dialog shows when nothing is remembered.
inline constexpr int32_t kDefaultSelectionDays = 365;

struct DayRange {
    int32_t from = 0;
    int32_t to = 0;
};
// The remembered range, or the default one, given today's day number.
DayRange RememberedRange(const CalcSettings& settings, int32_t today);
// Keeps the range; a range ending today is kept as ending "today", whatever day that will be.
void RememberRange(CalcSettings& settings, const DayRange& range, int32_t today);

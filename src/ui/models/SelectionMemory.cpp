#include "ui/models/SelectionMemory.h"

#include "calc/CalcSettings.h"

namespace {

struct FilterMembers {
    std::u16string CalcSettings::*mixture;
    std::u16string CalcSettings::*method;
    std::u16string CalcSettings::*operatorName;
    std::u16string CalcSettings::*station;
    std::u16string CalcSettings::*place;
    std::u16string CalcSettings::*sample;
};

constexpr FilterMembers kCalibration = {&CalcSettings::selCalMixture,  &CalcSettings::selCalMethod,
                                        &CalcSettings::selCalOperator, &CalcSettings::selCalStation,
                                        &CalcSettings::selCalPlace,    &CalcSettings::selCalSample};
constexpr FilterMembers kAnalysis = {&CalcSettings::selAnMixture,  &CalcSettings::selAnMethod,
                                     &CalcSettings::selAnOperator, &CalcSettings::selAnStation,
                                     &CalcSettings::selAnPlace,    &CalcSettings::selAnSample};

} // namespace

SelectionFilters RememberedFilters(const CalcSettings& settings, bool calibration) {
    const FilterMembers& m = calibration ? kCalibration : kAnalysis;
    return {settings.*m.mixture, settings.*m.method, settings.*m.operatorName,
            settings.*m.station, settings.*m.place,  settings.*m.sample};
}

void RememberFilters(CalcSettings& settings, bool calibration, const SelectionFilters& filters) {
    const FilterMembers& m = calibration ? kCalibration : kAnalysis;
    settings.*m.mixture = filters.mixture;
    settings.*m.method = filters.method;
    settings.*m.operatorName = filters.operatorName;
    settings.*m.station = filters.station;
    settings.*m.place = filters.place;
    settings.*m.sample = filters.sample;
}

// Days from civil dates and back: the era arithmetic of the proleptic Gregorian calendar (400-year
// cycles of 146097 days, years starting in March so that the leap day ends the year).
int32_t DayNumber(int32_t year, int32_t month, int32_t day) {
    const int32_t y = month <= 2 ? year - 1 : year;
    const int32_t era = (y >= 0 ? y : y - 399) / 400;
    const int32_t yearOfEra = y - era * 400;
    const int32_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int32_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

CivilDate DateOfDay(int32_t dayNumber) {
    const int32_t z = dayNumber + 719468;
    const int32_t era = (z >= 0 ? z : z - 146096) / 146097;
    const int32_t dayOfEra = z - era * 146097;
    const int32_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int32_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int32_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    CivilDate date;
    date.day = dayOfYear - (153 * shiftedMonth + 2) / 5 + 1;
    date.month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
    date.year = yearOfEra + era * 400 + (date.month <= 2 ? 1 : 0);
    return date;
}

DayRange RememberedRange(const CalcSettings& settings, int32_t today) {
    DayRange range;
    range.to = settings.selToDay != 0 ? settings.selToDay : today;
    range.from = settings.selFromDay != 0 ? settings.selFromDay : today - kDefaultSelectionDays;
    return range;
}

void RememberRange(CalcSettings& settings, const DayRange& range, int32_t today) {
    settings.selFromDay = range.from;
    settings.selToDay = range.to == today ? 0 : range.to;
}

#include "calc/checks/CalibrationRangeTable.h"

namespace {

// GOST 31371.7-2020, method В: ranges of the certified fractions of the two calibration mixtures for a
// range of the fraction in the analysed gas. Each range is {lower, upper, digits of lower, digits of
// upper} in mol %.
constexpr CalibrationRangeRow kRows[] = {
    {u"ethane", {0.005, 15, 3, 0}, {6, 8, 0, 0}, {12, 15, 0, 0}},
    {u"propane", {0.005, 6, 3, 1}, {2.5, 3.5, 1, 1}, {5, 6, 0, 0}},
    {u"2_methylpropane", {0.005, 4, 3, 1}, {2, 2.5, 0, 1}, {3.5, 4, 1, 0}},
    {u"n_butane", {0.005, 4, 3, 1}, {2, 2.5, 0, 1}, {3.5, 4, 1, 0}},
    {u"2_2_dimethylpropane", {0.005, 0.05, 3, 2}, {0.015, 0.02, 3, 3}, {0.04, 0.05, 2, 2}},
    {u"2_methylbutane", {0.005, 2, 3, 1}, {0.8, 1, 1, 1}, {1.5, 2, 1, 1}},
    {u"n_pentane", {0.005, 2, 3, 1}, {0.8, 1, 1, 1}, {1.5, 2, 1, 1}},
    {u"n_hexane", {0.005, 1, 3, 1}, {0.5, 0.6, 1, 1}, {0.8, 1, 1, 1}},
    {u"c6", {0.005, 1, 3, 1}, {0.5, 0.6, 1, 1}, {0.8, 1, 1, 1}},
    {u"c6plus", {0.005, 1.5, 3, 1}, {0.5, 0.6, 1, 1}, {0.8, 1.5, 1, 1}},
    {u"n_heptane", {0.005, 0.25, 3, 2}, {0.05, 0.1, 2, 2}, {0.2, 0.25, 2, 2}},
    {u"c7", {0.005, 0.25, 3, 2}, {0.05, 0.1, 2, 2}, {0.2, 0.25, 2, 2}},
    {u"n_octane", {0.005, 0.05, 3, 2}, {0.015, 0.02, 3, 3}, {0.04, 0.05, 2, 2}},
    {u"c8", {0.005, 0.05, 3, 2}, {0.015, 0.02, 3, 3}, {0.04, 0.05, 2, 2}},
    {u"benzene", {0.005, 0.05, 3, 2}, {0.015, 0.02, 3, 3}, {0.04, 0.05, 2, 2}},
    {u"toluene", {0.005, 0.05, 3, 2}, {0.015, 0.02, 3, 3}, {0.04, 0.05, 2, 2}},
    {u"carbon_dioxide", {0.005, 0.025, 3, 3}, {0.005, 0.007, 3, 3}, {0.02, 0.025, 3, 3}},
    {u"carbon_dioxide", {0.025, 10, 3, 0}, {6, 7, 0, 0}, {9, 10, 0, 0}},
    {u"helium", {0.005, 0.5, 3, 1}, {0.1, 0.2, 1, 2}, {0.4, 0.5, 1, 1}},
    {u"hydrogen", {0.005, 0.5, 3, 1}, {0.1, 0.2, 1, 2}, {0.4, 0.5, 1, 1}},
    {u"oxygen", {0.005, 0.025, 3, 3}, {0.005, 0.007, 3, 3}, {0.02, 0.025, 3, 3}},
    {u"oxygen", {0.025, 2, 3, 1}, {0.8, 1, 1, 1}, {1.5, 2, 1, 1}},
    {u"nitrogen", {0.005, 0.025, 3, 3}, {0.005, 0.007, 3, 3}, {0.02, 0.025, 3, 3}},
    {u"nitrogen", {0.025, 15, 3, 0}, {6, 8, 0, 0}, {12, 15, 0, 0}},
    {u"methanol", {0.005, 0.05, 3, 2}, {0.01, 0.015, 3, 3}, {0.04, 0.05, 2, 2}},
    {u"methane", {40, 99.97, 0, 2}, {45, 50, 0, 0}, {95, 99, 0, 0}},
};

} // namespace

std::span<const CalibrationRangeRow> CalibrationRangeTable() {
    return kRows;
}

const CalibrationRangeRow* FindCalibrationRangeRow(std::u16string_view component, double gasMolPct) {
    for (const CalibrationRangeRow& row : kRows) {
        if (row.component == component && LiesInRange(gasMolPct, row.gas)) {
            return &row;
        }
    }
    return nullptr;
}

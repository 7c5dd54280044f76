#include "calc/calibration/CalibrationOrder.h"

#include <algorithm>

#include "data/MolarMass.h"

void SortCalibrationByMolarMass(std::vector<CalibrationResult>& calibration) {
    // Equal molar masses are common (the butanes, the pentanes, c6 and its isomers, c6plus and
    // c6plusstar, the two lines of a non-linear component), and their order is what the pages, exports
    // and the composition's first-match lookups see. A stable sort keeps it for any list length, where
    // an insertion sort would keep it only for short lists and a partitioning sort would not.
    std::stable_sort(calibration.begin(), calibration.end(),
                     [](const CalibrationResult& left, const CalibrationResult& right) {
                         return MolarMassOf(left.component) < MolarMassOf(right.component);
                     });
}

// Reading the table of metrological characteristics of a method of GOST 31371.7-2020 (rows of the
// calculation library: component, measuring range, U = a·x + b) the two ways the calibration needs
// besides passing it to the library: the whole measuring range of a component, and the uncertainty by
// the component's uppermost range.
#pragma once

#include <cstdint>
#include <string_view>

#include "gost/gost31371/include/Tarvel31371720.h"

struct ComponentMeasuringRange {
    bool found = false;       // the table has at least one row of the component
    double lowerMolPct = 0.0; // smallest lower bound of its rows
    double upperMolPct = 0.0; // greatest upper bound of its rows
};

// The rows of the component, compared exactly; a row whose identifier field has no terminator matches
// nothing.
ComponentMeasuringRange MeasuringRangeOf(const MetrologyRow* table, int32_t rowCount,
                                         std::u16string_view componentId);

// a·c + b of the component's row with the greatest lower bound, counting only rows whose lower bound is
// above zero (the first of rows with equal lower bounds); 0 when the component has no such row. mol %.
double UncertaintyByUppermostRange(const MetrologyRow* table, int32_t rowCount,
                                   std::u16string_view componentId, double concentrationMolPct);

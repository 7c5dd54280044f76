// The components page ("Компоненты"): the composition of the analysed gas (GOST 31371.7-2020), one row
// per component in table order.
#pragma once

#include "ui/models/PageTable.h"

struct CalcContext;

enum class ComponentsColumn : int32_t {
    Component = 0,
    Time = 1,
    Area = 2,
    Height = 3,
    RawFraction = 4, // before normalisation
    MolarFraction = 5,
    Reference = 6, // certified value of the control mixture
    Uncertainty = 7,
    VolumeFraction = 8,
    VolumeUncertainty = 9, // never shown, always empty
    MassFraction = 10,
    MassUncertainty = 11, // never shown, always empty
    Difference = 12,
    AcceptLimit = 13,
    X1 = 14,
    X2 = 15,
};
inline constexpr int32_t kComponentsColumnCount = 16;

// The list of context.components under the view settings; rowMarks is each row's acceptance. A
// component too small to enter the physical properties of GOST 31369-2021 (below 0.005 mol % or not a
// number) carries " *" after its name.
PageTable BuildComponentsPage(const CalcContext& context);

// The methane-number page ("Метановое число"): the two methane numbers of GOST 34704-2020 and, as the
// view settings choose, the intermediate tables of their calculation.
#pragma once

#include "results/MethaneNumberTable.h"
#include "ui/models/PageTable.h"

struct CalcContext;

// The uncertainty column of both methane numbers holds kMethaneNumberUncertaintyText
// (results/MethaneNumberTable.h).

// Rows: the column titles, the two methane numbers, then the simplified and gas-motor-fuel mixtures
// ("Tarvel/viewMethaneShowArr"), the initial methane numbers ("...ShowMnb") and the components
// ("...ShowComp"), each table under a heading row. Numbers are written with fixed decimals, never as
// an em dash.
PageTable BuildMethaneNumberPage(const CalcContext& context);

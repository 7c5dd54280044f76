// The calculation page ("Расчёт"): the physical properties of the analysed gas by GOST 31369-2021
// (ISO 6976:2016) with their absolute expanded uncertainties, for the ideal and the real gas, in MJ/m³
// and kcal/m³, as rows chosen by the view settings.
#pragma once

#include "ui/models/PageTable.h"

struct CalcContext;

enum class CalculationColumn : int32_t { Name = 0, Value = 1, Uncertainty = 2 };

// Columns: name, value, uncertainty; rows in the fixed order of the page, each present when its view
// setting (and, for the ideal-gas rows, "Tarvel/viewCalculationPerfectGas") is on.
PageTable BuildCalculationPage(const CalcContext& context);

// Numbers as the result pages show them, for the XML and TXT exports: the missing-value dash, the view
// rule of a column (GOST rounding or the user's number of decimals) and the stored decimals of
// certified values, on the rules of calc/rounding/Rounding.h.
#pragma once

#include <string>

#include "calc/CalcSettings.h"
#include "calc/CalibrationResult.h"
#include "data/ComponentResult.h"
#include "output/ExportMembers.h"

// The em dash when value is not a number or counts as zero; otherwise text.
std::u16string MissingOr(double value, std::u16string text);

// A calibration value: a certified concentration with its stored decimals (no dash); any other value
// with the dash, then FormatUncertainty under GOST rounding or FormatFixed with the user's decimals.
std::u16string CalibrationValueText(const CalibrationMember& member, const CalibrationResult& row,
                                    const CalcSettings& settings);

// A component value by the member's rule (ExportMembers.h).
std::u16string ComponentValueText(const ComponentMember& member, const ComponentResult& row,
                                  const CalcSettings& settings);

// A physical property to the place of the second significant digit of its uncertainty, and the
// uncertainty to two significant digits, whatever the view settings; each with the dash first.
std::u16string PropertyValueText(const CalculationQuantity& quantity);
std::u16string PropertyUncertaintyText(const CalculationQuantity& quantity);

// A methane number of GOST 34704-2020: whole numbers under GOST rounding, else the user's decimals; no
// dash.
std::u16string MethaneNumberText(double methaneNumber, const CalcSettings& settings);

// The atmospheric pressure of a chromatogram, kPa: the dash, then the user's decimals.
std::u16string AtmosphericPressureText(double pressureKPa, const CalcSettings& settings);

// The members the exports write for a calibration row, a component row and the physical properties:
// which ones, in which order and under which settings. A column the user has hidden on a result page
// is left out of the files too. The JSON export writes the numbers as stored; the XML and TXT exports
// and the report write them as the result pages show them (ExportValues.h).
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "calc/CalcSettings.h"
#include "calc/CalibrationResult.h"
#include "data/ComponentResult.h"

struct CalcContext;

// One number of a calibration row and how the pages write it.
struct CalibrationMember {
    std::string_view key; // name in every export ("conc1", "ink1", ...)
    double CalibrationResult::*value;
    int32_t CalibrationResult::*ownDigits; // certified concentrations: their stored decimals; else null
    bool CalcSettings::*gost;              // view rule of the other values: rounded by GOST 31371.7-2020
    int32_t CalcSettings::*scale;          // or written with this many decimals
};

// In order: conc1; then either ink1, ink2, ink3, midk (methods А, Б) or conc2 (В1, В2); mda1; for В1,
// В2 mda2, inka, inkb; rate1, norm1; for В1, В2 rate2, norm2, crrng, cvrng, crate, cnorm (the last four
// only when the calibration is controlled), arsd1, cval1, arsd2, cval2; each under its view setting.
std::vector<CalibrationMember> CalibrationMembers(const CalcSettings& settings, bool twoMixture);

// How the pages write a number of a component row.
enum class ComponentRule {
    ByUncertaintyRounding, // missing test; GOST: the value rounded as an uncertainty
    RawFraction,           // no missing test; GOST: rounded by the row's uncertainty
    MolarFraction,         // missing test; "< limit" below the measuring range; GOST: by the uncertainty
    Reference,             // missing test; the certified value with its stored decimals
};

struct ComponentMember {
    std::string_view key; // name in every export ("time", "bconc", "conc", ...)
    double ComponentResult::*value;
    ComponentRule rule;
    bool CalcSettings::*gost;     // null for the reference value
    int32_t CalcSettings::*scale; // null for the reference value
    bool inJson;                  // the JSON export writes it (all but the reference value "mix")
};

// In order: time, area, height, bconc (methane by normalisation only), conc, mix (control of the
// result on), uconc, concvol, concmass, diff and limit (laboratory), x1, x2 (laboratory); each under
// its view setting.
std::vector<ComponentMember> ComponentMembers(const CalcSettings& settings);

// One physical property with its absolute expanded uncertainty, in the unit of its key.
struct CalculationQuantity {
    std::string_view key; // "mm", "z", ..., "wobbel_kcalm3"
    double value;
    double uncertainty;
};

// The quantities of GOST 31369-2021 in export order: mm, z, hmolh, hmoll, hmassh, hmassl, g0, d0, g, d,
// the volumetric calorific values and Wobbe indices in MJ/m³, then in kcal/m³; the ideal-gas ones only
// when the ideal gas is shown; each group under its view setting.
std::vector<CalculationQuantity> CalculationQuantities(const CalcContext& context);

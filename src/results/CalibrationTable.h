// The calibration table of GOST 31371.7-2020: one row per calibrated component, and after the
// component's name the columns below, each one record with its header, its keys in the report and the
// exports, its value, its text rule and its Show, Gost and Scale settings. Methods А and Б (one
// mixture) give the factors K of the three chromatograms and their mean; methods В1 and В2 (two
// mixtures) the second mixture's values, the calibration line, its control and the spread of the areas.
// The calibration page, the report and the three exports iterate this one table.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "calc/CalcSettings.h"
#include "calc/CalibrationResult.h"
#include "results/TableView.h"
#include "results/ValueRules.h"

struct CalibrationTableColumn {
    uint32_t headerId;   // string-table id of the header
    const char* key;     // member of the exports ("conc1", "ink1", ...)
    const char* element; // element of the report ("cnc1", "ink1", ...)
    double CalibrationResult::*value;
    int32_t CalibrationResult::*ownDigits; // a certified concentration: its stored decimals; else null
    ShownWhen when;
    bool CalcSettings::*show; // null: shown whenever `when` holds
    bool CalcSettings::*gost; // null for the certified concentrations
    int32_t CalcSettings::*scale;
};

// The columns after the component's name, in the order of the page, the report and the exports.
std::span<const CalibrationTableColumn> CalibrationTable();

bool IsShown(const CalibrationTableColumn& column, const TableView& view);

// The text of the page, the report and the XML and TXT exports: a certified concentration with its own
// decimals (no dash, a zero included); any other value by the view rule with GostRule::Uncertainty.
std::u16string CellText(const CalibrationTableColumn& column, const CalibrationResult& row,
                        const CalcSettings& settings);

// The physical properties of GOST 31369-2021 (ISO 6976:2016) with their absolute expanded
// uncertainties: one record per row with its label, its key in the exports, the property it shows, its
// unit and its Show, Gost and Scale settings. The calculation page, the report and the three exports
// iterate this one table; the page lists the rows in an order of its own.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "calc/CalcSettings.h"
#include "gost/gost6976/include/Tarvel3136921.h"
#include "results/TableView.h"

struct CalcContext;

struct PropertiesTableRow {
    uint32_t labelId; // string-table id of the row's name
    const char* key;  // member of the exports ("mm", "z", ..., "wobbel_kcalm3")
    PhysicalPropertyIndex index;
    bool kilocalories; // shown in kcal/m³: the MJ/m³ value and uncertainty divided by 0.0041868
    ShownWhen when;    // Always, or IdealGas for the properties of the ideal gas
    bool CalcSettings::*show;
    bool CalcSettings::*gost;
    int32_t CalcSettings::*scale;
    int32_t pagePosition; // place on the calculation page, which groups each quantity's units together
};

// The rows in the order of the report and the exports.
std::span<const PropertiesTableRow> PropertiesTable();

bool IsShown(const PropertiesTableRow& row, const TableView& view);

// A property with its absolute expanded uncertainty, in the row's unit.
struct PropertyValue {
    double value;
    double uncertainty;
};
PropertyValue ValueOf(const PropertiesTableRow& row, const CalcContext& context);

// The page and the report: the value by the view rule (GOST: to the place of the second significant
// digit of the uncertainty), the uncertainty by the view rule (GOST: two significant digits).
std::u16string ValueText(const PropertiesTableRow& row, const PropertyValue& property,
                         const CalcSettings& settings);
std::u16string UncertaintyText(const PropertiesTableRow& row, const PropertyValue& property,
                               const CalcSettings& settings);

// The XML and TXT exports round by the standard whatever the view settings; each after the missing test.
std::u16string ExportValueText(const PropertyValue& property);
std::u16string ExportUncertaintyText(const PropertyValue& property);

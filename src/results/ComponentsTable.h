// The components table of GOST 31371.7-2020: one row per component of the analysed gas, and after the
// component's name the columns below, each one record with its header, its keys in the report and the
// exports, its value, its text rule and its Show, Gost and Scale settings. The components page, the
// report and the three exports iterate this one table.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "calc/CalcSettings.h"
#include "data/ComponentCatalogue.h"
#include "data/ComponentResult.h"
#include "results/TableView.h"
#include "results/ValueRules.h"

// How a column writes its value.
enum class ComponentText {
    View,          // the view rule of the column's GostRule
    RawFraction,   // the view rule; the XML and TXT exports leave out the missing test
    MolarFraction, // MolarFractionText: "< limit" below the measuring range
    Reference,     // the certified value of the control mixture with its stored decimals
    Empty,         // a column without values
};

struct ComponentsTableColumn {
    uint32_t headerId;              // string-table id of the header
    const char* key;                // member of the exports ("time", "bconc", "conc", ...)
    const char* element;            // element of the report ("time", "bconc", "concmol", ...)
    double ComponentResult::*value; // null for an empty column
    ComponentText text;
    GostRule rule; // the GOST rule of a View or RawFraction column
    ShownWhen when;
    bool CalcSettings::*show;
    bool CalcSettings::*gost;
    int32_t CalcSettings::*scale;
    bool inJson; // the JSON export writes it (all but the certified value)
};

// The columns after the component's name, in the order of the page, the report and the exports.
std::span<const ComponentsTableColumn> ComponentsTable();

bool IsShown(const ComponentsTableColumn& column, const TableView& view);

// The text of the page and the report.
std::u16string CellText(const ComponentsTableColumn& column, const ComponentResult& row,
                        const CalcSettings& settings);
// The text of the XML and TXT exports: CellText, but the unnormalised fraction without the missing test.
std::u16string ExportText(const ComponentsTableColumn& column, const ComponentResult& row,
                          const CalcSettings& settings);

// The component's display name, followed by kExcludedComponentMark when it is too small to enter the
// physical properties of GOST 31369-2021 (IsBelowPropertiesThreshold).
std::u16string MarkedComponentName(const AliasList& aliases, const ComponentResult& row);

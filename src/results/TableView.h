// Who reads a result table and under which settings: what decides, besides a column's own Show
// setting, whether a column or row of a result table is shown.
#pragma once

#include <cstdint>

struct CalcContext;
struct CalcSettings;

// A condition of a column or row.
enum class ShownWhen : int32_t {
    Always,
    OneMixture,            // the stored calibration used one mixture (methods А, Б)
    TwoMixtures,           // it used two (В1, В2)
    ControlledTwoMixtures, // two mixtures, and the calibration is controlled ("Tarvel/clbrControl")
    MethaneNormalised,     // methane is not found by difference
    Laboratory,            // a laboratory chromatograph
    ControlledResult,      // in the report and the exports: the result is controlled against a mixture
                           // ("Tarvel/clcControl"); the page shows the column on its Show setting alone
    IdealGas,              // the ideal-gas properties are shown ("Tarvel/viewCalculationPerfectGas")
    Never,                 // a column the page keeps hidden and the documents leave out
};

// The result pages keep a hidden column (width 0); the report and the exports leave it out.
enum class TableReader { Page, Document };

struct TableView {
    const CalcSettings& settings;
    bool twoMixtures; // the stored calibration (not the chosen method) used two mixtures
    TableReader reader;
};

TableView MakeTableView(const CalcContext& context, TableReader reader);

// when holds and the Show setting, if the column has one (show not null), is on.
bool IsShown(ShownWhen when, bool CalcSettings::*show, const TableView& view);

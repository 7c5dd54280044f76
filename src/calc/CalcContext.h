// The one object the whole calculation works on: the user's inputs, the results of every stage and the
// journal of the last run. The main window owns it; stages take it by reference and keep no pointer.
#pragma once

#include <cstdint>
#include <limits>
#include <set>
#include <string>
#include <vector>

#include "calc/CalcSettings.h"
#include "calc/CalibrationResult.h"
#include "calc/CalibrationStability.h"
#include "calc/ComponentMixtures.h"
#include "calc/Measurement.h"
#include "calc/MethaneNumberLists.h"
#include "calc/journal/MessageJournal.h"
#include "data/Assay.h"
#include "data/ComponentCatalogue.h"
#include "data/ComponentResult.h"
#include "data/HostSources.h"
#include "data/MixtureComponent.h"
#include "gost/gost34704/include/Tarvel3470420Types.h"
#include "gost/gost6976/include/Tarvel3136921.h"

// The methane numbers of a run that has none.
inline MetanNumber_t NoMethaneNumber() {
    return {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::quiet_NaN()};
}

struct ReportProp {
    std::u16string name;
    std::u16string value;
};

struct CalcContext {
    // Inputs and results, in the order the exports and pages know them.
    std::vector<Assay> assays;                // calibration, control and analysis chromatograms
    std::vector<MixtureComponent> constants;  // conditionally constant components
    std::vector<Measurement> measurements;    // analysis chromatograms taken into the composition
    std::vector<ComponentResult> components;  // the component table
    std::vector<ComponentResult> components2; // the second component table
    int32_t calibrationKind = 0; // method the calibration was computed by: 0 А, 1 Б, 2 В1, 3 В2
    bool calibrationOk = true;   // the calibration (and its control, when run) passed
    std::vector<CalibrationResult> calibration; // one per calibrated component, by molar mass
    std::set<int64_t> calibrationAssays;        // calibration chromatograms actually used
    CalibrationStability stability;             // the calibration against the earlier ones
    StabilityHistoryMemory stabilityMemory;     // the earlier calibrations as last read
    PhysicalProperties properties{};            // the 18 values of GOST 31369-2021
    PhysicalProperties propertiesU{};           // their absolute expanded uncertainties
    // first: of the simplified mixture ("mncm"); second: of the gas motor fuel ("mn"). Both NaN while
    // none has been computed (the stage did not run, or failed), as the library gives them on failure.
    MetanNumber_t methaneNumber = NoMethaneNumber();
    MethaneNumberLists methaneNumberLists;   // intermediate tables of the methane number
    std::vector<ReportProp> reportProps;     // report parameters
    std::vector<ComponentMixtures> mixtures; // reference mixtures per component
    AliasList aliases = DefaultAliasList();  // identifiers with their display names
    CalcSettings settings;
    MessageJournal journal; // findings of the last run
    // What loading the settings found (a stored value replaced by its default); the next run starts its
    // journal with these entries and empties this one.
    MessageJournal loadingJournal;
    // Where the stages read the host's rows: the database, or a test's own rows.
    HostSources sources = DatabaseSources();
};

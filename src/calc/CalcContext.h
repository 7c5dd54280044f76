// The one object the whole calculation works on: the user's inputs, the results of every stage and the
// journal of the last run. The main window owns it; stages take it by reference and keep no pointer.
#pragma once

#include <string>
#include <vector>

#include "calc/CalcSettings.h"
#include "calc/ComponentMixtures.h"
#include "data/Assay.h"
#include "data/ComponentCatalogue.h"
#include "data/MixtureComponent.h"

struct ReportProp {
    std::u16string name;
    std::u16string value;
};

struct CalcContext {
    // Inputs.
    std::vector<Assay> assays;               // calibration, control and analysis chromatograms
    std::vector<MixtureComponent> constants; // conditionally constant components
    std::vector<ReportProp> reportProps;     // report parameters
    std::vector<ComponentMixtures> mixtures; // reference mixtures per component
    AliasList aliases = DefaultAliasList();  // identifiers with their display names
    CalcSettings settings;
};

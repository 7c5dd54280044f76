// The parts of the report document, each appended under the root in document order.
#pragma once

#include <pugixml.hpp>

#include "output/report/ReportTree.h"

struct CalcContext;

// "analysis": the chromatograms that took part in the last calculation.
void AddAnalysisSection(ReportTree& tree, pugi::xml_node root, const CalcContext& context);
// "calibration": the calibration results with the columns of the calibration page.
void AddCalibrationSection(ReportTree& tree, pugi::xml_node root, const CalcContext& context);
// "stability": the calibration against its history, with a chart per component outside its warning
// limits; absent when "Tarvel/clbrStabilityReport" is off or no history was read.
void AddStabilitySection(ReportTree& tree, pugi::xml_node root, const CalcContext& context);
// "components": the composition with the columns of the components page and the footnote.
void AddComponentsSection(ReportTree& tree, pugi::xml_node root, const CalcContext& context);
// "calculation": the physical properties with their expanded uncertainties.
void AddCalculationSection(ReportTree& tree, pugi::xml_node root, const CalcContext& context);
// "methane": the two methane numbers.
void AddMethaneSection(ReportTree& tree, pugi::xml_node root, const CalcContext& context);

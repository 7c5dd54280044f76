// What the composition says about peaks it cannot turn into molar fractions, instead of letting them
// become 0 and their share go to methane: peaks that belong to no component, components outside the
// scope of the measuring method, and components the calibration gives no fraction for.
#pragma once

#include <string_view>
#include <vector>

#include "calc/CalcContext.h"
#include "calc/composition/PeakConcentrations.h"

// A peak whose name no alias knows: its identifier is no catalogue component.
bool IsUnidentifiedPeak(std::u16string_view componentId);

// Checks every peak of the measurements except unidentified ones, conditionally constant components
// and methane by difference. A component without a row in the table of metrological characteristics of
// the method is outside the method's scope (one message naming it); otherwise a component without a
// calibration result, or whose fraction the calibration cannot give, is named. Each component is named
// once. False when any was named: the composition cannot be trusted then.
bool CheckPeakCalibrations(CalcContext& context, const std::vector<Measurement>& measurements,
                           C6PlusFactor c6plusFactor);

// Names each unidentified row of the component table with its retention time. Such rows take no part in
// the acceptability of the two measurements nor in the uncertainties.
void ReportUnidentifiedPeaks(CalcContext& context, const std::vector<ComponentResult>& table);

// Names each peak of the measurements stored without a name whose area is above zero, with its retention
// time and area: the composition cannot take it in, but its area was measured.
void ReportUnnamedPeaks(CalcContext& context, const std::vector<Measurement>& measurements);

// The uncertainties of the physical properties (ISO 6976:2016, Annex B): first-order propagation of the
// uncertainties of the molar fractions (with their covariance) and of the tabulated constants, which are
// taken as uncorrelated between components except the molar masses, correlated through the shared
// atomic weights.
#pragma once

#include "gost/gost6976/CompositionCovariance.h"
#include "gost/gost6976/Properties.h"

namespace gost6976 {

// Absolute expanded uncertainties (k = 2) of the 18 properties in state, whose composition is gas.
void ComputeExpandedUncertainties(const Gas& gas, const Conditions& conditions, const PropertyState& state,
                                  const CompositionCovariance& covariance,
                                  double expanded[kPhysicalPropertyCount]);

} // namespace gost6976

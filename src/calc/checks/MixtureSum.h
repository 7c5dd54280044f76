// The certified fractions of a reference mixture must add up to 100 mol % within 0.05 mol %.
#pragma once

#include <vector>

#include "data/MixtureComponent.h"

inline constexpr double kMixtureSumToleranceMolPct = 0.05;

// The sum of the certified fractions, mol %, in stored order.
double CertifiedSum(const std::vector<MixtureComponent>& components);

// |sum − 100| > 0.05 mol %. The difference is judged to 10^-9 mol %, far finer than any certificate
// states, so that a sum lying exactly on the tolerance (100.05) is not pushed over it by the rounding of
// binary addition. A sum that is not a finite number deviates.
bool SumDeviatesFrom100(double sumMolPct);

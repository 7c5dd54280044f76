// Compositions the simulator works with: molar fractions of component identifiers in mol %.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sim {

struct GasComponent {
    std::u16string id;         // component identifier
    double molarPercent = 0.0; // mol %
};
using GasComposition = std::vector<GasComponent>;

// The fraction of id, 0 when absent.
double FractionOf(const GasComposition& gas, std::u16string_view id);
double SumOf(const GasComposition& gas);

// A typical dry pipeline natural gas (methane about 94 %), its heavy hydrocarbons as n-hexane, n-heptane
// and n-octane, summing to 100 mol %.
GasComposition PipelineGas();

class Random;

// A natural gas of the pipeline kind drawn at random: each component other than methane at 0.6 to 1.6
// times its share in PipelineGas (uniform), the trace components (helium, hydrogen, oxygen) and
// n-octane left out now and then; methane the balance.
GasComposition RandomNaturalGas(Random& random);

} // namespace sim

#include "GasComposition.h"

#include "Random.h"

namespace sim {

double FractionOf(const GasComposition& gas, std::u16string_view id) {
    for (const auto& component : gas) {
        if (component.id == id) {
            return component.molarPercent;
        }
    }
    return 0.0;
}

double SumOf(const GasComposition& gas) {
    double sum = 0.0;
    for (const auto& component : gas) {
        sum += component.molarPercent;
    }
    return sum;
}

GasComposition PipelineGas() {
    // Of the order of the gas of a Russian trunk pipeline; methane is the balance.
    GasComposition gas = {
        {u"ethane", 2.812},
        {u"propane", 0.853},
        {u"2_methylpropane", 0.142},
        {u"n_butane", 0.168},
        {u"2_2_dimethylpropane", 0.0061},
        {u"2_methylbutane", 0.0452},
        {u"n_pentane", 0.0381},
        {u"n_hexane", 0.0293},
        {u"n_heptane", 0.0118},
        {u"n_octane", 0.0042},
        {u"nitrogen", 1.052},
        {u"carbon_dioxide", 0.553},
        {u"helium", 0.0163},
        {u"hydrogen", 0.0082},
        {u"oxygen", 0.0312},
    };
    gas.insert(gas.begin(), GasComponent{u"methane", 100.0 - SumOf(gas)});
    return gas;
}

GasComposition RandomNaturalGas(Random& random) {
    GasComposition gas;
    for (const GasComponent& component : PipelineGas()) {
        if (component.id == u"methane") {
            continue;
        }
        const bool optional = component.id == u"helium" || component.id == u"hydrogen" ||
                              component.id == u"oxygen" || component.id == u"n_octane";
        if (optional && random.Uniform() < 0.25) {
            continue;
        }
        gas.push_back({component.id, component.molarPercent * random.Between(0.6, 1.6)});
    }
    gas.insert(gas.begin(), GasComponent{u"methane", 100.0 - SumOf(gas)});
    return gas;
}

} // namespace sim

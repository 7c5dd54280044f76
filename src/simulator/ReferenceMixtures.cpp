#include "ReferenceMixtures.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string_view>

#include "HostWriter.h"
#include "data/AliasLookup.h"
#include "data/MolarMass.h"

namespace sim {

namespace {
struct MaterialLimit {
    std::u16string_view id;
    double lower; // mol %, smallest certified value admitted
    double upper; // mol %, largest
    double a;     // the certified value's expanded uncertainty may reach a·c + b (mol %)
    double b;
};

// Certified characteristics admitted for calibration by GOST 31371.7-2020: reference materials of type
// СО-ИПГ (imitators of natural gas).
constexpr MaterialLimit kIpgLimits[] = {
    {u"methane", 40, 99.97, -0.0012, 0.15},
    {u"ethane", 0.001, 15, 0.02, 8e-05},
    {u"propane", 0.001, 6, 0.03, 8e-05},
    {u"2_methylpropane", 0.001, 4, 0.03, 8e-05},
    {u"n_butane", 0.001, 4, 0.03, 8e-05},
    {u"2_2_dimethylpropane", 0.001, 0.05, 0.03, 8e-05},
    {u"2_methylbutane", 0.001, 2, 0.03, 8e-05},
    {u"n_pentane", 0.001, 2, 0.03, 8e-05},
    {u"c6plus", 0.001, 1.5, 0.03, 8e-05},
    {u"n_hexane", 0.001, 1, 0.03, 8e-05},
    {u"n_heptane", 0.001, 0.25, 0.03, 8e-05},
    {u"n_octane", 0.001, 0.05, 0.04, 8e-05},
    {u"c6", 0.001, 1, 0.03, 8e-05},
    {u"c7", 0.001, 0.25, 0.03, 8e-05},
    {u"c8", 0.001, 0.05, 0.04, 8e-05},
    {u"benzene", 0.001, 0.05, 0.04, 8e-05},
    {u"toluene", 0.001, 0.05, 0.04, 8e-05},
    {u"carbon_dioxide", 0.005, 10, 0.03, 0.0004},
    {u"helium", 0.001, 0.5, 0.03, 8e-05},
    {u"hydrogen", 0.001, 0.5, 0.03, 8e-05},
    {u"oxygen", 0.005, 2, 0.03, 0.0004},
    {u"nitrogen", 0.005, 15, 0.02, 0.0004},
    {u"methanol", 0.001, 0.05, 0.04, 8e-05},
};

// The same for reference materials of type СО-ПГМ (verification gas mixtures).
constexpr MaterialLimit kPgmLimits[] = {
    {u"methane", 40, 99.97, -0.0093, 0.939},
    {u"ethane", 0.001, 15, 0.02, 8e-05},
    {u"propane", 0.001, 6, 0.03, 8e-05},
    {u"2_methylpropane", 0.001, 4, 0.03, 8e-05},
    {u"n_butane", 0.001, 4, 0.03, 8e-05},
    {u"2_2_dimethylpropane", 0.0005, 0.05, 0.03, 8e-05},
    {u"2_methylbutane", 0.001, 2, 0.03, 8e-05},
    {u"n_pentane", 0.001, 2, 0.03, 8e-05},
    {u"c6plus", 0.005, 1.5, 0.05, 0.0005},
    {u"c6plusstar", 0.005, 1.5, 0.05, 0.0005},
    {u"n_hexane", 0.001, 1, 0.03, 8e-05},
    {u"n_heptane", 0.001, 0.25, 0.03, 8e-05},
    {u"n_octane", 0.001, 0.05, 0.04, 8e-05},
    {u"c6", 0.001, 1, 0.03, 8e-05},
    {u"c7", 0.001, 0.25, 0.03, 8e-05},
    {u"c8", 0.001, 0.05, 0.04, 8e-05},
    {u"benzene", 0.001, 0.05, 0.04, 8e-05},
    {u"toluene", 0.001, 0.05, 0.04, 8e-05},
    {u"carbon_dioxide", 0.005, 10, 0.03, 0.0004},
    {u"helium", 0.001, 0.5, 0.03, 8e-05},
    {u"hydrogen", 0.001, 0.5, 0.03, 8e-05},
    {u"oxygen", 0.005, 2, 0.03, 0.0004},
    {u"nitrogen", 0.005, 15, 0.02, 0.0004},
    {u"methanol", 0.001, 0.05, 0.04, 8e-05},
};

// Methods В1 and В2 calibrate each component with two mixtures, one at the lower and one at the upper end
// of its range (GOST 31371.7-2020, calibration by two reference mixtures): the certified fraction of
// the first and of the second mixture, mol %. For carbon dioxide, nitrogen and oxygen the ranges for a
// gas above 0.025 mol %.
struct CalibrationRange {
    std::u16string_view id;
    double firstLower;
    double firstUpper;
    double secondLower;
    double secondUpper;
};
constexpr CalibrationRange kCalibrationRanges[] = {
    {u"ethane", 6, 8, 12, 15},
    {u"propane", 2.5, 3.5, 5, 6},
    {u"2_methylpropane", 2, 2.5, 3.5, 4},
    {u"n_butane", 2, 2.5, 3.5, 4},
    {u"2_2_dimethylpropane", 0.015, 0.02, 0.04, 0.05},
    {u"2_methylbutane", 0.8, 1, 1.5, 2},
    {u"n_pentane", 0.8, 1, 1.5, 2},
    {u"n_hexane", 0.5, 0.6, 0.8, 1},
    {u"c6plus", 0.5, 0.6, 0.8, 1.5},
    {u"n_heptane", 0.05, 0.1, 0.2, 0.25},
    {u"n_octane", 0.015, 0.02, 0.04, 0.05},
    {u"carbon_dioxide", 6, 7, 9, 10},
    {u"helium", 0.1, 0.2, 0.4, 0.5},
    {u"hydrogen", 0.1, 0.2, 0.4, 0.5},
    {u"oxygen", 0.8, 1, 1.5, 2},
    {u"nitrogen", 6, 8, 12, 15},
};

const MaterialLimit* LimitOf(MixtureType type, std::u16string_view id) {
    const MaterialLimit* begin = nullptr;
    const MaterialLimit* end = nullptr;
    if (type == MixtureType::Ipg) {
        begin = std::begin(kIpgLimits);
        end = std::end(kIpgLimits);
    } else if (type == MixtureType::Pgm) {
        begin = std::begin(kPgmLimits);
        end = std::end(kPgmLimits);
    }
    for (const MaterialLimit* row = begin; row != end; ++row) {
        if (row->id == id) {
            return row;
        }
    }
    return nullptr;
}

double RoundTo(double value, int32_t decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

// Decimals of a certified value as certificates give them: four below 0.1 mol %, three up to 10 mol %,
// two above.
int32_t DecimalsOf(double value) {
    if (value < 0.1) {
        return 4;
    }
    return value < 10.0 ? 3 : 2;
}

// value rounded down to two significant digits, with the decimals that shows.
void TwoSignificantDown(double value, double& rounded, int32_t& decimals) {
    if (!(value > 0.0)) {
        rounded = 0.0;
        decimals = 0;
        return;
    }
    const int exponent = static_cast<int>(std::floor(std::log10(value)));
    decimals = std::max(0, 1 - exponent);
    const double step = std::pow(10.0, exponent - 1);
    rounded = RoundTo(std::floor(value / step * (1.0 + 1e-12)) * step, decimals);
}

CertifiedValue Certify(MixtureType type, std::u16string_view id, double concentration, int32_t decimals) {
    CertifiedValue value;
    value.id = std::u16string(id);
    value.decimals = decimals;
    value.concentration = RoundTo(concentration, value.decimals);
    const MaterialLimit* limit = LimitOf(type, id);
    // Mixtures of methane in helium or nitrogen have no characteristics of their own: 0.5 % relative.
    const double permitted =
        limit != nullptr ? limit->a * value.concentration + limit->b : 0.005 * value.concentration;
    TwoSignificantDown(0.5 * permitted, value.deviation, value.deviationDecimals);
    return value;
}
} // namespace

ReferenceMixture CertifyMixture(std::u16string name, MixtureType type, const GasComposition& nominal,
                                Random& random, double spread) {
    ReferenceMixture mixture;
    mixture.name = std::move(name);
    mixture.type = type;
    double sum = 0.0;
    for (const auto& component : nominal) {
        if (component.id == u"methane") {
            continue;
        }
        double concentration = component.molarPercent * (1.0 + spread * random.Between(-1.0, 1.0));
        if (const MaterialLimit* limit = LimitOf(type, component.id)) {
            // Inside the admitted range with a margin, so that rounding cannot take it out.
            concentration = std::clamp(concentration, limit->lower * 1.2, limit->upper * 0.97);
        }
        mixture.values.push_back(Certify(type, component.id, concentration, DecimalsOf(concentration)));
        sum += mixture.values.back().concentration;
    }
    // Methane, the balance, with three decimals, so that the certified values add up to 100 mol %
    // within 0.0005.
    mixture.values.insert(mixture.values.begin(), Certify(type, u"methane", 100.0 - sum, 3));
    return mixture;
}

ReferenceMixture IpgNearGas(std::u16string name, const GasComposition& gas, Random& random, double spread) {
    return CertifyMixture(std::move(name), MixtureType::Ipg, gas, random, spread);
}

ReferenceMixture PgmNearGas(std::u16string name, const GasComposition& gas, Random& random, double spread) {
    const double pentane = MolarMassOf(u"n_pentane");
    GasComposition nominal;
    double heavy = 0.0;
    for (const auto& component : gas) {
        if (MolarMassOf(component.id) > pentane) {
            heavy += component.molarPercent;
        } else {
            nominal.push_back(component);
        }
    }
    if (heavy > 0.0) {
        nominal.push_back({u"n_hexane", heavy});
        nominal.push_back({u"c6plusstar", heavy});
    }
    return CertifyMixture(std::move(name), MixtureType::Pgm, nominal, random, spread);
}

ReferenceMixture IpgCalibrationRange(std::u16string name, bool second, bool heavyAsC6Plus, Random& random) {
    GasComposition nominal;
    for (const auto& range : kCalibrationRanges) {
        const bool heavy = range.id == u"n_hexane" || range.id == u"n_heptane" || range.id == u"n_octane";
        if ((heavyAsC6Plus && heavy) || (!heavyAsC6Plus && range.id == u"c6plus")) {
            continue;
        }
        const double lower = second ? range.secondLower : range.firstLower;
        const double upper = second ? range.secondUpper : range.firstUpper;
        // Within the middle half of the range.
        nominal.push_back({std::u16string(range.id), lower + (upper - lower) * random.Between(0.25, 0.75)});
    }
    return CertifyMixture(std::move(name), MixtureType::Ipg, nominal, random, 0.0);
}

GasComposition GasOf(const ReferenceMixture& mixture) {
    GasComposition gas;
    for (const auto& value : mixture.values) {
        if (value.id != u"c6plusstar") {
            gas.push_back({value.id, value.concentration});
        }
    }
    return gas;
}

int64_t WriteMixture(HostWriter& writer, const ReferenceMixture& mixture, const AliasList& aliases) {
    const int64_t mixtureId = writer.AddMixture(mixture.name);
    for (const auto& value : mixture.values) {
        writer.AddMixtureComponent(mixtureId, CertifiedComponent{DisplayNameForComponent(aliases, value.id),
                                                                 value.concentration, value.deviation,
                                                                 value.decimals, value.deviationDecimals});
    }
    return mixtureId;
}

} // namespace sim

#include "ReferenceMixtures.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string_view>

#include "HostWriter.h"
#include "calc/checks/CalibrationRangeTable.h"
#include "calc/checks/ReferenceMaterialTables.h"
#include "data/AliasLookup.h"
#include "data/MolarMass.h"

namespace sim {

namespace {
// The requirements on the reference materials (certified range, permitted uncertainty a·c + b) are the
// calculation's own tables: a simulated mixture meets exactly what the conformity check asks of it.
const ReferenceMaterialRow* LimitOf(MixtureType type, std::u16string_view id) {
    return FindReferenceMaterialRow(static_cast<int32_t>(type), id);
}

// The components certified in the two mixtures of methods В1 and В2; the groups С6, С7, С8, benzene,
// toluene and methanol are not, and methane is the balance.
constexpr std::u16string_view kCalibrationRangeComponents[] = {
    u"ethane",         u"propane",        u"2_methylpropane", u"n_butane", u"2_2_dimethylpropane",
    u"2_methylbutane", u"n_pentane",      u"n_hexane",        u"c6plus",   u"n_heptane",
    u"n_octane",       u"carbon_dioxide", u"helium",          u"hydrogen", u"oxygen",
    u"nitrogen",
};

bool IsCalibrationRangeComponent(std::u16string_view id) {
    return std::find(std::begin(kCalibrationRangeComponents), std::end(kCalibrationRangeComponents), id) !=
           std::end(kCalibrationRangeComponents);
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
    const ReferenceMaterialRow* limit = LimitOf(type, id);
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
        if (const ReferenceMaterialRow* limit = LimitOf(type, component.id)) {
            // Inside the admitted range with a margin, so that rounding cannot take it out.
            concentration = std::clamp(concentration, limit->certified.lowerMolPct * 1.2,
                                       limit->certified.upperMolPct * 0.97);
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
    // In the order of the table; the gas is above 0.025 mol % of carbon dioxide, nitrogen and oxygen, so
    // their low gas ranges are passed over.
    for (const CalibrationRangeRow& range : CalibrationRangeTable()) {
        if (!IsCalibrationRangeComponent(range.component) || range.gas.upperMolPct <= 0.025) {
            continue;
        }
        const bool heavy = range.component == u"n_hexane" || range.component == u"n_heptane" ||
                           range.component == u"n_octane";
        if ((heavyAsC6Plus && heavy) || (!heavyAsC6Plus && range.component == u"c6plus")) {
            continue;
        }
        const DigitRange& certified = second ? range.secondMixture : range.firstMixture;
        const double lower = certified.lowerMolPct;
        const double upper = certified.upperMolPct;
        // Within the middle half of the range.
        nominal.push_back(
            {std::u16string(range.component), lower + (upper - lower) * random.Between(0.25, 0.75)});
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

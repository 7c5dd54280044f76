// Reference mixtures (ГСО) with certified compositions as the laboratories receive them: СО-ИПГ
// (imitators of natural gas) and СО-ПГМ (verification gas mixtures), with certified values and expanded
// uncertainties inside the characteristics that GOST 31371.7-2020 requires of them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "GasComposition.h"
#include "Random.h"
#include "data/ComponentCatalogue.h"

namespace sim {

class HostWriter;

enum class MixtureType : int32_t {
    Ipg = 0,                     // "СО-ИПГ"
    Pgm = 1,                     // "СО-ПГМ"
    MethaneInHeliumNitrogen = 2, // "СО Метана в Гелии/Азоте"
};

struct CertifiedValue {
    std::u16string id;          // component identifier
    double concentration = 0.0; // certified molar fraction, mol %
    double deviation = 0.0;     // its expanded uncertainty, mol %
    int32_t decimals = 0;       // decimals of the certified value
    int32_t deviationDecimals = 0;
};

struct ReferenceMixture {
    std::u16string name;
    MixtureType type = MixtureType::Ipg;
    std::vector<CertifiedValue> values; // methane first
};

// Certifies a composition: every component other than methane keeps its nominal fraction, scaled by a
// random factor within ±spread and brought into the range the type allows, rounded to the decimals a
// certificate gives; methane is the balance to 100 mol %. Each uncertainty is half the largest one the
// type allows (a·c + b), rounded down to two significant digits, so the mixture passes the conformity
// check of the calculation with a margin.
ReferenceMixture CertifyMixture(std::u16string name, MixtureType type, const GasComposition& nominal,
                                Random& random, double spread = 0.0);

// A СО-ИПГ close to the gas (each fraction within ±spread of the gas's), for methods А.
ReferenceMixture IpgNearGas(std::u16string name, const GasComposition& gas, Random& random,
                            double spread = 0.15);
// A СО-ПГМ close to the gas for method Б: the hydrocarbons above the pentanes certified as n-hexane
// (which the calculation reads as С6+) and again as С6+*.
ReferenceMixture PgmNearGas(std::u16string name, const GasComposition& gas, Random& random,
                            double spread = 0.15);
// The two СО-ИПГ of methods В1 and В2, in the lower (first) and upper (second) calibration range of each
// component, for a gas whose carbon dioxide, nitrogen and oxygen lie above 0.025 mol %. With
// heavyAsC6Plus the hydrocarbons above the pentanes are certified as one С6+ (method В2), else as
// n-hexane, n-heptane and n-octane (method В1).
ReferenceMixture IpgCalibrationRange(std::u16string name, bool second, bool heavyAsC6Plus, Random& random);

// What a chromatograph sees of the mixture: its certified values as molar fractions (С6+* is a second
// certification of the material that n-hexane or С6+ already stands for, so it adds no peak).
GasComposition GasOf(const ReferenceMixture& mixture);

// Writes the mixture with its components named by their display names; returns the mixture id.
int64_t WriteMixture(HostWriter& writer, const ReferenceMixture& mixture,
                     const AliasList& aliases = DefaultAliasList());

} // namespace sim

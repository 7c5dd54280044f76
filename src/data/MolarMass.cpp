#include "data/MolarMass.h"

#include <iterator>

namespace {
struct MolarMassRow {
    std::u16string_view id;
    double molarMassKgKmol;
};

// Values of ISO 6976:2016 (GOST 31369-2021) Table 1 unless noted. The carbon-number groups take the
// molar mass of their normal alkane: С6, С6+ and С6+* of n-hexane, С7 of n-heptane, С8 of n-octane,
// С9+ of n-nonane. Air: the molar mass of dry air of ISO 6976:2016 Annex A. The thiols from
// ethanethiol on are not in ISO 6976:2016; their molar masses are computed from the IUPAC standard
// atomic weights (C2H6S, C3H8S, C4H10S) and rounded as the laboratories' certificates give them.
constexpr MolarMassRow kMolarMasses[] = {
    {u"methane", 16.04246},
    {u"ethane", 30.06904},
    {u"propane", 44.09562},
    {u"n_butane", 58.1222},
    {u"2_methylpropane", 58.1222},
    {u"n_pentane", 72.14878},
    {u"2_methylbutane", 72.14878},
    {u"2_2_dimethylpropane", 72.14878},
    {u"n_hexane", 86.17536},
    {u"2_methylpentane", 86.17536},
    {u"3_methylpentane", 86.17536},
    {u"2_2_dimethylbutane", 86.17536},
    {u"2_3_dimethylbutane", 86.17536},
    {u"n_heptane", 100.20194},
    {u"n_octane", 114.22852},
    {u"nonane", 128.2551},
    {u"n_decane", 142.28168},
    {u"n_undecane", 156.30826},
    {u"n_dodecane", 170.33484},
    {u"n_tridecane", 184.36142},
    {u"n_tetradecane", 198.388},
    {u"n_pentadecane", 212.41458},
    {u"ethene", 28.05316},
    {u"propene", 42.07974},
    {u"1_butene", 56.10632},
    {u"cis_2_butene", 56.10632},
    {u"trans_2_butene", 56.10632},
    {u"2_methylpropene", 56.10632},
    {u"1_pentene", 70.1329},
    {u"propadiene", 40.06386},
    {u"1_2_butadiene", 54.09044},
    {u"1_3_butadiene", 54.09044},
    {u"ethyne", 26.03728},
    {u"cyclopentane", 70.1329},
    {u"methylcyclopentane", 84.15948},
    {u"ethylcyclopentane", 98.18606},
    {u"cyclohexane", 84.15948},
    {u"methylcyclohexane", 98.18606},
    {u"ethylcyclohexane", 112.21264},
    {u"benzene", 78.11184},
    {u"toluene", 92.13842},
    {u"ethylbenzene", 106.165},
    {u"o_xylene", 106.165},
    {u"methanol", 32.04186},
    {u"methanethiol", 48.10746},
    {u"hydrogen", 2.01588},
    {u"water", 18.01528},
    {u"hydrogen_sulphide", 34.08088},
    {u"ammonia", 17.03052},
    {u"hydrogen_cyanide", 27.02534},
    {u"carbon_monoxide", 28.0101},
    {u"carbonyl_sulfide", 60.0751},
    {u"carbon_disulfide", 76.1407},
    {u"helium", 4.002602},
    {u"neon", 20.1797},
    {u"argon", 39.948},
    {u"nitrogen", 28.0134},
    {u"oxygen", 31.9988},
    {u"carbon_dioxide", 44.0095},
    {u"sulphur_dioxide", 64.0638},
    {u"air", 28.96546},
    {u"c6", 86.17536},
    {u"c6plus", 86.17536},
    {u"c6plusstar", 86.17536},
    {u"c7", 100.20194},
    {u"c8", 114.22852},
    {u"c9plus", 128.2551},
    {u"ethanethiol", 62.13},
    {u"1-propanethiol", 76.15},
    {u"2-propanethiol", 76.15},
    {u"1-butanethiol", 90.187},
    {u"2-butanethiol", 90.187},
    {u"2-methyl-2-propanethiol", 90.187},
    {u"2-methyl-1-propanethiol", 90.187},
};
static_assert(std::size(kMolarMasses) == 74, "every catalogue component and c9plus");
} // namespace

double MolarMassOf(std::u16string_view componentId) {
    for (const auto& row : kMolarMasses) {
        if (row.id == componentId) {
            return row.molarMassKgKmol;
        }
    }
    return 0.0;
}

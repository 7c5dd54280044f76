#include "calc/composition/CompressionFactors.h"

#include <array>

namespace {
struct CompressionFactorRow {
    std::u16string_view id;
    std::array<double, kMeteringTemperatureCount> z; // at 0 °C, 15 °C, 15.55 °C, 20 °C
};

// The laboratories' established table of compression factors of the pure components at 101.325 kPa,
// used exactly as it stands so that volume fractions agree with the results the laboratories already
// report.
// - Most rows agree with Z = 1 - s², s the summation factor of ISO 6976:2016 (GOST 31369-2021) Table 2
//   at the same temperature: the hydrocarbons from the pentanes on, the unsaturated and cyclic ones, the
//   aromatics, methanol and the sulphur compounds to within 1.2e-5, the other gases to within 3.5e-5.
//   Methane (1e-5), ethane (5e-5), propane (1.7e-4) and the butanes (3.8e-4) differ more; their values
//   are the table's own.
// - n_tetradecane and n_pentadecane at 0 °C: s > 1 there, so 1 - s² is negative (-0.02718, -0.24903)
//   and the table holds its magnitude, which puts n_pentadecane at 0 °C above its values at the warmer
//   temperatures. Kept as listed: the volume fraction of such traces is negligible either way.
// - Hydrogen, helium and neon (Z above 1, which no 1 - s² can give) and water are the table's own
//   values; water has no value at 15.55 °C (0) and air none at all (zeros). A zero Z makes the
//   component's volume fraction 0; it is never divided by.
// - The carbon-number groups take the row of their normal alkane: С6, С6+ and С6+* of n-hexane, С7 of
//   n-heptane, С8 of n-octane, С9+ of n-nonane.
constexpr CompressionFactorRow kCompressionFactors[] = {
    {u"methane", {0.99762, 0.99802, 0.99804, 0.99814}},
    {u"ethane", {0.99001, 0.99153, 0.99158, 0.99197}},
    {u"propane", {0.9787, 0.9821, 0.98221, 0.98306}},
    {u"n_butane", {0.95949, 0.9665, 0.96672, 0.96845}},
    {u"2_methylpropane", {0.96428, 0.9703, 0.97049, 0.97199}},
    {u"n_pentane", {0.93313, 0.94426, 0.94459, 0.94733}},
    {u"2_methylbutane", {0.93958, 0.94933, 0.94964, 0.95208}},
    {u"2_2_dimethylpropane", {0.9496, 0.95838, 0.95867, 0.96084}},
    {u"n_hexane", {0.88984, 0.90994, 0.9106, 0.91549}},
    {u"2_methylpentane", {0.90303, 0.92014, 0.9207, 0.92492}},
    {u"3_methylpentane", {0.91018, 0.92371, 0.92415, 0.92764}},
    {u"2_2_dimethylbutane", {0.93599, 0.94478, 0.94506, 0.94733}},
    {u"2_3_dimethylbutane", {0.91957, 0.93073, 0.93109, 0.934}},
    {u"n_heptane", {0.83386, 0.86546, 0.86648, 0.87419}},
    {u"n_octane", {0.76526, 0.81112, 0.8126, 0.82377}},
    {u"nonane", {0.68449, 0.74699, 0.749, 0.76419}},
    {u"n_decane", {0.54936, 0.64108, 0.64395, 0.66615}},
    {u"n_undecane", {0.47756, 0.59014, 0.59372, 0.62067}},
    {u"n_dodecane", {0.26607, 0.42012, 0.42498, 0.46198}},
    {u"n_tridecane", {0.16661, 0.3502, 0.35583, 0.39968}},
    {u"n_tetradecane", {0.02718, 0.20076, 0.2079, 0.26229}},
    {u"n_pentadecane", {0.24903, 0.02997, 0.03882, 0.10527}},
    {u"ethene", {0.99247, 0.99361, 0.99365, 0.99394}},
    {u"propene", {0.98094, 0.98395, 0.98405, 0.98481}},
    {u"1_butene", {0.96143, 0.96846, 0.96867, 0.97038}},
    {u"cis_2_butene", {0.95694, 0.96503, 0.96529, 0.96724}},
    {u"trans_2_butene", {0.95707, 0.96511, 0.96533, 0.96728}},
    {u"2_methylpropene", {0.96135, 0.96842, 0.96867, 0.97038}},
    {u"1_pentene", {0.93125, 0.94724, 0.9477, 0.95125}},
    {u"propadiene", {0.97992, 0.98276, 0.98284, 0.98356}},
    {u"1_2_butadiene", {0.95744, 0.96533, 0.96559, 0.96749}},
    {u"1_3_butadiene", {0.96028, 0.96976, 0.97004, 0.97201}},
    {u"ethyne", {0.99124, 0.99301, 0.99306, 0.99347}},
    {u"cyclopentane", {0.94197, 0.95067, 0.95094, 0.95317}},
    {u"methylcyclopentane", {0.92065, 0.93177, 0.93214, 0.93508}},
    {u"ethylcyclopentane", {0.82132, 0.86428, 0.8656, 0.87532}},
    {u"cyclohexane", {0.91362, 0.92785, 0.92834, 0.93188}},
    {u"methylcyclohexane", {0.86553, 0.88998, 0.89077, 0.89677}},
    {u"ethylcyclohexane", {0.72174, 0.79325, 0.79533, 0.81121}},
    {u"benzene", {0.92426, 0.93614, 0.9365, 0.93948}},
    {u"toluene", {0.86117, 0.88717, 0.88798, 0.89431}},
    {u"ethylbenzene", {0.82951, 0.85583, 0.85674, 0.86354}},
    {u"o_xylene", {0.76458, 0.80543, 0.80675, 0.81707}},
    {u"methanol", {0.6629, 0.80073, 0.80437, 0.8305}},
    {u"methanethiol", {0.96356, 0.9711, 0.97134, 0.9731}},
    {u"hydrogen", {1.00061, 1.0006, 1.0006, 1.00059}},
    {u"water", {0.93, 0.945, 0, 0.952}},
    {u"hydrogen_sulphide", {0.98989, 0.99148, 0.99153, 0.99193}},
    {u"ammonia", {0.98486, 0.98789, 0.98799, 0.98871}},
    {u"hydrogen_cyanide", {0.89919, 0.92355, 0.92432, 0.93009}},
    {u"carbon_monoxide", {0.99934, 0.99953, 0.99954, 0.99959}},
    {u"carbonyl_sulfide", {0.98533, 0.98759, 0.98768, 0.98825}},
    {u"carbon_disulfide", {0.95239, 0.96166, 0.96194, 0.96413}},
    {u"helium", {1.00054, 1.00051, 1.00051, 1.0005}},
    {u"neon", {1.0005, 1.00049, 1.00049, 1.00048}},
    {u"argon", {0.99904, 0.99924, 0.99924, 0.9993}},
    {u"nitrogen", {0.99955, 0.99971, 0.99972, 0.99976}},
    {u"oxygen", {0.999, 0.99921, 0.99922, 0.99927}},
    {u"carbon_dioxide", {0.99325, 0.99434, 0.99438, 0.99466}},
    {u"sulphur_dioxide", {0.97509, 0.98024, 0.9804, 0.98161}},
    {u"air", {0, 0, 0, 0}},
    {u"c6", {0.88984, 0.90994, 0.9106, 0.91549}},
    {u"c6plus", {0.88984, 0.90994, 0.9106, 0.91549}},
    {u"c6plusstar", {0.88984, 0.90994, 0.9106, 0.91549}},
    {u"c7", {0.83386, 0.86546, 0.86648, 0.87419}},
    {u"c8", {0.76526, 0.81112, 0.8126, 0.82377}},
    {u"c9plus", {0.68449, 0.74699, 0.749, 0.76419}},
};
} // namespace

double CompressionFactorOf(std::u16string_view componentId, int32_t meteringTemperature) {
    if (meteringTemperature < 0 || meteringTemperature >= kMeteringTemperatureCount) {
        return 0.0;
    }
    for (const auto& row : kCompressionFactors) {
        if (row.id == componentId) {
            return row.z[static_cast<size_t>(meteringTemperature)];
        }
    }
    return 0.0;
}

#include "gost/gost34704/Components.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace gost34704 {
namespace {

using enum MethodRole;

// GOST 34704-2020 counts pentanes as 2.3 and hexanes and heavier as 5.3 volumes of butane (the same
// butane-equivalent factors as EN 16726:2015+A1:2018 Annex A).
constexpr double kButane = 1.0;
constexpr double kPentanes = 2.3;
constexpr double kHexanesPlus = 5.3;

// Summation factors at 0 °C, 101.325 kPa: ISO 6976:2016 Table 2 (row number of ISO 6976:2016 Table 1 in
// the comment). The hexanes and heavier hydrocarbons all take n-hexane's value: GOST 34704-2020 treats
// them as one pseudo-component C6+ represented by n-hexane, and 1 − s² is no physical compression factor
// for the heavier ones (it turns negative from n-tetradecane on). Identifiers that ISO 6976 lacks take
// the value of a representative named in the comment (README.md, "Components").
constexpr double kHexaneS = 0.3319; // ISO 6976:2016 Table 2, row 9, n-hexane

constexpr ComponentData kComponents[] = {
    {u"methane", 0.04886, Methane, 0.0},                               // row 1
    {u"ethane", 0.0997, Ethane, 0.0},                                  // row 2
    {u"propane", 0.1465, Propane, 0.0},                                // row 3
    {u"2_methylpropane", 0.1885, ButaneEquivalent, kButane},           // row 5, isobutane
    {u"n_butane", 0.2022, ButaneEquivalent, kButane},                  // row 4
    {u"2_methylbutane", 0.2458, ButaneEquivalent, kPentanes},          // row 7, isopentane
    {u"n_pentane", 0.2586, ButaneEquivalent, kPentanes},               // row 6
    {u"2_2_dimethylpropane", 0.2245, ButaneEquivalent, kPentanes},     // row 8, neopentane
    {u"n_hexane", kHexaneS, ButaneEquivalent, kHexanesPlus},           // row 9
    {u"n_heptane", kHexaneS, ButaneEquivalent, kHexanesPlus},          // C6+ (row 14)
    {u"n_octane", kHexaneS, ButaneEquivalent, kHexanesPlus},           // C6+ (row 15)
    {u"benzene", kHexaneS, ButaneEquivalent, kHexanesPlus},            // C6+ (row 35)
    {u"toluene", kHexaneS, ButaneEquivalent, kHexanesPlus},            // C6+ (row 36)
    {u"carbon_dioxide", 0.0821, CarbonDioxide, 0.0},                   // row 54
    {u"helium", -0.01, SetAside, 0.0},                                 // row 49
    {u"hydrogen", -0.01, SetAside, 0.0},                               // row 41
    {u"oxygen", 0.0311, SetAside, 0.0},                                // row 53
    {u"nitrogen", 0.0214, SetAside, 0.0},                              // row 52
    {u"methanol", 0.5806, SetAside, 0.0},                              // row 39
    {u"c6", kHexaneS, ButaneEquivalent, kHexanesPlus},                 // C6+ group, n-hexane (row 9)
    {u"c6plus", kHexaneS, ButaneEquivalent, kHexanesPlus},             // C6+ group, n-hexane (row 9)
    {u"c6plusstar", kHexaneS, ButaneEquivalent, kHexanesPlus},         // C6+ group, n-hexane (row 9)
    {u"c7", kHexaneS, ButaneEquivalent, kHexanesPlus},                 // C6+ group, n-hexane (row 9)
    {u"c8", kHexaneS, ButaneEquivalent, kHexanesPlus},                 // C6+ group, n-hexane (row 9)
    {u"2_methylpentane", kHexaneS, ButaneEquivalent, kHexanesPlus},    // C6+ (row 10)
    {u"3_methylpentane", kHexaneS, ButaneEquivalent, kHexanesPlus},    // C6+ (row 11)
    {u"2_2_dimethylbutane", kHexaneS, ButaneEquivalent, kHexanesPlus}, // C6+ (row 12)
    {u"2_3_dimethylbutane", kHexaneS, ButaneEquivalent, kHexanesPlus}, // C6+ (row 13)
    {u"nonane", kHexaneS, ButaneEquivalent, kHexanesPlus},             // C6+ (row 16)
    {u"n_decane", kHexaneS, ButaneEquivalent, kHexanesPlus},           // C6+ (row 17)
    {u"n_undecane", kHexaneS, ButaneEquivalent, kHexanesPlus},         // C6+ (row 56)
    {u"n_dodecane", kHexaneS, ButaneEquivalent, kHexanesPlus},         // C6+ (row 57)
    {u"n_tridecane", kHexaneS, ButaneEquivalent, kHexanesPlus},        // C6+ (row 58)
    {u"n_tetradecane", kHexaneS, ButaneEquivalent, kHexanesPlus},      // C6+ (row 59)
    {u"n_pentadecane", kHexaneS, ButaneEquivalent, kHexanesPlus},      // C6+ (row 60)
    // Unsaturated C2-C4 hydrocarbons count as butane: their own EN 16726 diagrams (A12, A15-A18) give
    // them methane numbers of 12 to 20, near n-butane's 10 and far from ethane's 44 or propane's 34.
    {u"ethene", 0.0868, ButaneEquivalent, kButane},                    // row 18, ethylene
    {u"propene", 0.1381, ButaneEquivalent, kButane},                   // row 19, propylene
    {u"1_butene", 0.1964, ButaneEquivalent, kButane},                  // row 20
    {u"cis_2_butene", 0.2075, ButaneEquivalent, kButane},              // row 21
    {u"trans_2_butene", 0.2072, ButaneEquivalent, kButane},            // row 22
    {u"2_methylpropene", 0.1966, ButaneEquivalent, kButane},           // row 23, isobutylene
    {u"1_pentene", 0.2622, ButaneEquivalent, kPentanes},               // row 24
    {u"propadiene", 0.1417, ButaneEquivalent, kButane},                // row 25
    {u"1_2_butadiene", 0.2063, ButaneEquivalent, kButane},             // row 26
    {u"1_3_butadiene", 0.1993, ButaneEquivalent, kButane},             // row 27
    {u"ethyne", 0.0936, ButaneEquivalent, kButane},                    // row 28, acetylene
    {u"cyclopentane", 0.2409, ButaneEquivalent, kPentanes},            // row 29
    {u"methylcyclopentane", kHexaneS, ButaneEquivalent, kHexanesPlus}, // C6+ (row 30)
    {u"ethylcyclopentane", kHexaneS, ButaneEquivalent, kHexanesPlus},  // C6+ (row 31)
    {u"cyclohexane", kHexaneS, ButaneEquivalent, kHexanesPlus},        // C6+ (row 32)
    {u"methylcyclohexane", kHexaneS, ButaneEquivalent, kHexanesPlus},  // C6+ (row 33)
    {u"ethylcyclohexane", kHexaneS, ButaneEquivalent, kHexanesPlus},   // C6+ (row 34)
    {u"ethylbenzene", kHexaneS, ButaneEquivalent, kHexanesPlus},       // C6+ (row 37)
    {u"o_xylene", kHexaneS, ButaneEquivalent, kHexanesPlus},           // C6+ (row 38)
    {u"methanethiol", 0.1909, SetAside, 0.0},                          // row 40
    {u"water", 0.3093, SetAside, 0.0},                                 // row 42
    {u"hydrogen_sulphide", 0.1006, SetAside, 0.0},                     // row 43
    {u"ammonia", 0.123, SetAside, 0.0},                                // row 44
    {u"hydrogen_cyanide", 0.3175, SetAside, 0.0},                      // row 45
    {u"carbon_monoxide", 0.0258, SetAside, 0.0},                       // row 46
    {u"carbonyl_sulfide", 0.1211, SetAside, 0.0},                      // row 47
    {u"carbon_disulfide", 0.2182, SetAside, 0.0},                      // row 48
    {u"neon", -0.01, SetAside, 0.0},                                   // row 50
    {u"argon", 0.0307, SetAside, 0.0},                                 // row 51
    {u"sulphur_dioxide", 0.1579, SetAside, 0.0},                       // row 55
    // Dry air: s = √(1 − Z_air) with Z_air(0 °C, 101.325 kPa) = 0.999419 (ISO 6976:2016 Annex A).
    {u"air", 0.02410, SetAside, 0.0},
    // Thiols beyond methanethiol: the alkane of the nearest normal boiling point (methanethiol, 6 °C,
    // has s between the butanes', which boil at −12 and −1 °C).
    {u"ethanethiol", 0.2586, SetAside, 0.0},             // 35 °C: n-pentane, 36 °C (row 6)
    {u"1-propanethiol", 0.3319, SetAside, 0.0},          // 68 °C: n-hexane, 69 °C (row 9)
    {u"2-propanethiol", 0.253, SetAside, 0.0},           // 53 °C: 2,2-dimethylbutane, 50 °C (row 12)
    {u"1-butanethiol", 0.4076, SetAside, 0.0},           // 98 °C: n-heptane, 98 °C (row 14)
    {u"2-butanethiol", 0.2939, SetAside, 0.0},           // 85 °C: cyclohexane, 81 °C (row 32)
    {u"2-methyl-2-propanethiol", 0.2997, SetAside, 0.0}, // 64 °C: 3-methylpentane, 63 °C (row 11)
    {u"2-methyl-1-propanethiol", 0.2939, SetAside, 0.0}, // 88 °C: cyclohexane, 81 °C (row 32)
};
constexpr size_t kComponentCount = std::size(kComponents);
static_assert(kComponentCount == 73, "one row per identifier of the component catalogue");

constexpr char16_t FoldAscii(char16_t c) {
    return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

// Length of a terminated identifier, or -1 when no terminator lies within the capacity.
int BoundedLength(const char16_t* identifier) {
    for (int i = 0; i < kIdentifierCapacity; ++i) {
        if (identifier[i] == u'\0') {
            return i;
        }
    }
    return -1;
}

// Three-way comparison of folded identifiers; the table's identifiers are already lower case.
int CompareFolded(std::u16string_view left, std::u16string_view right) {
    const size_t common = std::min(left.size(), right.size());
    for (size_t i = 0; i < common; ++i) {
        const char16_t a = FoldAscii(left[i]);
        const char16_t b = FoldAscii(right[i]);
        if (a != b) {
            return a < b ? -1 : 1;
        }
    }
    if (left.size() == right.size()) {
        return 0;
    }
    return left.size() < right.size() ? -1 : 1;
}

// The table in identifier order, for a binary search (a calculation looks up every row of its gas).
constexpr std::array<const ComponentData*, kComponentCount> SortedComponents() {
    std::array<const ComponentData*, kComponentCount> sorted{};
    for (size_t i = 0; i < kComponentCount; ++i) {
        sorted[i] = &kComponents[i];
    }
    std::sort(sorted.begin(), sorted.end(),
              [](const ComponentData* a, const ComponentData* b) { return a->id < b->id; });
    return sorted;
}
constexpr std::array<const ComponentData*, kComponentCount> kSorted = SortedComponents();

} // namespace

const ComponentData* FindComponent(const char16_t* identifier) {
    if (identifier == nullptr) {
        return nullptr;
    }
    const int length = BoundedLength(identifier);
    if (length < 0) {
        return nullptr;
    }
    const std::u16string_view key(identifier, static_cast<size_t>(length));
    size_t low = 0;
    size_t high = kComponentCount;
    while (low < high) {
        const size_t middle = low + (high - low) / 2;
        const int order = CompareFolded(kSorted[middle]->id, key);
        if (order == 0) {
            return kSorted[middle];
        }
        if (order < 0) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return nullptr;
}

bool SameIdentifier(const char16_t* left, const char16_t* right) {
    if (left == nullptr || right == nullptr) {
        return false;
    }
    const int leftLength = BoundedLength(left);
    const int rightLength = BoundedLength(right);
    if (leftLength < 0 || rightLength < 0) {
        return false;
    }
    return CompareFolded(std::u16string_view(left, static_cast<size_t>(leftLength)),
                         std::u16string_view(right, static_cast<size_t>(rightLength))) == 0;
}

} // namespace gost34704

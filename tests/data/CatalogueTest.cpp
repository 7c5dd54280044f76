#include <gtest/gtest.h>

#include <cmath>

#include "data/AliasLookup.h"
#include "data/ComponentCatalogue.h"
#include "data/MolarMass.h"
#include "text/Utf.h"

namespace {

AliasList WithAlias(std::u16string_view id, std::u16string alias) {
    AliasList list = DefaultAliasList();
    for (auto& entry : list) {
        if (entry.id == id) {
            entry.alias = std::move(alias);
        }
    }
    return list;
}

TEST(ComponentIdForAlias, MatchesAliasesIgnoringLetterCase) {
    const AliasList aliases = DefaultAliasList();
    struct Case {
        std::u16string_view name;
        std::u16string_view id;
    };
    const Case cases[] = {
        {u"метан", u"methane"},
        {u"МЕТАН", u"methane"},
        {u"н-бутан", u"n_butane"},
        {u"ДИОКСИД УГЛЕРОДА", u"carbon_dioxide"},
        {u"с6+", u"c6plus"}, // Cyrillic lower-case с
        {u"С6+*", u"c6plusstar"},
        {u"O-КСИЛОЛ", u"o_xylene"}, // the alias's "o" is Latin
        {u"2-Метил-2-Пропантиол", u"2-methyl-2-propanethiol"},
        {u"C6+", u"? C6+"},           // Latin C is another letter
        {u"о-ксилол", u"? о-ксилол"}, // Cyrillic о is another letter
        {u"Метан ", u"? Метан "},     // the whole name must match
        {u"Мета", u"? Мета"},
        {u"%s", u"? %s"},
        {u"", u"? "},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ComponentIdForAlias(aliases, c.name), c.id) << Utf16ToUtf8(c.name);
    }
}

TEST(ComponentIdForAlias, FollowsTheUsersRenaming) {
    const AliasList aliases = WithAlias(u"methane", u"CH4");
    EXPECT_EQ(ComponentIdForAlias(aliases, u"метан"), u"? метан");
    EXPECT_EQ(ComponentIdForAlias(aliases, u"ch4"), u"methane");
    EXPECT_EQ(DisplayNameForComponent(aliases, u"methane"), u"CH4");
}

TEST(ComponentIdForAlias, FoldsYoAndTheWholeCyrillicAlphabet) {
    const AliasList aliases = WithAlias(u"water", u"ЁЖЩЪЭЮЯ");
    EXPECT_EQ(ComponentIdForAlias(aliases, u"ёжщъэюя"), u"water");
}

TEST(ComponentIdForAlias, EarlierComponentWinsWhenAliasesCoincide) {
    AliasList aliases = WithAlias(u"nitrogen", u"Газ");
    for (auto& entry : aliases) {
        if (entry.id == u"air") {
            entry.alias = u"газ";
        }
    }
    EXPECT_EQ(ComponentIdForAlias(aliases, u"ГАЗ"), u"nitrogen");
    // The order of the list decides, not the identifier.
    std::swap(aliases[17], aliases[65]);
    EXPECT_EQ(aliases[17].id, u"air");
    EXPECT_EQ(ComponentIdForAlias(aliases, u"ГАЗ"), u"air");
}

TEST(DisplayNameForComponent, ComparesIdentifiersExactly) {
    const AliasList aliases = DefaultAliasList();
    EXPECT_EQ(DisplayNameForComponent(aliases, u"c6plus"), u"\u04216+");
    EXPECT_EQ(DisplayNameForComponent(aliases, u"nonane"), u"н-нонан");
    EXPECT_EQ(DisplayNameForComponent(aliases, u"c9plus"), u"c9plus");
    EXPECT_EQ(DisplayNameForComponent(aliases, u"Methane"), u"Methane");
    EXPECT_EQ(DisplayNameForComponent(aliases, u"n_nonane"), u"n_nonane");
    EXPECT_EQ(DisplayNameForComponent(aliases, u""), u"");
    EXPECT_EQ(DisplayNameForComponent(aliases, u"? Пик"), u"? Пик");
}

TEST(DisplayNameForComponent, RoundTripsEveryCatalogueRow) {
    const AliasList aliases = DefaultAliasList();
    ASSERT_EQ(aliases.size(), 73u);
    for (const auto& row : ComponentCatalogue()) {
        EXPECT_EQ(ComponentIdForAlias(aliases, DisplayNameForComponent(aliases, row.id)), row.id);
    }
}

// Molar masses recomputed from the standard atomic weights (IUPAC 2005) of which ISO 6976:2016 Table 1
// sums them: hydrocarbons and inorganic gases of the table, each group taking its normal alkane.
TEST(MolarMass, AgreesWithTheAtomicWeights) {
    constexpr double kC = 12.0107, kH = 1.00794, kO = 15.9994, kN = 14.0067, kS = 32.065;
    struct Formula {
        std::u16string_view id;
        int c, h, o, n, s;
    };
    const Formula formulas[] = {
        {u"methane", 1, 4, 0, 0, 0},
        {u"ethane", 2, 6, 0, 0, 0},
        {u"propane", 3, 8, 0, 0, 0},
        {u"n_butane", 4, 10, 0, 0, 0},
        {u"2_methylpropane", 4, 10, 0, 0, 0},
        {u"n_pentane", 5, 12, 0, 0, 0},
        {u"2_2_dimethylpropane", 5, 12, 0, 0, 0},
        {u"n_hexane", 6, 14, 0, 0, 0},
        {u"c6", 6, 14, 0, 0, 0},
        {u"c6plus", 6, 14, 0, 0, 0},
        {u"c6plusstar", 6, 14, 0, 0, 0},
        {u"n_heptane", 7, 16, 0, 0, 0},
        {u"c7", 7, 16, 0, 0, 0},
        {u"n_octane", 8, 18, 0, 0, 0},
        {u"c8", 8, 18, 0, 0, 0},
        {u"nonane", 9, 20, 0, 0, 0},
        {u"c9plus", 9, 20, 0, 0, 0},
        {u"n_pentadecane", 15, 32, 0, 0, 0},
        {u"ethene", 2, 4, 0, 0, 0},
        {u"1_3_butadiene", 4, 6, 0, 0, 0},
        {u"ethyne", 2, 2, 0, 0, 0},
        {u"cyclohexane", 6, 12, 0, 0, 0},
        {u"benzene", 6, 6, 0, 0, 0},
        {u"toluene", 7, 8, 0, 0, 0},
        {u"o_xylene", 8, 10, 0, 0, 0},
        {u"methanol", 1, 4, 1, 0, 0},
        {u"methanethiol", 1, 4, 0, 0, 1},
        {u"hydrogen", 0, 2, 0, 0, 0},
        {u"water", 0, 2, 1, 0, 0},
        {u"hydrogen_sulphide", 0, 2, 0, 0, 1},
        {u"ammonia", 0, 3, 0, 1, 0},
        {u"hydrogen_cyanide", 1, 1, 0, 1, 0},
        {u"carbon_monoxide", 1, 0, 1, 0, 0},
        {u"carbonyl_sulfide", 1, 0, 1, 0, 1},
        {u"carbon_disulfide", 1, 0, 0, 0, 2},
        {u"nitrogen", 0, 0, 0, 2, 0},
        {u"oxygen", 0, 0, 2, 0, 0},
        {u"carbon_dioxide", 1, 0, 2, 0, 0},
        {u"sulphur_dioxide", 0, 0, 2, 0, 1},
        {u"ethanethiol", 2, 6, 0, 0, 1},
        {u"2-methyl-1-propanethiol", 4, 10, 0, 0, 1},
    };
    for (const auto& f : formulas) {
        const double expected = f.c * kC + f.h * kH + f.o * kO + f.n * kN + f.s * kS;
        // The thiols beyond methanethiol are given to 0.01 kg/kmol (two or three decimals).
        const double tolerance = f.id == u"ethanethiol" || f.id == u"2-methyl-1-propanethiol" ? 0.006 : 1e-9;
        EXPECT_NEAR(MolarMassOf(f.id), expected, tolerance) << Utf16ToUtf8(f.id);
    }
    EXPECT_DOUBLE_EQ(MolarMassOf(u"helium"), 4.002602);
    EXPECT_DOUBLE_EQ(MolarMassOf(u"air"), 28.96546);
}

TEST(MolarMass, EveryCatalogueComponentHasOneAndOthersHaveNone) {
    for (const auto& row : ComponentCatalogue()) {
        EXPECT_GT(MolarMassOf(row.id), 0.0) << Utf16ToUtf8(row.id);
    }
    EXPECT_EQ(MolarMassOf(u"? Метан"), 0.0);
    EXPECT_EQ(MolarMassOf(u"Methane"), 0.0);
    EXPECT_EQ(MolarMassOf(u""), 0.0);
}

} // namespace

// Every component identifier of the plug-in is computed, either from its own row of ISO 6976:2016 or
// through its documented representative; dry air reproduces the standard's reference constants.
#include <gtest/gtest.h>

#include <string>

#include "data/ComponentCatalogue.h"
#include "gost6976/Gost6976TestSupport.h"

namespace {
using namespace gost6976_test;
using P = PhysicalPropertyIndex;

std::string Narrow(std::u16string_view text) {
    return std::string(text.begin(), text.end());
}

TEST(Gost6976Representatives, EveryCatalogueComponentIsKnown) {
    ASSERT_EQ(ComponentCatalogue().size(), 73u);
    for (const CatalogueRow& row : ComponentCatalogue()) {
        const auto gas = Entries({{u"methane", 0.99, 0.0005}, {row.id, 0.01, 0.0001}});
        const Result values = Values(gas, kMetering20C, kCombustion25C);
        EXPECT_EQ(values.status, 0) << Narrow(row.id);
        const Result expanded =
            Uncertainties(gas, kMetering20C, kCombustion25C, CorrelationMode3136921::Normalised);
        EXPECT_EQ(expanded.status, 0) << Narrow(row.id);
    }
}

struct Substitution {
    std::u16string_view component;
    std::u16string_view representative;
};

const Substitution kSubstitutions[] = {
    {u"c6", u"n_hexane"},
    {u"c6plus", u"n_hexane"},
    {u"c6plusstar", u"n_hexane"},
    {u"c7", u"n_heptane"},
    {u"c8", u"n_octane"},
    {u"c9plus", u"nonane"},
    {u"ethanethiol", u"methanethiol"},
    {u"1-propanethiol", u"methanethiol"},
    {u"2-propanethiol", u"methanethiol"},
    {u"1-butanethiol", u"methanethiol"},
    {u"2-butanethiol", u"methanethiol"},
    {u"2-methyl-2-propanethiol", u"methanethiol"},
    {u"2-methyl-1-propanethiol", u"methanethiol"},
};

TEST(Gost6976Representatives, GroupsAndThiolsAreComputedAsTheirRepresentative) {
    for (const Substitution& row : kSubstitutions) {
        const auto group = Entries({{u"methane", 0.97, 0.0005}, {row.component, 0.03, 0.0002}});
        const auto representative = Entries({{u"methane", 0.97, 0.0005}, {row.representative, 0.03, 0.0002}});
        const Result groupValues = Values(group, kMetering15C, kCombustion15C);
        const Result representativeValues = Values(representative, kMetering15C, kCombustion15C);
        const Result groupU =
            Uncertainties(group, kMetering15C, kCombustion15C, CorrelationMode3136921::Identity);
        const Result representativeU =
            Uncertainties(representative, kMetering15C, kCombustion15C, CorrelationMode3136921::Identity);
        ASSERT_EQ(groupValues.status, 0) << Narrow(row.component);
        for (int32_t i = 0; i < kPhysicalPropertyCount; ++i) {
            EXPECT_EQ(groupValues.record.value[i], representativeValues.record.value[i])
                << Narrow(row.component);
            EXPECT_EQ(groupU.record.value[i], representativeU.record.value[i]) << Narrow(row.component);
        }
    }
}

// Dry air alone has the compression factor of ISO 6976:2016 Table A.1 at each metering temperature, the
// molar mass of dry air, a relative density of one and no calorific value.
TEST(Gost6976Representatives, DryAirHasTheReferenceConstants) {
    const double zAir[4] = {0.999419, 0.999595, 0.999601, 0.999645};
    const auto air = Entries({{u"air", 1.0, 0.0}});
    for (int32_t t2 = 0; t2 < 4; ++t2) {
        const Result values = Values(air, t2, kCombustion25C);
        ASSERT_EQ(values.status, 0);
        EXPECT_NEAR(At(values.record, P::CompressionFactor), zAir[t2], 1e-10) << t2;
        EXPECT_DOUBLE_EQ(At(values.record, P::MolarMass), 28.96546);
        EXPECT_DOUBLE_EQ(At(values.record, P::RelativeDensityIdeal), 1.0);
        EXPECT_NEAR(At(values.record, P::RelativeDensityReal), 1.0, 1e-10) << t2;
        EXPECT_EQ(At(values.record, P::SuperiorMolarCalorificValue), 0.0);
    }
}

// Air in a gas counts as the mixture it is: replacing 1 % of air by 0.78 N2 + 0.21 O2 + 0.01 Ar
// (rounded dry air) barely changes the molar mass and the compression factor.
TEST(Gost6976Representatives, AirBehavesLikeItsMainConstituents) {
    const auto withAir = Entries({{u"methane", 0.95, 0.0}, {u"ethane", 0.04, 0.0}, {u"air", 0.01, 0.0}});
    const auto withConstituents = Entries({{u"methane", 0.95, 0.0},
                                           {u"ethane", 0.04, 0.0},
                                           {u"nitrogen", 0.0078, 0.0},
                                           {u"oxygen", 0.0021, 0.0},
                                           {u"argon", 0.0001, 0.0}});
    const Result a = Values(withAir, kMetering20C, kCombustion25C);
    const Result b = Values(withConstituents, kMetering20C, kCombustion25C);
    EXPECT_NEAR(At(a.record, P::MolarMass), At(b.record, P::MolarMass), 2e-4);
    EXPECT_NEAR(At(a.record, P::CompressionFactor), At(b.record, P::CompressionFactor), 2e-6);
}

} // namespace

// The MWM ternary diagrams that GOST 34704-2020 uses: four hydrocarbon partial mixtures and the
// correction for carbon dioxide, each a polynomial MN = Σ a_ij·x^i·y^j in the volume % of its two
// named components (EN 16726:2015+A1:2018 Annex A).
#pragma once

#include <array>
#include <span>

namespace gost34704 {

// Positions of the hydrocarbons in the simplified mixture (the order of the interface).
enum SimplifiedIndex : int {
    kPropane = 0,
    kEthane = 1,
    kButaneEquivalent = 2,
    kMethane = 3,
};
inline constexpr int kSimplifiedCount = 4;
inline constexpr int kPartialMixtureCount = 4;
inline constexpr int kUsedMixtureCount = 3;

struct PolynomialTerm {
    int xPower;
    int yPower;
    double a;
};

struct PartialMixture {
    std::array<int, 3> components; // simplified-mixture positions; x and y first, then the remainder
    std::span<const PolynomialTerm> terms;
    std::array<double, kSimplifiedCount> affinityWeight; // Vmax / ΣVmax of each component, 0 when absent
};

// The partial mixtures 0-3 (GOST 34704-2020 mixtures 1-4).
const PartialMixture& PartialMixtureAt(int number);

bool Contains(const PartialMixture& mixture, int component);

// The correction diagram for inert gases: x the combustible part, y carbon dioxide, in % of their sum.
std::span<const PolynomialTerm> InertTerms();

struct PolynomialValue {
    double value;
    double dx; // ∂value/∂x
    double dy; // ∂value/∂y
};

double EvaluatePolynomial(std::span<const PolynomialTerm> terms, double x, double y);
PolynomialValue EvaluatePolynomialWithSlope(std::span<const PolynomialTerm> terms, double x, double y);

} // namespace gost34704

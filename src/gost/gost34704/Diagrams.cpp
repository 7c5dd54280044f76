#include "gost/gost34704/Diagrams.h"

namespace gost34704 {
namespace {

// Coefficients a_ij of the MWM diagrams of EN 16726:2015+A1:2018 Annex A, in the diagram's own x and y
// (volume %); they agree term by term with an independent transcription of the coefficient table used
// with GOST 34704-2020 for the four partial mixtures and the inert correction.

// Mixture 1, C2H6–C3H8–C4H10 (EN 16726 diagram A2): x = propane, y = ethane.
constexpr PolynomialTerm kMixture1[] = {
    {0, 0, 10.24513},      {1, 0, 0.08590661},    {0, 1, 0.1498213},     {2, 0, 0.007384396},
    {1, 1, 0.009570504},   {0, 2, 0.005136971},   {3, 0, -0.0001003662}, {2, 1, -0.0002020327},
    {1, 2, -4.580277e-05}, {0, 3, -5.685615e-05}, {4, 0, 4.127305e-07},  {3, 1, 1.251138e-06},
    {2, 2, 3.114703e-07},  {1, 3, -3.140157e-07}, {0, 4, 2.403948e-07},
};

// Mixture 2, CH4–C2H6–C3H8 (diagram A4): x = methane, y = ethane.
constexpr PolynomialTerm kMixture2[] = {
    {0, 0, 33.53909},     {1, 0, -0.1028224},    {0, 1, 0.2068375},     {2, 0, 0.02398141},
    {1, 1, 0.003316137},  {0, 2, -0.003553689},  {3, 0, -0.0009584746}, {2, 1, -0.0002409604},
    {1, 2, 3.94184e-05},  {0, 3, 5.001856e-05},  {4, 0, 2.005288e-05},  {3, 1, 3.45851e-06},
    {2, 2, 8.036454e-07}, {1, 3, -4.333876e-07}, {0, 4, -2.504256e-07}, {5, 0, -2.115417e-07},
    {6, 0, 9.05402e-10},
};

// Mixture 3, CH4–C3H8–C4H10 (diagram A7): x = methane, y = propane.
constexpr PolynomialTerm kMixture3[] = {
    {0, 0, 10.16914},      {1, 0, 0.4366612},     {0, 1, 0.03817096},    {2, 0, -0.08726454},
    {1, 1, -0.007947864},  {0, 2, 0.01036501},    {3, 0, 0.005939795},   {2, 1, 0.0003267886},
    {1, 2, 0.0002371491},  {0, 3, -0.0001615215}, {4, 0, -0.0001854127}, {3, 1, -3.308586e-07},
    {2, 2, -4.975863e-06}, {1, 3, -8.782291e-07}, {0, 4, 7.74084e-07},   {5, 0, 2.956598e-06},
    {6, 0, -2.337074e-08}, {7, 0, 7.322348e-11},
};

// Mixture 4, CH4–C2H6–C4H10 (diagram A8): x = methane, y = ethane.
constexpr PolynomialTerm kMixture4[] = {
    {0, 0, 10.77761},      {1, 0, 0.164749},      {0, 1, -0.1405007},    {2, 0, -0.0519873},
    {1, 1, -0.007044869},  {0, 2, 0.01615437},    {3, 0, 0.003991315},   {2, 1, 0.0001479482},
    {1, 2, 0.0003384803},  {0, 3, -0.000175467},  {4, 0, -0.0001277487}, {3, 1, 2.756444e-06},
    {2, 2, -4.041667e-06}, {1, 3, -1.971021e-06}, {0, 4, 6.075213e-07},  {5, 0, 2.015703e-06},
    {6, 0, -1.558017e-08}, {7, 0, 4.797693e-11},
};

// Inert correction (CH4–CO2–N2): x = combustible part, y = carbon dioxide. The (2,2) term is
// −1.381699e-6 as corrected in the MWM documentation; the value at (100, 0) is 100.0003.
constexpr PolynomialTerm kInert[] = {
    {0, 0, 299.1743},      {1, 0, -15.11958},     {0, 1, -0.3115636},   {2, 0, 0.7635948},
    {1, 1, 0.04548069},    {0, 2, 0.01123041},    {3, 0, -0.02376263},  {2, 1, -0.0007856294},
    {1, 2, 0.0006555709},  {0, 3, -0.002146855},  {4, 0, 0.0004355494}, {3, 1, 3.860668e-06},
    {2, 2, -1.381699e-06}, {1, 3, -7.933902e-06}, {0, 4, 6.699364e-05}, {5, 0, -4.607726e-06},
    {0, 5, -8.369387e-07}, {6, 0, 2.61057e-08},   {0, 6, 3.928073e-09}, {7, 0, -6.143914e-11},
};

constexpr int kHighestPower = 7;

// Affinity weights Vmax/ΣVmax of the diagram selection of EN 16726:2015+A1:2018 Annex A: the diagram's upper
// limit of a component, 100 % in each of the four, divided by the sum of that component's upper limits over
// all eighteen diagrams (methane 1000, ethane 640, propane 600, butane equivalents 480).
constexpr double kMethaneWeight = 100.0 / 1000.0;
constexpr double kEthaneWeight = 100.0 / 640.0;
constexpr double kPropaneWeight = 100.0 / 600.0;
constexpr double kButaneWeight = 100.0 / 480.0;

// Weights in the order of the simplified mixture: propane, ethane, butane equivalents, methane.
constexpr PartialMixture kMixtures[kPartialMixtureCount] = {
    {{kPropane, kEthane, kButaneEquivalent}, kMixture1, {kPropaneWeight, kEthaneWeight, kButaneWeight, 0.0}},
    {{kMethane, kEthane, kPropane}, kMixture2, {kPropaneWeight, kEthaneWeight, 0.0, kMethaneWeight}},
    {{kMethane, kPropane, kButaneEquivalent},
     kMixture3,
     {kPropaneWeight, 0.0, kButaneWeight, kMethaneWeight}},
    {{kMethane, kEthane, kButaneEquivalent}, kMixture4, {0.0, kEthaneWeight, kButaneWeight, kMethaneWeight}},
};

} // namespace

const PartialMixture& PartialMixtureAt(int number) {
    return kMixtures[number];
}

bool Contains(const PartialMixture& mixture, int component) {
    return mixture.components[0] == component || mixture.components[1] == component ||
           mixture.components[2] == component;
}

std::span<const PolynomialTerm> InertTerms() {
    return kInert;
}

double EvaluatePolynomial(std::span<const PolynomialTerm> terms, double x, double y) {
    return EvaluatePolynomialWithSlope(terms, x, y).value;
}

PolynomialValue EvaluatePolynomialWithSlope(std::span<const PolynomialTerm> terms, double x, double y) {
    double xPowers[kHighestPower + 1];
    double yPowers[kHighestPower + 1];
    xPowers[0] = 1.0;
    yPowers[0] = 1.0;
    for (int i = 1; i <= kHighestPower; ++i) {
        xPowers[i] = xPowers[i - 1] * x;
        yPowers[i] = yPowers[i - 1] * y;
    }
    PolynomialValue result{0.0, 0.0, 0.0};
    for (const PolynomialTerm& term : terms) {
        result.value += term.a * xPowers[term.xPower] * yPowers[term.yPower];
        if (term.xPower > 0) {
            result.dx += term.a * term.xPower * xPowers[term.xPower - 1] * yPowers[term.yPower];
        }
        if (term.yPower > 0) {
            result.dy += term.a * term.yPower * xPowers[term.xPower] * yPowers[term.yPower - 1];
        }
    }
    return result;
}

} // namespace gost34704

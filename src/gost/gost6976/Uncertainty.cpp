#include "gost/gost6976/Uncertainty.h"

#include <cmath>

#include "gost/gost6976/Constants.h"

namespace gost6976 {
namespace {

// Every property but Z is a power law Y = const · H^h · M^m · Z^z in the molar calorific value H (gross
// or net), the molar mass M and the compression factor Z, with h either 0 or 1. Its sensitivity to x_i is
//   ∂Y/∂x_i = (Y/H)·H_i + Y·(m·M_i/M + z·∂ln Z/∂x_i),  ∂ln Z/∂x_i = −2σ·s_i/Z,
// written with Y/H rather than Y·H_i/H so that a gas without calorific value (H = 0) stays finite.
// The uncorrelated tabulated constants add
//   (Y/H)²·u²(H | x) + Y²·(m²·S_M/M² + z²·4σ²·Σ x_j²·u²(s_j)/Z² + the relative variance of R, M_air, Z_air).
struct PowerLaw {
    double value;               // Y
    double perHeat;             // Y/H, 0 when Y does not depend on H
    bool net;                   // H is the net calorific value
    double massExponent;        // m
    double compressionExponent; // z
    double constantsVariance;   // relative variance from R, M_air and Z_air
};

// The sums the coefficients of every property share.
struct Inputs {
    std::vector<double> gross;       // Hc,G,i
    std::vector<double> net;         // Hc,N,i = Hc,G,i − L·b_i/2
    std::vector<double> molarMass;   // M_i
    std::vector<double> dlnZ;        // ∂ln Z/∂x_i
    double grossTableVariance = 0.0; // Σ x_j²·u²(Hc,j)
    double netTableVariance = 0.0;   // the same plus (Σ x_j·b_j/2)²·u²(L)
    double molarMassVariance = 0.0;  // S_M = Σ_e u²(A_e)·(Σ_j x_j·n_je)²
    double summationVariance = 0.0;  // Σ x_j²·u²(s_j)
};

Inputs GatherInputs(const Gas& gas, const PropertyState& state, int32_t t1, int32_t t2) {
    const size_t n = gas.rows.size();
    Inputs in;
    in.gross.resize(n);
    in.net.resize(n);
    in.molarMass.resize(n);
    in.dlnZ.resize(n);
    double elementAmount[kElementCount] = {};
    for (size_t j = 0; j < n; ++j) {
        const PropertyConstantsRow& row = *gas.rows[j];
        const double x = gas.fraction[j];
        in.gross[j] = row.grossCalorificValueKJPerMol[t1];
        in.net[j] = in.gross[j] - state.vaporisationEnthalpy * 0.5 * row.atomCount[kHydrogenElement];
        in.molarMass[j] = row.molarMassKgPerKmol;
        in.dlnZ[j] = -2.0 * state.sigma * row.summationFactor[t2] / state.compressionFactor;
        const double uHeat = x * row.grossCalorificValueUncertainty;
        in.grossTableVariance += uHeat * uHeat;
        const double uSummation = x * row.summationFactorUncertainty;
        in.summationVariance += uSummation * uSummation;
        for (int32_t e = 0; e < kElementCount; ++e) {
            elementAmount[e] += x * row.atomCount[e];
        }
    }
    for (int32_t e = 0; e < kElementCount; ++e) {
        const double u = kAtomicWeightU[e] * elementAmount[e];
        in.molarMassVariance += u * u;
    }
    const double uWater = state.hydrogenPairs * kVaporisationEnthalpyWaterU;
    in.netTableVariance = in.grossTableVariance + uWater * uWater;
    return in;
}

double Square(double value) {
    return value * value;
}

double PowerLawVariance(const PowerLaw& law, const Inputs& in, const PropertyState& state,
                        const CompositionCovariance& covariance, std::vector<double>& c) {
    const std::vector<double>& heat = law.net ? in.net : in.gross;
    const double massTerm = law.value * law.massExponent / state.molarMass;
    const double compressionTerm = law.value * law.compressionExponent;
    for (size_t i = 0; i < c.size(); ++i) {
        c[i] = law.perHeat * heat[i] + massTerm * in.molarMass[i] + compressionTerm * in.dlnZ[i];
    }
    const double z = state.compressionFactor;
    const double relative =
        Square(law.massExponent) * in.molarMassVariance / Square(state.molarMass) +
        Square(law.compressionExponent) * 4.0 * Square(state.sigma) * in.summationVariance / Square(z) +
        law.constantsVariance;
    const double heatTable = law.net ? in.netTableVariance : in.grossTableVariance;
    return CompositionVariance(covariance, c) + Square(law.perHeat) * heatTable +
           Square(law.value) * relative;
}

} // namespace

void ComputeExpandedUncertainties(const Gas& gas, const Conditions& conditions, const PropertyState& state,
                                  const CompositionCovariance& covariance,
                                  double expanded[kPhysicalPropertyCount]) {
    const Inputs in = GatherInputs(gas, state, conditions.combustionIndex, conditions.meteringIndex);
    const double* value = state.value;
    const double z = state.compressionFactor;
    const double k = state.molarConcentration;
    const double gasConstant = Square(kMolarGasConstantU / kMolarGasConstantJPerMolK);
    const double airMolarMass = Square(kMolarMassAirU / kMolarMassAirKgPerKmol);
    const double airCompression =
        Square(state.pressureRatio * kCompressionFactorAirU / state.compressionFactorAir);

    using P = PhysicalPropertyIndex;
    auto at = [&](P index) { return value[static_cast<int32_t>(index)]; };
    const double sqrtRelativeDensityIdeal = std::sqrt(at(P::RelativeDensityIdeal));
    const double sqrtRelativeDensityReal = std::sqrt(at(P::RelativeDensityReal));
    const double wobbeIdealConstants = gasConstant + airMolarMass / 4.0;
    const double wobbeRealConstants = gasConstant + airMolarMass / 4.0 + airCompression / 4.0;

    // Y, Y/H, net, m, z, relative variance of the constants; in the order of PhysicalPropertyIndex.
    const PowerLaw laws[kPhysicalPropertyCount] = {
        {z, 0.0, false, 0.0, 1.0, 0.0},
        {state.molarMass, 0.0, false, 1.0, 0.0, 0.0},
        {state.grossMolar, 1.0, false, 0.0, 0.0, 0.0},
        {state.netMolar, 1.0, true, 0.0, 0.0, 0.0},
        {at(P::SuperiorMassCalorificValue), 1.0 / state.molarMass, false, -1.0, 0.0, 0.0},
        {at(P::InferiorMassCalorificValue), 1.0 / state.molarMass, true, -1.0, 0.0, 0.0},
        {at(P::SuperiorVolumetricIdeal), k, false, 0.0, 0.0, gasConstant},
        {at(P::InferiorVolumetricIdeal), k, true, 0.0, 0.0, gasConstant},
        {at(P::SuperiorVolumetricReal), k / z, false, 0.0, -1.0, gasConstant},
        {at(P::InferiorVolumetricReal), k / z, true, 0.0, -1.0, gasConstant},
        {at(P::RelativeDensityIdeal), 0.0, false, 1.0, 0.0, airMolarMass},
        {at(P::DensityIdeal), 0.0, false, 1.0, 0.0, gasConstant},
        {at(P::RelativeDensityReal), 0.0, false, 1.0, -1.0, airMolarMass + airCompression},
        {at(P::DensityReal), 0.0, false, 1.0, -1.0, gasConstant},
        {at(P::SuperiorWobbeIdeal), k / sqrtRelativeDensityIdeal, false, -0.5, 0.0, wobbeIdealConstants},
        {at(P::InferiorWobbeIdeal), k / sqrtRelativeDensityIdeal, true, -0.5, 0.0, wobbeIdealConstants},
        {at(P::SuperiorWobbeReal), k / (z * sqrtRelativeDensityReal), false, -0.5, -0.5, wobbeRealConstants},
        {at(P::InferiorWobbeReal), k / (z * sqrtRelativeDensityReal), true, -0.5, -0.5, wobbeRealConstants},
    };
    std::vector<double> coefficients(gas.rows.size());
    for (int32_t i = 0; i < kPhysicalPropertyCount; ++i) {
        const double variance = PowerLawVariance(laws[i], in, state, covariance, coefficients);
        expanded[i] = kCoverageFactor * std::sqrt(variance);
    }
}

} // namespace gost6976

#include "gost/gost6976/Properties.h"

#include <cmath>

#include "gost/gost6976/Constants.h"

namespace gost6976 {
namespace {

void Set(PropertyState& state, PhysicalPropertyIndex index, double value) {
    state.value[static_cast<int32_t>(index)] = value;
}

} // namespace

int32_t ComputeProperties(const Gas& gas, const Conditions& conditions, PropertyState& state) {
    const int32_t t2 = conditions.meteringIndex;
    const int32_t t1 = conditions.combustionIndex;
    const double pressureRatio = conditions.pressureKPa / kReferencePressureKPa;
    const double vaporisationEnthalpy = kVaporisationEnthalpyWaterKJPerMol[t1];

    double summation = 0.0;
    double molarMass = 0.0;
    double grossMolar = 0.0;
    double hydrogenPairs = 0.0;
    for (size_t j = 0; j < gas.rows.size(); ++j) {
        const PropertyConstantsRow& row = *gas.rows[j];
        const double x = gas.fraction[j];
        summation += x * row.summationFactor[t2];
        molarMass += x * row.molarMassKgPerKmol;
        grossMolar += x * row.grossCalorificValueKJPerMol[t1];
        hydrogenPairs += x * 0.5 * row.atomCount[kHydrogenElement];
    }

    state.pressureRatio = pressureRatio;
    state.summation = summation;
    state.sigma = pressureRatio * summation;
    // Compression factor from the summation factors, ISO 6976:2016: Z = 1 − (p2/p0)·(Σ x_j·s_j)².
    state.compressionFactor = 1.0 - pressureRatio * summation * summation;
    // Z_air scales with pressure the same way: 1 − Z_air is proportional to p2.
    state.compressionFactorAir = 1.0 - pressureRatio * (1.0 - kCompressionFactorAir[t2]);
    state.molarMass = molarMass;
    state.grossMolar = grossMolar;
    // Net from gross: the b_j/2 moles of water formed per mole stay as vapour (Hc,N = Hc,G − L·Σ x_j·b_j/2).
    state.netMolar = grossMolar - vaporisationEnthalpy * hydrogenPairs;
    state.hydrogenPairs = hydrogenPairs;
    state.vaporisationEnthalpy = vaporisationEnthalpy;
    // kPa / (J/(mol·K) · K) = mol/dm³.
    state.molarConcentration =
        conditions.pressureKPa / (kMolarGasConstantJPerMolK * kMeteringTemperatureK[t2]);

    const double z = state.compressionFactor;
    if (!(z > 0.0)) {
        return static_cast<int32_t>(Status3136921::NonPositiveCompressionFactor);
    }
    const double zAir = state.compressionFactorAir;
    const double k = state.molarConcentration;
    const double grossVolumetricIdeal = grossMolar * k; // kJ/dm³ = MJ/m³
    const double netVolumetricIdeal = state.netMolar * k;
    const double relativeDensityIdeal = molarMass / kMolarMassAirKgPerKmol;
    const double relativeDensityReal = relativeDensityIdeal * zAir / z;

    using P = PhysicalPropertyIndex;
    Set(state, P::CompressionFactor, z);
    Set(state, P::MolarMass, molarMass);
    Set(state, P::SuperiorMolarCalorificValue, grossMolar);
    Set(state, P::InferiorMolarCalorificValue, state.netMolar);
    Set(state, P::SuperiorMassCalorificValue, grossMolar / molarMass); // kJ/g = MJ/kg
    Set(state, P::InferiorMassCalorificValue, state.netMolar / molarMass);
    Set(state, P::SuperiorVolumetricIdeal, grossVolumetricIdeal);
    Set(state, P::InferiorVolumetricIdeal, netVolumetricIdeal);
    Set(state, P::SuperiorVolumetricReal, grossVolumetricIdeal / z);
    Set(state, P::InferiorVolumetricReal, netVolumetricIdeal / z);
    Set(state, P::RelativeDensityIdeal, relativeDensityIdeal);
    Set(state, P::DensityIdeal, molarMass * k); // kg/kmol · kmol/m³
    Set(state, P::RelativeDensityReal, relativeDensityReal);
    Set(state, P::DensityReal, molarMass * k / z);
    Set(state, P::SuperiorWobbeIdeal, grossVolumetricIdeal / std::sqrt(relativeDensityIdeal));
    Set(state, P::InferiorWobbeIdeal, netVolumetricIdeal / std::sqrt(relativeDensityIdeal));
    Set(state, P::SuperiorWobbeReal, grossVolumetricIdeal / z / std::sqrt(relativeDensityReal));
    Set(state, P::InferiorWobbeReal, netVolumetricIdeal / z / std::sqrt(relativeDensityReal));
    return 0;
}

} // namespace gost6976

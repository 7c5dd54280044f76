// Constants of ISO 6976:2016 (GOST 31369-2021) other than the per-component data: reference state,
// molar gas constant, dry air, enthalpy of vaporisation of water and the atomic-weight uncertainties
// behind the correlation of the molar masses. Values and their standard uncertainties as Annex A and
// Annex B of the standard give them.
#pragma once

#include <cstdint>

namespace gost6976 {

// Defined.
inline constexpr double kReferencePressureKPa = 101.325; // p0, the standard's reference pressure
inline constexpr double kCelsiusZeroK = 273.15;          // thermodynamic temperature of 0 °C
inline constexpr double kMinimumPressureKPa = 90.0;      // metering pressures the method covers
inline constexpr double kMaximumPressureKPa = 110.0;
inline constexpr double kCoverageFactor = 2.0; // expanded uncertainty U = 2u

// Measured (Table A.1 of ISO 6976:2016).
inline constexpr double kMolarGasConstantJPerMolK = 8.3144621; // R, CODATA 2010
inline constexpr double kMolarGasConstantU = 0.0000075;        // u(R)
inline constexpr double kMolarMassAirKgPerKmol = 28.96546;     // M_air, dry air of the CIPM-2007 composition
inline constexpr double kMolarMassAirU = 0.00017;              // u(M_air)
inline constexpr double kCompressionFactorAirU = 0.000015;     // u(Z_air) at every metering temperature

inline constexpr int32_t kMeteringTemperatureCount = 4;
inline constexpr int32_t kCombustionTemperatureCount = 5;

// Metering temperatures, °C: the columns of the summation factors and of Z_air.
inline constexpr double kMeteringTemperatureC[kMeteringTemperatureCount] = {0.0, 15.0, 15.55, 20.0};

// Thermodynamic temperature that converts volumes at each metering temperature, K. The 15.55 °C column
// of the standard stands for 60 °F, so its volumes are converted at exactly 60 °F = 519.67 °R · 5/9
// (Annex D, example D.3, reproduces only with this value).
inline constexpr double kMeteringTemperatureK[kMeteringTemperatureCount] = {273.15, 288.15,
                                                                            519.67 * 5.0 / 9.0, 293.15};

// Compression factor of dry air at p0 and each metering temperature (Table A.1).
inline constexpr double kCompressionFactorAir[kMeteringTemperatureCount] = {0.999419, 0.999595, 0.999601,
                                                                            0.999645};

// Combustion temperatures, °C: the columns of the calorific values.
inline constexpr double kCombustionTemperatureC[kCombustionTemperatureCount] = {0.0, 15.0, 15.55, 20.0, 25.0};

// Standard enthalpy of vaporisation of water at each combustion temperature, kJ/mol: the gross molar
// calorific value that Table A.4 gives for water (component 42), whose net calorific value is zero.
inline constexpr double kVaporisationEnthalpyWaterKJPerMol[kCombustionTemperatureCount] = {
    45.064, 44.431, 44.408, 44.222, 44.013};
inline constexpr double kVaporisationEnthalpyWaterU = 0.004; // u(L), as u(Hc) of water in Table A.4

// Standard uncertainties of the atomic weights, kg/kmol, in the order of PropertyConstantsRow::atomCount
// (C, H, N, O, S, He, Ne, Ar, dry air). They correlate the molar masses of the components (Annex B:
// cov(M_i, M_j) = Σ_e n_ie·n_je·u²(A_e)). Dry air enters as one unit with u(M_air).
inline constexpr int32_t kElementCount = 9;
inline constexpr int32_t kHydrogenElement = 1;
inline constexpr double kAtomicWeightU[kElementCount] = {0.0004,   0.000035, 0.0001, 0.00015,       0.0025,
                                                         0.000001, 0.0003,   0.0005, kMolarMassAirU};

} // namespace gost6976

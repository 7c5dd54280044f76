// Tarvel3136921: the calculation library of GOST 31369-2021 (ISO 6976:2016, natural gas: calorific
// values, density, relative density and Wobbe indices from composition, with the uncertainties of its
// Annex B).
//
// Conventions of the whole interface:
// - molar fractions and their standard uncertainties are fractions of one (mol/mol);
// - component identifiers are zero-terminated UTF-16 strings of at most 63 characters (the plug-in's
//   component identifiers, "methane", "2_methylpropane", "c6plus", ...);
// - the pressure is in kPa; temperatures are passed as indices:
//     metering temperature   0: 0 °C, 1: 15 °C, 2: 15.55 °C (60 °F), 3: 20 °C;
//     combustion temperature 0: 0 °C, 1: 15 °C, 2: 15.55 °C (60 °F), 3: 20 °C, 4: 25 °C;
// - the functions return 0 on success and a Status3136921 value otherwise; on any failure the output
//   record is filled with zeros;
// - no function throws or raises a floating-point exception into the caller.
#pragma once

#include <cstddef>
#include <cstdint>

#ifndef TARVEL_EXPORT
#define TARVEL_EXPORT
#endif

extern "C" {

// One component of the gas.
struct PropertyEntry {
    char16_t component[64];
    double fraction;            // molar fraction, mol/mol
    double standardUncertainty; // standard uncertainty of the fraction, mol/mol
};
static_assert(sizeof(PropertyEntry) == 144, "the entry layout is part of the interface");
static_assert(offsetof(PropertyEntry, fraction) == 128, "the entry layout is part of the interface");
static_assert(offsetof(PropertyEntry, standardUncertainty) == 136,
              "the entry layout is part of the interface");

// The 18 physical properties, indexed by PhysicalPropertyIndex. The same record carries their absolute
// expanded uncertainties (coverage factor 2) in Calc3136921U.
struct PhysicalProperties {
    double value[18];
};
static_assert(sizeof(PhysicalProperties) == 144, "the record layout is part of the interface");

// One row of the table of component constants that GetDefaultConstTable3136921 returns and both
// calculation functions read (ISO 6976:2016 Annex A). A caller may pass its own array of such rows.
struct PropertyConstantsRow {
    char16_t component[64];                // component identifier
    double molarMassKgPerKmol;             // M_j
    double summationFactor[4];             // s_j at the metering temperatures 0, 15, 15.55, 20 °C
    double summationFactorUncertainty;     // u(s_j)
    double grossCalorificValueKJPerMol[5]; // ideal-gas gross molar calorific value at the combustion
                                           // temperatures 0, 15, 15.55, 20, 25 °C
    double grossCalorificValueUncertainty; // u(Hc_j), kJ/mol
    int32_t atomCount[9];                  // C, H, N, O, S, He, Ne, Ar and dry air as one unit
    int32_t reserved;                      // zero
};
static_assert(sizeof(PropertyConstantsRow) == 264, "the row layout is part of the interface");
static_assert(offsetof(PropertyConstantsRow, atomCount) == 224, "the row layout is part of the interface");

} // extern "C"

// Positions in PhysicalProperties.
enum class PhysicalPropertyIndex : int32_t {
    CompressionFactor = 0,           // Z at the metering temperature
    MolarMass = 1,                   // kg/kmol
    SuperiorMolarCalorificValue = 2, // kJ/mol (ideal and real gas alike)
    InferiorMolarCalorificValue = 3, // kJ/mol
    SuperiorMassCalorificValue = 4,  // MJ/kg
    InferiorMassCalorificValue = 5,  // MJ/kg
    SuperiorVolumetricIdeal = 6,     // MJ/m³
    InferiorVolumetricIdeal = 7,     // MJ/m³
    SuperiorVolumetricReal = 8,      // MJ/m³
    InferiorVolumetricReal = 9,      // MJ/m³
    RelativeDensityIdeal = 10,       // dimensionless
    DensityIdeal = 11,               // kg/m³
    RelativeDensityReal = 12,        // dimensionless
    DensityReal = 13,                // kg/m³
    SuperiorWobbeIdeal = 14,         // MJ/m³
    InferiorWobbeIdeal = 15,         // MJ/m³
    SuperiorWobbeReal = 16,          // MJ/m³
    InferiorWobbeReal = 17,          // MJ/m³
};
inline constexpr int32_t kPhysicalPropertyCount = 18;

// How Calc3136921U correlates the molar fractions (Annex B of ISO 6976:2016).
enum class CorrelationMode3136921 : int32_t {
    Normalised = 0,          // the final fractions are the raw ones normalised to one
    MethaneByDifference = 1, // methane is one minus the sum of the others
    Identity = -1,           // the fractions are uncorrelated
};

// Results other than 0.
enum class Status3136921 : int32_t {
    Ok = 0,
    NullArgument = 1,                  // a required pointer is null
    EmptyComposition = 2,              // no entry
    InvalidTable = 3,                  // no table or no row
    InvalidTemperatureIndex = 4,       // a temperature index outside its range
    InvalidPressure = 5,               // not a number, or outside 90 to 110 kPa
    UnknownComponent = 6,              // an identifier neither in the table nor a known group or substitute
    InvalidFraction = 7,               // a fraction that is not a number, negative or above 1
    InvalidUncertainty = 8,            // an uncertainty that is not a number or negative
    FractionsDoNotSumToOne = 9,        // the fractions sum to less than 0.95 or more than 1.05
    EntriesDiffer = 10,                // raw and final entries name different components
    InvalidCorrelationMode = 11,       // not -1, 0 or 1
    NonPositiveCompressionFactor = 12, // the gas lies far outside the method's range
    InternalFailure = 13,              // the calculation could not run (no memory)
    NonFiniteResult = 14,              // a result would not be finite (inputs far outside any real gas)
};

extern "C" {

// The library's own table of component constants (PropertyConstantsRow[*rowCount]), read-only.
TARVEL_EXPORT const void* GetDefaultConstTable3136921(int32_t* rowCount);

// The 18 properties of the gas at the reference conditions.
TARVEL_EXPORT int32_t Calc3136921(const void* table, int32_t rowCount, const PropertyEntry* entries,
                                  int32_t count, double pressureKPa, int32_t meteringTemperatureIndex,
                                  int32_t combustionTemperatureIndex, PhysicalProperties* values);

// The absolute expanded uncertainties (k = 2) of the 18 properties of the final composition. raw is read
// only in the normalised mode and must then name the same components in the same order as final.
// The properties are recomputed from final; values may be null and is not read.
TARVEL_EXPORT int32_t Calc3136921U(const void* table, int32_t rowCount, const PropertyEntry* raw,
                                   const PropertyEntry* final, int32_t count, double pressureKPa,
                                   int32_t meteringTemperatureIndex, int32_t combustionTemperatureIndex,
                                   int32_t correlationMode, const PhysicalProperties* values,
                                   PhysicalProperties* expandedUncertainties);

} // extern "C"

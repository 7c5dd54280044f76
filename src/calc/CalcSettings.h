// The settings block of the calculation context: every user choice kept in the host profile under
// "Tarvel/" + the member's name. Defaults are the member initialisers; the settings store applies them
// when the profile has no value. The key tables in CalcSettingsKeys.cpp follow the member order.
#pragma once

#include <cstdint>
#include <span>
#include <string>

enum class CalibrationMethod : int32_t { A = 0, B = 1, C1 = 2, C2 = 3 };
enum class ExportFormat : int32_t { Xml = 0, Json = 1, Txt = 2 };

// Methods В1 and В2 of GOST 31371.7-2020 calibrate with a line through two reference mixtures; А and Б
// (and any unknown value) with the factors of one mixture. Also judges the method a stored calibration
// was made by.
inline bool IsTwoMixtureMethod(int32_t method) {
    return method == static_cast<int32_t>(CalibrationMethod::C1) ||
           method == static_cast<int32_t>(CalibrationMethod::C2);
}

// Methods Б and В2 measure hexanes and heavier hydrocarbons as one C6+ group; А and В1 (and any unknown
// value) as the groups С6, С7 and С8. Also judges the method a stored calibration was made by.
inline bool IsC6PlusMethod(int32_t method) {
    return method == static_cast<int32_t>(CalibrationMethod::B) ||
           method == static_cast<int32_t>(CalibrationMethod::C2);
}

struct CalcSettings {
    // Calibration and calculation options.
    bool clbrCarbonDioxide = true;     // carbon dioxide treated as linear
    bool clbrNitrogen = true;          // nitrogen treated as linear
    bool clbrOxygen = true;            // oxygen treated as linear
    int32_t clbrCalcMethod = 0;        // calibration method: 0 А, 1 Б, 2 В1, 3 В2
    bool clbrControl = true;           // control of the calibration
    bool clbrMixtureConformity = true; // check the В1/В2 calibration mixtures against the gas
    bool clcPressure = false;          // pressure correction of the peak areas
    int32_t clcMeasureTemp = 3;        // metering temperature: index into 0, 15, 15.55, 20 °C
    int32_t clcBurnoutTemp = 4;        // combustion temperature: index into 0, 15, 15.55, 20, 25 °C
    bool clcMethaneDiff = true;        // methane by difference (else normalisation)
    bool clcIdentityMatrix = true;     // identity matrix of correlation coefficients
    bool clcMixtureConformity = true;  // check the А/Б mixture against the gas
    int32_t clcDeviceType = 0;         // chromatograph: 0 laboratory, 1 process
    bool clcControl = true;            // control of the measurement results
    bool clcExtRange = false;          // extended range of method Б
    bool clcCtlRange = true;           // control of the concentration range

    // View options of the result pages: Show (column or row shown), Gost (rounded by the rule of the
    // standard), Scale (decimals when Gost is off).
    bool viewAnalysisShowUUID = false;
    bool viewAnalysisShowSample = true;
    bool viewAnalysisShowMixture = true;
    bool viewAnalysisShowDatetime = true;
    bool viewAnalysisShowMethod = true;
    bool viewAnalysisShowAtmPressure = true;
    int32_t viewAnalysisScaleAtmPressure = 3;
    bool viewCalibrationShowCnc = true;
    bool viewCalibrationShowInK = true;
    bool viewCalibrationGostInK = true;
    int32_t viewCalibrationScaleInK = 4;
    bool viewCalibrationGostCfAB = true;
    int32_t viewCalibrationScaleCfAB = 4;
    bool viewCalibrationGostCfC = true;
    int32_t viewCalibrationScaleCfC = 4;
    bool viewCalibrationShowMdA = true;
    bool viewCalibrationGostMdA = true;
    int32_t viewCalibrationScaleMdA = 4;
    bool viewCalibrationShowRate = true;
    bool viewCalibrationGostRate = true;
    int32_t viewCalibrationScaleRate = 4;
    bool viewCalibrationShowCtlRange = true;
    bool viewCalibrationGostCtlRange = true;
    int32_t viewCalibrationScaleCtlRange = 4;
    bool viewCalibrationShowCtlRate = true;
    bool viewCalibrationGostCtlRate = true;
    int32_t viewCalibrationScaleCtlRate = 4;
    bool viewCalibrationShowArsd = true;
    bool viewCalibrationGostArsd = true;
    int32_t viewCalibrationScaleArsd = 4;
    bool viewComponentsShowTime = true;
    bool viewComponentsGostTime = true;
    int32_t viewComponentsScaleTime = 4;
    bool viewComponentsShowArea = true;
    bool viewComponentsGostArea = true;
    int32_t viewComponentsScaleArea = 4;
    bool viewComponentsShowHeight = true;
    bool viewComponentsGostHeight = true;
    int32_t viewComponentsScaleHeight = 4;
    bool viewComponentsShowBaseConc = true;
    bool viewComponentsGostBaseConc = true;
    int32_t viewComponentsScaleBaseConc = 4;
    bool viewComponentsShowConcMol = true;
    bool viewComponentsGostConcMol = true;
    int32_t viewComponentsScaleConcMol = 4;
    bool viewComponentsShowConcVol = false;
    bool viewComponentsGostConcVol = false;
    int32_t viewComponentsScaleConcVol = 4;
    bool viewComponentsShowConcMass = false;
    bool viewComponentsGostConcMass = false;
    int32_t viewComponentsScaleConcMass = 4;
    bool viewComponentsShowMixture = false;
    bool viewComponentsShowDiff = false;
    bool viewComponentsGostDiff = false;
    int32_t viewComponentsScaleDiff = 4;
    bool viewComponentsShowX1X2 = false;
    bool viewComponentsGostX1X2 = false;
    int32_t viewComponentsScaleX1X2 = 4;
    bool viewCalculationPerfectGas = true;
    bool viewCalculationShowZ = true;
    bool viewCalculationGostZ = true;
    int32_t viewCalculationScaleZ = 4;
    bool viewCalculationShowMm = true;
    bool viewCalculationGostMm = true;
    int32_t viewCalculationScaleMm = 4;
    bool viewCalculationShowHmol = true;
    bool viewCalculationGostHmol = true;
    int32_t viewCalculationScaleHmol = 4;
    bool viewCalculationShowHmass = true;
    bool viewCalculationGostHmass = true;
    int32_t viewCalculationScaleHmass = 4;
    bool viewCalculationShowHvol = true;
    bool viewCalculationGostHvol = true;
    int32_t viewCalculationScaleHvol = 4;
    bool viewCalculationShowHvolkcalm3 = false;
    bool viewCalculationGostHvolkcalm3 = true;
    int32_t viewCalculationScaleHvolkcalm3 = 7;
    bool viewCalculationShowD = true;
    bool viewCalculationGostD = true;
    int32_t viewCalculationScaleD = 4;
    bool viewCalculationShowWobbe = true;
    bool viewCalculationGostWobbe = true;
    int32_t viewCalculationScaleWobbe = 4;
    bool viewCalculationShowWobbekcalm3 = false;
    bool viewCalculationGostWobbekcalm3 = true;
    int32_t viewCalculationScaleWobbekcalm3 = 7;
    bool viewMethaneGostMn = true;
    int32_t viewMethaneScaleMn = 4;
    bool viewMethaneShowArr = false;
    int32_t viewMethaneScaleArr = 4;
    bool viewMethaneShowMnb = false;
    int32_t viewMethaneScaleMnb = 4;
    bool viewMethaneShowComp = false;
    int32_t viewMethaneScaleComp = 4;

    // Export options.
    int32_t expFormat = 0; // ExportFormat
    bool expAssay = true;
    bool expCalibration = true;
    bool expComponents = true;
    bool expCalculation = true;
    bool expMethaneNumber = true;
    bool expMixtures = true;
    bool expSettings = true;
    bool expOutput = true;
    std::u16string expCommand = u"CMD";
    std::u16string expParameters = u"/C move /Y %F C:\\out\\data.xml"; // %F stands for the file

    // Stability of the calibration over the earlier calibrations.
    int32_t clbrStabilityDays = 90;   // days before the current calibration that its chart looks back over
    bool clbrStabilityWarning = true; // journal warning when a component lies beyond its action limits
    bool clbrStabilityReport = true; // the report's section "Стабильность градуировки"

    // A laboratory chromatograph ("Tarvel/clcDeviceType" 0) measures each sample twice: the
    // acceptability of the pair and the second measurement exist only there. A process one measures once.
    bool LaboratoryChromatograph() const { return clcDeviceType == 0; }
    // Methane is the difference to 100 % instead of a measured fraction, and nothing is normalised.
    bool MethaneByDifference() const { return clcMethaneDiff; }
    // The chosen calibration method uses two reference mixtures (В1, В2).
    bool TwoMixtureMethod() const { return IsTwoMixtureMethod(clbrCalcMethod); }
    // Method Б extended below its measuring range by the rows of method А ("Tarvel/clcExtRange").
    bool ExtendedRangeByMethodA() const {
        return clcExtRange && clbrCalcMethod == static_cast<int32_t>(CalibrationMethod::B);
    }
};

// The profile key of each scalar setting, in the order of the members.
struct BoolSettingKey {
    const char16_t* key;
    bool CalcSettings::*field;
};
struct IntSettingKey {
    const char16_t* key;
    int32_t CalcSettings::*field;
};
struct TextSettingKey {
    const char16_t* key;
    std::u16string CalcSettings::*field;
};
std::span<const BoolSettingKey> BoolSettingKeys();
std::span<const IntSettingKey> IntSettingKeys();
std::span<const TextSettingKey> TextSettingKeys();

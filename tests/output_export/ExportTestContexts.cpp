#include "ExportTestContexts.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <map>
#include <sstream>

#include <gtest/gtest.h>

namespace {
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

AliasList TestAliases() {
    return {
        {u"methane", u"Метан"}, {u"ethane", u"Этан"}, {u"nitrogen", u"Азот"}, {u"carbon_dioxide", u"CO2"}};
}

Assay MakeAssay(int64_t id, std::u16string filename, std::u16string uuid, std::u16string sample,
                std::u16string mixture, int64_t date, int32_t role, std::u16string method,
                double atmpressure) {
    Assay assay;
    assay.included = true;
    assay.id = id;
    assay.filename = std::move(filename);
    assay.uuid = std::move(uuid);
    assay.sample = std::move(sample);
    assay.mixture = std::move(mixture);
    assay.date = date;
    assay.role = role;
    assay.method = std::move(method);
    assay.atmpressure = atmpressure;
    return assay;
}

Measurement MakeMeasurement(int64_t assayId) {
    Measurement measurement;
    measurement.assayId = assayId;
    return measurement;
}

// Values of GOST 31369-2021 quantities by position (PhysicalPropertyIndex) with their uncertainties.
void SetProperties(CalcContext& context) {
    const double values[18] = {0.99784, 16.8432, 906.12,  816.55, 53.801, 48.48,   37.1234, 33.4567, 37.2,
                               kNaN,    0.58123, 0.70123, 0.5824, 0.7031, 48.6789, 43.871,  48.75,   43.9};
    const double uncertainties[18] = {0.00031, 0.0123,  0.25,    0.23,   0.045,  0.041, 0.023, 0.021, 0.0,
                                      0.02,    0.00052, 0.00061, 0.0005, 0.0006, 0.035, 0.032, 350.0, 0.1};
    for (int i = 0; i < 18; ++i) {
        context.properties.value[i] = values[i];
        context.propertiesU.value[i] = uncertainties[i];
    }
}
} // namespace

CalcContext MethodAContext() {
    CalcContext context;
    context.aliases = TestAliases();
    context.assays = {
        MakeAssay(11, u"C:\\Data\\calib1.cdf", u"5f1c-11", u"ГСО-1", u"ГСО 10538", 1684312200, 1, u"NG-A",
                  101.325),
        MakeAssay(12, u"D:/runs/extra.cdf", u"5f1c-12", u"ГСО-1", u"ГСО 10538", 1684312500, 1, u"NG-A",
                  101.3),
        MakeAssay(21, u"/home/lab/assay21.cdf", u"5f1c-21", u"Проба 7", u"", 1684400000, 0, u"NG-A", 99.8),
        MakeAssay(31, u"ctl31.cdf", u"", u"Контроль", u"ГСО-A", 1684312800, 2, u"NG-A", 0.0),
        MakeAssay(41, u"C:\\x\\y\\a41.cdf", u"u41", u"Проба 8", u"", 0, 7, u"", 100.0),
    };
    context.calibrationAssays = {11, 31};
    context.measurements = {MakeMeasurement(21), MakeMeasurement(41)};
    context.calibrationKind = 0;

    CalibrationResult methane;
    methane.isok = true;
    methane.component = u"methane";
    methane.conc1 = 90.123;
    methane.digits1 = 3;
    methane.ink1 = 1.0234;
    methane.ink2 = 1.0251;
    methane.ink3 = 1.024;
    methane.midk = 1.0242;
    methane.mda1 = 12345.6;
    methane.rate1 = 0.35;
    methane.norm1 = 1.5;
    CalibrationResult propane;
    propane.isok = false;
    propane.component = u"propane";
    propane.conc1 = 0.5;
    propane.digits1 = -1;
    propane.ink1 = 0.0123;
    propane.ink2 = 0.0125;
    propane.ink3 = 0.0124;
    propane.midk = 0.0124;
    propane.mda1 = 0.0;
    propane.rate1 = 2.1;
    propane.norm1 = 1.5;
    context.calibration = {methane, propane};

    ComponentResult methaneRow;
    methaneRow.accepted = true;
    methaneRow.id = u"methane";
    methaneRow.time = 1.234;
    methaneRow.area = 45678.9;
    methaneRow.height = 1234.5;
    methaneRow.molarFraction = 95.1234;
    methaneRow.uncertainty = 0.0456;
    methaneRow.rawFraction = 95.0;
    methaneRow.volumeFraction = 95.2;
    methaneRow.massFraction = 90.1;
    methaneRow.difference = 0.01;
    methaneRow.acceptLimit = 0.05;
    methaneRow.x1 = 95.12;
    methaneRow.x2 = 95.13;
    methaneRow.lowerLimit = 0.01;
    methaneRow.referenceValue = 95.0;
    methaneRow.referenceDecimals = 2;
    ComponentResult nitrogenRow;
    nitrogenRow.accepted = false;
    nitrogenRow.id = u"nitrogen";
    nitrogenRow.time = 0.0;
    nitrogenRow.area = 12.5;
    nitrogenRow.height = 0.75;
    nitrogenRow.molarFraction = 0.004;
    nitrogenRow.uncertainty = 0.001;
    nitrogenRow.lowerLimit = 0.01;
    context.components = {methaneRow, nitrogenRow};

    SetProperties(context);
    context.methaneNumber = {75.6, 72.4};

    context.mixtures = {
        {u"", u"ГСО 10538", u"", 0, 0},
        {u"ethane", u"ГСО-A", u"ГСО-B", 1, 2},
        {u"methane", u"", u"", 0, 0},
    };
    context.journal.entries = {
        {0, u"Калибровка \"ГСО 10538\" выполнена"},
        {1, u"Путь C:\\temp\\x"},
        {5, u"Строка 1\nСтрока 2"},
        {9, u"Прочее"},
    };
    return context;
}

CalcContext MethodC2Context() {
    CalcContext context;
    context.aliases = TestAliases();
    context.assays = {MakeAssay(21, u"a21.cdf", u"", u"П", u"", 1684400000, 0, u"M", 99.0)};
    context.measurements = {MakeMeasurement(21)};
    context.calibrationKind = 3;

    CalcSettings& settings = context.settings;
    settings.expAssay = false;
    settings.expMethaneNumber = false;
    settings.expMixtures = false;
    settings.expOutput = false;
    settings.clbrCalcMethod = 3;
    settings.clcPressure = true;
    settings.clcMeasureTemp = 0;
    settings.clcBurnoutTemp = 2;
    settings.clcMethaneDiff = false;
    settings.clcDeviceType = 1;
    settings.viewCalibrationGostCfC = false;
    settings.viewCalibrationScaleCfC = 3;
    settings.viewComponentsGostArea = false;
    settings.viewComponentsScaleArea = 1;
    settings.viewComponentsGostConcMol = false;
    settings.viewComponentsScaleConcMol = 3;
    settings.viewComponentsShowConcVol = true;
    settings.viewComponentsGostConcVol = true;
    settings.viewComponentsShowConcMass = true;
    settings.viewComponentsGostConcMass = false;
    settings.viewComponentsScaleConcMass = 2;
    settings.viewComponentsShowMixture = true;
    settings.viewComponentsShowDiff = true;
    settings.viewComponentsShowX1X2 = true;
    settings.viewComponentsGostX1X2 = true;
    settings.viewCalculationPerfectGas = false;
    settings.viewCalculationShowHvolkcalm3 = true;
    settings.viewCalculationShowWobbekcalm3 = true;

    CalibrationResult methane;
    methane.isok = true;
    methane.component = u"methane";
    methane.conc1 = 85.0;
    methane.digits1 = 2;
    methane.conc2 = 98.5;
    methane.digits2 = 1;
    methane.mda1 = 1000.0;
    methane.mda2 = 1200.0;
    methane.inka = 11.85;
    methane.inkb = -0.25;
    methane.rate1 = 0.12;
    methane.norm1 = 0.5;
    methane.rate2 = 0.08;
    methane.norm2 = 0.5;
    methane.crrng = 0.9;
    methane.cvrng = 2.0;
    methane.crate = 0.15;
    methane.cnorm = 1.0;
    methane.arsd1 = 0.21;
    methane.cval1 = 1.0;
    methane.arsd2 = 0.19;
    methane.cval2 = 1.0;
    context.calibration = {methane};

    ComponentResult dioxide;
    dioxide.accepted = true;
    dioxide.id = u"carbon_dioxide";
    dioxide.time = 3.456;
    dioxide.area = 2500.0;
    dioxide.height = 150.0;
    dioxide.rawFraction = 1.2345;
    dioxide.molarFraction = 1.2299;
    dioxide.uncertainty = 0.0256;
    dioxide.volumeFraction = 1.2301;
    dioxide.massFraction = 3.14159;
    dioxide.difference = 0.5;
    dioxide.acceptLimit = 0.7;
    dioxide.x1 = 1.2345;
    dioxide.x2 = 0.0;
    dioxide.lowerLimit = 0.005;
    dioxide.referenceValue = 1.25;
    dioxide.referenceDecimals = 3;
    context.components = {dioxide};

    SetProperties(context);
    return context;
}

CalcContext HiddenViewsContext() {
    CalcContext context;
    context.aliases = TestAliases();
    context.assays = {
        MakeAssay(11, u"C:\\Data\\b.cdf", u"id-b", u"S", u"ГСО-A", 1684312200, 1, u"M", 101.325)};
    context.calibrationAssays = {11};
    context.calibrationKind = 1;

    CalcSettings& settings = context.settings;
    settings.expMixtures = false;
    settings.expOutput = false;
    settings.clbrCalcMethod = 7;
    settings.clcMeasureTemp = 9;
    settings.clcBurnoutTemp = -1;
    settings.clcDeviceType = 2;
    settings.viewAnalysisShowUUID = false;
    settings.viewAnalysisShowSample = false;
    settings.viewAnalysisShowMixture = false;
    settings.viewAnalysisShowDatetime = false;
    settings.viewAnalysisShowMethod = false;
    settings.viewAnalysisShowAtmPressure = false;
    settings.viewCalibrationShowCnc = false;
    settings.viewCalibrationShowInK = false;
    settings.viewCalibrationGostCfAB = false;
    settings.viewCalibrationScaleCfAB = 2;
    settings.viewCalibrationShowMdA = false;
    settings.viewCalibrationShowRate = false;
    settings.viewCalibrationShowCtlRange = false;
    settings.viewCalibrationShowCtlRate = false;
    settings.viewCalibrationShowArsd = false;
    settings.viewComponentsShowTime = false;
    settings.viewComponentsShowArea = false;
    settings.viewComponentsShowHeight = false;
    settings.viewComponentsShowBaseConc = false;
    settings.viewComponentsShowConcMol = false;
    settings.viewCalculationShowZ = false;
    settings.viewCalculationShowMm = false;
    settings.viewCalculationShowHmol = false;
    settings.viewCalculationShowHmass = false;
    settings.viewCalculationShowHvol = false;
    settings.viewCalculationShowD = false;
    settings.viewCalculationShowWobbe = false;
    settings.viewMethaneGostMn = false;
    settings.viewMethaneScaleMn = 2;

    CalibrationResult ethane;
    ethane.isok = true;
    ethane.component = u"ethane";
    ethane.conc1 = 4.5;
    ethane.ink1 = 1.1;
    ethane.midk = 2.3456;
    ethane.mda1 = 500.0;
    ethane.rate1 = 0.1;
    context.calibration = {ethane};

    ComponentResult ethaneRow;
    ethaneRow.accepted = true;
    ethaneRow.id = u"ethane";
    ethaneRow.molarFraction = 4.4;
    context.components = {ethaneRow};

    SetProperties(context);
    context.methaneNumber = {75.6, 72.4};
    return context;
}

CalcContext HostileContext() {
    CalcContext context;
    context.aliases = {{u"methane", u"Ме\"тан"},
                       {u"ethane", u"<&>"},
                       {u"propane", u"%s"},
                       {u"nitrogen", u"N\u0001\u001F\tZ"}};
    context.assays = {MakeAssay(11, u"C:\\dir\\fi\"le<1>.cdf", u"id\u0007", u"a&b", u"%s%d", 300000000000, 1,
                                u"x > y", kNaN)};
    context.calibrationAssays = {11};
    context.calibrationKind = 0;

    CalcSettings& settings = context.settings;
    settings.expCalculation = false;
    settings.expMethaneNumber = false;
    settings.expSettings = false;
    settings.clcMethaneDiff = false;

    CalibrationResult methane;
    methane.isok = true;
    methane.component = u"methane";
    methane.conc1 = kNaN;
    methane.digits1 = 2;
    methane.ink1 = kInfinity;
    methane.ink2 = -kInfinity;
    methane.ink3 = -0.0;
    methane.midk = 1e-17;
    methane.mda1 = -kNaN;
    methane.rate1 = 1e-300;
    methane.norm1 = -2.5;
    context.calibration = {methane};

    ComponentResult ethaneRow;
    ethaneRow.id = u"ethane";
    ethaneRow.time = kNaN;
    ethaneRow.area = 1234567.0;
    ethaneRow.height = 0.000123456;
    ethaneRow.rawFraction = 0.0;
    ethaneRow.molarFraction = 0.0;
    ethaneRow.uncertainty = 0.0256;
    ethaneRow.lowerLimit = 0.01;
    ComponentResult propaneRow;
    propaneRow.id = u"propane";
    propaneRow.time = 2.0;
    propaneRow.area = 3.0;
    propaneRow.height = 4.0;
    propaneRow.rawFraction = kNaN;
    propaneRow.molarFraction = kNaN;
    propaneRow.uncertainty = kNaN;
    context.components = {ethaneRow, propaneRow};

    context.mixtures = {{u"nitrogen", u"ГСО \"X\" <1>", u"", 0, 1}};
    context.journal.entries = {
        {2, u"a<b & \"c\" 'd' %s\u0001\u0008end\ttab\rcr"},
        {3, u"中 文"},
    };
    return context;
}

ExportSources FixedSources() {
    ExportSources sources;
    sources.loadMixture = [](const CalcContext&, std::u16string_view name,
                             std::vector<MixtureComponent>& list) {
        list.clear();
        if (name == u"ГСО 10538") {
            list = {{u"methane", 90.5, 0.12, 2, 2},
                    {u"ethane", 4.5, 0.05, -1, -1},
                    {u"nitrogen", 0.75, 0.015, 3, 3}};
        } else if (name == u"ГСО-A") {
            list = {{u"ethane", 1.0, 0.02, 1, 3}};
        } else if (name == u"ГСО \"X\" <1>") {
            list = {{u"propane", 0.0001234, 12345678.0, -1, -1}};
        }
    };
    // Local times of Moscow (UTC+3) in the Russian short date and time formats.
    sources.localDateTime = [](int64_t seconds) -> std::u16string {
        static const std::map<int64_t, std::u16string> kTexts = {
            {1684312200, u"17.05.2023 11:30:00"},
            {1684400000, u"18.05.2023 11:53:20"},
            {1684312800, u"17.05.2023 11:40:00"},
            {0, u"01.01.1970 3:00:00"},
        };
        const auto found = kTexts.find(seconds);
        return found != kTexts.end() ? found->second : std::u16string();
    };
    return sources;
}

std::string ReadGolden(std::string_view name) {
    const std::string path = std::string(TARVEL_EXPORT_GOLDEN_DIR) + "/" + std::string(name);
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file.is_open()) << path;
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

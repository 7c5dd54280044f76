#include "ExportTestContexts.h"

#include <fstream>
#include <map>
#include <sstream>

#include <gtest/gtest.h>

#include "support/ContextText.h"

namespace {
using testsupport::ApplyContextText;
using testsupport::ContextFromText;

constexpr std::string_view kAliases = "aliases methane=Метан ethane=Этан nitrogen=Азот carbon_dioxide=CO2";

// Values of GOST 31369-2021 quantities by position (PhysicalPropertyIndex) with their uncertainties.
constexpr std::string_view kProperties = R"(
properties 0.99784 16.8432 906.12 816.55 53.801 48.48 37.1234 33.4567 37.2 nan 0.58123 0.70123 0.5824 0.7031 48.6789 43.871 48.75 43.9
propertiesU 0.00031 0.0123 0.25 0.23 0.045 0.041 0.023 0.021 0.0 0.02 0.00052 0.00061 0.0005 0.0006 0.035 0.032 350.0 0.1
)";

CalcContext WithProperties(std::string_view lines) {
    CalcContext context = ContextFromText(kAliases);
    ApplyContextText(context, lines);
    ApplyContextText(context, kProperties);
    return context;
}
} // namespace

CalcContext MethodAContext() {
    return WithProperties(R"(
assay id=11 file=C:\Data\calib1.cdf uuid=5f1c-11 sample=ГСО-1 mixture="ГСО 10538" date=1684312200 role=1 method=NG-A atm=101.325
assay id=12 file=D:/runs/extra.cdf uuid=5f1c-12 sample=ГСО-1 mixture="ГСО 10538" date=1684312500 role=1 method=NG-A atm=101.3
assay id=21 file=/home/lab/assay21.cdf uuid=5f1c-21 sample="Проба 7" mixture= date=1684400000 role=0 method=NG-A atm=99.8
assay id=31 file=ctl31.cdf uuid= sample=Контроль mixture=ГСО-A date=1684312800 role=2 method=NG-A atm=0.0
assay id=41 file=C:\x\y\a41.cdf uuid=u41 sample="Проба 8" mixture= date=0 role=7 method= atm=100.0
calibrationAssays 11 31
measurements 21 41
context calibrationKind=0
calibration isok=1 component=methane conc1=90.123 digits1=3 ink1=1.0234 ink2=1.0251 ink3=1.024 midk=1.0242 mda1=12345.6 rate1=0.35 norm1=1.5
calibration isok=0 component=propane conc1=0.5 digits1=-1 ink1=0.0123 ink2=0.0125 ink3=0.0124 midk=0.0124 mda1=0.0 rate1=2.1 norm1=1.5
component accepted=1 id=methane time=1.234 area=45678.9 height=1234.5 molarFraction=95.1234 uncertainty=0.0456 rawFraction=95.0 volumeFraction=95.2 massFraction=90.1 difference=0.01 acceptLimit=0.05 x1=95.12 x2=95.13 lowerLimit=0.01 referenceValue=95.0 referenceDecimals=2
component accepted=0 id=nitrogen time=0.0 area=12.5 height=0.75 molarFraction=0.004 uncertainty=0.001 lowerLimit=0.01
methaneNumber 75.6 72.4
mixture component= first="ГСО 10538" second= firstType=0 secondType=0
mixture component=ethane first=ГСО-A second=ГСО-B firstType=1 secondType=2
mixture component=methane first= second= firstType=0 secondType=0
journal category=0 text="Калибровка \"ГСО 10538\" выполнена"
journal category=1 text="Путь C:\\temp\\x"
journal category=5 text="Строка 1\nСтрока 2"
journal category=9 text=Прочее
)");
}

CalcContext MethodC2Context() {
    return WithProperties(R"(
assay id=21 file=a21.cdf uuid= sample=П mixture= date=1684400000 role=0 method=M atm=99.0
measurements 21
context calibrationKind=3
settings expAssay=0 expMethaneNumber=0 expMixtures=0 expOutput=0 clbrCalcMethod=3 clcPressure=1 clcMeasureTemp=0 clcBurnoutTemp=2 clcMethaneDiff=0 clcDeviceType=1
settings viewCalibrationGostCfC=0 viewCalibrationScaleCfC=3 viewComponentsGostArea=0 viewComponentsScaleArea=1 viewComponentsGostConcMol=0 viewComponentsScaleConcMol=3
settings viewComponentsShowConcVol=1 viewComponentsGostConcVol=1 viewComponentsShowConcMass=1 viewComponentsGostConcMass=0 viewComponentsScaleConcMass=2
settings viewComponentsShowMixture=1 viewComponentsShowDiff=1 viewComponentsShowX1X2=1 viewComponentsGostX1X2=1
settings viewCalculationPerfectGas=0 viewCalculationShowHvolkcalm3=1 viewCalculationShowWobbekcalm3=1
calibration isok=1 component=methane conc1=85.0 digits1=2 conc2=98.5 digits2=1 mda1=1000.0 mda2=1200.0 inka=11.85 inkb=-0.25 rate1=0.12 norm1=0.5 rate2=0.08 norm2=0.5 crrng=0.9 cvrng=2.0 crate=0.15 cnorm=1.0 arsd1=0.21 cval1=1.0 arsd2=0.19 cval2=1.0
component accepted=1 id=carbon_dioxide time=3.456 area=2500.0 height=150.0 rawFraction=1.2345 molarFraction=1.2299 uncertainty=0.0256 volumeFraction=1.2301 massFraction=3.14159 difference=0.5 acceptLimit=0.7 x1=1.2345 x2=0.0 lowerLimit=0.005 referenceValue=1.25 referenceDecimals=3
)");
}

CalcContext HiddenViewsContext() {
    return WithProperties(R"(
assay id=11 file=C:\Data\b.cdf uuid=id-b sample=S mixture=ГСО-A date=1684312200 role=1 method=M atm=101.325
calibrationAssays 11
context calibrationKind=1
settings expMixtures=0 expOutput=0 clbrCalcMethod=7 clcMeasureTemp=9 clcBurnoutTemp=-1 clcDeviceType=2
settings viewAnalysisShowUUID=0 viewAnalysisShowSample=0 viewAnalysisShowMixture=0 viewAnalysisShowDatetime=0 viewAnalysisShowMethod=0 viewAnalysisShowAtmPressure=0
settings viewCalibrationShowCnc=0 viewCalibrationShowInK=0 viewCalibrationGostCfAB=0 viewCalibrationScaleCfAB=2 viewCalibrationShowMdA=0 viewCalibrationShowRate=0
settings viewCalibrationShowCtlRange=0 viewCalibrationShowCtlRate=0 viewCalibrationShowArsd=0
settings viewComponentsShowTime=0 viewComponentsShowArea=0 viewComponentsShowHeight=0 viewComponentsShowBaseConc=0 viewComponentsShowConcMol=0
settings viewCalculationShowZ=0 viewCalculationShowMm=0 viewCalculationShowHmol=0 viewCalculationShowHmass=0 viewCalculationShowHvol=0 viewCalculationShowD=0 viewCalculationShowWobbe=0
settings viewMethaneGostMn=0 viewMethaneScaleMn=2
calibration isok=1 component=ethane conc1=4.5 ink1=1.1 midk=2.3456 mda1=500.0 rate1=0.1
component accepted=1 id=ethane molarFraction=4.4
methaneNumber 75.6 72.4
)");
}

CalcContext HostileContext() {
    return ContextFromText(R"(
aliases methane="Ме\"тан" ethane=<&> propane=%s nitrogen="N\u0001\u001F\tZ"
assay id=11 file="C:\\dir\\fi\"le<1>.cdf" uuid="id\u0007" sample=a&b mixture=%s%d date=300000000000 role=1 method="x > y" atm=nan
calibrationAssays 11
context calibrationKind=0
settings expCalculation=0 expMethaneNumber=0 expSettings=0 clcMethaneDiff=0
calibration isok=1 component=methane conc1=nan digits1=2 ink1=inf ink2=-inf ink3=-0.0 midk=1e-17 mda1=-nan rate1=1e-300 norm1=-2.5
component id=ethane time=nan area=1234567.0 height=0.000123456 rawFraction=0.0 molarFraction=0.0 uncertainty=0.0256 lowerLimit=0.01
component id=propane time=2.0 area=3.0 height=4.0 rawFraction=nan molarFraction=nan uncertainty=nan
mixture component=nitrogen first="ГСО \"X\" <1>" second= firstType=0 secondType=1
journal category=2 text="a<b & \"c\" 'd' %s\u0001\u0008end\ttab\rcr"
journal category=3 text="中 文"
)");
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

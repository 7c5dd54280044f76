#include "ReportContexts.h"

#include <string_view>

#include "support/ContextText.h"

namespace {

// The measured columns of an analysis row, derived from its fraction and uncertainty as two measurements
// of a laboratory chromatograph would give them.
void DeriveMeasuredColumns(ComponentResult& row) {
    row.height = row.area / 38.0;
    row.rawFraction = row.molarFraction * 1.0012;
    row.rawUncertainty = row.uncertainty;
    row.volumeFraction = row.molarFraction * 0.9991;
    row.massFraction = row.molarFraction * 0.87;
    row.difference = row.uncertainty * 0.4;
    row.acceptLimit = row.uncertainty * 1.4;
    row.x1 = row.molarFraction * 1.0004;
    row.x2 = row.molarFraction * 0.9996;
    row.referenceValue = row.molarFraction * 1.01;
    row.referenceDecimals = 3;
}

// The factors of the three calibration chromatograms, about the mean factor conc1 / mda1.
void DeriveFactors(CalibrationResult& row) {
    row.midk = row.conc1 / row.mda1;
    row.ink1 = row.midk * 1.0011;
    row.ink2 = row.midk * 0.9993;
    row.ink3 = row.midk * 0.9996;
}

// Calibration three hours before the analysis (kAnalysisTime); the uuids end in the last digit of the id.
constexpr std::string_view kPipelineGas = R"(
settings clbrCalcMethod=0 viewComponentsShowDiff=1 viewComponentsShowX1X2=1 viewCalculationShowHvolkcalm3=1
context calibrationKind=0
assay id=101 role=1 file=D:\Chrom\2023-05\CAL_0517_01.chr sample="ГСО 10540-2014" mixture="ГСО-ПГС 10540 №0412" date=1684301400 atm=100.91 uuid=6f1c2a9e-4b7d-4e15-9a0c-3d2f8b7e5a11 method="ГОСТ 31371.7 НГ"
assay id=102 role=1 file=D:\Chrom\2023-05\CAL_0517_02.chr sample="ГСО 10540-2014" mixture="ГСО-ПГС 10540 №0412" date=1684302300 atm=100.92 uuid=6f1c2a9e-4b7d-4e15-9a0c-3d2f8b7e5a12 method="ГОСТ 31371.7 НГ"
assay id=103 role=1 file=D:/Chrom/2023-05/CAL_0517_03.chr sample="ГСО 10540-2014" mixture="ГСО-ПГС 10540 №0412" date=1684303200 atm=100.92 uuid=6f1c2a9e-4b7d-4e15-9a0c-3d2f8b7e5a13 method="ГОСТ 31371.7 НГ"
assay id=201 role=0 file=D:\Chrom\2023-05\ANL_0517_01.chr sample="КУ-3, линия 2" date=1684312200 atm=100.95 uuid=6f1c2a9e-4b7d-4e15-9a0c-3d2f8b7e5a11 method="ГОСТ 31371.7 НГ"
assay id=202 role=0 file=D:\Chrom\2023-05\ANL_0517_02.chr sample="КУ-3, линия 2" date=1684313400 atm=nan uuid=6f1c2a9e-4b7d-4e15-9a0c-3d2f8b7e5a12 method="ГОСТ 31371.7 НГ"
assay id=301 role=0 file=D:\Chrom\2023-05\ANL_0516_07.chr sample="КУ-3, линия 1" date=1684225800 atm=101.2 uuid=6f1c2a9e-4b7d-4e15-9a0c-3d2f8b7e5a11 method="ГОСТ 31371.7 НГ"
calibrationAssays 101 102 103
measurements 201 202
# Nitrogen failed its acceptability.
calibration component=methane conc1=90.42 digits1=2 mda1=1.2184e6 isok=1 rate1=0.12 norm1=0.8
calibration component=ethane conc1=4.987 digits1=3 mda1=1.1216e5 isok=1 rate1=0.12 norm1=0.8
calibration component=propane conc1=1.996 digits1=3 mda1=6.3205e4 isok=1 rate1=0.12 norm1=0.8
calibration component=2_methylpropane conc1=0.5012 digits1=4 mda1=2.0121e4 isok=1 rate1=0.12 norm1=0.8
calibration component=n_butane conc1=0.4988 digits1=4 mda1=2.0516e4 isok=1 rate1=0.12 norm1=0.8
calibration component=nitrogen conc1=1.512 digits1=3 mda1=1.2811e4 isok=0 rate1=1.34 norm1=0.8
calibration component=carbon_dioxide conc1=0.998 digits1=3 mda1=1.4302e4 isok=1 rate1=0.12 norm1=0.8
# Oxygen lies below its measuring range and below the 0.005 mol % of the physical properties.
component id=methane molarFraction=94.1196 uncertainty=0.0851 lowerLimit=40.0 time=1.42 area=1.2702e6 accepted=1
component id=ethane molarFraction=3.0814 uncertainty=0.0312 lowerLimit=0.001 time=2.31 area=6.9215e4 accepted=1
component id=propane molarFraction=0.7123 uncertainty=0.0118 lowerLimit=0.001 time=4.05 area=2.2531e4 accepted=1
component id=2_methylpropane molarFraction=0.1052 uncertainty=0.0035 lowerLimit=0.001 time=5.62 area=4.2012e3 accepted=1
component id=n_butane molarFraction=0.1081 uncertainty=0.0036 lowerLimit=0.001 time=6.18 area=4.4420e3 accepted=1
component id=2_methylbutane molarFraction=0.0281 uncertainty=0.0014 lowerLimit=0.001 time=8.94 area=1.2307e3 accepted=1
component id=n_pentane molarFraction=0.0203 uncertainty=0.0011 lowerLimit=0.001 time=9.87 area=9.1010e2 accepted=1
component id=c6plus molarFraction=0.0152 uncertainty=0.0010 lowerLimit=0.001 time=12.4 area=7.1180e2 accepted=1
component id=nitrogen molarFraction=1.1213 uncertainty=0.0221 lowerLimit=0.005 time=0.92 area=9.5012e3 accepted=1
component id=carbon_dioxide molarFraction=0.6845 uncertainty=0.0144 lowerLimit=0.005 time=1.88 area=9.8133e3 accepted=1
component id=oxygen molarFraction=0.0040 uncertainty=0.0006 lowerLimit=0.01 time=0.78 area=2.9120e1 accepted=0
# A 94 mol % methane gas, metering at 20 °C and combustion at 25 °C (the standard conditions of the
# Russian gas industry), by PhysicalPropertyIndex.
properties 0.997852 17.0512 911.62 822.38 53.464 48.231 37.899 34.189 37.981 34.263 0.58872 0.70879 0.58974 0.71031 49.394 44.559 49.458 44.617
propertiesU 0.000121 0.0113 0.41 0.37 0.041 0.037 0.031 0.028 0.031 0.028 0.00041 0.00049 0.00041 0.00049 0.046 0.041 0.046 0.041
methaneNumber 84.62 86.31
reportProp name=Заказчик value="ООО «Газпром трансгаз»"
reportProp name="Номер протокола" value=НГ-2023/0517-2
reportProp name="Условия измерения" value="20 °C, 101,325 кПа"
journal category=1 text="Азот: приемлемость градуировочного коэффициента 1.34 % превышает норматив 0.8 %"
journal category=2 text="Кислород: молярная доля ниже нижней границы диапазона измерений 0.01 %"
journal category=3 text="Компоненты ниже 0.005 мол.% не учтены в расчёте физико-химических показателей"
)";

} // namespace

CalcContext PipelineGasContext() {
    CalcContext context = testsupport::ContextFromText(kPipelineGas);
    for (CalibrationResult& row : context.calibration) {
        DeriveFactors(row);
    }
    for (ComponentResult& row : context.components) {
        DeriveMeasuredColumns(row);
    }
    return context;
}

CalcContext TwoMixtureContext() {
    CalcContext context = PipelineGasContext();
    for (CalibrationResult& row : context.calibration) {
        row.conc2 = row.conc1 * 0.5;
        row.digits2 = row.digits1;
        row.mda2 = row.mda1 * 0.5;
        row.inka = row.mda1 / row.conc1;
        row.inkb = 12.5;
        row.rate2 = 0.21;
        row.norm2 = 0.9;
        row.crrng = 0.35;
        row.cvrng = 1.2;
        row.crate = 0.41;
        row.cnorm = 1.5;
        row.arsd1 = 0.18;
        row.cval1 = 0.6;
        row.arsd2 = 0.22;
        row.cval2 = 0.6;
        row.ink1 = row.ink2 = row.ink3 = row.midk = 0.0;
    }
    testsupport::ApplyContextText(context, R"(
settings clbrCalcMethod=2 clbrControl=1
context calibrationKind=2
assay id=401 role=2 file=D:\Chrom\2023-05\CTL_0517_01.chr date=1684310400 atm=100.93
calibrationAssays 401
)");
    return context;
}

#include "ReportContexts.h"

#include <cmath>
#include <limits>

namespace {

Assay MakeAssay(int64_t id, AssayRole role, const char16_t* file, const char16_t* sample,
                const char16_t* mixture, int64_t date, double pressureKPa) {
    Assay assay;
    assay.included = true;
    assay.id = id;
    assay.filename = file;
    assay.uuid =
        u"6f1c2a9e-4b7d-4e15-9a0c-3d2f8b7e5a1" + std::u16string(1, static_cast<char16_t>(u'0' + id % 10));
    assay.sample = sample;
    assay.method = u"ГОСТ 31371.7 НГ";
    assay.date = date;
    assay.role = static_cast<int32_t>(role);
    assay.mixture = mixture;
    assay.atmpressure = pressureKPa;
    return assay;
}

ComponentResult Row(const char16_t* id, double molarPercent, double uncertainty, double lowerLimit,
                    double time, double area) {
    ComponentResult row;
    row.accepted = true;
    row.id = id;
    row.time = time;
    row.area = area;
    row.height = area / 38.0;
    row.molarFraction = molarPercent;
    row.rawFraction = molarPercent * 1.0012;
    row.uncertainty = uncertainty;
    row.rawUncertainty = uncertainty;
    row.volumeFraction = molarPercent * 0.9991;
    row.massFraction = molarPercent * 0.87;
    row.difference = uncertainty * 0.4;
    row.acceptLimit = uncertainty * 1.4;
    row.x1 = molarPercent * 1.0004;
    row.x2 = molarPercent * 0.9996;
    row.lowerLimit = lowerLimit;
    row.referenceValue = molarPercent * 1.01;
    row.referenceDecimals = 3;
    return row;
}

CalibrationResult OneMixtureRow(const char16_t* id, double concentration, int32_t digits, double meanArea) {
    CalibrationResult row;
    row.isok = true;
    row.component = id;
    row.conc1 = concentration;
    row.digits1 = digits;
    row.midk = concentration / meanArea;
    row.ink1 = row.midk * 1.0011;
    row.ink2 = row.midk * 0.9993;
    row.ink3 = row.midk * 0.9996;
    row.mda1 = meanArea;
    row.rate1 = 0.12;
    row.norm1 = 0.8;
    return row;
}

} // namespace

CalcContext PipelineGasContext() {
    CalcContext context;
    context.settings.clbrCalcMethod = static_cast<int32_t>(CalibrationMethod::A);
    context.calibrationKind = static_cast<int32_t>(CalibrationMethod::A);

    const int64_t calibrationTime = kAnalysisTime - 3 * 3600;
    context.assays = {
        MakeAssay(kCalibrationAssayIds[0], AssayRole::Calibration, u"D:\\Chrom\\2023-05\\CAL_0517_01.chr",
                  u"ГСО 10540-2014", u"ГСО-ПГС 10540 №0412", calibrationTime, 100.91),
        MakeAssay(kCalibrationAssayIds[1], AssayRole::Calibration, u"D:\\Chrom\\2023-05\\CAL_0517_02.chr",
                  u"ГСО 10540-2014", u"ГСО-ПГС 10540 №0412", calibrationTime + 900, 100.92),
        MakeAssay(kCalibrationAssayIds[2], AssayRole::Calibration, u"D:/Chrom/2023-05/CAL_0517_03.chr",
                  u"ГСО 10540-2014", u"ГСО-ПГС 10540 №0412", calibrationTime + 1800, 100.92),
        MakeAssay(kAnalysisAssayIds[0], AssayRole::Analysis, u"D:\\Chrom\\2023-05\\ANL_0517_01.chr",
                  u"КУ-3, линия 2", u"", kAnalysisTime, 100.95),
        MakeAssay(kAnalysisAssayIds[1], AssayRole::Analysis, u"D:\\Chrom\\2023-05\\ANL_0517_02.chr",
                  u"КУ-3, линия 2", u"", kAnalysisTime + 1200, std::numeric_limits<double>::quiet_NaN()),
        MakeAssay(kUnusedAssayId, AssayRole::Analysis, u"D:\\Chrom\\2023-05\\ANL_0516_07.chr",
                  u"КУ-3, линия 1", u"", kAnalysisTime - 86400, 101.2),
    };
    context.calibrationAssays = {kCalibrationAssayIds[0], kCalibrationAssayIds[1], kCalibrationAssayIds[2]};
    context.measurements = {Measurement{kAnalysisAssayIds[0], {}}, Measurement{kAnalysisAssayIds[1], {}}};

    context.calibration = {
        OneMixtureRow(u"methane", 90.42, 2, 1.2184e6),
        OneMixtureRow(u"ethane", 4.987, 3, 1.1216e5),
        OneMixtureRow(u"propane", 1.996, 3, 6.3205e4),
        OneMixtureRow(u"2_methylpropane", 0.5012, 4, 2.0121e4),
        OneMixtureRow(u"n_butane", 0.4988, 4, 2.0516e4),
        OneMixtureRow(u"nitrogen", 1.512, 3, 1.2811e4),
        OneMixtureRow(u"carbon_dioxide", 0.998, 3, 1.4302e4),
    };
    context.calibration[5].isok = false; // nitrogen failed its acceptability
    context.calibration[5].rate1 = 1.34;

    // mol %, absolute expanded uncertainty, lower limit of the measuring range, retention time, area.
    context.components = {
        Row(u"methane", 94.1196, 0.0851, 40.0, 1.42, 1.2702e6),
        Row(u"ethane", 3.0814, 0.0312, 0.001, 2.31, 6.9215e4),
        Row(u"propane", 0.7123, 0.0118, 0.001, 4.05, 2.2531e4),
        Row(u"2_methylpropane", 0.1052, 0.0035, 0.001, 5.62, 4.2012e3),
        Row(u"n_butane", 0.1081, 0.0036, 0.001, 6.18, 4.4420e3),
        Row(u"2_methylbutane", 0.0281, 0.0014, 0.001, 8.94, 1.2307e3),
        Row(u"n_pentane", 0.0203, 0.0011, 0.001, 9.87, 9.1010e2),
        Row(u"c6plus", 0.0152, 0.0010, 0.001, 12.4, 7.1180e2),
        Row(u"nitrogen", 1.1213, 0.0221, 0.005, 0.92, 9.5012e3),
        Row(u"carbon_dioxide", 0.6845, 0.0144, 0.005, 1.88, 9.8133e3),
        Row(u"oxygen", 0.0040, 0.0006, 0.01, 0.78, 2.9120e1),
    };
    // Oxygen lies below its measuring range and below the 0.005 mol % of the physical properties.
    context.components[10].accepted = false;

    using P = PhysicalPropertyIndex;
    const auto set = [&context](P index, double value, double uncertainty) {
        context.properties.value[static_cast<size_t>(index)] = value;
        context.propertiesU.value[static_cast<size_t>(index)] = uncertainty;
    };
    // A 94 mol % methane gas, metering at 20 °C and combustion at 25 °C (the standard conditions of the
    // Russian gas industry).
    set(P::CompressionFactor, 0.997852, 0.000121);
    set(P::MolarMass, 17.0512, 0.0113);
    set(P::SuperiorMolarCalorificValue, 911.62, 0.41);
    set(P::InferiorMolarCalorificValue, 822.38, 0.37);
    set(P::SuperiorMassCalorificValue, 53.464, 0.041);
    set(P::InferiorMassCalorificValue, 48.231, 0.037);
    set(P::SuperiorVolumetricIdeal, 37.899, 0.031);
    set(P::InferiorVolumetricIdeal, 34.189, 0.028);
    set(P::SuperiorVolumetricReal, 37.981, 0.031);
    set(P::InferiorVolumetricReal, 34.263, 0.028);
    set(P::RelativeDensityIdeal, 0.58872, 0.00041);
    set(P::DensityIdeal, 0.70879, 0.00049);
    set(P::RelativeDensityReal, 0.58974, 0.00041);
    set(P::DensityReal, 0.71031, 0.00049);
    set(P::SuperiorWobbeIdeal, 49.394, 0.046);
    set(P::InferiorWobbeIdeal, 44.559, 0.041);
    set(P::SuperiorWobbeReal, 49.458, 0.046);
    set(P::InferiorWobbeReal, 44.617, 0.041);
    context.methaneNumber = MetanNumber_t{84.62, 86.31};

    context.reportProps = {
        {u"Заказчик", u"ООО «Газпром трансгаз»"},
        {u"Номер протокола", u"НГ-2023/0517-2"},
        {u"Условия измерения", u"20 °C, 101,325 кПа"},
    };
    context.journal.entries.push_back(
        {JournalCategory::Calib,
         u"Азот: приемлемость градуировочного коэффициента 1.34 % превышает норматив 0.8 %"});
    context.journal.entries.push_back(
        {JournalCategory::Comp, u"Кислород: молярная доля ниже нижней границы диапазона измерений 0.01 %"});
    context.journal.entries.push_back(
        {JournalCategory::Prop,
         u"Компоненты ниже 0.005 мол.% не учтены в расчёте физико-химических показателей"});

    context.settings.viewComponentsShowDiff = true;
    context.settings.viewComponentsShowX1X2 = true;
    context.settings.viewCalculationShowHvolkcalm3 = true;
    return context;
}

CalcContext TwoMixtureContext() {
    CalcContext context = PipelineGasContext();
    context.settings.clbrCalcMethod = static_cast<int32_t>(CalibrationMethod::C1);
    context.calibrationKind = static_cast<int32_t>(CalibrationMethod::C1);
    context.settings.clbrControl = true;
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
    context.assays.push_back(Assay{});
    Assay& control = context.assays.back();
    control.included = true;
    control.id = kControlAssayId;
    control.filename = u"D:\\Chrom\\2023-05\\CTL_0517_01.chr";
    control.role = static_cast<int32_t>(AssayRole::Control);
    control.date = kAnalysisTime - 1800;
    control.atmpressure = 100.93;
    context.calibrationAssays.insert(kControlAssayId);
    return context;
}

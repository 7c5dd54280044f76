#include "ui/models/CalibrationPageModel.h"

#include <array>

#include "calc/CalcContext.h"
#include "calc/rounding/Rounding.h"
#include "data/AliasLookup.h"
#include "output/report/ReportValues.h"
#include "text/StringTable.h"

namespace {

using R = CalibrationResult;
using S = CalcSettings;

// Which calibration a column belongs to: both, the factor methods А and Б, or the line of methods В1
// and В2 (two mixtures).
enum class Methods { All, FactorOnly, LineOnly };

struct NumberColumn {
    uint32_t headerId;
    Methods methods;
    bool (*shown)(const S& view);
    double R::*value;
    bool S::*gost;
    int32_t S::*scale;
};

bool Always(const S&) {
    return true;
}

// The control columns exist only when the calibration is controlled.
const std::array<NumberColumn, 20> kNumberColumns = {{
    {StringId::CalibrationColumnK1, Methods::FactorOnly, [](const S& v) { return v.viewCalibrationShowInK; },
     &R::ink1, &S::viewCalibrationGostInK, &S::viewCalibrationScaleInK},
    {StringId::CalibrationColumnK2, Methods::FactorOnly, [](const S& v) { return v.viewCalibrationShowInK; },
     &R::ink2, &S::viewCalibrationGostInK, &S::viewCalibrationScaleInK},
    {StringId::CalibrationColumnK3, Methods::FactorOnly, [](const S& v) { return v.viewCalibrationShowInK; },
     &R::ink3, &S::viewCalibrationGostInK, &S::viewCalibrationScaleInK},
    {StringId::CalibrationColumnMeanK, Methods::FactorOnly, &Always, &R::midk, &S::viewCalibrationGostCfAB,
     &S::viewCalibrationScaleCfAB},
    {StringId::CalibrationColumnMeanArea1, Methods::All, [](const S& v) { return v.viewCalibrationShowMdA; },
     &R::mda1, &S::viewCalibrationGostMdA, &S::viewCalibrationScaleMdA},
    {StringId::CalibrationColumnMeanArea2, Methods::LineOnly,
     [](const S& v) { return v.viewCalibrationShowMdA; }, &R::mda2, &S::viewCalibrationGostMdA,
     &S::viewCalibrationScaleMdA},
    {StringId::CalibrationColumnInkA, Methods::LineOnly, &Always, &R::inka, &S::viewCalibrationGostCfC,
     &S::viewCalibrationScaleCfC},
    {StringId::CalibrationColumnInkB, Methods::LineOnly, &Always, &R::inkb, &S::viewCalibrationGostCfC,
     &S::viewCalibrationScaleCfC},
    {StringId::CalibrationColumnRate1, Methods::All, [](const S& v) { return v.viewCalibrationShowRate; },
     &R::rate1, &S::viewCalibrationGostRate, &S::viewCalibrationScaleRate},
    {StringId::CalibrationColumnNorm1, Methods::All, [](const S& v) { return v.viewCalibrationShowRate; },
     &R::norm1, &S::viewCalibrationGostRate, &S::viewCalibrationScaleRate},
    {StringId::CalibrationColumnRate2, Methods::LineOnly,
     [](const S& v) { return v.viewCalibrationShowRate; }, &R::rate2, &S::viewCalibrationGostRate,
     &S::viewCalibrationScaleRate},
    {StringId::CalibrationColumnNorm2, Methods::LineOnly,
     [](const S& v) { return v.viewCalibrationShowRate; }, &R::norm2, &S::viewCalibrationGostRate,
     &S::viewCalibrationScaleRate},
    {StringId::CalibrationColumnControlRange, Methods::LineOnly,
     [](const S& v) { return v.clbrControl && v.viewCalibrationShowCtlRange; }, &R::crrng,
     &S::viewCalibrationGostCtlRange, &S::viewCalibrationScaleCtlRange},
    {StringId::CalibrationColumnControlRangeLimit, Methods::LineOnly,
     [](const S& v) { return v.clbrControl && v.viewCalibrationShowCtlRange; }, &R::cvrng,
     &S::viewCalibrationGostCtlRange, &S::viewCalibrationScaleCtlRange},
    {StringId::CalibrationColumnControlRate, Methods::LineOnly,
     [](const S& v) { return v.clbrControl && v.viewCalibrationShowCtlRate; }, &R::crate,
     &S::viewCalibrationGostCtlRate, &S::viewCalibrationScaleCtlRate},
    {StringId::CalibrationColumnControlNorm, Methods::LineOnly,
     [](const S& v) { return v.clbrControl && v.viewCalibrationShowCtlRate; }, &R::cnorm,
     &S::viewCalibrationGostCtlRate, &S::viewCalibrationScaleCtlRate},
    {StringId::CalibrationColumnAreaRsd1, Methods::LineOnly,
     [](const S& v) { return v.viewCalibrationShowArsd; }, &R::arsd1, &S::viewCalibrationGostArsd,
     &S::viewCalibrationScaleArsd},
    {StringId::CalibrationColumnAreaRsdLimit1, Methods::LineOnly,
     [](const S& v) { return v.viewCalibrationShowArsd; }, &R::cval1, &S::viewCalibrationGostArsd,
     &S::viewCalibrationScaleArsd},
    {StringId::CalibrationColumnAreaRsd2, Methods::LineOnly,
     [](const S& v) { return v.viewCalibrationShowArsd; }, &R::arsd2, &S::viewCalibrationGostArsd,
     &S::viewCalibrationScaleArsd},
    {StringId::CalibrationColumnAreaRsdLimit2, Methods::LineOnly,
     [](const S& v) { return v.viewCalibrationShowArsd; }, &R::cval2, &S::viewCalibrationGostArsd,
     &S::viewCalibrationScaleArsd},
}};

// Methods В1 and В2 calibrate with a line through two mixtures.
bool IsLineCalibration(int32_t calibrationKind) {
    return calibrationKind == static_cast<int32_t>(CalibrationMethod::C1) ||
           calibrationKind == static_cast<int32_t>(CalibrationMethod::C2);
}

bool BelongsTo(Methods methods, bool line) {
    switch (methods) {
    case Methods::All:
        return true;
    case Methods::FactorOnly:
        return !line;
    case Methods::LineOnly:
        return line;
    }
    return false;
}

} // namespace

PageTable BuildCalibrationPage(const CalcContext& context) {
    const S& view = context.settings;
    const bool line = IsLineCalibration(context.calibrationKind);

    PageTable page;
    page.columns.push_back(MakePageColumn(StringId::CalibrationColumnComponent, true));
    page.columns.push_back(
        MakePageColumn(StringId::CalibrationColumnConcentration1, view.viewCalibrationShowCnc));
    page.columns.push_back(
        MakePageColumn(StringId::CalibrationColumnConcentration2, line && view.viewCalibrationShowCnc));
    for (const NumberColumn& column : kNumberColumns) {
        page.columns.push_back(
            MakePageColumn(column.headerId, BelongsTo(column.methods, line) && column.shown(view)));
    }

    for (const R& result : context.calibration) {
        std::vector<std::u16string> cells;
        cells.reserve(kCalibrationColumnCount);
        cells.push_back(DisplayNameForComponent(context.aliases, result.component));
        // The certified values are written as the certificate gives them, a zero included.
        cells.push_back(FormatReference(result.conc1, result.digits1));
        cells.push_back(FormatReference(result.conc2, result.digits2));
        for (const NumberColumn& column : kNumberColumns) {
            cells.push_back(ViewRuleText(result.*column.value, 0.0, view.*column.gost, view.*column.scale,
                                         &UncertaintyRule));
        }
        page.rows.push_back(std::move(cells));
        page.rowMarks.push_back(result.isok ? 1 : 0);
    }
    return page;
}

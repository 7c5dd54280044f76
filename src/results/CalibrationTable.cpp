#include "results/CalibrationTable.h"

#include <array>

#include "calc/rounding/Rounding.h"
#include "text/StringTable.h"

namespace {

using R = CalibrationResult;
using S = CalcSettings;
using W = ShownWhen;

const std::array<CalibrationTableColumn, 22> kColumns = {{
    {StringId::CalibrationColumnConcentration1, "conc1", "cnc1", &R::conc1, &R::digits1, W::Always,
     &S::viewCalibrationShowCnc, nullptr, nullptr},
    {StringId::CalibrationColumnConcentration2, "conc2", "cnc2", &R::conc2, &R::digits2, W::TwoMixtures,
     &S::viewCalibrationShowCnc, nullptr, nullptr},
    {StringId::CalibrationColumnK1, "ink1", "ink1", &R::ink1, nullptr, W::OneMixture,
     &S::viewCalibrationShowInK, &S::viewCalibrationGostInK, &S::viewCalibrationScaleInK},
    {StringId::CalibrationColumnK2, "ink2", "ink2", &R::ink2, nullptr, W::OneMixture,
     &S::viewCalibrationShowInK, &S::viewCalibrationGostInK, &S::viewCalibrationScaleInK},
    {StringId::CalibrationColumnK3, "ink3", "ink3", &R::ink3, nullptr, W::OneMixture,
     &S::viewCalibrationShowInK, &S::viewCalibrationGostInK, &S::viewCalibrationScaleInK},
    {StringId::CalibrationColumnMeanK, "midk", "midk", &R::midk, nullptr, W::OneMixture, nullptr,
     &S::viewCalibrationGostCfAB, &S::viewCalibrationScaleCfAB},
    {StringId::CalibrationColumnMeanArea1, "mda1", "mda1", &R::mda1, nullptr, W::Always,
     &S::viewCalibrationShowMdA, &S::viewCalibrationGostMdA, &S::viewCalibrationScaleMdA},
    {StringId::CalibrationColumnMeanArea2, "mda2", "mda2", &R::mda2, nullptr, W::TwoMixtures,
     &S::viewCalibrationShowMdA, &S::viewCalibrationGostMdA, &S::viewCalibrationScaleMdA},
    // The calibration line area = b·x + B of methods В1 and В2.
    {StringId::CalibrationColumnInkA, "inka", "inka", &R::inka, nullptr, W::TwoMixtures, nullptr,
     &S::viewCalibrationGostCfC, &S::viewCalibrationScaleCfC},
    {StringId::CalibrationColumnInkB, "inkb", "inkb", &R::inkb, nullptr, W::TwoMixtures, nullptr,
     &S::viewCalibrationGostCfC, &S::viewCalibrationScaleCfC},
    {StringId::CalibrationColumnRate1, "rate1", "rate1", &R::rate1, nullptr, W::Always,
     &S::viewCalibrationShowRate, &S::viewCalibrationGostRate, &S::viewCalibrationScaleRate},
    {StringId::CalibrationColumnNorm1, "norm1", "norm1", &R::norm1, nullptr, W::Always,
     &S::viewCalibrationShowRate, &S::viewCalibrationGostRate, &S::viewCalibrationScaleRate},
    {StringId::CalibrationColumnRate2, "rate2", "rate2", &R::rate2, nullptr, W::TwoMixtures,
     &S::viewCalibrationShowRate, &S::viewCalibrationGostRate, &S::viewCalibrationScaleRate},
    {StringId::CalibrationColumnNorm2, "norm2", "norm2", &R::norm2, nullptr, W::TwoMixtures,
     &S::viewCalibrationShowRate, &S::viewCalibrationGostRate, &S::viewCalibrationScaleRate},
    {StringId::CalibrationColumnControlRange, "crrng", "crrng", &R::crrng, nullptr, W::ControlledTwoMixtures,
     &S::viewCalibrationShowCtlRange, &S::viewCalibrationGostCtlRange, &S::viewCalibrationScaleCtlRange},
    {StringId::CalibrationColumnControlRangeLimit, "cvrng", "cvrng", &R::cvrng, nullptr,
     W::ControlledTwoMixtures, &S::viewCalibrationShowCtlRange, &S::viewCalibrationGostCtlRange,
     &S::viewCalibrationScaleCtlRange},
    {StringId::CalibrationColumnControlRate, "crate", "crate", &R::crate, nullptr, W::ControlledTwoMixtures,
     &S::viewCalibrationShowCtlRate, &S::viewCalibrationGostCtlRate, &S::viewCalibrationScaleCtlRate},
    {StringId::CalibrationColumnControlNorm, "cnorm", "cnorm", &R::cnorm, nullptr, W::ControlledTwoMixtures,
     &S::viewCalibrationShowCtlRate, &S::viewCalibrationGostCtlRate, &S::viewCalibrationScaleCtlRate},
    {StringId::CalibrationColumnAreaRsd1, "arsd1", "arsd1", &R::arsd1, nullptr, W::TwoMixtures,
     &S::viewCalibrationShowArsd, &S::viewCalibrationGostArsd, &S::viewCalibrationScaleArsd},
    {StringId::CalibrationColumnAreaRsdLimit1, "cval1", "cval1", &R::cval1, nullptr, W::TwoMixtures,
     &S::viewCalibrationShowArsd, &S::viewCalibrationGostArsd, &S::viewCalibrationScaleArsd},
    {StringId::CalibrationColumnAreaRsd2, "arsd2", "arsd2", &R::arsd2, nullptr, W::TwoMixtures,
     &S::viewCalibrationShowArsd, &S::viewCalibrationGostArsd, &S::viewCalibrationScaleArsd},
    {StringId::CalibrationColumnAreaRsdLimit2, "cval2", "cval2", &R::cval2, nullptr, W::TwoMixtures,
     &S::viewCalibrationShowArsd, &S::viewCalibrationGostArsd, &S::viewCalibrationScaleArsd},
}};

} // namespace

std::span<const CalibrationTableColumn> CalibrationTable() {
    return kColumns;
}

bool IsShown(const CalibrationTableColumn& column, const TableView& view) {
    return IsShown(column.when, column.show, view);
}

std::u16string CellText(const CalibrationTableColumn& column, const CalibrationResult& row,
                        const CalcSettings& settings) {
    const double value = row.*column.value;
    if (column.ownDigits != nullptr) {
        return FormatReference(value, row.*column.ownDigits);
    }
    return ViewRuleText(value, 0.0, settings.*column.gost, settings.*column.scale, GostRule::Uncertainty);
}

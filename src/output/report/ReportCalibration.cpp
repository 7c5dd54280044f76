// The calibration table of the report, column for column as the calibration page shows it. Methods А
// and Б (one mixture) give the factors K of the three chromatograms and their mean; methods В1 and В2
// (two mixtures) the second mixture's values, the calibration line's coefficients, the control and the
// spread of the areas (GOST 31371.7-2020).
#include <array>

#include "calc/CalcContext.h"
#include "calc/rounding/Rounding.h"
#include "data/AliasLookup.h"
#include "output/report/ReportSections.h"
#include "output/report/ReportValues.h"
#include "text/StringTable.h"

namespace {

// Calibration kinds computed with two reference mixtures (В1, В2).
bool IsTwoMixture(int32_t calibrationKind) {
    return calibrationKind == static_cast<int32_t>(CalibrationMethod::C1) ||
           calibrationKind == static_cast<int32_t>(CalibrationMethod::C2);
}

using Visibility = bool (*)(const CalcSettings& view, bool twoMixture);

struct CalibrationColumn {
    const char* element;
    uint32_t title;
    Visibility visible;
    double CalibrationResult::*field;
    int32_t CalibrationResult::*digits; // a certified value written with its own digits; else null
    bool CalcSettings::*gost;
    int32_t CalcSettings::*scale;
};

constexpr Visibility kOneMixture = [](const CalcSettings&, bool two) { return !two; };
constexpr Visibility kTwoMixtures = [](const CalcSettings&, bool two) { return two; };

using R = CalibrationResult;
using S = CalcSettings;

// In document order; "name" comes before them.
const std::array<CalibrationColumn, 22> kColumns = {{
    {"cnc1", StringId::CalibrationColumnConcentration1,
     [](const S& v, bool) { return v.viewCalibrationShowCnc; }, &R::conc1, &R::digits1, nullptr, nullptr},
    {"cnc2", StringId::CalibrationColumnConcentration2,
     [](const S& v, bool two) { return two && v.viewCalibrationShowCnc; }, &R::conc2, &R::digits2, nullptr,
     nullptr},
    {"ink1", StringId::CalibrationColumnK1,
     [](const S& v, bool two) { return !two && v.viewCalibrationShowInK; }, &R::ink1, nullptr,
     &S::viewCalibrationGostInK, &S::viewCalibrationScaleInK},
    {"ink2", StringId::CalibrationColumnK2,
     [](const S& v, bool two) { return !two && v.viewCalibrationShowInK; }, &R::ink2, nullptr,
     &S::viewCalibrationGostInK, &S::viewCalibrationScaleInK},
    {"ink3", StringId::CalibrationColumnK3,
     [](const S& v, bool two) { return !two && v.viewCalibrationShowInK; }, &R::ink3, nullptr,
     &S::viewCalibrationGostInK, &S::viewCalibrationScaleInK},
    {"midk", StringId::CalibrationColumnMeanK, kOneMixture, &R::midk, nullptr, &S::viewCalibrationGostCfAB,
     &S::viewCalibrationScaleCfAB},
    {"mda1", StringId::CalibrationColumnMeanArea1, [](const S& v, bool) { return v.viewCalibrationShowMdA; },
     &R::mda1, nullptr, &S::viewCalibrationGostMdA, &S::viewCalibrationScaleMdA},
    {"mda2", StringId::CalibrationColumnMeanArea2,
     [](const S& v, bool two) { return two && v.viewCalibrationShowMdA; }, &R::mda2, nullptr,
     &S::viewCalibrationGostMdA, &S::viewCalibrationScaleMdA},
    {"inka", StringId::CalibrationColumnInkA, kTwoMixtures, &R::inka, nullptr, &S::viewCalibrationGostCfC,
     &S::viewCalibrationScaleCfC},
    {"inkb", StringId::CalibrationColumnInkB, kTwoMixtures, &R::inkb, nullptr, &S::viewCalibrationGostCfC,
     &S::viewCalibrationScaleCfC},
    {"rate1", StringId::CalibrationColumnRate1, [](const S& v, bool) { return v.viewCalibrationShowRate; },
     &R::rate1, nullptr, &S::viewCalibrationGostRate, &S::viewCalibrationScaleRate},
    {"norm1", StringId::CalibrationColumnNorm1, [](const S& v, bool) { return v.viewCalibrationShowRate; },
     &R::norm1, nullptr, &S::viewCalibrationGostRate, &S::viewCalibrationScaleRate},
    {"rate2", StringId::CalibrationColumnRate2,
     [](const S& v, bool two) { return two && v.viewCalibrationShowRate; }, &R::rate2, nullptr,
     &S::viewCalibrationGostRate, &S::viewCalibrationScaleRate},
    {"norm2", StringId::CalibrationColumnNorm2,
     [](const S& v, bool two) { return two && v.viewCalibrationShowRate; }, &R::norm2, nullptr,
     &S::viewCalibrationGostRate, &S::viewCalibrationScaleRate},
    {"crrng", StringId::CalibrationColumnControlRange,
     [](const S& v, bool two) { return two && v.clbrControl && v.viewCalibrationShowCtlRange; }, &R::crrng,
     nullptr, &S::viewCalibrationGostCtlRange, &S::viewCalibrationScaleCtlRange},
    {"cvrng", StringId::CalibrationColumnControlRangeLimit,
     [](const S& v, bool two) { return two && v.clbrControl && v.viewCalibrationShowCtlRange; }, &R::cvrng,
     nullptr, &S::viewCalibrationGostCtlRange, &S::viewCalibrationScaleCtlRange},
    {"crate", StringId::CalibrationColumnControlRate,
     [](const S& v, bool two) { return two && v.clbrControl && v.viewCalibrationShowCtlRate; }, &R::crate,
     nullptr, &S::viewCalibrationGostCtlRate, &S::viewCalibrationScaleCtlRate},
    {"cnorm", StringId::CalibrationColumnControlNorm,
     [](const S& v, bool two) { return two && v.clbrControl && v.viewCalibrationShowCtlRate; }, &R::cnorm,
     nullptr, &S::viewCalibrationGostCtlRate, &S::viewCalibrationScaleCtlRate},
    {"arsd1", StringId::CalibrationColumnAreaRsd1,
     [](const S& v, bool two) { return two && v.viewCalibrationShowArsd; }, &R::arsd1, nullptr,
     &S::viewCalibrationGostArsd, &S::viewCalibrationScaleArsd},
    {"cval1", StringId::CalibrationColumnAreaRsdLimit1,
     [](const S& v, bool two) { return two && v.viewCalibrationShowArsd; }, &R::cval1, nullptr,
     &S::viewCalibrationGostArsd, &S::viewCalibrationScaleArsd},
    {"arsd2", StringId::CalibrationColumnAreaRsd2,
     [](const S& v, bool two) { return two && v.viewCalibrationShowArsd; }, &R::arsd2, nullptr,
     &S::viewCalibrationGostArsd, &S::viewCalibrationScaleArsd},
    {"cval2", StringId::CalibrationColumnAreaRsdLimit2,
     [](const S& v, bool two) { return two && v.viewCalibrationShowArsd; }, &R::cval2, nullptr,
     &S::viewCalibrationGostArsd, &S::viewCalibrationScaleArsd},
}};

std::u16string CellText(const CalibrationColumn& column, const CalibrationResult& row,
                        const CalcSettings& view) {
    if (column.digits != nullptr) {
        // Certified concentrations are written with the digits the mixture's certificate gives, as
        // stored, without the missing test.
        return FormatReference(row.*column.field, row.*column.digits);
    }
    return ViewRuleText(row.*column.field, 0.0, view.*column.gost, view.*column.scale, &UncertaintyRule);
}

} // namespace

void AddCalibrationSection(ReportTree& tree, pugi::xml_node root, const CalcContext& context) {
    const CalcSettings& view = context.settings;
    const bool twoMixture = IsTwoMixture(context.calibrationKind);
    pugi::xml_node section = AddElement(tree, root, "calibration");
    AddString(tree, section, "title", StringId::TabCalibration);

    pugi::xml_node head = AddElement(tree, section, "head");
    AddString(tree, head, "name", StringId::CalibrationColumnComponent);
    for (const CalibrationColumn& column : kColumns) {
        if (column.visible(view, twoMixture)) {
            AddString(tree, head, column.element, column.title);
        }
    }

    for (const CalibrationResult& row : context.calibration) {
        pugi::xml_node body = AddElement(tree, section, "body");
        AddText(tree, body, "isok", row.isok ? u"true" : u"false");
        AddText(tree, body, "name", DisplayNameForComponent(context.aliases, row.component));
        for (const CalibrationColumn& column : kColumns) {
            if (column.visible(view, twoMixture)) {
                AddText(tree, body, column.element, CellText(column, row, view));
            }
        }
    }
}

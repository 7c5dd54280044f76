#include "ui/models/MethaneNumberPageModel.h"

#include <algorithm>
#include <array>

#include "calc/CalcContext.h"
#include "calc/rounding/Rounding.h"
#include "data/AliasLookup.h"
#include "text/Format.h"
#include "text/StringTable.h"

namespace {

std::u16string Text(uint32_t id) {
    return std::u16string(LoadText(id));
}

void AddHeading(PageTable& page, uint32_t title, uint32_t second, uint32_t third) {
    page.rows.push_back({Text(title), second != 0 ? Text(second) : std::u16string(),
                         third != 0 ? Text(third) : std::u16string()});
}

// The simplified mixture (methane, ethane, propane and butane equivalents) before and after its
// normalisation, then the gas-motor-fuel mixture: simplified mixture, carbon dioxide and nitrogen with
// their shares.
void AddMixtures(PageTable& page, const CalcContext& context) {
    const CalcSettings& view = context.settings;
    const MethaneNumberLists& lists = context.methaneNumberLists;
    constexpr std::array<uint32_t, 4> kSimplifiedLabels = {
        StringId::MethaneSimplifiedMethane, StringId::MethaneSimplifiedEthane,
        StringId::MethaneSimplifiedPropane, StringId::MethaneSimplifiedButane};
    AddHeading(page, StringId::MethaneSimplifiedMixtureHeading, StringId::MethaneColumnVolumeUnnormalised,
               StringId::MethaneColumnVolumeNormalised);
    const size_t simplified = std::min(kSimplifiedLabels.size(), lists.simplifiedMixture.size());
    for (size_t i = 0; i < simplified; ++i) {
        page.rows.push_back({Text(kSimplifiedLabels[i]),
                             FormatFixed(lists.simplifiedMixture[i].raw, view.viewMethaneScaleArr),
                             FormatFixed(lists.simplifiedMixture[i].normalised, view.viewMethaneScaleArr)});
    }
    constexpr std::array<uint32_t, 3> kMotorFuelLabels = {StringId::MethaneMotorFuelMethane,
                                                          StringId::MethaneMotorFuelCarbonDioxide,
                                                          StringId::MethaneMotorFuelNitrogen};
    AddHeading(page, StringId::MethaneMotorFuelMixtureHeading, StringId::MethaneColumnVolumeUnnormalised,
               StringId::MethaneColumnVolumeNormalised);
    const size_t motorFuel = std::min(kMotorFuelLabels.size(), lists.motorFuelMixture.size());
    for (size_t i = 0; i < motorFuel; ++i) {
        page.rows.push_back({Text(kMotorFuelLabels[i]),
                             FormatFixed(lists.motorFuelMixture[i].value, view.viewMethaneScaleArr),
                             FormatFixed(lists.motorFuelMixture[i].share, view.viewMethaneScaleArr)});
    }
}

// The methane numbers of the partial mixtures the final number is interpolated from, numbered from 1.
void AddInitialNumbers(PageTable& page, const CalcContext& context) {
    AddHeading(page, StringId::MethaneInitialNumbersHeading, StringId::MethaneColumnValue, 0);
    for (const InitialMethaneNumberRow& row : context.methaneNumberLists.initialMethaneNumbers) {
        page.rows.push_back({FormatText(u"Mix%d", {row.mixtureNumber + 1}),
                             FormatFixed(row.methaneNumber, context.settings.viewMethaneScaleMnb),
                             std::u16string()});
    }
}

// A fraction is written only when it is above zero: the components the methane number leaves out stay
// blank.
std::u16string PositiveFractionText(double fraction, int32_t scale) {
    return fraction > 0.0 ? FormatFixed(fraction, scale) : std::u16string();
}

void AddComponents(PageTable& page, const CalcContext& context) {
    AddHeading(page, StringId::MethaneComponentsHeading, StringId::MethaneColumnMolarFraction,
               StringId::MethaneColumnVolumeFraction);
    const int32_t scale = context.settings.viewMethaneScaleComp;
    for (const ComponentFractionRow& row : context.methaneNumberLists.componentFractions) {
        page.rows.push_back({DisplayNameForComponent(context.aliases, row.component),
                             PositiveFractionText(row.molarFraction, scale),
                             PositiveFractionText(row.volumeFraction, scale)});
    }
}

} // namespace

PageTable BuildMethaneNumberPage(const CalcContext& context) {
    const CalcSettings& view = context.settings;
    PageTable page;
    page.columns = {
        MakePageColumn(StringId::MethaneColumnName, true, kQuantityNameColumnWidthPixels),
        MakePageColumn(StringId::MethaneColumnValue, true, kQuantityValueColumnWidthPixels),
        MakePageColumn(StringId::MethaneColumnUncertainty, true, kQuantityValueColumnWidthPixels)};

    AddHeading(page, StringId::MethaneColumnName, StringId::MethaneColumnValue,
               StringId::MethaneColumnUncertainty);
    for (const MethaneNumberTableRow& row : MethaneNumberTable()) {
        const double value = context.methaneNumber.*row.value;
        page.rows.push_back(
            {Text(row.labelId), MethaneNumberText(value, view), MethaneNumberUncertaintyText(value)});
    }

    if (view.viewMethaneShowArr) {
        AddMixtures(page, context);
    }
    if (view.viewMethaneShowMnb) {
        AddInitialNumbers(page, context);
    }
    if (view.viewMethaneShowComp) {
        AddComponents(page, context);
    }
    return page;
}

// Dialog 212 "Представление: Метановое число": the methane numbers, whose decimals follow their ГОСТ
// box, and the three optional lists, whose decimals follow their show boxes.
#include "ResourceIds.h"
#include "ui/win32/ViewSettingsRows.h"

namespace {
using S = CalcSettings;

constexpr ViewRow kRows[] = {
    {0, nullptr, IDC_VIEW_MN_GOST, &S::viewMethaneGostMn, IDC_VIEW_MN_SCALE, &S::viewMethaneScaleMn},
    {IDC_VIEW_MN_SHOW_ARR, &S::viewMethaneShowArr, 0, nullptr, IDC_VIEW_MN_SCALE_ARR,
     &S::viewMethaneScaleArr},
    {IDC_VIEW_MN_SHOW_MNB, &S::viewMethaneShowMnb, 0, nullptr, IDC_VIEW_MN_SCALE_MNB,
     &S::viewMethaneScaleMnb},
    {IDC_VIEW_MN_SHOW_COMP, &S::viewMethaneShowComp, 0, nullptr, IDC_VIEW_MN_SCALE_COMP,
     &S::viewMethaneScaleComp},
};
} // namespace

std::span<const ViewRow> MethaneViewRows() {
    return kRows;
}

#include "calc/calibration/NonLinearComponents.h"

bool InLowRange(double concentrationMolPct) {
    return concentrationMolPct >= kLowRangeLowerMolPct && concentrationMolPct <= kLowRangeUpperMolPct;
}

bool IsNonLinearComponent(const CalcSettings& settings, std::u16string_view componentId) {
    if (componentId == u"carbon_dioxide") {
        return !settings.clbrCarbonDioxide;
    }
    if (componentId == u"nitrogen") {
        return !settings.clbrNitrogen;
    }
    if (componentId == u"oxygen") {
        return !settings.clbrOxygen;
    }
    return false;
}

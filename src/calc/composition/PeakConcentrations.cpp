#include "calc/composition/PeakConcentrations.h"

#include <cmath>
#include <string_view>

#include "calc/MethodTable.h"
#include "calc/calibration/CalibrationComparisons.h"
#include "calc/calibration/NonLinearComponents.h"
#include "calc/composition/CompositionLibrary.h"

namespace {
template <typename Predicate>
const CalibrationResult* FirstResult(const CalcContext& context, Predicate predicate) {
    for (const CalibrationResult& result : context.calibration) {
        if (predicate(result)) {
            return &result;
        }
    }
    return nullptr;
}

const CalibrationResult* FirstResultOf(const CalcContext& context, std::u16string_view componentId) {
    return FirstResult(
        context, [componentId](const CalibrationResult& result) { return result.component == componentId; });
}

bool HasLowRangeLine(const CalcSettings& settings, std::u16string_view componentId) {
    return (settings.clbrCalcMethod == kMethodC1 || settings.clbrCalcMethod == kMethodC2) &&
           IsNonLinearComponent(settings, componentId);
}

PeakCalibration Computed(double molPct) {
    if (!std::isfinite(molPct)) {
        return {PeakCalibrationState::NotComputable, 0.0};
    }
    return {PeakCalibrationState::Computed, molPct};
}

PeakCalibration ByFactor(const CalcContext& context, const ComponentResult& peak, C6PlusFactor c6plusFactor) {
    std::u16string_view resultId = peak.id;
    if (c6plusFactor == C6PlusFactor::C6PlusStar && peak.id == u"c6plus") {
        resultId = u"c6plusstar";
    }
    const CalibrationResult* result = FirstResultOf(context, resultId);
    if (result == nullptr) {
        return {PeakCalibrationState::NoResult, 0.0};
    }
    if (!IsUsableCoefficient(result->midk)) {
        return {PeakCalibrationState::NotComputable, 0.0};
    }
    return Computed(ConcentrationByFactor(peak.area, result->midk));
}

PeakCalibration ByLine(const CalcContext& context, const ComponentResult& peak) {
    if (FirstResultOf(context, peak.id) == nullptr) {
        return {PeakCalibrationState::NoResult, 0.0};
    }
    const CalibrationResult* line = CalibrationLineFor(context, peak);
    if (line == nullptr || !IsUsableCoefficient(line->inka) || !std::isfinite(line->inkb)) {
        return {PeakCalibrationState::NotComputable, 0.0};
    }
    return Computed(ConcentrationByLine(peak.area, line->inka, line->inkb));
}
} // namespace

const CalibrationResult* CalibrationLineFor(const CalcContext& context, const ComponentResult& peak) {
    const std::u16string_view id = peak.id;
    if (!HasLowRangeLine(context.settings, id)) {
        return FirstResultOf(context, id);
    }
    const CalibrationResult* lowRange = FirstResult(context, [id](const CalibrationResult& result) {
        return result.component == id && InLowRange(result.conc1) && InLowRange(result.conc2);
    });
    if (lowRange == nullptr) {
        return nullptr;
    }
    // The area the low-range line gives at the top of the low range.
    const double lowRangeTopArea = lowRange->inka * kLowRangeUpperMolPct + lowRange->inkb;
    if (!(peak.area > lowRangeTopArea)) {
        return lowRange;
    }
    return FirstResult(context, [id](const CalibrationResult& result) {
        return result.component == id && !InLowRange(result.conc1) && !InLowRange(result.conc2);
    });
}

PeakCalibration CalibratedConcentration(const CalcContext& context, const ComponentResult& peak,
                                        C6PlusFactor c6plusFactor) {
    switch (context.calibrationKind) {
    case kMethodA:
    case kMethodB:
        return ByFactor(context, peak, c6plusFactor);
    case kMethodC1:
    case kMethodC2:
        return ByLine(context, peak);
    default:
        return {PeakCalibrationState::NoResult, 0.0};
    }
}

void ComputePeakConcentrations(const CalcContext& context, std::vector<ComponentResult>& peaks,
                               C6PlusFactor c6plusFactor) {
    for (ComponentResult& peak : peaks) {
        const PeakCalibration calibrated = CalibratedConcentration(context, peak, c6plusFactor);
        if (calibrated.state == PeakCalibrationState::Computed) {
            peak.molarFraction = calibrated.molPct;
            peak.rawFraction = calibrated.molPct;
        }
    }
}

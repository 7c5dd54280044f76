#include "calc/composition/PeakConcentrations.h"

#include <string_view>

#include "calc/calibration/NonLinearComponents.h"
#include "calc/composition/CompositionLibrary.h"
#include "calc/composition/MethodTable.h"

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

void SetConcentration(ComponentResult& peak, double molPct) {
    peak.molarFraction = molPct;
    peak.rawFraction = molPct;
}

void ConcentrationsByFactor(const CalcContext& context, std::vector<ComponentResult>& peaks,
                            C6PlusFactor c6plusFactor) {
    for (ComponentResult& peak : peaks) {
        std::u16string_view resultId = peak.id;
        if (c6plusFactor == C6PlusFactor::C6PlusStar && peak.id == u"c6plus") {
            resultId = u"c6plusstar";
        }
        if (const CalibrationResult* result = FirstResultOf(context, resultId)) {
            SetConcentration(peak, ConcentrationByFactor(peak.area, result->midk));
        }
    }
}

void ConcentrationsByLine(const CalcContext& context, std::vector<ComponentResult>& peaks) {
    for (ComponentResult& peak : peaks) {
        if (const CalibrationResult* line = CalibrationLineFor(context, peak)) {
            SetConcentration(peak, ConcentrationByLine(peak.area, line->inka, line->inkb));
        }
    }
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

void ComputePeakConcentrations(const CalcContext& context, std::vector<ComponentResult>& peaks,
                               C6PlusFactor c6plusFactor) {
    switch (context.calibrationKind) {
    case kMethodA:
    case kMethodB:
        ConcentrationsByFactor(context, peaks, c6plusFactor);
        return;
    case kMethodC1:
    case kMethodC2:
        ConcentrationsByLine(context, peaks);
        return;
    default:
        return;
    }
}

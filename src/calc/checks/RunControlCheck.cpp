// Control of the result (trueness): when a reference mixture is analysed as a sample, each measured
// molar fraction x must lie within its expanded uncertainty of the certified value c, |x − c| ≤ U.
// Fractions of 0.01 mol % and less are not judged; their certified values are still recorded for display.
#include <cmath>
#include <vector>

#include "calc/ContextLoading.h"
#include "calc/Stages.h"
#include "calc/Status.h"
#include "calc/journal/ContextJournal.h"
#include "data/AliasLookup.h"
#include "data/MixtureLookup.h"
#include "text/StringIds.gen.h"

namespace {

inline constexpr double kControlFloorMolPct = 0.01;

// The analysis chromatogram the composition was computed from first.
const Assay* FirstMeasuredAssay(const CalcContext& context) {
    if (context.measurements.empty()) {
        return nullptr;
    }
    const int64_t assayId = context.measurements.front().assayId;
    for (const Assay& assay : context.assays) {
        if (assay.role == static_cast<int32_t>(AssayRole::Analysis) && assay.id == assayId) {
            return &assay;
        }
    }
    return nullptr;
}

// U ≥ |x − c|, false as well when either side is not a finite number (a damaged database or an
// uncertainty that could not be computed must not pass the control).
bool WithinUncertainty(double uncertainty, double deviation) {
    return std::isfinite(uncertainty) && std::isfinite(deviation) && uncertainty >= deviation;
}

} // namespace

int32_t RunControlCheck(CalcContext& context) {
    if (!context.settings.clcControl) {
        return Status::Ok;
    }
    const Assay* assay = FirstMeasuredAssay(context);
    if (assay == nullptr) {
        return Status::Ok;
    }
    if (assay->mixture.empty()) {
        AddMessage(context, JournalCategory::Comp, StringId::NoMixtureForAnalysis);
        return Status::Failed;
    }
    const std::u16string mixtureName = assay->mixture;
    std::vector<MixtureComponent> composition;
    LoadMixture(context, mixtureName, composition);
    bool passed = true;
    for (ComponentResult& row : context.components) {
        if (row.fixed || (context.settings.clcMethaneDiff && row.id == u"methane")) {
            continue;
        }
        const MixtureConcentration certified = FindMixtureConcentration(composition, row.id);
        if (!certified.found) {
            continue;
        }
        row.referenceValue = certified.concentration;
        row.referenceDecimals = certified.decimals;
        const double x = row.molarFraction;
        if (x <= kControlFloorMolPct) {
            continue;
        }
        const double deviation = std::fabs(x - certified.concentration);
        row.accepted = WithinUncertainty(row.uncertainty, deviation);
        if (!row.accepted) {
            AddMessage(
                context, JournalCategory::Mix, StringId::ResultControlFailed,
                {mixtureName, DisplayNameForComponent(context.aliases, row.id), deviation, row.uncertainty});
            passed = false;
        }
    }
    return passed ? Status::Ok : Status::Failed;
}

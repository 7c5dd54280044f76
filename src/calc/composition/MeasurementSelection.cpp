#include "calc/composition/MeasurementSelection.h"

#include "calc/Status.h"
#include "calc/journal/ContextJournal.h"
#include "text/StringIds.gen.h"

int32_t MeasurementsNeeded(const CalcSettings& settings) {
    return settings.LaboratoryChromatograph() ? 2 : 1;
}

int32_t SelectAnalysisAssays(CalcContext& context, std::vector<int64_t>& assayIds) {
    const int32_t needed = MeasurementsNeeded(context.settings);
    assayIds.clear();
    for (const Assay& assay : context.assays) {
        if (static_cast<int32_t>(assayIds.size()) >= needed) {
            break;
        }
        if (assay.included && assay.role == static_cast<int32_t>(AssayRole::Analysis)) {
            assayIds.push_back(assay.id);
        }
    }
    if (assayIds.empty()) {
        return Status::NoAnalysis;
    }
    if (static_cast<int32_t>(assayIds.size()) < needed) {
        AddMessage(context, JournalCategory::Comp, StringId::NotEnoughAnalysisChromatograms, {needed});
        return Status::Failed;
    }
    return Status::Ok;
}

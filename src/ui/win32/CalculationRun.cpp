#include "ui/win32/CalculationRun.h"

#include <algorithm>

#include "calc/CalcContext.h"
#include "calc/Stages.h"
#include "calc/Status.h"
#include "calc/journal/Journal.h"
#include "data/SqlException.h"
#include "text/StringIds.gen.h"
#include "text/Utf.h"

bool HasTickedAnalysis(const CalcContext& context) {
    return std::any_of(context.assays.begin(), context.assays.end(), [](const Assay& assay) {
        return assay.included && assay.role == static_cast<int32_t>(AssayRole::Analysis);
    });
}

int32_t RunCalculationForWindow(CalcContext& context) {
    try {
        const int32_t status = RunCalculation(context);
        // Without an analysis the run computes no composition; the pages would show empty lists on a
        // green strip as if all went well.
        if (!HasTickedAnalysis(context)) {
            AddMessage(context.journal, JournalCategory::General, StringId::NoAnalysisTicked);
        }
        return status;
    } catch (const DataBase::SqlException& failure) {
        AddMessage(context.journal, JournalCategory::General, StringId::DatabaseFailedDuringCalculation,
                   {Utf8ToUtf16(failure.message())});
        return Status::Failed;
    }
}

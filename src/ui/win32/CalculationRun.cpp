#include "ui/win32/CalculationRun.h"

#include "calc/Stages.h"
#include "calc/Status.h"
#include "calc/journal/Journal.h"
#include "data/SqlException.h"
#include "text/StringIds.gen.h"
#include "text/Utf.h"

int32_t RunCalculationForWindow(CalcContext& context) {
    try {
        return RunCalculation(context);
    } catch (const DataBase::SqlException& failure) {
        AddMessage(context.journal, JournalCategory::General, StringId::DatabaseFailedDuringCalculation,
                   {Utf8ToUtf16(failure.message())});
        return Status::Failed;
    }
}

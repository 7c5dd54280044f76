#include "host/cli/Calculation.h"

#include <string>

#include "calc/CalcContext.h"
#include "calc/Stages.h"
#include "calc/bindings/LibraryLoading.h"
#include "data/DataBaseHandle.h"
#include "data/SqlException.h"
#include "host/cli/Console.h"
#include "ui/models/AssayBatches.h"

namespace {

void PrintDatabaseError(const DataBase::SqlException& failure) {
    std::string text = std::string("database error: ") + failure.what();
    if (!failure.sql().empty()) {
        text += " (" + failure.sql() + ")";
    }
    PrintError(text);
}

} // namespace

bool RefreshAndCalculate(CalcContext& context, int32_t& status) {
    try {
        DataBase::Handle handle;
        const size_t found = RefreshAssayList(context, handle);
        if (found < context.assays.size()) {
            PrintError(std::to_string(context.assays.size() - found) +
                       " chromatogram(s) of the list are no longer in the database");
        }
    } catch (const DataBase::SqlException& failure) {
        PrintDatabaseError(failure);
        return false;
    }
    return Calculate(context, status);
}

bool Calculate(CalcContext& context, int32_t& status) {
    try {
        status = RunCalculation(context);
    } catch (const DataBase::SqlException& failure) {
        PrintDatabaseError(failure);
        return false;
    } catch (const CalculationLibraryMissing& failure) {
        PrintError(failure.what());
        return false;
    }
    return true;
}

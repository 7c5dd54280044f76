#include "calc/composition/SumCheck.h"

#include "calc/journal/ContextJournal.h"
#include "text/StringIds.gen.h"

bool CheckRawFractionSum(CalcContext& context, const std::vector<ComponentResult>& table) {
    double sumMolPct = 0.0;
    for (const ComponentResult& row : table) {
        sumMolPct += row.rawFraction;
    }
    // Both bounds belong to the range; a sum that is not a number lies outside it.
    if (sumMolPct >= kRawSumLowerMolPct && sumMolPct <= kRawSumUpperMolPct) {
        return true;
    }
    AddMessage(context, JournalCategory::Comp, StringId::MolarFractionSumOutOfRange, {sumMolPct});
    return false;
}

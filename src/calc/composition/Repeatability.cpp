#include "calc/composition/Repeatability.h"

#include "calc/composition/LowerLimits.h"
#include "calc/composition/PeakFindings.h"
#include "calc/journal/ContextJournal.h"
#include "data/AliasLookup.h"
#include "text/StringIds.gen.h"

bool CheckRepeatability(CalcContext& context, std::vector<ComponentResult>& table) {
    const CalcSettings& settings = context.settings;
    const bool processChromatograph = !settings.LaboratoryChromatograph();
    bool passed = true;
    for (ComponentResult& row : table) {
        // An unidentified peak has no fraction and no uncertainty to compare: it is named elsewhere,
        // not failed on a comparison of zeros.
        if (processChromatograph || row.fixed || IsBelowLowerLimit(row) ||
            IsMethaneByDifference(settings, row) || IsUnidentifiedPeak(row.id)) {
            row.accepted = true;
            continue;
        }
        row.acceptLimit = kAcceptLimitFactor * row.rawUncertainty;
        // Strict, and so also false for a difference or limit that is not a number.
        row.accepted = row.acceptLimit > row.difference;
        if (!row.accepted) {
            AddMessage(context, JournalCategory::Comp, StringId::RepeatabilityFailed,
                       {DisplayNameForComponent(context.aliases, row.id), row.difference, row.acceptLimit});
            passed = false;
        }
    }
    return passed;
}

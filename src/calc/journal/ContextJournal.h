// The journal functions on the calculation context, for the stages: they record into its journal.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "calc/CalcContext.h"
#include "calc/journal/Journal.h"

inline void AddMessage(CalcContext& context, uint32_t category, uint32_t stringId,
                       std::initializer_list<FormatArg> args = {}) {
    AddMessage(context.journal, category, stringId, args);
}

inline void ClearJournal(CalcContext& context) {
    ClearJournal(context.journal);
}

#include "calc/checks/AssayPressure.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "calc/journal/ContextJournal.h"
#include "data/ZeroTolerance.h"
#include "text/StringIds.gen.h"

namespace {
bool PressureUsable(double pressureKPa) {
    return std::isfinite(pressureKPa) && pressureKPa > kZeroTolerance;
}

// One chromatogram may be used by several assignments or stages; the journal names it once.
bool AlreadyReported(const CalcContext& context, uint32_t category, const std::u16string& text) {
    return std::any_of(
        context.journal.entries.begin(), context.journal.entries.end(),
        [&](const JournalEntry& entry) { return entry.category == category && entry.text == text; });
}
} // namespace

bool PressuresUsable(CalcContext& context, std::span<const int64_t> ids, uint32_t category) {
    if (!context.settings.clcPressure) {
        return true;
    }
    bool usable = true;
    for (const int64_t id : ids) {
        const auto assay = std::find_if(context.assays.begin(), context.assays.end(),
                                        [id](const Assay& entry) { return entry.id == id; });
        if (assay == context.assays.end() || PressureUsable(assay->atmpressure)) {
            continue;
        }
        usable = false;
        if (!AlreadyReported(context, category,
                             LoadMessageText(StringId::AssayPressureMissing, {assay->filename}))) {
            AddMessage(context, category, StringId::AssayPressureMissing, {assay->filename});
        }
    }
    return usable;
}

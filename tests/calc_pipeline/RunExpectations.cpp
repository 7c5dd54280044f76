#include "RunExpectations.h"

#include "Chromatograph.h"
#include "calc/journal/Journal.h"
#include "data/HeavyGrouping.h"
#include "text/Utf.h"

namespace pipelinetest {

std::vector<std::string> JournalLines(const MessageJournal& journal) {
    std::vector<std::string> lines;
    for (const JournalEntry& entry : journal.entries) {
        lines.push_back(std::to_string(entry.category) + "|" + Utf16ToUtf8(entry.text));
    }
    return lines;
}

std::string Line(uint32_t category, uint32_t stringId, std::initializer_list<FormatArg> args) {
    return std::to_string(category) + "|" + Utf16ToUtf8(LoadMessageText(stringId, args));
}

double TrueFraction(const sim::GasComposition& gas, std::u16string_view rowId) {
    // The carbon-number groups c6, c7 and c8 hold the hydrocarbons the methods group into them, calibrated
    // as n-hexane, n-heptane and n-octane: each member counts in equivalents of that alkane.
    const sim::ChromatographModel model;
    const auto groups = HeavyGroupIds(HeavyGroupMode::C6C7C8);
    const std::u16string_view calibratedAs[] = {u"n_hexane", u"n_heptane", u"n_octane"};
    for (size_t group = 0; group < groups.size(); ++group) {
        if (rowId != groups[group]) {
            continue;
        }
        double sum = 0.0;
        for (const sim::GasComponent& component : gas) {
            if (HeavyGroupOf(component.id, HeavyGroupMode::C6C7C8) == static_cast<int>(group)) {
                sum += component.molarPercent * model.ResponseOf(component.id) /
                       model.ResponseOf(calibratedAs[group]);
            }
        }
        return sum;
    }
    if (rowId == u"c6plus") {
        const double hexaneResponse = model.ResponseOf(u"n_hexane");
        double sum = 0.0;
        for (const sim::GasComponent& component : gas) {
            if (HeavyGroupOf(component.id, HeavyGroupMode::C6Plus) == 0) {
                sum += component.molarPercent * model.ResponseOf(component.id) / hexaneResponse;
            }
        }
        return sum;
    }
    return sim::FractionOf(gas, rowId);
}

} // namespace pipelinetest

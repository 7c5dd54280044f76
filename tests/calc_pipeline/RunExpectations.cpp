#include "RunExpectations.h"

#include "Chromatograph.h"
#include "calc/journal/Journal.h"
#include "data/AliasLookup.h"
#include "data/MolarMass.h"
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

std::u16string NameOf(std::u16string_view componentId) {
    return DisplayNameForComponent(DefaultAliasList(), componentId);
}

double TrueFraction(const sim::GasComposition& gas, std::u16string_view rowId) {
    // Molar-mass bounds of the groups: the masses of c6, c7, c8 and c9plus of the molar-mass table.
    struct Group {
        std::u16string_view id;
        std::u16string_view from;
        std::u16string_view below;
    };
    const Group groups[] = {{u"c6", u"c6", u"c7"}, {u"c7", u"c7", u"c8"}, {u"c8", u"c8", u"c9plus"}};
    for (const Group& group : groups) {
        if (rowId != group.id) {
            continue;
        }
        double sum = 0.0;
        for (const sim::GasComponent& component : gas) {
            const double mass = MolarMassOf(component.id);
            if (component.id != u"toluene" && mass >= MolarMassOf(group.from) &&
                mass < MolarMassOf(group.below)) {
                sum += component.molarPercent;
            }
        }
        return sum;
    }
    if (rowId == u"c6plus") {
        const sim::ChromatographModel model;
        const double hexaneResponse = model.ResponseOf(u"n_hexane");
        double sum = 0.0;
        for (const sim::GasComponent& component : gas) {
            if (MolarMassOf(component.id) > MolarMassOf(u"n_pentane")) {
                sum += component.molarPercent * model.ResponseOf(component.id) / hexaneResponse;
            }
        }
        return sum;
    }
    return sim::FractionOf(gas, rowId);
}

} // namespace pipelinetest

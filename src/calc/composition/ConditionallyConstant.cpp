#include "calc/composition/ConditionallyConstant.h"

#include <algorithm>

void AddConstantComponents(const std::vector<MixtureComponent>& constants,
                           std::vector<ComponentResult>& table) {
    for (const MixtureComponent& constant : constants) {
        // Every row of the identifier goes: a chromatogram with two peaks of one name gives two rows, and
        // a measured value beside the given one would count the component twice.
        std::erase_if(table, [&constant](const ComponentResult& row) { return row.id == constant.name; });
        ComponentResult row;
        row.id = constant.name;
        row.fixed = true;
        row.molarFraction = constant.concentration;
        row.rawFraction = constant.concentration;
        row.uncertainty = constant.deviation;
        row.rawUncertainty = constant.deviation;
        table.push_back(std::move(row));
    }
}

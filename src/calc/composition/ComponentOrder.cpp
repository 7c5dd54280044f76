#include "calc/composition/ComponentOrder.h"

#include <algorithm>

#include "data/MolarMass.h"

void SortByMolarMass(std::vector<ComponentResult>& table) {
    std::stable_sort(table.begin(), table.end(),
                     [](const ComponentResult& left, const ComponentResult& right) {
                         return MolarMassOf(left.id) < MolarMassOf(right.id);
                     });
}

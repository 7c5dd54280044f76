#include "data/MixtureLookup.h"

namespace {
const MixtureComponent* FindComponent(const std::vector<MixtureComponent>& components,
                                      std::u16string_view componentId) {
    for (const auto& component : components) {
        if (component.name == componentId) {
            return &component;
        }
    }
    return nullptr;
}

std::u16string_view RepresentativeOf(std::u16string_view group) {
    if (group == u"c6" || group == u"c6plus") {
        return u"n_hexane";
    }
    if (group == u"c7") {
        return u"n_heptane";
    }
    if (group == u"c8") {
        return u"n_octane";
    }
    return {};
}
} // namespace

MixtureConcentration FindMixtureConcentration(const std::vector<MixtureComponent>& components,
                                              std::u16string_view componentId) {
    const MixtureComponent* component = FindComponent(components, componentId);
    if (component == nullptr) {
        const std::u16string_view representative = RepresentativeOf(componentId);
        if (!representative.empty()) {
            component = FindComponent(components, representative);
        }
    }
    MixtureConcentration result;
    if (component != nullptr) {
        result.found = true;
        result.concentration = component->concentration;
        result.decimals = component->qty_sym_conc;
    }
    return result;
}

bool MixtureHasComponent(const std::vector<MixtureComponent>& components, std::u16string_view componentId) {
    return FindComponent(components, componentId) != nullptr;
}

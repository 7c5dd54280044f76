#include "gost/gost6976/ComponentMapping.h"

#include <iterator>

namespace gost6976 {
namespace {

struct Representative {
    std::u16string_view component;
    std::u16string_view row;
};

// Group components are computed as the n-alkane of their lowest carbon number, the same substitution
// the plug-in's molar-mass table makes; the thiols heavier than methanethiol, which ISO 6976:2016 does
// not list, as methanethiol, the only thiol it does list (they occur as odorants at mg/m³ levels).
constexpr Representative kRepresentatives[] = {
    {u"c6", u"n_hexane"},
    {u"c6plus", u"n_hexane"},
    {u"c6plusstar", u"n_hexane"},
    {u"c7", u"n_heptane"},
    {u"c8", u"n_octane"},
    {u"c9plus", u"nonane"},
    {u"ethanethiol", u"methanethiol"},
    {u"1-propanethiol", u"methanethiol"},
    {u"2-propanethiol", u"methanethiol"},
    {u"1-butanethiol", u"methanethiol"},
    {u"2-butanethiol", u"methanethiol"},
    {u"2-methyl-2-propanethiol", u"methanethiol"},
    {u"2-methyl-1-propanethiol", u"methanethiol"},
};

// Whether a row's zero-terminated identifier equals the component; stops at the first differing
// character, which for most rows of the table is the first.
bool Names(const char16_t (&identifier)[64], std::u16string_view component) {
    if (component.size() >= std::size(identifier)) {
        return false;
    }
    for (size_t i = 0; i < component.size(); ++i) {
        if (identifier[i] != component[i]) {
            return false;
        }
    }
    return identifier[component.size()] == u'\0';
}

const PropertyConstantsRow* FindExactRow(const PropertyConstantsRow* table, int32_t rowCount,
                                         std::u16string_view component) {
    for (int32_t i = 0; i < rowCount; ++i) {
        if (Names(table[i].component, component)) {
            return &table[i];
        }
    }
    return nullptr;
}

} // namespace

std::u16string_view RepresentativeOf(std::u16string_view component) {
    for (const Representative& entry : kRepresentatives) {
        if (entry.component == component) {
            return entry.row;
        }
    }
    return component;
}

const PropertyConstantsRow* FindComponentRow(const PropertyConstantsRow* table, int32_t rowCount,
                                             std::u16string_view component) {
    if (component.empty()) {
        return nullptr;
    }
    if (const PropertyConstantsRow* row = FindExactRow(table, rowCount, component)) {
        return row;
    }
    const std::u16string_view representative = RepresentativeOf(component);
    if (representative == component) {
        return nullptr;
    }
    return FindExactRow(table, rowCount, representative);
}

std::u16string_view IdentifierOf(const char16_t (&buffer)[64]) {
    for (size_t length = 0; length < 64; ++length) {
        if (buffer[length] == u'\0') {
            return std::u16string_view(buffer, length);
        }
    }
    return {};
}

} // namespace gost6976

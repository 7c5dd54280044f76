#include "data/ComponentCatalogue.h"

#include <iterator>

namespace {
// Identifiers and names exactly as the host's users know them: "nonane" has no "n_" prefix, the thiols
// from "1-propanethiol" on are hyphenated, the "С" of С6..С8 is Cyrillic and the "o" of "o-ксилол" Latin.
constexpr CatalogueRow kCatalogue[] = {
    {u"methane", u"Метан"},
    {u"ethane", u"Этан"},
    {u"propane", u"Пропан"},
    {u"2_methylpropane", u"И-бутан"},
    {u"n_butane", u"н-Бутан"},
    {u"2_methylbutane", u"И-пентан"},
    {u"n_pentane", u"н-Пентан"},
    {u"2_2_dimethylpropane", u"Неопентан"},
    {u"n_hexane", u"н-Гексан"},
    {u"n_heptane", u"н-Гептан"},
    {u"n_octane", u"н-Октан"},
    {u"benzene", u"Бензол"},
    {u"toluene", u"Толуол"},
    {u"carbon_dioxide", u"Диоксид углерода"},
    {u"helium", u"Гелий"},
    {u"hydrogen", u"Водород"},
    {u"oxygen", u"Кислород"},
    {u"nitrogen", u"Азот"},
    {u"methanol", u"Метанол"},
    {u"c6", u"\u04216"},
    {u"c6plus", u"\u04216+"},
    {u"c6plusstar", u"\u04216+*"},
    {u"c7", u"\u04217"},
    {u"c8", u"\u04218"},
    {u"2_methylpentane", u"2-метилпентан"},
    {u"3_methylpentane", u"3-метилпентан"},
    {u"2_2_dimethylbutane", u"2,2-диметилбутан"},
    {u"2_3_dimethylbutane", u"2,3-диметилбутан"},
    {u"nonane", u"н-нонан"},
    {u"n_decane", u"н-декан"},
    {u"n_undecane", u"н-ундекан"},
    {u"n_dodecane", u"н-додекан"},
    {u"n_tridecane", u"н-тридекан"},
    {u"n_tetradecane", u"н-тетрадекан"},
    {u"n_pentadecane", u"н-пентадекан"},
    {u"ethene", u"этен"},
    {u"propene", u"пропен"},
    {u"1_butene", u"1-бутен"},
    {u"cis_2_butene", u"цис-2-бутен"},
    {u"trans_2_butene", u"транс-2-бутен"},
    {u"2_methylpropene", u"2-метилпропен"},
    {u"1_pentene", u"1-пентен"},
    {u"propadiene", u"пропадиен"},
    {u"1_2_butadiene", u"1,2-бутадиен"},
    {u"1_3_butadiene", u"1,3-бутадиен"},
    {u"ethyne", u"этин"},
    {u"cyclopentane", u"циклопентан"},
    {u"methylcyclopentane", u"метилциклопентан"},
    {u"ethylcyclopentane", u"этилциклопентан"},
    {u"cyclohexane", u"циклогексан"},
    {u"methylcyclohexane", u"метилциклогексан"},
    {u"ethylcyclohexane", u"этилциклогексан"},
    {u"ethylbenzene", u"этилбензол"},
    {u"o_xylene", u"o-ксилол"},
    {u"methanethiol", u"метантиол"},
    {u"water", u"вода"},
    {u"hydrogen_sulphide", u"сероводород"},
    {u"ammonia", u"аммиак"},
    {u"hydrogen_cyanide", u"цианистый водород"},
    {u"carbon_monoxide", u"моноксид углерода"},
    {u"carbonyl_sulfide", u"карбонилсульфид"},
    {u"carbon_disulfide", u"сероуглерод"},
    {u"neon", u"неон"},
    {u"argon", u"аргон"},
    {u"sulphur_dioxide", u"диоксид серы"},
    {u"air", u"воздух"},
    {u"ethanethiol", u"этантиол"},
    {u"1-propanethiol", u"1-пропантиол"},
    {u"2-propanethiol", u"2-пропантиол"},
    {u"1-butanethiol", u"1-бутантиол"},
    {u"2-butanethiol", u"2-бутантиол"},
    {u"2-methyl-2-propanethiol", u"2-метил-2-пропантиол"},
    {u"2-methyl-1-propanethiol", u"2-метил-1-пропантиол"},
};
static_assert(std::size(kCatalogue) == 73);
} // namespace

std::span<const CatalogueRow> ComponentCatalogue() {
    return kCatalogue;
}

AliasList DefaultAliasList() {
    AliasList list;
    list.reserve(std::size(kCatalogue));
    for (const auto& row : kCatalogue) {
        list.push_back({std::u16string(row.id), std::u16string(row.alias)});
    }
    return list;
}

#include "calc/checks/ReferenceMaterialTables.h"

#include "calc/ComponentMixtures.h"
#include "calc/rounding/UncertaintyRounding.h"

namespace {

// GOST 31371.7-2020, requirements on the reference materials for calibration: СО-ИПГ. Columns: range
// of the certified fraction (mol %) with the decimals to which c is rounded for the lower and for the
// upper bound, and a, b of the permitted expanded uncertainty a·c + b (mol %).
constexpr ReferenceMaterialRow kIpgRows[] = {
    {u"methane", {40, 99.97, 0, 2}, -0.0012, 0.15},
    {u"ethane", {0.001, 15, 4, 0}, 0.02, 8e-05},
    {u"propane", {0.001, 6, 4, 1}, 0.03, 8e-05},
    {u"2_methylpropane", {0.001, 4, 4, 1}, 0.03, 8e-05},
    {u"n_butane", {0.001, 4, 4, 1}, 0.03, 8e-05},
    {u"2_2_dimethylpropane", {0.001, 0.05, 4, 2}, 0.03, 8e-05},
    {u"2_methylbutane", {0.001, 2, 4, 1}, 0.03, 8e-05},
    {u"n_pentane", {0.001, 2, 4, 1}, 0.03, 8e-05},
    {u"c6plus", {0.001, 1.5, 4, 1}, 0.03, 8e-05},
    {u"n_hexane", {0.001, 1, 4, 1}, 0.03, 8e-05},
    {u"n_heptane", {0.001, 0.25, 4, 2}, 0.03, 8e-05},
    {u"n_octane", {0.001, 0.05, 4, 2}, 0.04, 8e-05},
    {u"c6", {0.001, 1, 4, 1}, 0.03, 8e-05},
    {u"c7", {0.001, 0.25, 4, 2}, 0.03, 8e-05},
    {u"c8", {0.001, 0.05, 4, 2}, 0.04, 8e-05},
    {u"benzene", {0.001, 0.05, 4, 2}, 0.04, 8e-05},
    {u"toluene", {0.001, 0.05, 4, 2}, 0.04, 8e-05},
    {u"carbon_dioxide", {0.005, 10, 3, 0}, 0.03, 0.0004},
    {u"helium", {0.001, 0.5, 4, 1}, 0.03, 8e-05},
    {u"hydrogen", {0.001, 0.5, 4, 1}, 0.03, 8e-05},
    {u"oxygen", {0.005, 2, 3, 1}, 0.03, 0.0004},
    {u"nitrogen", {0.005, 15, 3, 0}, 0.02, 0.0004},
    {u"methanol", {0.001, 0.05, 4, 2}, 0.04, 8e-05},
};

// GOST 31371.7-2020, requirements on the reference materials for calibration: СО-ПГМ (columns as
// above). Unlike СО-ИПГ it certifies С6+ a second time as С6+* (method Б), with a wider uncertainty.
constexpr ReferenceMaterialRow kPgmRows[] = {
    {u"methane", {40, 99.97, 0, 2}, -0.0093, 0.939},
    {u"ethane", {0.001, 15, 4, 0}, 0.02, 8e-05},
    {u"propane", {0.001, 6, 4, 0}, 0.03, 8e-05},
    {u"2_methylpropane", {0.001, 4, 4, 0}, 0.03, 8e-05},
    {u"n_butane", {0.001, 4, 4, 0}, 0.03, 8e-05},
    {u"2_2_dimethylpropane", {0.0005, 0.05, 4, 2}, 0.03, 8e-05},
    {u"2_methylbutane", {0.001, 2, 4, 1}, 0.03, 8e-05},
    {u"n_pentane", {0.001, 2, 4, 1}, 0.03, 8e-05},
    {u"c6plus", {0.005, 1.5, 3, 1}, 0.05, 0.0005},
    {u"c6plusstar", {0.005, 1.5, 3, 1}, 0.05, 0.0005},
    {u"n_hexane", {0.001, 1, 4, 1}, 0.03, 8e-05},
    {u"n_heptane", {0.001, 0.25, 4, 2}, 0.03, 8e-05},
    {u"n_octane", {0.001, 0.05, 4, 2}, 0.04, 8e-05},
    {u"c6", {0.001, 1, 4, 1}, 0.03, 8e-05},
    {u"c7", {0.001, 0.25, 4, 2}, 0.03, 8e-05},
    {u"c8", {0.001, 0.05, 4, 2}, 0.04, 8e-05},
    {u"benzene", {0.001, 0.05, 4, 2}, 0.04, 8e-05},
    {u"toluene", {0.001, 0.05, 4, 2}, 0.04, 8e-05},
    {u"carbon_dioxide", {0.005, 10, 3, 0}, 0.03, 0.0004},
    {u"helium", {0.001, 0.5, 4, 1}, 0.03, 8e-05},
    {u"hydrogen", {0.001, 0.5, 4, 1}, 0.03, 8e-05},
    {u"oxygen", {0.005, 2, 3, 1}, 0.03, 0.0004},
    {u"nitrogen", {0.005, 15, 3, 0}, 0.02, 0.0004},
    {u"methanol", {0.001, 0.05, 4, 2}, 0.04, 8e-05},
};

} // namespace

std::span<const ReferenceMaterialRow> ReferenceMaterialTable(int32_t mixtureType) {
    switch (mixtureType) {
    case static_cast<int32_t>(MixtureType::Ipg):
        return kIpgRows;
    case static_cast<int32_t>(MixtureType::Pgm):
        return kPgmRows;
    default:
        return {};
    }
}

const ReferenceMaterialRow* FindReferenceMaterialRow(int32_t mixtureType, std::u16string_view component) {
    for (const ReferenceMaterialRow& row : ReferenceMaterialTable(mixtureType)) {
        if (row.component == component) {
            return &row;
        }
    }
    return nullptr;
}

double PermittedUncertainty(const ReferenceMaterialRow& row, double certifiedMolPct) {
    return RoundUncertainty(row.a * certifiedMolPct + row.b).value;
}

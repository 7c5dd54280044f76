// Methane number of the analysed gas by GOST 34704-2020 through the Tarvel3470420 library, with the
// intermediate quantities the methane-number page shows: volume fractions, the simplified mixture of
// methane, ethane, propane and butane equivalents, the three partial mixtures and the gas-motor-fuel
// mixture of the simplified mixture, carbon dioxide and nitrogen.
#include "calc/methane/MethaneNumberStage.h"

#include <vector>

#include "calc/Stages.h"
#include "calc/Status.h"
#include "calc/methane/MethaneInput.h"
#include "data/ZeroTolerance.h"

namespace {

// Positions in the library's simplified mixture (propane, ethane, butane equivalents, methane) of the
// page's rows methane, ethane, propane, butane.
constexpr int kSimplifiedRowSource[4] = {3, 1, 0, 2};

void ClearResults(CalcContext& context) {
    context.methaneNumber = NoMethaneNumber();
    context.methaneNumberLists = MethaneNumberLists{};
}

// The initial methane numbers of the three used partial mixtures, numbered past the one left out.
void KeepInitialMethaneNumbers(const double (&methaneNumbers)[3], int leftOut, MethaneNumberLists& lists) {
    for (int i = 0; i < 3; ++i) {
        lists.initialMethaneNumbers.push_back({methaneNumbers[i], i >= leftOut ? i + 1 : i});
    }
}

// Rows methane, ethane, propane, butane: each keeps its volume % and then its share of their sum.
// Returns that sum, the amount of the simplified mixture in the gas motor fuel.
double KeepSimplifiedMixture(const double (&simple)[4], const Gost34704Binding& library,
                             MethaneNumberLists& lists) {
    double values[4];
    for (int row = 0; row < 4; ++row) {
        values[row] = simple[kSimplifiedRowSource[row]];
        lists.simplifiedMixture.push_back({0.0, values[row]});
    }
    const double sum = library.Normalize(values, 4);
    for (int row = 0; row < 4; ++row) {
        lists.simplifiedMixture[row].normalised = values[row];
    }
    return sum;
}

// Rows simplified mixture, carbon dioxide, nitrogen. Nitrogen has no share: the correction for inert gases
// of GOST 34704-2020 is taken on a nitrogen-free basis.
void KeepMotorFuelMixture(double simplifiedSum, const std::vector<Fraction_t>& volume,
                          const Gost34704Binding& library, MethaneNumberLists& lists) {
    const auto count = static_cast<unsigned int>(volume.size());
    const double carbonDioxide = library.GetFraction(volume.data(), count, u"carbon_dioxide");
    const double nitrogen = library.GetFraction(volume.data(), count, u"nitrogen");
    const double total = simplifiedSum + carbonDioxide;
    // A gas of neither hydrocarbons nor carbon dioxide has no shares to give.
    const bool hasTotal = total > kZeroTolerance;
    lists.motorFuelMixture.push_back({hasTotal ? simplifiedSum * 100.0 / total : 0.0, simplifiedSum});
    lists.motorFuelMixture.push_back({hasTotal ? carbonDioxide * 100.0 / total : 0.0, carbonDioxide});
    lists.motorFuelMixture.push_back({0.0, nitrogen});
}

} // namespace

int32_t RunMethaneNumberWith(CalcContext& context, const Gost34704Binding& library) {
    ClearResults(context);
    if (!library.loaded) {
        return Status::Ok;
    }
    MethaneNumberLists& lists = context.methaneNumberLists;

    const std::vector<ComponentResult> rows = LumpHeavyHydrocarbons(context.components);
    const std::vector<Fraction_t> molar = MakeMolarFractions(rows);
    const auto count = static_cast<unsigned int>(molar.size());

    library.Calc3470420(molar.data(), count, &context.methaneNumber, false);

    std::vector<Fraction_t> volume(molar.size());
    library.VolumeFraction(molar.data(), volume.data(), count);
    for (size_t i = 0; i < rows.size(); ++i) {
        lists.componentFractions.push_back({volume[i].fraction, molar[i].fraction, rows[i].id});
    }

    double simple[4] = {0.0, 0.0, 0.0, 0.0};
    library.SimpleMix(volume.data(), count, simple);
    const int leftOut = library.ChooseMix(simple);
    double mixes[3][4] = {};
    library.ThreeMix(simple, leftOut, mixes);
    double methaneNumbers[3] = {0.0, 0.0, 0.0};
    library.CalcMN(methaneNumbers, mixes, leftOut);
    KeepInitialMethaneNumbers(methaneNumbers, leftOut, lists);

    const double simplifiedSum = KeepSimplifiedMixture(simple, library, lists);
    KeepMotorFuelMixture(simplifiedSum, volume, library, lists);
    return Status::Ok;
}

int32_t RunMethaneNumber(CalcContext& context) {
    return RunMethaneNumberWith(context, Gost34704());
}

// The methane-number stage around a stand-in of the library: the order and arguments of the calls, the
// cleared outputs, the numbering of the initial partial mixtures, the reordering of the simplified mixture
// and the gas-motor-fuel rows.
#include "calc/methane/MethaneNumberStage.h"

#include <gtest/gtest.h>

#include <cmath>

#include <string>
#include <vector>

#include "calc/Status.h"

namespace {

// What the stand-in saw and what it answers.
struct Recording {
    std::vector<std::string> calls;
    std::vector<Fraction_t> molar;
    const MetanNumber_t* result = nullptr;
    bool reserved = true;
    std::vector<Fraction_t> simpleMixInput;
    int choice = 0;                           // what ChooseMix answers
    double simple[4] = {1.5, 2.5, 0.5, 90.0}; // propane, ethane, butane equivalents, methane, volume %
    std::vector<double> normalizeInput;
    std::vector<std::u16string> fractionRequests;
    bool simpleClearedOnEntry = false;
    bool mixesClearedOnEntry = false;
    bool numbersClearedOnEntry = false;
    int threeMixChoice = -9;
    int calcMnChoice = -9;
    bool calcMnSawThreeMixOutput = false;
};
Recording recording;

bool AllZero(const double* values, int count) {
    for (int i = 0; i < count; ++i) {
        if (values[i] != 0.0) {
            return false;
        }
    }
    return true;
}

int StandInCalc(const Fraction_t* molar, unsigned int count, MetanNumber_t* result, bool reserved) {
    recording.calls.push_back("Calc3470420");
    recording.molar.assign(molar, molar + count);
    recording.result = result;
    recording.reserved = reserved;
    result->first = 77.5;
    result->second = 79.25;
    return 0;
}

// Volume fractions: twice the molar ones, so that the lists show which array they came from.
void StandInVolume(const Fraction_t* molar, Fraction_t* volume, unsigned int count) {
    recording.calls.push_back("VolumeFraction");
    for (unsigned int i = 0; i < count; ++i) {
        volume[i] = molar[i];
        volume[i].fraction = 2.0 * molar[i].fraction;
    }
}

void StandInSimpleMix(const Fraction_t* volume, unsigned int count, double* simple4) {
    recording.calls.push_back("SimpleMix");
    recording.simpleMixInput.assign(volume, volume + count);
    recording.simpleClearedOnEntry = AllZero(simple4, 4);
    for (int i = 0; i < 4; ++i) {
        simple4[i] = recording.simple[i];
    }
}

int StandInChooseMix(const double* simple4) {
    recording.calls.push_back("ChooseMix");
    EXPECT_EQ(simple4[3], recording.simple[3]);
    return recording.choice;
}

void StandInThreeMix(const double* simple4, int choice, double (&mixes)[3][4]) {
    recording.calls.push_back("ThreeMix");
    EXPECT_EQ(simple4[0], recording.simple[0]);
    recording.threeMixChoice = choice;
    recording.mixesClearedOnEntry = AllZero(&mixes[0][0], 12);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 4; ++column) {
            mixes[row][column] = 10.0 * row + column;
        }
    }
}

void StandInCalcMN(double (&numbers)[3], double (&mixes)[3][4], int choice) {
    recording.calls.push_back("CalcMN");
    recording.numbersClearedOnEntry = AllZero(numbers, 3);
    recording.calcMnChoice = choice;
    recording.calcMnSawThreeMixOutput = mixes[2][3] == 23.0 && mixes[1][0] == 10.0;
    numbers[0] = 61.0;
    numbers[1] = 62.0;
    numbers[2] = 63.0;
}

double StandInNormalize(double* values, unsigned int count) {
    recording.calls.push_back("Normalize");
    recording.normalizeInput.assign(values, values + count);
    double sum = 0.0;
    for (unsigned int i = 0; i < count; ++i) {
        sum += values[i];
    }
    for (unsigned int i = 0; i < count; ++i) {
        values[i] = values[i] * 100.0 / sum;
    }
    return sum;
}

double StandInGetFraction(const Fraction_t* fractions, unsigned int count, const char16_t* component) {
    recording.calls.push_back("GetFraction");
    recording.fractionRequests.emplace_back(component);
    double sum = 0.0;
    for (unsigned int i = 0; i < count; ++i) {
        if (std::u16string(fractions[i].component) == component) {
            sum += fractions[i].fraction;
        }
    }
    return sum;
}

Gost34704Binding StandIn() {
    Gost34704Binding binding;
    binding.loaded = true;
    binding.Calc3470420 = StandInCalc;
    binding.VolumeFraction = StandInVolume;
    binding.SimpleMix = StandInSimpleMix;
    binding.ChooseMix = StandInChooseMix;
    binding.ThreeMix = StandInThreeMix;
    binding.CalcMN = StandInCalcMN;
    binding.Normalize = StandInNormalize;
    binding.GetFraction = StandInGetFraction;
    return binding;
}

ComponentResult Row(std::u16string id, double molarFraction) {
    ComponentResult row;
    row.id = std::move(id);
    row.molarFraction = molarFraction;
    return row;
}

class MethaneNumberStage : public ::testing::Test {
protected:
    void SetUp() override {
        recording = Recording{};
        context.components = {Row(u"methane", 95.0), Row(u"n_hexane", 0.02), Row(u"carbon_dioxide", 0.5),
                              Row(u"nitrogen", 1.5), Row(u"ethane", 2.98)};
        // The second component table is not the methane number's input.
        context.components2 = {Row(u"propane", 100.0)};
    }
    CalcContext context;
};

} // namespace

TEST_F(MethaneNumberStage, CallsTheLibraryInTheOrderOfTheMethod) {
    EXPECT_EQ(RunMethaneNumberWith(context, StandIn()), Status::Ok);

    EXPECT_EQ(recording.calls,
              (std::vector<std::string>{"Calc3470420", "VolumeFraction", "SimpleMix", "ChooseMix", "ThreeMix",
                                        "CalcMN", "Normalize", "GetFraction", "GetFraction"}));
    EXPECT_EQ(recording.fractionRequests, (std::vector<std::u16string>{u"carbon_dioxide", u"nitrogen"}));
    EXPECT_EQ(recording.result, &context.methaneNumber);
    EXPECT_FALSE(recording.reserved);
    EXPECT_EQ(context.methaneNumber.first, 77.5);
    EXPECT_EQ(context.methaneNumber.second, 79.25);
    EXPECT_TRUE(recording.simpleClearedOnEntry);
    EXPECT_TRUE(recording.mixesClearedOnEntry);
    EXPECT_TRUE(recording.numbersClearedOnEntry);
    EXPECT_TRUE(recording.calcMnSawThreeMixOutput);
    EXPECT_EQ(recording.threeMixChoice, 0);
    EXPECT_EQ(recording.calcMnChoice, 0);
}

TEST_F(MethaneNumberStage, TheInputIsTheComponentTableWithC6PlusAppended) {
    RunMethaneNumberWith(context, StandIn());

    const std::u16string ids[] = {u"methane", u"carbon_dioxide", u"nitrogen", u"ethane", u"c6plus"};
    const double molar[] = {95.0, 0.5, 1.5, 2.98, 0.02};
    ASSERT_EQ(recording.molar.size(), 5u);
    ASSERT_EQ(recording.simpleMixInput.size(), 5u);
    const auto& fractions = context.methaneNumberLists.componentFractions;
    ASSERT_EQ(fractions.size(), 5u);
    for (size_t i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(std::u16string(recording.molar[i].component), ids[i]);
        EXPECT_EQ(recording.molar[i].fraction, molar[i]);
        // SimpleMix reads the volume fractions.
        EXPECT_EQ(recording.simpleMixInput[i].fraction, 2.0 * molar[i]);
        EXPECT_EQ(fractions[i].component, ids[i]);
        EXPECT_EQ(fractions[i].molarFraction, molar[i]);
        EXPECT_EQ(fractions[i].volumeFraction, 2.0 * molar[i]);
    }
}

TEST_F(MethaneNumberStage, InitialPartialMixturesAreNumberedPastTheOneLeftOut) {
    struct Case {
        int choice;
        int32_t numbers[3];
    };
    const Case cases[] = {
        {0, {1, 2, 3}},
        {1, {0, 2, 3}},
        {2, {0, 1, 3}},
        {3, {0, 1, 2}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.choice);
        recording = Recording{};
        recording.choice = c.choice;
        RunMethaneNumberWith(context, StandIn());

        EXPECT_EQ(recording.threeMixChoice, c.choice);
        EXPECT_EQ(recording.calcMnChoice, c.choice);
        const auto& initial = context.methaneNumberLists.initialMethaneNumbers;
        ASSERT_EQ(initial.size(), 3u);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(initial[i].methaneNumber, 61.0 + i);
            EXPECT_EQ(initial[i].mixtureNumber, c.numbers[i]);
        }
    }
}

TEST_F(MethaneNumberStage, TheSimplifiedMixtureIsShownAsMethaneEthanePropaneButane) {
    RunMethaneNumberWith(context, StandIn());

    // Library order propane, ethane, butane equivalents, methane = {1.5, 2.5, 0.5, 90}.
    EXPECT_EQ(recording.normalizeInput, (std::vector<double>{90.0, 2.5, 1.5, 0.5}));
    const auto& rows = context.methaneNumberLists.simplifiedMixture;
    ASSERT_EQ(rows.size(), 4u);
    const double raw[] = {90.0, 2.5, 1.5, 0.5};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(rows[i].raw, raw[i]) << i;
        EXPECT_DOUBLE_EQ(rows[i].normalised, raw[i] * 100.0 / 94.5) << i;
    }
}

TEST_F(MethaneNumberStage, TheMotorFuelRowsUseTheSumOfTheSimplifiedMixture) {
    RunMethaneNumberWith(context, StandIn());

    // S = 94.5 from Normalize; carbon dioxide 1.0 and nitrogen 3.0 volume % from the stand-in's doubling.
    const auto& rows = context.methaneNumberLists.motorFuelMixture;
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_DOUBLE_EQ(rows[0].share, 94.5 * 100.0 / 95.5);
    EXPECT_EQ(rows[0].value, 94.5);
    EXPECT_DOUBLE_EQ(rows[1].share, 1.0 * 100.0 / 95.5);
    EXPECT_EQ(rows[1].value, 1.0);
    EXPECT_EQ(rows[2].share, 0.0);
    EXPECT_EQ(rows[2].value, 3.0);
}

TEST_F(MethaneNumberStage, WithoutCarbonDioxideTheSimplifiedMixtureHasTheWholeShare) {
    context.components = {Row(u"methane", 97.0), Row(u"ethane", 2.0), Row(u"nitrogen", 1.0)};
    RunMethaneNumberWith(context, StandIn());

    const auto& rows = context.methaneNumberLists.motorFuelMixture;
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].share, 100.0);
    EXPECT_EQ(rows[0].value, 94.5);
    EXPECT_EQ(rows[1].share, 0.0);
    EXPECT_EQ(rows[1].value, 0.0);
    EXPECT_EQ(rows[2].share, 0.0);
    EXPECT_EQ(rows[2].value, 2.0);
}

TEST_F(MethaneNumberStage, AGasWithNeitherHydrocarbonsNorCarbonDioxideHasNoShares) {
    context.components = {Row(u"nitrogen", 100.0)};
    recording.simple[0] = recording.simple[1] = recording.simple[2] = recording.simple[3] = 0.0;
    RunMethaneNumberWith(context, StandIn());

    const auto& rows = context.methaneNumberLists.motorFuelMixture;
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].share, 0.0);
    EXPECT_EQ(rows[1].share, 0.0);
    EXPECT_EQ(rows[2].value, 200.0);
}

TEST_F(MethaneNumberStage, ARepeatedRunReplacesTheListsInsteadOfExtendingThem) {
    RunMethaneNumberWith(context, StandIn());
    RunMethaneNumberWith(context, StandIn());

    const MethaneNumberLists& lists = context.methaneNumberLists;
    EXPECT_EQ(lists.componentFractions.size(), 5u);
    EXPECT_EQ(lists.simplifiedMixture.size(), 4u);
    EXPECT_EQ(lists.motorFuelMixture.size(), 3u);
    EXPECT_EQ(lists.initialMethaneNumbers.size(), 3u);
}

TEST_F(MethaneNumberStage, WithoutTheLibraryTheResultsStayEmpty) {
    RunMethaneNumberWith(context, StandIn());
    const Gost34704Binding missing;

    EXPECT_EQ(RunMethaneNumberWith(context, missing), Status::Ok);

    EXPECT_TRUE(std::isnan(context.methaneNumber.first)) << "no methane number";
    EXPECT_TRUE(std::isnan(context.methaneNumber.second)) << "no methane number";
    EXPECT_TRUE(context.methaneNumberLists.componentFractions.empty());
    EXPECT_TRUE(context.methaneNumberLists.simplifiedMixture.empty());
    EXPECT_TRUE(context.methaneNumberLists.motorFuelMixture.empty());
    EXPECT_TRUE(context.methaneNumberLists.initialMethaneNumbers.empty());
    EXPECT_TRUE(context.journal.entries.empty());
}

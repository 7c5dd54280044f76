// GOST 34704-2020 library: the methane number and its steps for any composition, under the
// floating-point traps of a host. No call traps or leaves the traps changed; a status that is not
// negative comes with finite methane numbers.
#include <cmath>
#include <cstdint>
#include <vector>

#include "FuzzSupport.h"
#include "gost/gost34704/include/Tarvel3470420.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    std::vector<Fraction_t> fractions(data.ConsumeIntegralInRange<size_t>(0, 14));
    for (Fraction_t& fraction : fractions) {
        fuzz::TakeIdentifier(data, fraction.component);
        fraction.fraction =
            data.ConsumeBool() ? 100.0 * data.ConsumeProbability<double>() : fuzz::TakeDouble(data);
    }
    double simple4[4];
    for (double& value : simple4) {
        value = fuzz::TakeDouble(data);
    }
    const int choice = data.ConsumeIntegralInRange<int>(-1, 4);
    const auto count = static_cast<unsigned int>(fractions.size());

    fuzz::HostTraps traps;
    MetanNumber_t result{};
    const int status = Calc3470420(fractions.data(), count, &result, false);
    std::vector<Fraction_t> volume(fractions.size());
    VolumeFraction(fractions.data(), volume.data(), count);
    double mixed[4];
    SimpleMix(volume.data(), count, mixed);
    (void)ChooseMix(simple4);
    double mixes[3][4];
    ThreeMix(simple4, choice, mixes);
    double numbers[3];
    CalcMN(numbers, mixes, choice);
    fuzz::HostTraps::RequireRestored();

    if (status >= 0) {
        fuzz::Require(std::isfinite(result.first) && std::isfinite(result.second),
                      "Calc3470420 succeeded with a methane number that is not finite");
    }
    return 0;
}

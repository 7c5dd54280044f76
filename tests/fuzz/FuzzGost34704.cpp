// The entry points of Tarvel3470420 on arbitrary gases, with the traps unmasked: no call traps or changes
// the caller's traps, and no result is infinite (a value that cannot be computed is NaN, as the
// interface promises); a negative status comes with two NaN methane numbers.
#include <algorithm>
#include <iterator>
#include <vector>

#include "FuzzSupport.h"
#include "gost/gost34704/include/Tarvel3470420.h"

using fuzzsupport::AnyDouble;
using fuzzsupport::Require;

namespace {

void RequireNotInfinite(double value, const char* what) {
    Require(!std::isinf(value), what);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size) {
    FuzzedDataProvider data(bytes, size);
    std::vector<Fraction_t> gas(data.ConsumeIntegralInRange<size_t>(1, 16));
    for (Fraction_t& row : gas) {
        fuzzsupport::FillIdentifier(data, row.component);
        row.fraction =
            data.ConsumeBool() ? data.ConsumeFloatingPointInRange<double>(0.0, 100.0) : AnyDouble(data);
    }
    const auto count = static_cast<unsigned int>(gas.size());

    const fuzzsupport::Traps traps;
    MetanNumber_t result{};
    if (Calc3470420(gas.data(), count, &result, false) < 0) {
        Require(std::isnan(result.first) && std::isnan(result.second), "Calc3470420: NaN on failure");
    }
    RequireNotInfinite(result.first, "Calc3470420 first");
    RequireNotInfinite(result.second, "Calc3470420 second");

    std::vector<Fraction_t> volume(gas.size());
    VolumeFraction(gas.data(), volume.data(), count);
    for (const Fraction_t& row : volume) {
        RequireNotInfinite(row.fraction, "VolumeFraction");
    }
    double simple[4] = {};
    SimpleMix(volume.data(), count, simple);
    for (double& value : simple) {
        RequireNotInfinite(value, "SimpleMix");
        if (data.ConsumeBool()) {
            value = AnyDouble(data);
        }
    }
    const int choice = data.ConsumeBool() ? ChooseMix(simple) : data.ConsumeIntegralInRange<int>(-2, 5);
    double mixes[3][4] = {};
    ThreeMix(simple, choice, mixes);
    for (const auto& row : mixes) {
        for (const double value : row) {
            RequireNotInfinite(value, "ThreeMix");
        }
    }
    double numbers[3] = {};
    CalcMN(numbers, mixes, choice);
    for (int i = 0; i < 3; ++i) {
        RequireNotInfinite(numbers[i], "CalcMN");
        for (int j = 0; j < 4; ++j) {
            RequireNotInfinite(mixes[i][j], "CalcMN");
        }
    }
    const bool finiteBefore =
        std::all_of(std::begin(simple), std::end(simple), [](double value) { return std::isfinite(value); });
    RequireNotInfinite(Normalize(simple, 4), "Normalize");
    for (const double value : simple) {
        Require(!finiteBefore || std::isfinite(value), "Normalize: finite values stay finite");
    }
    char16_t component[64];
    fuzzsupport::FillIdentifier(data, component);
    component[63] = 0;
    RequireNotInfinite(GetFraction(volume.data(), count, component), "GetFraction");
    return 0;
}

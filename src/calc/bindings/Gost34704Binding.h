// The plug-in's binding to the Tarvel3470420 library (GOST 34704-2020, methane number). The library is
// loaded explicitly from the plug-in's own folder on first use: both it and Tarvel31371720 export a
// function named Normalize, which one ELF process cannot import by name from both. The function types
// are spelled out here rather than taken from the library's header, whose Normalize declaration would
// clash with Tarvel31371720's in a translation unit that includes both bindings.
#pragma once

#include "gost/gost34704/include/Tarvel3470420Types.h"

#include <string_view>

// The library's file name without the platform's extension.
inline constexpr std::u16string_view kGost34704Library = u"Tarvel3470420";

struct Gost34704Binding {
    using Calc3470420Function = int (*)(const Fraction_t* molarFractions, unsigned int count,
                                        MetanNumber_t* result, bool reserved);
    using VolumeFractionFunction = void (*)(const Fraction_t* molarFractions, Fraction_t* volumeFractions,
                                            unsigned int count);
    using SimpleMixFunction = void (*)(const Fraction_t* volumeFractions, unsigned int count,
                                       double* simple4);
    using ChooseMixFunction = int (*)(const double* simple4);
    using ThreeMixFunction = void (*)(const double* simple4, int choice, double (&mixes)[3][4]);
    using CalcMNFunction = void (*)(double (&methaneNumbers)[3], double (&mixes)[3][4], int choice);
    using NormalizeFunction = double (*)(double* values, unsigned int count);
    using GetFractionFunction = double (*)(const Fraction_t* fractions, unsigned int count,
                                           const char16_t* component);

    bool loaded = false; // every entry below was found
    Calc3470420Function Calc3470420 = nullptr;
    VolumeFractionFunction VolumeFraction = nullptr;
    SimpleMixFunction SimpleMix = nullptr;
    ChooseMixFunction ChooseMix = nullptr;
    ThreeMixFunction ThreeMix = nullptr;
    CalcMNFunction CalcMN = nullptr;
    NormalizeFunction Normalize = nullptr;
    GetFractionFunction GetFraction = nullptr;
};

// The binding, loaded on the first call from the folder of the plug-in (or program) module.
// When the library or one of its entries is missing, loaded is false and the missing entries are null.
const Gost34704Binding& Gost34704();

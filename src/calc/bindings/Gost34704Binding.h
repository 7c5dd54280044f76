// The plug-in's binding to the Tarvel3470420 library (GOST 34704-2020, methane number). The library is
// loaded explicitly from the plug-in's own folder on first use: both it and Tarvel31371720 export a
// function named Normalize, which one ELF process cannot import by name from both. The function types
// are those of the library's header. Its Normalize would clash with Tarvel31371720's in a translation
// unit that includes both bindings, so the header is read with that one name hidden, and the type of
// Normalize is written here and checked against the header in Gost34704Binding.cpp.
#pragma once

#include <string_view>

#define Normalize Tarvel3470420HiddenNormalize
#include "gost/gost34704/include/Tarvel3470420.h"
#undef Normalize

// The library's file name without the platform's extension.
inline constexpr std::u16string_view kGost34704Library = u"Tarvel3470420";

struct Gost34704Binding {
    using NormalizeFunction = double (*)(double* values, unsigned int count);

    bool loaded = false; // every entry below was found
    decltype(&::Calc3470420) Calc3470420 = nullptr;
    decltype(&::VolumeFraction) VolumeFraction = nullptr;
    decltype(&::SimpleMix) SimpleMix = nullptr;
    decltype(&::ChooseMix) ChooseMix = nullptr;
    decltype(&::ThreeMix) ThreeMix = nullptr;
    decltype(&::CalcMN) CalcMN = nullptr;
    NormalizeFunction Normalize = nullptr;
    decltype(&::GetFraction) GetFraction = nullptr;
};

// The binding, loaded on the first call from the folder of the plug-in (or program) module.
// When the library or one of its entries is missing, loaded is false and the missing entries are null.
const Gost34704Binding& Gost34704();

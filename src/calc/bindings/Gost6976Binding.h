// The plug-in's binding to the Tarvel3136921 library (GOST 31369-2021 = ISO 6976:2016, physical
// properties of natural gas). Like the other calculation libraries it is loaded explicitly from the
// plug-in's own folder on first use, so that all three bind the same way.
#pragma once

#include "gost/gost6976/include/Tarvel3136921.h"

#include <string_view>

// The library's file name without the platform's extension.
inline constexpr std::u16string_view kGost6976Library = u"Tarvel3136921";

struct Gost6976Binding {
    bool loaded = false; // every entry below was found
    decltype(&::GetDefaultConstTable3136921) GetDefaultConstTable3136921 = nullptr;
    decltype(&::Calc3136921) Calc3136921 = nullptr;
    decltype(&::Calc3136921U) Calc3136921U = nullptr;
};

// The binding, loaded on the first call from the folder of the plug-in (or program) module.
// When the library or one of its entries is missing, loaded is false and the missing entries are null.
const Gost6976Binding& Gost6976();

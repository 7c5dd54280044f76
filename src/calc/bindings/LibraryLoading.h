// What the three library bindings share: opening a calculation library from the plug-in's own folder,
// and looking its entries up by name.
#pragma once

#include <cstring>
#include <string_view>

#include "platform/Platform.h"

// The library <name><platform extension> beside the plug-in (or program) module; not loaded when the
// file is missing or cannot be loaded.
platform::DynamicLibrary OpenCalculationLibrary(std::u16string_view name);

// Copies a symbol's address into a function pointer (the object-to-function pointer conversion is only
// conditionally supported, a byte copy is always defined). A missing symbol clears allFound.
template <typename Function>
void ResolveEntry(const platform::DynamicLibrary& library, const char* name, Function& entry,
                  bool& allFound) {
    void* symbol = library.Symbol(name);
    static_assert(sizeof(entry) == sizeof(symbol), "function and data pointers differ in size");
    if (symbol == nullptr) {
        entry = nullptr;
        allFound = false;
        return;
    }
    std::memcpy(&entry, &symbol, sizeof entry);
}

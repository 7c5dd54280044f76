// How a calculation library is bound, the same for all three. The library is opened from the folder of
// the plug-in (or program) module on the first call of its binding and its entries are looked up once.
// It then stays loaded until the process ends: nothing unloads it, neither a static destructor at exit
// nor the plug-in's detach (on Windows, freeing a library while the loader detaches the plug-in is not
// safe), so no function or table of it can disappear under a caller.
#pragma once

#include <cstring>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>

#include "platform/Platform.h"

// Raised where a calculation needs a library that is missing or lacks an entry. It is no database
// failure: the host's database may be perfectly readable.
class CalculationLibraryMissing : public std::runtime_error {
public:
    explicit CalculationLibraryMissing(std::u16string_view libraryName);
};

// Looks the entries of one opened library up by name.
class EntryResolver {
public:
    explicit EntryResolver(const platform::DynamicLibrary& library) : library_(library) {}

    // Copies a symbol's address into a function pointer (the object-to-function pointer conversion is
    // only conditionally supported, a byte copy is always defined). A missing symbol leaves entry null.
    template <typename Function>
    void operator()(const char* name, Function& entry) {
        void* symbol = library_.Symbol(name);
        static_assert(sizeof(entry) == sizeof(symbol), "function and data pointers differ in size");
        if (symbol == nullptr) {
            entry = nullptr;
            allFound_ = false;
            return;
        }
        std::memcpy(&entry, &symbol, sizeof entry);
    }
    bool AllFound() const { return allFound_; }

private:
    const platform::DynamicLibrary& library_;
    bool allFound_ = true;
};

// The library <name><platform extension> beside the plug-in (or program) module; not loaded when the
// file is missing or cannot be loaded.
platform::DynamicLibrary OpenCalculationLibrary(std::u16string_view name);

template <typename Binding>
struct BoundLibrary {
    platform::DynamicLibrary library;
    Binding binding;
};

// The binding of library name, made on the first call: resolveAll looks up every entry, and
// binding.loaded tells whether the library was found with all of them. A Binding holds plain function
// pointers only, so the static below is never torn down, and its library is never freed.
template <typename Binding>
const Binding& BindOnce(std::u16string_view name, void (*resolveAll)(EntryResolver&, Binding&)) {
    static_assert(std::is_trivially_destructible_v<Binding>, "a binding holds plain function pointers");
    static const BoundLibrary<Binding>* const bound = [name, resolveAll] {
        auto* made = new BoundLibrary<Binding>;
        made->library = OpenCalculationLibrary(name);
        if (made->library.IsLoaded()) {
            EntryResolver resolver(made->library);
            resolveAll(resolver, made->binding);
            made->binding.loaded = resolver.AllFound();
        }
        return made;
    }();
    return bound->binding;
}

// The entry, or CalculationLibraryMissing naming the library when the entry is null.
template <typename Function>
Function RequireEntry(Function entry, std::u16string_view libraryName) {
    if (entry == nullptr) {
        throw CalculationLibraryMissing(libraryName);
    }
    return entry;
}

#include "calc/bindings/LibraryLoading.h"

#include <string>

#include "text/Utf.h"

CalculationLibraryMissing::CalculationLibraryMissing(std::u16string_view libraryName)
    : std::runtime_error("the calculation library " + Utf16ToUtf8(libraryName) +
                         " is missing or incomplete") {}

platform::DynamicLibrary OpenCalculationLibrary(std::u16string_view name) {
    std::u16string path = platform::DirectoryOf(platform::ModulePath());
    path += name;
    path += platform::SharedLibraryExtension();
    return platform::DynamicLibrary(path);
}

#include "calc/bindings/LibraryLoading.h"

#include <string>

platform::DynamicLibrary OpenCalculationLibrary(std::u16string_view name) {
    std::u16string path = platform::DirectoryOf(platform::ModulePath());
    path += name;
    path += platform::SharedLibraryExtension();
    return platform::DynamicLibrary(path);
}

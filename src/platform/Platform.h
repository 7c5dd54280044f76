// The few operating-system services the portable core needs. One declaration here, an implementation
// in posix/ and one in win32/; no other file of the core tests for the platform.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// Full path of the module (the plug-in library, or the program) that holds this code.
std::u16string ModulePath();

// Folder part of a path, with its trailing separator; empty when the path has none.
std::u16string DirectoryOf(std::u16string_view path);

// The user locale's three-letter abbreviated language name ("RUS", "ENU"); empty when unknown.
std::u16string LocaleLanguageAbbreviation();

// The user's temporary folder, ending with a separator.
std::u16string TempDirectory();

// Loads a shared library by path; the handle is null when it cannot be loaded.
class DynamicLibrary {
public:
    DynamicLibrary() = default;
    explicit DynamicLibrary(std::u16string_view path);
    ~DynamicLibrary();
    DynamicLibrary(const DynamicLibrary&) = delete;
    DynamicLibrary& operator=(const DynamicLibrary&) = delete;
    DynamicLibrary(DynamicLibrary&& other) noexcept;
    DynamicLibrary& operator=(DynamicLibrary&& other) noexcept;

    bool IsLoaded() const { return handle_ != nullptr; }
    void* Symbol(const char* name) const;
    void Reset();

private:
    void* handle_ = nullptr;
};

// File name extension of shared libraries on this platform (".dll" or ".so").
std::u16string_view SharedLibraryExtension();

using Sha1Digest = std::array<uint8_t, 20>;
// SHA-1 of a whole file; false when the file cannot be read.
bool Sha1OfFile(std::u16string_view path, Sha1Digest& digest);
Sha1Digest Sha1OfBytes(const void* data, size_t size);

} // namespace platform

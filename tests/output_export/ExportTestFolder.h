// A fresh folder under the system's temporary folder for one test, removed with everything in it at
// the end of the test.
#pragma once

#include <filesystem>
#include <string>

class ExportTestFolder {
public:
    ExportTestFolder();
    ~ExportTestFolder();
    ExportTestFolder(const ExportTestFolder&) = delete;
    ExportTestFolder& operator=(const ExportTestFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    // The folder with a trailing separator, as the platform's temporary folder is given.
    std::u16string Text() const;

private:
    std::filesystem::path path_;
};

// The whole content of a file; empty when it cannot be read.
std::string ReadFileBytes(const std::filesystem::path& path);

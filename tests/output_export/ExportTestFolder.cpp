#include "ExportTestFolder.h"

#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "support/TempNames.h"
#include "text/Utf.h"

ExportTestFolder::ExportTestFolder() {
    for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
        const std::filesystem::path candidate(Utf8ToUtf16(testsupport::UniqueTempPath("export", "")));
        if (std::filesystem::create_directory(candidate)) {
            path_ = candidate;
        }
    }
    EXPECT_FALSE(path_.empty());
}

ExportTestFolder::~ExportTestFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::u16string ExportTestFolder::Text() const {
    std::u16string text = path_.u16string();
    text.push_back(static_cast<char16_t>(std::filesystem::path::preferred_separator));
    return text;
}

std::string ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

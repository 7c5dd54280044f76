// Where the report template is looked for, and the file-system questions that lookup asks.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The folder the user configured for report templates, or empty when none is configured: the
// registry value "TemplatePath" of the current user's key "Software\Quenta\Orlisk4" (only read, at
// its full length) on Windows, the environment variable TARVEL_TEMPLATE_PATH elsewhere.
std::u16string ConfiguredTemplateFolder();

// The folder of the running program's executable (not of the library holding this code), with its
// trailing separator; empty when unknown.
std::u16string ProgramDirectory();

// True when path names an existing file that is not a folder.
bool FileExists(std::u16string_view path);

// The separator put between a folder and a file name ('\\' on Windows, '/' elsewhere).
char16_t PathSeparator();

// The longest full path, in characters, that file functions accept (259 on Windows: MAX_PATH less the
// terminating zero).
size_t MaxPathLength();

} // namespace platform

// The four modules of the plug-in as the about page lists them: file name, file version and a SHA-1
// identifier of the file, so that a user or a service engineer can tell exactly which build is installed.
#pragma once

#include <string>

#include "platform/Platform.h"
#include "ui/models/PageTable.h"

// The digest as 40 lower-case hexadecimal digits in five groups of eight joined by "-" (44 characters).
std::u16string ModuleIdentifier(const platform::Sha1Digest& digest);

// "%d.%d.%d.%d" of the file's fixed file version; empty without a version resource.
std::u16string FileVersionText(const std::u16string& path);

// The module table read from the files in folder: columns file name, version, algorithm ("SHA1"),
// identifier (empty when the file cannot be read); then the row of the table of metrological
// characteristics in force.
PageTable BuildModuleTable(const std::u16string& folder);

// What every command that calculates sets up: the files it was given, the substitute host with its
// profile, and the plug-in started on that host as the host program starts it.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "host/substitute/SubstituteHost.h"

// Paths from the command line are UTF-8.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::u16string PathText(const std::filesystem::path& path);

// True when the path names an existing regular file. A database path must pass this before any
// connection is opened: SQLite would create an empty database in place of a missing file.
bool IsExistingFile(const std::filesystem::path& path);

// Reads the profile file into the host; false, with the reason in error, when it is no readable file.
bool LoadProfile(SubstituteHost& host, const std::string& pathUtf8, std::string& error);

// "KEY=VALUE": overrides one profile key for this run. The key must be one the settings store reads
// ("Tarvel/clcPressure", "Tarvel/Analysis000", ...) and the value of a numeric key an integer; false,
// with the reason in error, otherwise.
bool ApplySetting(SubstituteHost& host, std::string_view assignment, std::string& error);

// The plug-in loaded by the host for the life of the object: Load, the "System/ModulesLoaded" event
// (which hands it the database address), and Unload at the end.
class LoadedPlugin {
public:
    explicit LoadedPlugin(SubstituteHost& host);
    ~LoadedPlugin();
    LoadedPlugin(const LoadedPlugin&) = delete;
    LoadedPlugin& operator=(const LoadedPlugin&) = delete;
};

// Creates the folder when it is missing and gives its absolute path ending in a separator, the form
// the exports and the report take their folder in. False, with the reason in error, when it cannot be
// made.
bool PrepareOutputFolder(const std::string& pathUtf8, std::u16string& folder, std::string& error);

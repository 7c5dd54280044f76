// What an export needs from whoever starts it: the export page of the main window and the command line
// both provide it. The page shows errors in a message box it owns; the command line prints them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "data/MixtureComponent.h"

struct CalcContext;

// Shows an error to the user: caption and text of an error box with the error icon.
using ExportErrorBox = std::function<void(std::u16string_view caption, std::u16string_view text)>;

// Where the writers read what the context does not hold. The defaults read the host database and the
// system's clock settings; tests put fixed data in their place.
struct ExportSources {
    // The certified composition of a reference mixture in stored order, as LoadMixture reads it; a
    // database failure raises DataBase::SqlException, which leaves the export before any file is made.
    std::function<void(const CalcContext& context, std::u16string_view mixtureName,
                       std::vector<MixtureComponent>& components)>
        loadMixture;
    // A host time (seconds since 1970-01-01 UTC) as the user's local short date and time.
    std::function<std::u16string(int64_t secondsSince1970)> localDateTime;
};

ExportSources DefaultExportSources();

struct ExportHost {
    const CalcContext& context;
    ExportErrorBox showError;
    std::u16string folder; // folder for the file; empty: the user's temporary folder
    ExportSources sources = DefaultExportSources();
};

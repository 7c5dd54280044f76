// The export page's "Экспорт" command without its window: write the file in the chosen format and hand
// it to the program the user named, with "%F" in the parameters standing for the file's path, or with
// no program named to the program the system associates with the file. The Win32 page and the command
// line share it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "output/ExportHost.h"

// The longest text the page reads from its program and parameters edits.
inline constexpr size_t kExportCommandCapacity = 259;

struct HandOverCommand {
    bool openWithAssociation = false; // file is the exported file, opened with its associated program
    std::u16string file;              // the program to start, or the exported file
    std::u16string parameters;        // empty when opening with the associated program
};

// With an empty program: the exported file with empty parameters. Otherwise the program, and the
// parameters with their first "%F" replaced by exportedPath (further "%F" stay; without "%F" the
// parameters are unchanged); a path holding a space is put in quotes unless a quote precedes "%F".
// The result is not cut to any length: the shell takes longer parameters.
HandOverCommand MakeHandOverCommand(std::u16string_view program, std::u16string_view parameters,
                                    std::u16string_view exportedPath);

// Starts the command through the platform's shell execution; the result is not examined by the page.
int32_t RunHandOverCommand(const HandOverCommand& command);

// Calls the writer of format (0 XML, 1 JSON, 2 TXT); any other value (no format chosen) writes nothing
// and returns 0.
int32_t ExportInFormat(const ExportHost& host, int32_t format, std::u16string& path);

using HandOverRunner = std::function<int32_t(const HandOverCommand&)>;

// The whole command on the choices held in host.context.settings (expFormat, the section flags,
// expCommand and expParameters, each text read up to kExportCommandCapacity characters as the edits
// hold them): exports, and after a successful export hands the file over through run (no message
// follows, whatever it returns). Returns 1 when a file was written, with its path in path, else 0.
int32_t ExportAndHandOver(const ExportHost& host, std::u16string& path,
                          const HandOverRunner& run = RunHandOverCommand);

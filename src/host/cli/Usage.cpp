#include <cstdio>
#include <string>

#include "host/cli/Commands.h"
#include "host/cli/Console.h"

namespace {

constexpr const char* kUsage =
    "usage: tarvel COMMAND [OPTIONS]\n"
    "\n"
    "  demo [--out DIR]\n"
    "      Creates the demonstration database DIR/demo.db when it is missing, chooses a calibration\n"
    "      batch, a control batch and two analysis chromatograms, calculates, prints the results and\n"
    "      writes the XML, JSON and TXT exports, the HTML report and the profile into DIR\n"
    "      (default out/demo).\n"
    "  run --db FILE --profile FILE [--set KEY=VALUE]... [--export xml|json|txt]...\n"
    "      [--report FILE.html] [--out DIR] [--save-profile] [--hand-over]\n"
    "      Calculates on a host database with the chromatogram list and the options of a profile\n"
    "      (\"key=value\" lines). The list is refreshed from the database first. --set overrides a\n"
    "      profile key for this run; --out is the folder of the exports and the report (default: the\n"
    "      temporary folder); --save-profile writes the settings back into the profile;\n"
    "      --hand-over exports in the profile's format and hands the file to its program\n"
    "      (Tarvel/expCommand, Tarvel/expParameters with %F for the file).\n"
    "  assays --db FILE [--calibration] [--from DATE] [--to DATE] [--mixture NAME] [--method NAME]\n"
    "      [--operator NAME] [--station NAME [--place NAME]] [--sample TEXT]\n"
    "      Searches the chromatograms as the selection dialog does (analysis chromatograms unless\n"
    "      --calibration; dates YYYY-MM-DD[ HH:MM[:SS]] in local time, by default the last 365 days).\n"
    "  info\n"
    "      The plug-in's name, version and description.\n"
    "  settings [--profile FILE] [--db FILE]\n"
    "      Loads the settings from the profile and writes them back, printing every key.\n"
    "  --help\n"
    "\n"
    "Exit status: 0 success, 1 usage or file error, 2 the calculation failed.\n";

} // namespace

void PrintUsage(bool toErrorOutput) {
    std::fputs(kUsage, toErrorOutput ? stderr : stdout);
}

int UsageError(std::string_view reason) {
    PrintError(std::string(reason) + " (see tarvel --help)");
    return ExitStatus::UsageOrFile;
}

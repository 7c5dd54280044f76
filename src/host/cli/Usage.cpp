#include <cstdio>
#include <string>

#include "host/cli/Commands.h"
#include "host/cli/Console.h"

namespace {

constexpr const char* kUsage =
    "usage: tarvel COMMAND [OPTIONS]\n"
    "\n"
    "  demo [--out DIR] [--name NAME]\n"
    "      Creates the demonstration database DIR/demo.db when it is missing, chooses a calibration\n"
    "      batch, a control batch and two analysis chromatograms, calculates, prints the results and\n"
    "      writes the exports NAME.xml, NAME.json, NAME.txt, the report NAME.html (NAME: tarvel\n"
    "      unless given) and the profile into DIR (default out/demo).\n"
    "  run --db FILE --profile FILE [--set KEY=VALUE]... [--export xml|json|txt]...\n"
    "      [--report FILE.html] [--out DIR [--name NAME]] [--save-profile] [--hand-over]\n"
    "      Calculates on a host database with the chromatogram list and the options of a profile\n"
    "      (\"key=value\" lines). The list is refreshed from the database first. --set overrides a\n"
    "      profile key for this run; with --out DIR the exports are DIR/NAME.json, .xml, .txt (NAME:\n"
    "      tarvel unless given), each replacing the previous file of that name when complete; without\n"
    "      it they are written to the temporary folder as the export page names them; --report\n"
    "      writes the report to FILE.html; --save-profile writes the settings back into the profile;\n"
    "      --hand-over exports in the profile's format and hands the file to its program\n"
    "      (Tarvel/expCommand, Tarvel/expParameters with %F for the file).\n"
    "  assays --db FILE [--calibration] [--from DATE] [--to DATE] [--mixture NAME] [--method NAME]\n"
    "      [--operator NAME] [--station NAME [--place NAME]] [--sample TEXT]\n"
    "      Searches the chromatograms as the selection dialog does (analysis chromatograms unless\n"
    "      --calibration; dates YYYY-MM-DD[ HH:MM[:SS]] in local time, by default the last 365 days).\n"
    "  stability --db FILE --profile FILE [--days N] [--svg DIR]\n"
    "      Calculates as run does and prints each calibrated component's characteristic against its\n"
    "      earlier calibrations (N days before the current one, Tarvel/clbrStabilityDays unless given);\n"
    "      --svg writes one chart per component into DIR. Exit status 3 when a component lies beyond\n"
    "      its action limits.\n"
    "  info\n"
    "      The plug-in's name, version and description, and the table of metrological\n"
    "      characteristics of GOST 31371.7-2020 in force.\n"
    "  tables export FILE | tables check FILE\n"
    "      export: writes the table of metrological characteristics in force as a table file (a\n"
    "      template for a laboratory's Tarvel31371720.tsv beside the library); check: reads FILE as\n"
    "      the library would and prints the table it would put in force, or every fault with its line.\n"
    "  settings [--profile FILE] [--db FILE]\n"
    "      Loads the settings from the profile and writes them back, printing every key.\n"
    "  --help\n"
    "\n"
    "Exit status: 0 success, 1 usage or file error, 2 the calculation failed (stability: no current\n"
    "calibration to chart), 3 a component of the calibration beyond its action limits.\n";

} // namespace

void PrintUsage(bool toErrorOutput) {
    std::fputs(kUsage, toErrorOutput ? stderr : stdout);
}

int UsageError(std::string_view reason) {
    PrintError(std::string(reason) + " (see tarvel --help)");
    return ExitStatus::UsageOrFile;
}

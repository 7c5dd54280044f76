// tarvel: the command-line front end. The host's place is taken by a substitute host whose profile is a
// UTF-8 "key=value" file and whose database is a file path; the plug-in is driven through the same
// HostServices path the host uses.
#include <string>
#include <string_view>
#include <vector>

#include "host/cli/Commands.h"

int TarvelMain(const std::vector<std::string>& arguments) {
    if (arguments.empty()) {
        PrintUsage(true);
        return ExitStatus::UsageOrFile;
    }
    const std::string_view command = arguments.front();
    const std::vector<std::string_view> args(arguments.begin() + 1, arguments.end());
    if (command == "--help" || command == "-h" || command == "help") {
        PrintUsage(false);
        return ExitStatus::Ok;
    }
    if (command == "info") {
        return InfoCommand(args);
    }
    if (command == "settings") {
        return SettingsCommand(args);
    }
    if (command == "demo") {
        return DemoCommand(args);
    }
    if (command == "run") {
        return RunCommand(args);
    }
    if (command == "assays") {
        return AssaysCommand(args);
    }
    if (command == "stability") {
        return StabilityCommand(args);
    }
    if (command == "tables") {
        return TablesCommand(args);
    }
    return UsageError(command.substr(0, 2) == "--" ? "unknown option '" + std::string(command) + "'"
                                                   : "unknown command '" + std::string(command) + "'");
}

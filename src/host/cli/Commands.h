// The commands of tarvel. Each takes the words after its name and returns the exit status.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace ExitStatus {
inline constexpr int Ok = 0;
inline constexpr int UsageOrFile = 1;        // a wrong command line, or a file that cannot be read or written
inline constexpr int CalculationFailed = 2;  // the calculation ended with a status other than 0
inline constexpr int BeyondActionLimits = 3; // stability: a component beyond its action limits
} // namespace ExitStatus

using Arguments = std::span<const std::string_view>;

// The whole program on its arguments (UTF-8, without the program's name); the platform's entry point
// calls it.
int TarvelMain(const std::vector<std::string>& arguments);

int InfoCommand(Arguments args);
int SettingsCommand(Arguments args);
int DemoCommand(Arguments args);
int RunCommand(Arguments args);
int AssaysCommand(Arguments args);
int StabilityCommand(Arguments args);
int TablesCommand(Arguments args);

// The usage text.
void PrintUsage(bool toErrorOutput);
// Prints the reason on the error output with a pointer to --help; returns ExitStatus::UsageOrFile.
int UsageError(std::string_view reason);

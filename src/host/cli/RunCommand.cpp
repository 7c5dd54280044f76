// "tarvel run": the calculation on any host database, with the chromatogram list and the options of a
// profile, as the main window would run it when opened by that user.
#include <array>
#include <string>

#include "calc/CalcContext.h"
#include "host/cli/Calculation.h"
#include "host/cli/CommandLine.h"
#include "host/cli/Commands.h"
#include "host/cli/Console.h"
#include "host/cli/HostSetup.h"
#include "host/cli/Outputs.h"
#include "host/cli/Results.h"
#include "plugin/SettingsStore.h"
#include "text/Utf.h"

namespace {

constexpr std::array<KnownOption, 9> kKnownOptions = {{
    {"--db", true},
    {"--profile", true},
    {"--set", true, true},
    {"--export", true, true},
    {"--report", true},
    {"--out", true},
    {"--name", true},
    {"--save-profile", false},
    {"--hand-over", false},
}};

struct RunRequest {
    std::string database;
    std::string profile;
    OutputRequest outputs;
    bool saveProfile = false;
};

// The checks of the command line that need no file: everything but the files' contents.
bool ReadRequest(const ParsedOptions& options, RunRequest& request, std::string& error) {
    request.database = options.Value("--db");
    request.profile = options.Value("--profile");
    if (request.database.empty() || request.profile.empty()) {
        error = "run needs --db FILE and --profile FILE";
        return false;
    }
    for (const std::string& name : options.Values("--export")) {
        ExportFormat format{};
        if (!ParseExportFormat(name, format)) {
            error = "--export takes xml, json or txt, not '" + name + "'";
            return false;
        }
        request.outputs.exports.push_back(format);
    }
    if (options.Has("--report")) {
        if (options.Value("--report").empty()) {
            error = "--report needs a file name";
            return false;
        }
        request.outputs.report = true;
        request.outputs.reportPath = Utf8ToUtf16(options.Value("--report"));
    }
    if (options.Has("--name") && !options.Has("--out")) {
        error = "--name needs --out DIR";
        return false;
    }
    if (options.Has("--out")) {
        const std::string name = options.Value("--name", kDefaultOutputName);
        if (!CheckOutputName(name, error)) {
            return false;
        }
        request.outputs.name = Utf8ToUtf16(name);
    }
    request.outputs.handOver = options.Has("--hand-over");
    request.saveProfile = options.Has("--save-profile");
    return true;
}

} // namespace

int RunCommand(Arguments args) {
    ParsedOptions options;
    RunRequest request;
    std::string error;
    if (!ParseOptions(args, kKnownOptions, options, error) || !ReadRequest(options, request, error)) {
        return UsageError(error);
    }
    if (!IsExistingFile(PathFromUtf8(request.database))) {
        PrintError("the database file " + request.database + " does not exist");
        return ExitStatus::UsageOrFile;
    }
    SubstituteHost host;
    if (!LoadProfile(host, request.profile, error)) {
        PrintError(error);
        return ExitStatus::UsageOrFile;
    }
    for (const std::string& assignment : options.Values("--set")) {
        if (!ApplySetting(host, assignment, error)) {
            return UsageError(error);
        }
    }
    if (options.Has("--out") && !PrepareOutputFolder(options.Value("--out"), request.outputs.folder, error)) {
        PrintError(error);
        return ExitStatus::UsageOrFile;
    }
    host.databaseUri = Utf8ToUtf16(request.database);

    LoadedPlugin plugin(host);
    CalcContext context;
    SettingsStore::Load(context);
    int32_t status = 0;
    if (!RefreshAndCalculate(context, status)) {
        return ExitStatus::UsageOrFile;
    }
    PrintCalculation(context, status);
    bool filesWritten = WriteOutputs(context, request.outputs);
    if (request.saveProfile) {
        // As the window does on closing: every setting held in memory, the overrides of this run included.
        SettingsStore::Save(context);
        if (!host.SaveProfileFile(request.profile, &error)) {
            PrintError(error);
            filesWritten = false;
        }
    }
    if (!filesWritten) {
        return ExitStatus::UsageOrFile;
    }
    return status == 0 ? ExitStatus::Ok : ExitStatus::CalculationFailed;
}

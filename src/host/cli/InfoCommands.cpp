// "tarvel info" and "tarvel settings": the plug-in's identity and the settings a profile gives.
#include <array>
#include <string>

#include "calc/CalcContext.h"
#include "calc/MetrologyTableInForce.h"
#include "data/DataBaseConnection.h"
#include "host/cli/CommandLine.h"
#include "host/cli/Commands.h"
#include "host/cli/Console.h"
#include "host/cli/HostSetup.h"
#include "plugin/PluginExports.h"
#include "plugin/SettingsStore.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/Utf.h"

namespace {

void PrintPluginInfo() {
    const PluginInfo* info = GetPluginInfo();
    PrintLine(FormatText(u"%s %d.%d.%d.%d", {info->name, static_cast<int>(info->version >> 24),
                                             static_cast<int>((info->version >> 16) & 0xFF),
                                             static_cast<int>((info->version >> 8) & 0xFF),
                                             static_cast<int>(info->version & 0xFF)}));
    PrintLine(std::u16string_view(info->description));
}

} // namespace

int InfoCommand(Arguments args) {
    if (!args.empty()) {
        return UsageError("info takes no options");
    }
    PrintPluginInfo();
    const MetrologyTableInForce& table = TableInForce();
    if (table.known) {
        PrintLine(FormatText(LoadText(StringId::MetrologyTableInForce), {MetrologyTableText(table)}));
        if (table.kind == kMetrologyRefusedFile) {
            PrintLine(RefusedFileMessage(table));
        }
    }
    return ExitStatus::Ok;
}

int SettingsCommand(Arguments args) {
    constexpr std::array<KnownOption, 2> knownOptions = {{{"--profile", true}, {"--db", true}}};
    ParsedOptions options;
    std::string error;
    if (!ParseOptions(args, knownOptions, options, error)) {
        return UsageError(error);
    }
    const std::string profile = options.Value("--profile");
    SubstituteHost host;
    host.databaseUri = Utf8ToUtf16(options.Value("--db"));
    if (!profile.empty() && !host.LoadProfileFile(profile)) {
        PrintError("the profile " + profile + " cannot be read; defaults are used");
    }
    CalcContext context;
    {
        LoadedPlugin plugin(host);
        SettingsStore::Load(context);
        PrintPluginInfo();
        PrintLine(FormatText(u"database: %s", {DataBaseConnection::Uri()}));
        PrintLine(FormatText(
            u"chromatograms: %d, constants: %d, mixture assignments: %d, report parameters: %d",
            {static_cast<int>(context.assays.size()), static_cast<int>(context.constants.size()),
             static_cast<int>(context.mixtures.size()), static_cast<int>(context.reportProps.size())}));
        // Writing the settings back shows every key with its value as the profile now holds it.
        SettingsStore::Save(context);
        for (const auto& [key, value] : host.profile) {
            PrintLine(key + u"=" + value);
        }
    }
    if (!profile.empty() && !host.SaveProfileFile(profile, &error)) {
        PrintError(error);
        return ExitStatus::UsageOrFile;
    }
    return ExitStatus::Ok;
}

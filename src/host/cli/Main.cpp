// tarvel: the command-line front end. The host's place is taken by a substitute host whose profile is a
// UTF-8 "key=value" file and whose database is a file path; the plug-in is driven through the same
// HostServices path the host uses.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "calc/CalcContext.h"
#include "data/DataBaseConnection.h"
#include "host/substitute/SubstituteHost.h"
#include "plugin/Lifecycle.h"
#include "plugin/PluginExports.h"
#include "plugin/SettingsStore.h"
#include "text/Format.h"
#include "text/Utf.h"

namespace {

void PrintLine(const std::u16string& text) {
    std::fputs(Utf16ToUtf8(text).c_str(), stdout);
    std::fputc('\n', stdout);
}

int Usage() {
    std::fputs("usage: tarvel info\n"
               "       tarvel settings [--profile FILE] [--db FILE]\n",
               stderr);
    return 2;
}

struct Options {
    std::string profile;
    std::string database;
};

bool ParseOptions(int argc, char** argv, int first, Options& options) {
    for (int i = first; i < argc; ++i) {
        const bool hasValue = i + 1 < argc;
        if (std::strcmp(argv[i], "--profile") == 0 && hasValue) {
            options.profile = argv[++i];
        } else if (std::strcmp(argv[i], "--db") == 0 && hasValue) {
            options.database = argv[++i];
        } else {
            return false;
        }
    }
    return true;
}

void PrintPluginInfo() {
    const PluginInfo* info = GetPluginInfo();
    PrintLine(FormatText(u"%s %d.%d.%d.%d", {info->name, static_cast<int>(info->version >> 24),
                                             static_cast<int>((info->version >> 16) & 0xFF),
                                             static_cast<int>((info->version >> 8) & 0xFF),
                                             static_cast<int>(info->version & 0xFF)}));
    PrintLine(info->description);
}

// Starts the plug-in as the host does: Load, then the "System/ModulesLoaded" event.
void StartPlugin(SubstituteHost& host) {
    Load(host.Services());
    host.RaiseEvent("System/ModulesLoaded");
}

int RunSettings(const Options& options) {
    SubstituteHost host;
    host.databaseUri = Utf8ToUtf16(options.database);
    if (!options.profile.empty() && !host.LoadProfileFile(options.profile)) {
        std::fprintf(stderr, "tarvel: the profile %s cannot be read; defaults are used\n",
                     options.profile.c_str());
    }
    StartPlugin(host);
    CalcContext context;
    SettingsStore::Load(context);
    PrintPluginInfo();
    PrintLine(FormatText(u"database: %s", {DataBaseConnection::Uri()}));
    PrintLine(FormatText(u"chromatograms: %d, constants: %d, mixture assignments: %d, report parameters: %d",
                         {static_cast<int>(context.assays.size()), static_cast<int>(context.constants.size()),
                          static_cast<int>(context.mixtures.size()),
                          static_cast<int>(context.reportProps.size())}));
    // Writing the settings back shows every key with its value as the profile now holds it.
    SettingsStore::Save(context);
    for (const auto& [key, value] : host.profile) {
        PrintLine(key + u"=" + value);
    }
    Unload();
    if (!options.profile.empty() && !host.SaveProfileFile(options.profile)) {
        std::fprintf(stderr, "tarvel: the profile %s cannot be written\n", options.profile.c_str());
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        return Usage();
    }
    const std::string command = argv[1];
    Options options;
    if (!ParseOptions(argc, argv, 2, options)) {
        return Usage();
    }
    if (command == "info") {
        PrintPluginInfo();
        return 0;
    }
    if (command == "settings") {
        return RunSettings(options);
    }
    return Usage();
}

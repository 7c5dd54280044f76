// "tarvel stability": the calibration of a profile's chromatogram list against the earlier calibrations
// in the host database, as the stability dialog of the calibration page shows it, with the charts as
// SVG files.
#include <array>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <string>

#include "calc/CalcContext.h"
#include "data/AliasLookup.h"
#include "host/cli/Calculation.h"
#include "host/cli/CommandLine.h"
#include "host/cli/Commands.h"
#include "host/cli/Console.h"
#include "host/cli/HostSetup.h"
#include "host/cli/Results.h"
#include "output/StabilitySvg.h"
#include "plugin/SettingsStore.h"
#include "results/StabilityChart.h"
#include "text/StringTable.h"
#include "text/Utf.h"

namespace {

constexpr std::array<KnownOption, 4> kKnownOptions = {{
    {"--db", true},
    {"--profile", true},
    {"--days", true},
    {"--svg", true},
}};
constexpr int32_t kMostDays = 36600; // a century of calibrations

bool ParseDays(const std::string& text, int32_t& days) {
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, days);
    return error == std::errc() && last == end && days > 0 && days <= kMostDays;
}

// The chart files: the component's identifier (ASCII) and ".svg".
bool WriteCharts(const CalcContext& context, const std::filesystem::path& folder, std::string& error) {
    std::error_code failure;
    std::filesystem::create_directories(folder, failure);
    if (failure) {
        error = "the folder " + Utf16ToUtf8(PathText(folder)) + " cannot be made";
        return false;
    }
    for (const ComponentStability& component : context.stability.components) {
        const StabilityChart chart = LayoutStabilityChart(component, ChartFrame{});
        const std::u16string title = DisplayNameForComponent(context.aliases, component.component);
        const std::filesystem::path path = folder / PathFromUtf8(Utf16ToUtf8(component.component) + ".svg");
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        const std::string svg = StabilitySvg(chart, title);
        file.write(svg.data(), static_cast<std::streamsize>(svg.size()));
        file.close();
        if (!file) {
            error = "the chart " + Utf16ToUtf8(PathText(path)) + " cannot be written";
            return false;
        }
        PrintLine(u"chart: " + PathText(path));
    }
    return true;
}

} // namespace

int StabilityCommand(Arguments args) {
    ParsedOptions options;
    std::string error;
    if (!ParseOptions(args, kKnownOptions, options, error)) {
        return UsageError(error);
    }
    const std::string database = options.Value("--db");
    const std::string profile = options.Value("--profile");
    if (database.empty() || profile.empty()) {
        return UsageError("stability needs --db FILE and --profile FILE");
    }
    int32_t days = 0;
    if (options.Has("--days") && !ParseDays(options.Value("--days"), days)) {
        return UsageError("--days takes a whole number of days from 1 to " + std::to_string(kMostDays));
    }
    if (options.Has("--svg") && options.Value("--svg").empty()) {
        return UsageError("--svg needs a folder");
    }
    if (!IsExistingFile(PathFromUtf8(database))) {
        PrintError("the database file " + database + " does not exist");
        return ExitStatus::UsageOrFile;
    }
    SubstituteHost host;
    if (!LoadProfile(host, profile, error)) {
        PrintError(error);
        return ExitStatus::UsageOrFile;
    }
    host.databaseUri = Utf8ToUtf16(database);

    LoadedPlugin plugin(host);
    CalcContext context;
    SettingsStore::Load(context);
    if (days > 0) {
        context.settings.clbrStabilityDays = days;
    }
    int32_t status = 0;
    if (!RefreshAndCalculate(context, status)) {
        return ExitStatus::UsageOrFile;
    }
    const CalibrationStability& stability = context.stability;
    if (!PrintStability(context)) {
        PrintJournal(context);
        return ExitStatus::CalculationFailed;
    }
    if (options.Has("--svg") && !WriteCharts(context, PathFromUtf8(options.Value("--svg")), error)) {
        PrintError(error);
        return ExitStatus::UsageOrFile;
    }
    for (const ComponentStability& component : stability.components) {
        if (component.judgement.rule1) {
            return ExitStatus::BeyondActionLimits;
        }
    }
    return ExitStatus::Ok;
}

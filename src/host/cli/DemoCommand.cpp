// "tarvel demo": a day's work of a gas laboratory on the demonstration database that the chromatograph
// simulator writes. The chromatograms are chosen as a user chooses them in the selection dialog: a
// search, then a click on the newest row, which selects the batch below it.
#include <array>
#include <ctime>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

#include "Databases.h"
#include "calc/CalcContext.h"
#include "data/DataBaseHandle.h"
#include "data/HostQueries.h"
#include "data/SqlException.h"
#include "host/cli/Calculation.h"
#include "host/cli/CommandLine.h"
#include "host/cli/Commands.h"
#include "host/cli/Console.h"
#include "host/cli/DateArgument.h"
#include "host/cli/HostSetup.h"
#include "host/cli/Outputs.h"
#include "host/cli/Results.h"
#include "plugin/SettingsStore.h"
#include "text/CaseFold.h"
#include "text/StringTable.h"
#include "text/Utf.h"
#include "ui/models/AssayBatches.h"

namespace {

constexpr std::string_view kDefaultFolder = "out/demo";
constexpr std::string_view kDatabaseName = "demo.db";
constexpr std::string_view kProfileName = "profile.txt";
constexpr uint64_t kDemoSeed = 20240314;

// What the user types into the sample field of the selection dialog to find each batch; the
// simulator's laboratory names its samples so.
constexpr std::u16string_view kAnalysisSample = u"Проба газа";
constexpr std::u16string_view kCalibrationSample = u"Градуировка";
constexpr std::u16string_view kControlSample = u"Контроль";
constexpr std::u16string_view kAccountName = u"Петров В. Н.";

// The report parameters the user has entered on the report page (the profile keeps them as "name/value":
// no slash inside).
const std::array<ReportProp, 3> kReportProps = {{
    {u"Лаборатория", u"Испытательная лаборатория ГРС «Заречная»"},
    {u"Протокол", u"№ 14-03-1"},
    {u"Средство измерений", u"Хроматограф газовый лабораторный"},
}};

// The newest chromatograms of the search, as many as one batch of the role holds: the click on the
// top row of the dialog's result list.
std::vector<int64_t> ClickTopRow(DataBase::Handle& handle, const CalcSettings& settings, AssaySearch search,
                                 AssayRole role, std::string& error) {
    const size_t needed = RequiredBatchSize(settings, role);
    const std::vector<AssayFound> found = SearchAssays(handle, search);
    if (found.size() < needed) {
        error = "the demo database has fewer than " + std::to_string(needed) + " chromatograms of \"" +
                Utf16ToUtf8(search.sample) + "\"";
        return {};
    }
    std::vector<int64_t> ids;
    for (size_t i = 0; i < needed; ++i) {
        ids.push_back(found[i].id);
    }
    return ids;
}

// The analyses of the latest gas sample, then the newest calibration and control batches of the method
// those analyses were measured by; the reference mixture of the calibration becomes the general
// assignment of the mixtures page. False, with the reason in error, when a batch is missing.
bool ChooseChromatograms(CalcContext& context, DataBase::Handle& handle, int64_t& analysisDate,
                         std::string& error) {
    AssaySearch search;
    search.fromDate = 0; // the user widens the dialog's year back to the day of the runs
    search.toDate = static_cast<int64_t>(std::time(nullptr));
    search.sample = std::u16string(kAnalysisSample);
    const auto stamp = static_cast<uint32_t>(search.toDate);

    const std::vector<int64_t> analyses =
        ClickTopRow(handle, context.settings, search, AssayRole::Analysis, error);
    if (analyses.empty()) {
        return false;
    }
    const std::vector<Assay> firstAnalysis = QueryAssayRows(handle, analyses.front());
    analysisDate = firstAnalysis.empty() ? 0 : firstAnalysis.front().date;
    search.calibration = true;
    search.method = firstAnalysis.empty() ? std::u16string() : firstAnalysis.front().method;
    search.sample = std::u16string(kCalibrationSample);
    const std::vector<int64_t> calibration =
        ClickTopRow(handle, context.settings, search, AssayRole::Calibration, error);
    search.sample = std::u16string(kControlSample);
    const std::vector<int64_t> control =
        ClickTopRow(handle, context.settings, search, AssayRole::Control, error);
    if (calibration.empty() || control.empty()) {
        return false;
    }
    AddAssayBatch(context, handle, calibration, AssayRole::Calibration, stamp);
    AddAssayBatch(context, handle, control, AssayRole::Control, stamp);
    AddAssayBatch(context, handle, analyses, AssayRole::Analysis, stamp);

    ComponentMixtures general;
    const std::vector<Assay> calibrationRow = QueryAssayRows(handle, calibration.front());
    general.first = calibrationRow.empty() ? std::u16string() : calibrationRow.front().mixture;
    general.firstType = static_cast<int32_t>(
        ContainsIgnoreCase(general.first, LoadText(StringId::MixtureTypeMng)) ? MixtureType::Pgm
                                                                              : MixtureType::Ipg);
    context.mixtures = {general};
    return true;
}

bool EnsureDemoDatabase(const std::filesystem::path& path) {
    if (IsExistingFile(path)) {
        PrintLine(u"demo database: " + PathText(path));
        return true;
    }
    try {
        sim::MakeDemoDatabase(Utf16ToUtf8(PathText(path)), kDemoSeed);
    } catch (const std::exception& failure) {
        PrintError("the demo database cannot be written: " + std::string(failure.what()));
        return false;
    }
    PrintLine(u"demo database: " + PathText(path) + u" (created)");
    return true;
}

} // namespace

int DemoCommand(Arguments args) {
    constexpr std::array<KnownOption, 2> knownOptions = {{{"--out", true}, {"--name", true}}};
    ParsedOptions options;
    std::string error;
    if (!ParseOptions(args, knownOptions, options, error)) {
        return UsageError(error);
    }
    OutputRequest outputs;
    const std::string name = options.Value("--name", kDefaultOutputName);
    if (!CheckOutputName(name, error)) {
        return UsageError(error);
    }
    outputs.name = Utf8ToUtf16(name);
    if (!PrepareOutputFolder(options.Value("--out", kDefaultFolder), outputs.folder, error)) {
        PrintError(error);
        return ExitStatus::UsageOrFile;
    }
    const std::filesystem::path folder = PathFromUtf8(Utf16ToUtf8(outputs.folder));
    const std::filesystem::path database = folder / PathFromUtf8(kDatabaseName);
    if (!EnsureDemoDatabase(database)) {
        return ExitStatus::UsageOrFile;
    }

    SubstituteHost host;
    host.databaseUri = PathText(database);
    host.accountName = std::u16string(kAccountName);
    LoadedPlugin plugin(host);
    CalcContext context;
    SettingsStore::Load(context);
    // The analysed gas is no reference mixture: there is nothing to control the result against. The day
    // of the runs had a low atmospheric pressure, so the areas are corrected to the calibration's.
    context.settings.clcControl = false;
    context.settings.clcPressure = true;
    context.reportProps.assign(kReportProps.begin(), kReportProps.end());
    int64_t analysisDate = 0;
    try {
        DataBase::Handle handle;
        if (!ChooseChromatograms(context, handle, analysisDate, error)) {
            PrintError(error);
            return ExitStatus::UsageOrFile;
        }
    } catch (const DataBase::SqlException& failure) {
        PrintError(std::string("database error: ") + failure.what());
        return ExitStatus::UsageOrFile;
    }
    int32_t status = 0;
    if (!Calculate(context, status)) {
        return ExitStatus::UsageOrFile;
    }
    PrintCalculation(context, status);
    PrintLine(u"");
    PrintStability(context);
    // The demo's day lies outside the search's default range of the last 365 days.
    const std::string day = LocalDateArgument(analysisDate);
    PrintLine(u"");
    PrintLine("the analyses of the demo day: tarvel assays --db \"" + Utf16ToUtf8(PathText(database)) +
              "\" --from " + day + " --to " + day);

    PrintLine(u"");
    outputs.exports = {ExportFormat::Xml, ExportFormat::Json, ExportFormat::Txt};
    outputs.report = true;
    bool filesWritten = WriteOutputs(context, outputs);
    // The profile the window would leave, for "tarvel run --db demo.db --profile profile.txt".
    SettingsStore::Save(context);
    const std::filesystem::path profile = folder / PathFromUtf8(kProfileName);
    if (host.SaveProfileFile(Utf16ToUtf8(PathText(profile)), &error)) {
        PrintLine(u"profile: " + PathText(profile));
    } else {
        PrintError(error);
        filesWritten = false;
    }
    if (!filesWritten) {
        return ExitStatus::UsageOrFile;
    }
    return status == 0 ? ExitStatus::Ok : ExitStatus::CalculationFailed;
}

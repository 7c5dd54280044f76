// "tarvel assays": the search of the chromatogram selection dialog as text, to find the ids of the
// chromatograms a profile's list names.
#include <array>
#include <ctime>
#include <string>

#include "data/DataBaseHandle.h"
#include "data/HostQueries.h"
#include "data/SqlException.h"
#include "host/cli/CommandLine.h"
#include "host/cli/Commands.h"
#include "host/cli/Console.h"
#include "host/cli/DateArgument.h"
#include "host/cli/HostSetup.h"
#include "platform/LocalTime.h"
#include "text/CaseFold.h"
#include "text/Format.h"
#include "text/Utf.h"
#include "ui/models/SelectionListModel.h"

namespace {

constexpr std::array<KnownOption, 10> kKnownOptions = {{
    {"--db", true},
    {"--calibration", false},
    {"--from", true},
    {"--to", true},
    {"--mixture", true},
    {"--method", true},
    {"--operator", true},
    {"--station", true},
    {"--place", true},
    {"--sample", true},
}};

// The dialog opens on the last 365 days.
constexpr int64_t kDefaultPeriodSeconds = 31536000;

bool ReadDates(const ParsedOptions& options, AssaySearch& search, std::string& error) {
    search.toDate = static_cast<int64_t>(std::time(nullptr));
    if (options.Has("--to") && !ParseLocalDate(options.Value("--to"), true, search.toDate)) {
        error = "--to expects YYYY-MM-DD[ HH:MM[:SS]], not '" + options.Value("--to") + "'";
        return false;
    }
    search.fromDate = search.toDate - kDefaultPeriodSeconds;
    if (options.Has("--from") && !ParseLocalDate(options.Value("--from"), false, search.fromDate)) {
        error = "--from expects YYYY-MM-DD[ HH:MM[:SS]], not '" + options.Value("--from") + "'";
        return false;
    }
    return true;
}

std::string NamesOf(const std::vector<NamedId>& items) {
    std::string names;
    for (const NamedId& item : items) {
        if (!names.empty()) {
            names.append(", ");
        }
        names.push_back('"');
        names.append(Utf16ToUtf8(item.name));
        names.push_back('"');
    }
    return names.empty() ? std::string("none") : names;
}

// The combo boxes hold names; the search takes ids. A name matches without regard to letter case.
bool FindNamed(const std::vector<NamedId>& items, const std::string& name, const char* what, int64_t& id,
               std::string& error) {
    for (const NamedId& item : items) {
        if (EqualsIgnoreCase(item.name, Utf8ToUtf16(name))) {
            id = item.id;
            return true;
        }
    }
    error = std::string("no ") + what + " named \"" + name + "\" (there are: " + NamesOf(items) + ")";
    return false;
}

bool ReadFilters(DataBase::Handle& handle, const ParsedOptions& options, AssaySearch& search,
                 std::string& error) {
    search.calibration = options.Has("--calibration");
    if (options.Has("--mixture")) {
        search.mixture = Utf8ToUtf16(options.Value("--mixture"));
    }
    if (options.Has("--method")) {
        search.method = Utf8ToUtf16(options.Value("--method"));
    }
    if (options.Has("--operator")) {
        search.operatorId = QueryOperatorId(handle, Utf8ToUtf16(options.Value("--operator")));
        if (search.operatorId <= 0) {
            error = "no operator named \"" + options.Value("--operator") + "\"";
            return false;
        }
    }
    if (options.Has("--station") &&
        !FindNamed(QueryStations(handle), options.Value("--station"), "station", search.stationId, error)) {
        return false;
    }
    if (options.Has("--place")) {
        if (!options.Has("--station")) {
            error = "--place needs --station (sampling points belong to a station)";
            return false;
        }
        if (!FindNamed(QueryPlaces(handle, search.stationId), options.Value("--place"), "sampling point",
                       search.placeId, error)) {
            return false;
        }
    }
    search.sample = Utf8ToUtf16(options.Value("--sample"));
    return true;
}

// What a search that found nothing looked for, and how to look wider.
void ExplainEmptySearch(const ParsedOptions& options, const AssaySearch& search) {
    PrintLine(u"no " + std::u16string(search.calibration ? u"calibration or control" : u"analysis") +
              u" chromatogram from " + platform::ShortDateTimeText(search.fromDate) + u" to " +
              platform::ShortDateTimeText(search.toDate) + u" (local time)");
    std::u16string filters;
    for (const char* name : {"--mixture", "--method", "--operator", "--station", "--place", "--sample"}) {
        if (options.Has(name)) {
            filters += (filters.empty() ? u"" : u", ") + Utf8ToUtf16(name) + u" \"" +
                       Utf8ToUtf16(options.Value(name)) + u"\"";
        }
    }
    PrintLine(u"filters: " + (filters.empty() ? std::u16string(u"none") : filters));
    PrintLine(std::u16string(u"to look wider: an earlier --from YYYY-MM-DD (without it the search covers the "
                             u"last 365 days up to --to)") +
              (filters.empty() ? u"" : u", or fewer filters") +
              (search.calibration ? u"; without --calibration it lists analyses"
                                  : u"; with --calibration it lists calibration and control chromatograms"));
}

// The dialog's list with the id of each row in front, the item data the dialog keeps hidden.
PageTable WithIds(const std::vector<AssayFound>& found) {
    PageTable table = BuildSelectionList(found);
    PageColumn id;
    id.header = u"id";
    id.widthPixels = kSelectionColumnWidthPixels;
    id.rightAligned = true;
    table.columns.insert(table.columns.begin(), id);
    for (size_t i = 0; i < found.size(); ++i) {
        table.rows[i].insert(table.rows[i].begin(),
                             FormatText(u"%lld", {static_cast<long long>(found[i].id)}));
    }
    return table;
}

} // namespace

int AssaysCommand(Arguments args) {
    ParsedOptions options;
    std::string error;
    if (!ParseOptions(args, kKnownOptions, options, error)) {
        return UsageError(error);
    }
    const std::string database = options.Value("--db");
    if (database.empty()) {
        return UsageError("assays needs --db FILE");
    }
    AssaySearch search;
    if (!ReadDates(options, search, error)) {
        return UsageError(error);
    }
    if (!IsExistingFile(PathFromUtf8(database))) {
        PrintError("the database file " + database + " does not exist");
        return ExitStatus::UsageOrFile;
    }
    try {
        DataBase::Handle handle(Utf8ToUtf16(database));
        if (!ReadFilters(handle, options, search, error)) {
            PrintError(error);
            return ExitStatus::UsageOrFile;
        }
        const std::vector<AssayFound> found = SearchAssays(handle, search);
        PrintPageTable(FormatText(u"%d chromatogram(s)", {static_cast<int>(found.size())}), WithIds(found));
        if (found.empty()) {
            ExplainEmptySearch(options, search);
        }
    } catch (const DataBase::SqlException& failure) {
        PrintError(std::string("database error: ") + failure.what());
        return ExitStatus::UsageOrFile;
    }
    return ExitStatus::Ok;
}

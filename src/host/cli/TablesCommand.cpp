// "tarvel tables": the table of metrological characteristics of GOST 31371.7-2020 as a file. "export"
// writes the table in force in the file format the library reads beside itself, a template a laboratory
// fills in from its copy of the standard; "check" reads a file as the library would and prints either the
// table it would put in force or every fault with its line.
#include <map>
#include <string>
#include <vector>

#include "calc/MetrologyTableInForce.h"
#include "calc/bindings/Gost31371Binding.h"
#include "host/cli/Commands.h"
#include "host/cli/Console.h"
#include "output/ExportFile.h"
#include "text/Format.h"
#include "text/StringTable.h"
#include "text/Utf.h"

namespace {

constexpr std::u16string_view kMethodNames[] = {u"А", u"Б", u"В1", u"В2"};

int LibraryMissing() {
    PrintError("the calculation library " + Utf16ToUtf8(kGost31371Library) + " is missing or incomplete");
    return ExitStatus::UsageOrFile;
}

int ExportTable(const std::string& file) {
    const auto write = Gost31371().WriteMetrologyTableText;
    if (write == nullptr) {
        return LibraryMissing();
    }
    const int32_t length = write(nullptr, 0);
    if (length < 0) {
        PrintError(Utf16ToUtf8(RefusedFileMessage(TableInForce())));
        return ExitStatus::UsageOrFile;
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(write(text.data(), static_cast<int32_t>(text.size()))));
    ExportFileWriter writer(Utf8ToUtf16(file));
    writer.Append(text);
    if (!writer.Close()) {
        PrintError("the file " + file + " cannot be written");
        return ExitStatus::UsageOrFile;
    }
    PrintLine(FormatText(LoadText(StringId::MetrologyTableInForce), {MetrologyTableText(TableInForce())}));
    PrintLine("written to " + file);
    return ExitStatus::Ok;
}

std::u16string Number(double value) {
    return FormatText(u"%g", {value});
}

// Per method and component: each range with a·x + b and the uncertainty at both of its ends.
void PrintRows(std::u16string_view method, const std::vector<MetrologyRow>& rows) {
    std::vector<std::u16string> order;
    std::map<std::u16string, std::vector<const MetrologyRow*>> byComponent;
    for (const MetrologyRow& row : rows) {
        const std::u16string component(row.component);
        if (byComponent.find(component) == byComponent.end()) {
            order.push_back(component);
        }
        byComponent[component].push_back(&row);
    }
    for (const std::u16string& component : order) {
        PrintLine(FormatText(u"%s %s", {method, component}));
        for (const MetrologyRow* row : byComponent[component]) {
            PrintLine(FormatText(u"  %s … %s mol %%: U = %s·x + %s; U(%s) = %s, U(%s) = %s",
                                 {Number(row->lower), Number(row->upper), Number(row->a), Number(row->b),
                                  Number(row->lower), Number(row->a * row->lower + row->b),
                                  Number(row->upper), Number(row->a * row->upper + row->b)}));
        }
    }
}

int CheckTable(const std::string& file) {
    const Gost31371Binding& library = Gost31371();
    if (library.CheckMetrologyTableFile == nullptr || library.MetrologyTableFileRows == nullptr) {
        return LibraryMissing();
    }
    const std::u16string path = Utf8ToUtf16(file);
    int32_t count = 0;
    int32_t parts = 0;
    std::vector<MetrologyFileIssue> issues(64);
    int32_t status = library.CheckMetrologyTableFile(path.c_str(), issues.data(),
                                                     static_cast<int32_t>(issues.size()), &count, &parts);
    if (count > static_cast<int32_t>(issues.size())) {
        issues.resize(static_cast<size_t>(count));
        status = library.CheckMetrologyTableFile(path.c_str(), issues.data(), count, &count, &parts);
    }
    if (status != 0) {
        for (int32_t i = 0; i < count && i < static_cast<int32_t>(issues.size()); ++i) {
            const MetrologyFileIssue& issue = issues[static_cast<size_t>(i)];
            const std::u16string reason = MetrologyFaultText(issue.fault, issue.text);
            PrintLine(issue.line > 0 ? FormatText(u"%s:%d: %s", {path, static_cast<int>(issue.line), reason})
                                     : FormatText(u"%s: %s", {path, reason}));
        }
        PrintError(file + ": " + std::to_string(count) + " fault(s); the library would refuse the file");
        return ExitStatus::UsageOrFile;
    }
    PrintLine(file + ": valid");
    for (int32_t method = 0; method < 4; ++method) {
        int32_t rowCount = 0;
        library.MetrologyTableFileRows(path.c_str(), method, nullptr, 0, &rowCount);
        std::vector<MetrologyRow> rows(static_cast<size_t>(rowCount));
        if (library.MetrologyTableFileRows(path.c_str(), method, rows.data(), rowCount, &rowCount) != 0 ||
            static_cast<size_t>(rowCount) != rows.size()) {
            PrintError("the file " + file + " changed while it was read");
            return ExitStatus::UsageOrFile;
        }
        const bool fromFile = (parts & (kMetrologyPartMethodA << method)) != 0;
        PrintLine(FormatText(u"method %s: %d rows (%s)", {kMethodNames[method], static_cast<int>(rows.size()),
                                                          fromFile ? u"from the file" : u"built in"}));
        PrintRows(kMethodNames[method], rows);
    }
    return ExitStatus::Ok;
}

} // namespace

int TablesCommand(Arguments args) {
    if (args.size() != 2 || (args[0] != "export" && args[0] != "check")) {
        return UsageError("tables takes export FILE or check FILE");
    }
    const std::string file(args[1]);
    return args[0] == "export" ? ExportTable(file) : CheckTable(file);
}

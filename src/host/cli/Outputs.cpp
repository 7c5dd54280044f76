#include "host/cli/Outputs.h"

#include <filesystem>
#include <system_error>

#include "calc/CalcContext.h"
#include "data/SqlException.h"
#include "host/cli/Console.h"
#include "host/cli/HostSetup.h"
#include "output/ExportHandOver.h"
#include "output/ExportWriters.h"
#include "output/report/ReportRendering.h"
#include "text/CaseFold.h"
#include "text/Utf.h"

namespace {

std::u16string_view FormatName(ExportFormat format) {
    switch (format) {
    case ExportFormat::Xml:
        return u"XML";
    case ExportFormat::Json:
        return u"JSON";
    case ExportFormat::Txt:
        return u"TXT";
    }
    return u"";
}

// The export page shows the writers' errors in a message box; here they go to the error output.
ExportHost MakeExportHost(const CalcContext& context, const std::u16string& folder) {
    return ExportHost{context,
                      [](std::u16string_view caption, std::u16string_view text) {
                          PrintError(Utf16ToUtf8(std::u16string(caption) + u": " + std::u16string(text)));
                      },
                      folder};
}

bool WriteExport(const ExportHost& host, ExportFormat format) {
    std::u16string path;
    if (ExportInFormat(host, static_cast<int32_t>(format), path) == 0) {
        return false;
    }
    PrintLine(std::u16string(FormatName(format)) + u": " + path);
    return true;
}

// The page's command: the format and sections of the profile, then the program with "%F" standing for
// the file. The program is started and not waited for.
bool HandOver(const ExportHost& host) {
    std::u16string path;
    const auto run = [](const HandOverCommand& command) {
        PrintLine(command.openWithAssociation ? u"handed over: " + command.file + u" (its associated program)"
                                              : u"handed over: " + command.file + u" " + command.parameters);
        return RunHandOverCommand(command);
    };
    if (ExportAndHandOver(host, path, run) == 0) {
        PrintError("the export of the hand-over was not written");
        return false;
    }
    return true;
}

// A rename within one file system, else a copy.
bool MoveFile(const std::filesystem::path& from, const std::filesystem::path& to) {
    std::error_code error;
    std::filesystem::rename(from, to, error);
    if (!error) {
        return true;
    }
    if (!std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing, error)) {
        return false;
    }
    std::filesystem::remove(from, error);
    return true;
}

bool WriteReport(const CalcContext& context, const OutputRequest& request) {
    std::u16string path;
    std::u16string error;
    if (!RenderReport(context, request.folder, path, &error)) {
        PrintError("the report was not written: " + Utf16ToUtf8(error));
        return false;
    }
    if (request.reportPath) {
        const std::filesystem::path target = PathFromUtf8(Utf16ToUtf8(*request.reportPath));
        if (!MoveFile(PathFromUtf8(Utf16ToUtf8(path)), target)) {
            PrintError("the report cannot be written to " + Utf16ToUtf8(*request.reportPath));
            return false;
        }
        path = *request.reportPath;
    }
    PrintLine(u"HTML: " + path);
    return true;
}

} // namespace

bool ParseExportFormat(std::string_view text, ExportFormat& format) {
    const std::u16string name = Utf8ToUtf16(text);
    for (ExportFormat candidate : {ExportFormat::Xml, ExportFormat::Json, ExportFormat::Txt}) {
        if (EqualsIgnoreCase(name, FormatName(candidate))) {
            format = candidate;
            return true;
        }
    }
    return false;
}

bool WriteOutputs(const CalcContext& context, const OutputRequest& request) {
    const ExportHost host = MakeExportHost(context, request.folder);
    bool written = true;
    try {
        for (ExportFormat format : request.exports) {
            written = WriteExport(host, format) && written;
        }
        if (request.handOver) {
            written = HandOver(host) && written;
        }
        if (request.report) {
            written = WriteReport(context, request) && written;
        }
    } catch (const DataBase::SqlException& failure) {
        // A reference mixture of the export or a name of the report could not be read.
        PrintError(std::string("database error while writing the outputs: ") + failure.what());
        return false;
    }
    return written;
}

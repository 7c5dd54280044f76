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
#include "platform/TempFiles.h"
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

std::filesystem::path FilePath(std::u16string_view text) {
    return PathFromUtf8(Utf16ToUtf8(text));
}

// Removes a file this command made; never a folder, a device or what a link points to.
void RemoveQuietly(const std::filesystem::path& path) {
    std::error_code ignored;
    if (std::filesystem::is_regular_file(std::filesystem::symlink_status(path, ignored))) {
        std::filesystem::remove(path, ignored);
    }
}

// Puts a finished file in place of target at once: a reader of target sees the previous file or the
// new one, never a part. The finished file must lie in target's folder (a rename never copies).
bool ReplaceFile(const std::filesystem::path& finished, const std::filesystem::path& target,
                 std::string& error) {
    std::error_code failure;
    std::filesystem::rename(finished, target, failure);
    if (failure) {
        error = Utf16ToUtf8(PathText(target)) + " cannot be replaced: " + failure.message();
        RemoveQuietly(finished);
        return false;
    }
    return true;
}

// The export in its page's name in the folder, then renamed to NAME.ext there; the name the system
// reserved for it ("EXP….tmp") is removed either way.
bool WriteExport(const ExportHost& host, ExportFormat format, const OutputRequest& request) {
    std::u16string path;
    const int32_t written = ExportInFormat(host, static_cast<int32_t>(format), path);
    const size_t extension = path.rfind(u'.');
    if (!request.name.empty() && extension != std::u16string::npos) {
        RemoveQuietly(FilePath(std::u16string_view(path).substr(0, extension)));
    }
    if (written == 0) {
        if (!path.empty()) {
            RemoveQuietly(FilePath(path)); // a part written before the failure
        }
        return false;
    }
    if (!request.name.empty()) {
        std::u16string target = request.folder + request.name + path.substr(extension);
        std::string error;
        if (!ReplaceFile(FilePath(path), FilePath(target), error)) {
            PrintError(error);
            return false;
        }
        path = std::move(target);
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

// The finished report at target, which may lie on another file system than the folder it was written
// in: then it is copied to a new file beside target first, so target is replaced at once too.
bool MoveReport(const std::filesystem::path& from, const std::filesystem::path& to, std::string& error) {
    std::error_code failure;
    std::filesystem::rename(from, to, failure);
    if (!failure) {
        return true;
    }
    const std::filesystem::path folder = to.has_parent_path() ? to.parent_path() : std::filesystem::path(".");
    const std::u16string staging = platform::CreateUniqueTempFile(PathText(folder), u"web");
    if (staging.empty()) {
        error = "no file can be created in " + Utf16ToUtf8(PathText(folder));
        RemoveQuietly(from);
        return false;
    }
    if (!std::filesystem::copy_file(from, FilePath(staging),
                                    std::filesystem::copy_options::overwrite_existing, failure)) {
        error = failure.message();
        RemoveQuietly(FilePath(staging));
        RemoveQuietly(from);
        return false;
    }
    RemoveQuietly(from);
    return ReplaceFile(FilePath(staging), to, error);
}

bool WriteReport(const CalcContext& context, const OutputRequest& request) {
    std::u16string path;
    std::u16string error;
    if (!RenderReport(context, request.folder, path, &error)) {
        if (!path.empty()) {
            RemoveQuietly(FilePath(path));
        }
        PrintError("the report was not written: " + Utf16ToUtf8(error));
        return false;
    }
    std::u16string target;
    if (request.reportPath) {
        target = *request.reportPath;
    } else if (!request.name.empty()) {
        target = request.folder + request.name + u".html";
    }
    if (!target.empty()) {
        std::string moveError;
        if (!MoveReport(FilePath(path), FilePath(target), moveError)) {
            PrintError("the report cannot be written to " + Utf16ToUtf8(target) + ": " + moveError);
            return false;
        }
        path = std::move(target);
    }
    PrintLine(u"HTML: " + path);
    return true;
}

} // namespace

bool CheckOutputName(std::string_view name, std::string& error) {
    const bool reserved = name == "." || name == "..";
    if (name.empty() || reserved || name.find_first_of("/\\:*?\"<>|") != std::string_view::npos) {
        error = "--name takes a file name without folder or extension, not '" + std::string(name) + "'";
        return false;
    }
    return true;
}

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
            written = WriteExport(host, format, request) && written;
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

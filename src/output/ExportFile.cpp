#include "output/ExportFile.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "platform/Platform.h"
#include "platform/TempFiles.h"
#include "text/StringTable.h"

namespace {

constexpr int kExportNameAttempts = 100;

// Only a regular file: a device a path may name stays.
void RemoveRegularFile(const std::u16string& path) {
    std::error_code ignored;
    const std::filesystem::path file(path);
    if (std::filesystem::is_regular_file(std::filesystem::symlink_status(file, ignored))) {
        std::filesystem::remove(file, ignored);
    }
}

} // namespace

std::u16string MakeExportPath(std::u16string_view folder, std::u16string_view extension) {
    const std::u16string directory = folder.empty() ? platform::TempDirectory() : std::u16string(folder);
    if (directory.empty()) {
        return {};
    }
    // The reservation is removed once the export is written, after which the system may hand out the
    // same name again: a name whose export file is still there (a program kept it) is passed over, its
    // reservation kept until a free one is found so that the system does not offer it again.
    std::vector<std::u16string> passedOver;
    std::u16string path;
    for (int attempt = 0; attempt < kExportNameAttempts; ++attempt) {
        const std::u16string reserved = platform::CreateUniqueTempFile(directory, u"EXP");
        if (reserved.empty()) {
            break;
        }
        std::error_code ignored;
        if (!std::filesystem::exists(std::filesystem::path(reserved + std::u16string(extension)), ignored)) {
            path = reserved + std::u16string(extension);
            break;
        }
        passedOver.push_back(reserved);
    }
    for (const std::u16string& reserved : passedOver) {
        RemoveRegularFile(reserved);
    }
    if (path.empty() || path.size() > kExportPathCapacity) {
        if (!path.empty()) {
            ReleaseExportReservation(path, extension);
        }
        return {};
    }
    return path;
}

void ReleaseExportReservation(std::u16string_view path, std::u16string_view extension) {
    if (path.size() > extension.size()) {
        RemoveRegularFile(std::u16string(path.substr(0, path.size() - extension.size())));
    }
}

ExportFileWriter::ExportFileWriter(const std::u16string& path) {
    if (path.empty()) {
        return;
    }
    // Binary: the bytes reach the file without line-end translation.
    file_.open(std::filesystem::path(path), std::ios::binary | std::ios::out | std::ios::trunc);
    open_ = file_.is_open();
}

void ExportFileWriter::Append(std::string_view bytes) {
    if (!open_ || failed_) {
        return;
    }
    file_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    failed_ = !file_.good();
}

bool ExportFileWriter::Close() {
    if (!open_) {
        return false;
    }
    open_ = false;
    if (!failed_) {
        file_.flush();
        failed_ = !file_.good();
    }
    file_.close();
    failed_ = failed_ || file_.fail();
    return !failed_;
}

ExportWriteResult WriteExportFile(const std::u16string& path, std::string_view bytes) {
    ExportFileWriter writer(path);
    if (!writer.IsOpen()) {
        return ExportWriteResult::CannotOpen;
    }
    writer.Append(bytes);
    if (!writer.Close()) {
        // A truncated export must not be mistaken for a whole one (a full disk): it is removed.
        RemoveRegularFile(path);
        return ExportWriteResult::WriteFailed;
    }
    return ExportWriteResult::Written;
}

int32_t ReportExportWrite(const ExportHost& host, ExportWriteResult result, WriteErrorText writeErrorText) {
    if (result == ExportWriteResult::Written) {
        return 1;
    }
    const bool ownWriteText =
        result == ExportWriteResult::WriteFailed && writeErrorText == WriteErrorText::OwnText;
    if (host.showError) {
        host.showError(
            LoadText(StringId::ErrorCaption),
            LoadText(ownWriteText ? StringId::FileWriteError : StringId::CannotOpenFileForWriting));
    }
    return 0;
}

int32_t SaveExportFile(const ExportHost& host, std::u16string_view extension, std::string_view bytes,
                       WriteErrorText writeErrorText, std::u16string& path) {
    const std::u16string exportPath = MakeExportPath(host.folder, extension);
    if (exportPath.empty()) {
        return ReportExportWrite(host, ExportWriteResult::CannotOpen, writeErrorText);
    }
    path = exportPath;
    const ExportWriteResult result = WriteExportFile(exportPath, bytes);
    ReleaseExportReservation(exportPath, extension);
    return ReportExportWrite(host, result, writeErrorText);
}

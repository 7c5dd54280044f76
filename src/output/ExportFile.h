// Writing an export file: the name in the temporary folder, the file itself and the two error
// messages the user sees.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <string_view>

#include "output/ExportHost.h"

// The longest path the export page's buffer of 260 UTF-16 characters holds with its terminating NUL.
inline constexpr size_t kExportPathCapacity = 259;

// A unique name that the system makes and reserves in folder (the user's temporary folder when empty)
// with the prefix "EXP" and its own ".tmp" extension, and extension appended to that whole name
// ("EXP1F2A.tmp.json"), never the name of an export file still present. The reserving empty file stays
// in place until ReleaseExportReservation. Empty when no name can be made or the path would be longer
// than kExportPathCapacity characters.
std::u16string MakeExportPath(std::u16string_view folder, std::u16string_view extension);
// Removes the empty ".tmp" file that reserved the name of the export at path (path less extension).
void ReleaseExportReservation(std::u16string_view path, std::u16string_view extension);

// A file created for writing bytes, replacing any file of that name. Keeps the first error: after a
// failed write further appends do nothing, and the caller checks once at the end.
class ExportFileWriter {
public:
    explicit ExportFileWriter(const std::u16string& path);
    ExportFileWriter(const ExportFileWriter&) = delete;
    ExportFileWriter& operator=(const ExportFileWriter&) = delete;

    bool IsOpen() const { return open_; }
    void Append(std::string_view bytes);
    // Flushes and closes the file; true when it was open and every byte reached it.
    bool Close();

private:
    std::ofstream file_;
    bool open_ = false;
    bool failed_ = false;
};

enum class ExportWriteResult : int32_t {
    Written = 0,
    CannotOpen = 1,  // the file cannot be created
    WriteFailed = 2, // created, but not every byte was written
};

// Writes bytes as the whole content of the file at path in one write. A failed write removes the file.
ExportWriteResult WriteExportFile(const std::u16string& path, std::string_view bytes);

// How a format reports a failed write: the JSON and TXT exports say "Ошибка записи файла", the XML
// export says "Невозможно открыть файл для записи" for both failures.
enum class WriteErrorText { OwnText, SameAsOpen };

// 1 for a written file; otherwise shows the error through host.showError with caption "Ошибка" and the
// text for result (see WriteErrorText) and returns 0.
int32_t ReportExportWrite(const ExportHost& host, ExportWriteResult result, WriteErrorText writeErrorText);

// Makes the path with extension in host.folder, writes bytes there, removes the name's reservation and
// returns 1 with the path in path;
// on failure shows the error through host.showError (caption "Ошибка") and returns 0. When no name can
// be made, path keeps what it held and the failure is reported as a file that cannot be created.
int32_t SaveExportFile(const ExportHost& host, std::u16string_view extension, std::string_view bytes,
                       WriteErrorText writeErrorText, std::u16string& path);

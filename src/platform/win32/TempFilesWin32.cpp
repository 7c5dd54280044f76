#include "platform/TempFiles.h"

#include <windows.h>

namespace platform {

std::u16string CreateUniqueTempFile(std::u16string_view folder, std::u16string_view prefix) {
    // An empty folder would make the system take the current folder. GetTempFileNameW refuses a folder
    // longer than MAX_PATH - 14 characters, the room its name needs in the MAX_PATH buffer; checked
    // here too, as not every implementation of it does.
    if (folder.empty() || folder.size() > MAX_PATH - 14) {
        return {};
    }
    const std::u16string folderText(folder);
    const std::u16string prefixText(prefix);
    wchar_t path[MAX_PATH];
    // With 0 as the unique number the system picks one, creates the empty file and so reserves it.
    if (GetTempFileNameW(reinterpret_cast<const wchar_t*>(folderText.c_str()),
                         reinterpret_cast<const wchar_t*>(prefixText.c_str()), 0, path) == 0) {
        return {};
    }
    return std::u16string(reinterpret_cast<const char16_t*>(path));
}

NewFileResult CreateNewFile(std::u16string_view path) {
    const std::u16string name(path);
    const wchar_t* wide = reinterpret_cast<const wchar_t*>(name.c_str());
    // CREATE_NEW fails on any existing name; a reparse point of that name is not followed.
    const HANDLE file = CreateFileW(wide, GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        // A folder of that name answers "access denied" rather than "exists".
        return GetFileAttributesW(wide) != INVALID_FILE_ATTRIBUTES ? NewFileResult::Exists
                                                                   : NewFileResult::Failed;
    }
    CloseHandle(file);
    return NewFileResult::Created;
}

} // namespace platform

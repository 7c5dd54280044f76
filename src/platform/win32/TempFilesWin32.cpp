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

} // namespace platform

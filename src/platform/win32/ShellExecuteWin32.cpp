#include "platform/ShellExecute.h"

#include <string>

#include <windows.h>
// windows.h first: shellapi.h relies on its types.
#include <shellapi.h>

namespace platform {
namespace {
int32_t Execute(const std::u16string& file, const std::u16string& parameters) {
    SetLastError(ERROR_SUCCESS);
    const HINSTANCE result =
        ShellExecuteW(nullptr, nullptr, reinterpret_cast<const wchar_t*>(file.c_str()),
                      reinterpret_cast<const wchar_t*>(parameters.c_str()), nullptr, SW_SHOWNORMAL);
    // Values above 32 mean success.
    const auto code = static_cast<DWORD>(reinterpret_cast<INT_PTR>(result));
    if (code > 32) {
        return 0;
    }
    // The small failure codes (file or path not found, access denied, out of memory) are the system's
    // error numbers; they stand in when the shell left no reason of its own.
    if (GetLastError() == ERROR_SUCCESS) {
        SetLastError(code != 0 ? code : static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
    }
    return 1;
}
} // namespace

int32_t StartProgram(std::u16string_view program, std::u16string_view parameters) {
    return Execute(std::u16string(program), std::u16string(parameters));
}

int32_t OpenWithAssociatedProgram(std::u16string_view file) {
    return Execute(std::u16string(file), std::u16string());
}

} // namespace platform

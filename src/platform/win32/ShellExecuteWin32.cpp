#include "platform/ShellExecute.h"

#include <string>

#include <windows.h>
// windows.h first: shellapi.h relies on its types.
#include <shellapi.h>

namespace platform {
namespace {
int32_t Execute(const std::u16string& file, const std::u16string& parameters) {
    const HINSTANCE result =
        ShellExecuteW(nullptr, nullptr, reinterpret_cast<const wchar_t*>(file.c_str()),
                      reinterpret_cast<const wchar_t*>(parameters.c_str()), nullptr, SW_SHOWNORMAL);
    // Values above 32 mean success.
    return reinterpret_cast<INT_PTR>(result) > 32 ? 0 : 1;
}
} // namespace

int32_t StartProgram(std::u16string_view program, std::u16string_view parameters) {
    return Execute(std::u16string(program), std::u16string(parameters));
}

int32_t OpenWithAssociatedProgram(std::u16string_view file) {
    return Execute(std::u16string(file), std::u16string());
}

} // namespace platform

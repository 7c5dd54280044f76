// Handing a file to another program the way the Windows shell does, without waiting for it.
#pragma once

#include <cstdint>
#include <string_view>

namespace platform {

// Starts program with the command-line text parameters, with no owner window, the default verb, no
// working directory and the show-normally mode (Windows: ShellExecuteW). On Linux the program is run
// by /bin/sh as the program's path, quoted, followed by a space and the parameters as the shell reads
// them. Returns 0 when the start was handed to the system, non-zero otherwise, on Windows with the
// reason left as the thread's last error; a program that is started but then fails is not noticed.
int32_t StartProgram(std::u16string_view program, std::u16string_view parameters);

// Opens file with the program the system associates with its type (Windows: ShellExecuteW of the
// file itself with empty parameters; Linux: xdg-open when it is installed). Returns 0 when the start
// was handed to the system, non-zero otherwise (on Linux also when xdg-open is missing).
int32_t OpenWithAssociatedProgram(std::u16string_view file);

} // namespace platform

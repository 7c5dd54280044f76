// The program's entry on Windows: the arguments are taken as UTF-16 (wmain), so names in any script
// reach the program intact, and the console is told that the output is UTF-8.
#include <windows.h>

#include <string>
#include <vector>

#include "host/cli/Commands.h"
#include "text/Utf.h"

int wmain(int argc, wchar_t** argv) {
    SetConsoleOutputCP(CP_UTF8);
    std::vector<std::string> arguments;
    for (int i = 1; i < argc; ++i) {
        arguments.push_back(Utf16ToUtf8(reinterpret_cast<const char16_t*>(argv[i])));
    }
    return TarvelMain(arguments);
}

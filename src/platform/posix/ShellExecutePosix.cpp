#include "platform/ShellExecute.h"

#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

#include "text/Utf.h"

namespace platform {
namespace {
// The text as one word of the shell: in single quotes, each single quote written as '\''.
std::string ShellQuoted(std::string_view text) {
    std::string quoted = "'";
    for (const char c : text) {
        if (c == '\'') {
            quoted += "'\\''";
        } else {
            quoted.push_back(c);
        }
    }
    quoted.push_back('\'');
    return quoted;
}

// Runs the command line through /bin/sh detached from this process: an intermediate child starts the
// shell and exits at once, so the caller neither waits for the program nor leaves a zombie behind.
int32_t RunDetached(const std::string& commandLine) {
    const pid_t child = fork();
    if (child < 0) {
        return 1;
    }
    if (child == 0) {
        setsid();
        const pid_t grandchild = fork();
        if (grandchild == 0) {
            execl("/bin/sh", "sh", "-c", commandLine.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        _exit(grandchild < 0 ? 1 : 0);
    }
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
}

bool XdgOpenInstalled() {
    const char* path = std::getenv("PATH");
    std::string_view folders = path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin";
    while (!folders.empty()) {
        const size_t colon = folders.find(':');
        const std::string_view folder = folders.substr(0, colon);
        if (!folder.empty() && access((std::string(folder) + "/xdg-open").c_str(), X_OK) == 0) {
            return true;
        }
        folders = colon == std::string_view::npos ? std::string_view{} : folders.substr(colon + 1);
    }
    return false;
}
} // namespace

int32_t StartProgram(std::u16string_view program, std::u16string_view parameters) {
    if (program.empty()) {
        return 1;
    }
    std::string commandLine = ShellQuoted(Utf16ToUtf8(program));
    if (!parameters.empty()) {
        commandLine += ' ';
        commandLine += Utf16ToUtf8(parameters);
    }
    return RunDetached(commandLine);
}

int32_t OpenWithAssociatedProgram(std::u16string_view file) {
    if (file.empty() || !XdgOpenInstalled()) {
        return 1;
    }
    return RunDetached("xdg-open " + ShellQuoted(Utf16ToUtf8(file)));
}

} // namespace platform

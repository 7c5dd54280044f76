// The program's entry on Linux: the arguments arrive as UTF-8 bytes.
#include <string>
#include <vector>

#include "host/cli/Commands.h"

int main(int argc, char** argv) {
    return TarvelMain(std::vector<std::string>(argv + 1, argv + argc));
}

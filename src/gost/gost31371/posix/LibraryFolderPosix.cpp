// The folder of the library's .so: dladdr of a function of the library names the file it was mapped from.
#include <dlfcn.h>

#include "gost/gost31371/TablesInForce.h"

namespace gost31371 {

std::filesystem::path LibraryFolder() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&LibraryFolder), &info) == 0 || info.dli_fname == nullptr ||
        info.dli_fname[0] == '\0') {
        return {};
    }
    std::error_code error;
    const std::filesystem::path file = std::filesystem::absolute(info.dli_fname, error);
    return error ? std::filesystem::path() : file.parent_path();
}

} // namespace gost31371

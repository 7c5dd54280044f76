// Unique file names in a folder, made and reserved by the system so that two programs never get the
// same one.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Creates an empty file in folder whose name is prefix, a unique part and ".tmp" (Windows:
// GetTempFileNameW, which keeps the first three characters of the prefix and adds up to four hex
// digits; Linux: six random letters and digits) and returns its full path. The file stays in place as
// the reservation of the name. Empty when no file can be created there (the folder is missing or not
// writable).
std::u16string CreateUniqueTempFile(std::u16string_view folder, std::u16string_view prefix);

} // namespace platform

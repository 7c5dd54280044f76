// Unique file names in a folder, made and reserved by the system so that two programs never get the
// same one.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// Creates an empty file in folder whose name is prefix, a unique part and ".tmp" (Windows:
// GetTempFileNameW, which keeps the first three characters of the prefix and adds up to four hex
// digits; Linux: six random letters and digits) and returns its full path. The file stays in place as
// the reservation of the name. Empty when no file can be created there (the folder is missing or not
// writable).
std::u16string CreateUniqueTempFile(std::u16string_view folder, std::u16string_view prefix);

enum class NewFileResult {
    Created, // an empty file of that name now exists, made by this call
    Exists,  // something of that name exists already: a file, a folder, a link (even one to nowhere)
    Failed,  // nothing could be created (a missing or read-only folder, an invalid name)
};

// Creates an empty file at path only when nothing of that name exists, in one step the system keeps
// atomic: a link planted under that name is never followed.
NewFileResult CreateNewFile(std::u16string_view path);

// Files numbered from the tick count, as the report's files ("web12345.html") and the browser window's
// ready files ("wbf12345.html") are: the number is (tickMilliseconds / 100 + step) modulo 100000.
inline constexpr uint32_t kTickNumberCount = 100000;

// The name numbered so: prefix, the number in decimal, extension.
std::u16string TickNumberedName(std::u16string_view prefix, uint32_t tickMilliseconds, uint32_t step,
                                std::u16string_view extension);

struct TickNumberedFile {
    std::u16string path;  // the file made (Created) or the name that could not be made (Failed)
    NewFileResult result; // Exists: every one of the 100000 names is taken, and path is empty
};

// Creates an empty file in folder (ending in its separator) under the first numbered name, from step 0
// on, at which nothing exists (CreateNewFile). A folder that refuses the file ends the search.
TickNumberedFile CreateTickNumberedFile(std::u16string_view folder, std::u16string_view prefix,
                                        std::u16string_view extension, uint32_t tickMilliseconds);

} // namespace platform

// Applying an XSL transformation: MSXML 6 on Windows, libxslt elsewhere. Each call is self-contained
// (on Windows it initialises COM for the calling thread for its duration).
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Transforms the XML document (UTF-8 text) with the style sheet file and writes the result to the
// output file. True when the output file was written; otherwise false, with a description of the first
// failure (in the parser's own words where it gives any) in error.
bool TransformXslt(std::u16string_view styleSheetPath, std::string_view documentUtf8,
                   std::u16string_view outputPath, std::u16string& error);

} // namespace platform

// Applying an XSL transformation: MSXML 6 on Windows, libxslt elsewhere. Each call is self-contained
// (on Windows it initialises COM for the calling thread for its duration).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// The step of a transformation that failed; the caller words it in the user's language.
enum class XsltStep : int32_t {
    Prepare,        // the engine or its objects cannot be set up
    ReadDocument,   // the XML document is empty or cannot be parsed
    LoadStyleSheet, // the style sheet cannot be read or is no style sheet
    Transform,      // the transformation stopped or gave no document
    WriteOutput,    // the result cannot be written to the output file
};

struct XsltFailure {
    XsltStep step = XsltStep::Prepare;
    std::u16string detail; // the engine's or the system's own words about the first failure; may be empty
};

// Transforms the XML document (UTF-8 text) with the style sheet file and writes the result to the
// output file. True when the output file was written; otherwise false, with the failed step in failure.
bool TransformXslt(std::u16string_view styleSheetPath, std::string_view documentUtf8,
                   std::u16string_view outputPath, XsltFailure& failure);

} // namespace platform

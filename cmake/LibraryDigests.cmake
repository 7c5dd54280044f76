# Records the SHA-1 digest of each calculation library as built, for the plug-in's integrity check.
# Called as: cmake -DOUTPUT=<file.cpp> -DLIBRARIES=<name>=<path>|... -P LibraryDigests.cmake
string(REPLACE "|" ";" LIBRARIES "${LIBRARIES}")
set(rows "")
foreach(entry IN LISTS LIBRARIES)
    string(REPLACE "=" ";" parts "${entry}")
    list(GET parts 0 name)
    list(GET parts 1 path)
    file(SHA1 "${path}" digest)
    string(APPEND rows "    {u\"${name}\", \"${digest}\"},\n")
endforeach()
if(rows STREQUAL "")
    # No library was built: the check then refuses every library.
    set(rows "    {u\"\", \"\"},\n")
endif()
set(text "// Generated at build time from the calculation libraries: do not edit.
#include \"plugin/IntegrityCheck.h\"

namespace {
const LibraryDigest kDigests[] = {
${rows}};
} // namespace

std::span<const LibraryDigest> ExpectedLibraryDigests() {
    return kDigests;
}
")
if(EXISTS "${OUTPUT}")
    file(READ "${OUTPUT}" old)
else()
    set(old "")
endif()
if(NOT old STREQUAL text)
    file(WRITE "${OUTPUT}" "${text}")
endif()

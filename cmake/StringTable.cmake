# The string table has one source, resources/strings.tsv; the portable lookup and the Windows
# STRINGTABLE resource are generated from it at build time.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(TARVEL_GENERATED_DIR "${CMAKE_BINARY_DIR}/generated")
set(TARVEL_STRINGS_SOURCE "${CMAKE_SOURCE_DIR}/resources/strings.tsv")
set(TARVEL_STRINGS_OUTPUTS
    "${TARVEL_GENERATED_DIR}/text/StringIds.gen.h"
    "${TARVEL_GENERATED_DIR}/text/StringTable.gen.cpp"
    "${TARVEL_GENERATED_DIR}/text/strings.gen.rc")
add_custom_command(
    OUTPUT ${TARVEL_STRINGS_OUTPUTS}
    COMMAND Python3::Interpreter "${CMAKE_SOURCE_DIR}/scripts/gen_strings.py" "${TARVEL_STRINGS_SOURCE}"
            "${TARVEL_GENERATED_DIR}/text"
    DEPENDS "${TARVEL_STRINGS_SOURCE}" "${CMAKE_SOURCE_DIR}/scripts/gen_strings.py"
    COMMENT "Generating the string table"
    VERBATIM)

# Runs tarvel once and checks what it did: its exit status, what it printed, the files it left.
# Variables (-D):
#   TARVEL      the program; EMULATOR runs it when set (Wine for the Windows build)
#   ARGS        its arguments, separated by "|"
#   EXIT        the exit status it must end with
#   OUTPUT      regular expressions the standard output must match, separated by "|"
#   NOT_OUTPUT  a regular expression the standard output must not match
#   ERROR       a regular expression the standard error must match
#   FRESH       a folder emptied before the run
#   COPY        "FROM>TO": a file copied before the run
#   FILES       "GLOB=COUNT" pairs separated by "|": how many files each pattern must match afterwards
#   ABSENT      a path that must not exist afterwards
#   CONTAINS    "FILE>REGEX": a file whose text must match the expression afterwards
cmake_minimum_required(VERSION 3.20)

if(FRESH)
    file(REMOVE_RECURSE "${FRESH}")
    file(MAKE_DIRECTORY "${FRESH}")
endif()
if(COPY)
    string(REPLACE ">" ";" copy "${COPY}")
    list(GET copy 0 from)
    list(GET copy 1 to)
    configure_file("${from}" "${to}" COPYONLY)
endif()

string(REPLACE "|" ";" arguments "${ARGS}")
execute_process(COMMAND ${EMULATOR} "${TARVEL}" ${arguments}
                RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE error)
set(failures "")

# A sanitizer's report fails the case even where the expected status is 1, the status it exits with.
if(error MATCHES "AddressSanitizer|LeakSanitizer|runtime error:")
    string(APPEND failures "a sanitizer reported an error\n")
endif()
if(NOT "${status}" STREQUAL "${EXIT}")
    string(APPEND failures "exit status ${status}, expected ${EXIT}\n")
endif()
if(OUTPUT)
    string(REPLACE "|" ";" expressions "${OUTPUT}")
    foreach(expression IN LISTS expressions)
        if(NOT output MATCHES "${expression}")
            string(APPEND failures "the output does not match: ${expression}\n")
        endif()
    endforeach()
endif()
if(NOT_OUTPUT AND output MATCHES "${NOT_OUTPUT}")
    string(APPEND failures "the output matches: ${NOT_OUTPUT}\n")
endif()
if(ERROR AND NOT error MATCHES "${ERROR}")
    string(APPEND failures "the error output does not match: ${ERROR}\n")
endif()
if(FILES)
    string(REPLACE "|" ";" patterns "${FILES}")
    foreach(pair IN LISTS patterns)
        string(REGEX MATCH "^(.*)=([0-9]+)$" matched "${pair}")
        file(GLOB found "${CMAKE_MATCH_1}")
        list(LENGTH found count)
        if(NOT count EQUAL CMAKE_MATCH_2)
            string(APPEND failures "${count} files match ${CMAKE_MATCH_1}, expected ${CMAKE_MATCH_2}\n")
        endif()
    endforeach()
endif()
if(ABSENT AND EXISTS "${ABSENT}")
    string(APPEND failures "${ABSENT} exists\n")
endif()
if(CONTAINS)
    string(REPLACE ">" ";" contains "${CONTAINS}")
    list(GET contains 0 file)
    list(GET contains 1 expression)
    if(NOT EXISTS "${file}")
        string(APPEND failures "${file} is missing\n")
    else()
        file(READ "${file}" text)
        if(NOT text MATCHES "${expression}")
            string(APPEND failures "${file} does not match: ${expression}\n")
        endif()
    endif()
endif()

if(failures)
    message(FATAL_ERROR "tarvel ${ARGS}\n${failures}--- output:\n${output}\n--- error output:\n${error}")
endif()

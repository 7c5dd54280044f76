# Writes the demo report with the Windows build (under Wine) and with the native build, and compares the
# two with every date and time text masked.
if(NOT EXISTS "${NATIVE_TARVEL}")
    message("no native build to compare with (${NATIVE_TARVEL})")
    return()
endif()
file(REMOVE_RECURSE "${FOLDER}")
file(MAKE_DIRECTORY "${FOLDER}/windows" "${FOLDER}/native")
execute_process(COMMAND ${EMULATOR} "${WINDOWS_TARVEL}" demo --out "${FOLDER}/windows" RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the Windows build's demo failed: ${status}")
endif()
execute_process(COMMAND "${NATIVE_TARVEL}" demo --out "${FOLDER}/native" RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "the native build's demo failed: ${status}")
endif()

function(read_masked path variable)
    file(READ "${path}" text)
    # Short dates with times ("14.03.2024 6:40:00") and long dates, with or without the day of the week
    # ("7 декабря 2026 г. 11:26", "понедельник, 7 декабря 2026 г. 11:26").
    string(REGEX REPLACE "[0-9]+[./-][0-9]+[./-][0-9]+ [0-9]+:[0-9]+(:[0-9]+)?" "<date>" text "${text}")
    string(REGEX REPLACE "([^ <>0-9\"]+, )?[0-9]+ [^ <>0-9]+ [0-9]+[^<>0-9]+[0-9]+:[0-9]+" "<date>" text "${text}")
    # A serialiser may put the root element on a line of its own and end the file with a line end: white
    # space outside the document's elements, which no reader sees.
    string(REPLACE "about:legacy-compat\">\n<html" "about:legacy-compat\"><html" text "${text}")
    string(REGEX REPLACE "\n$" "" text "${text}")
    set(${variable} "${text}" PARENT_SCOPE)
endfunction()
read_masked("${FOLDER}/windows/tarvel.html" windows)
read_masked("${FOLDER}/native/tarvel.html" native)
if(NOT windows STREQUAL native)
    file(WRITE "${FOLDER}/windows-masked.html" "${windows}")
    file(WRITE "${FOLDER}/native-masked.html" "${native}")
    message(FATAL_ERROR "the reports differ: compare ${FOLDER}/windows-masked.html with ${FOLDER}/native-masked.html")
endif()
message("the reports are the same apart from their dates")

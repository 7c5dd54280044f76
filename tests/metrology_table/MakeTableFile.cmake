# Writes the table file of a test folder from the built-in table: ROLE laboratory doubles the coefficient a
# of method А's propane row 0.1-1 mol % (the demo gas holds about 0.9 mol % propane); ROLE refused adds a
# last row whose range overlaps that row.
file(READ "${TABLE}" text)
set(row "A\tpropane\t0.1\t1\t0.0361\t6.69e-05")
string(FIND "${text}" "${row}" at)
if(at EQUAL -1)
    message(FATAL_ERROR "the row of method A for propane 0.1-1 mol % is not in ${TABLE}")
endif()
if(ROLE STREQUAL "laboratory")
    string(REPLACE "${row}" "A\tpropane\t0.1\t1\t0.0722\t6.69e-05" text "${text}")
else()
    string(APPEND text "A\tpropane\t0.5\t2\t0.0361\t6.69e-05\tan overlapping row\n")
endif()
file(WRITE "${OUTPUT}.new" "${text}")
file(COPY_FILE "${OUTPUT}.new" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.new")

# Compiles a source that includes HEADER with INCLUDE_DIRS less IMPLICIT_DIRS (each separated by
# "|"). EXPECTED is `found` (it must compile) or `refused` (the compiler must fail for want of that
# very header).
file(MAKE_DIRECTORY ${WORK})
file(WRITE ${WORK}/probe.cpp "#include \"${HEADER}\"\n")
string(REPLACE "|" ";" include_dirs "${INCLUDE_DIRS}")
string(REPLACE "|" ";" implicit_dirs "${IMPLICIT_DIRS}")
list(REMOVE_DUPLICATES include_dirs)
list(REMOVE_ITEM include_dirs ${implicit_dirs})
list(TRANSFORM include_dirs PREPEND -I)
execute_process(
    COMMAND ${COMPILER} ${STANDARD} -fsyntax-only ${include_dirs} ${WORK}/probe.cpp
    RESULT_VARIABLE status
    ERROR_VARIABLE errors)
string(REGEX MATCH "${HEADER}'?:? (No such file or directory|file not found)" missing "${errors}")
if(EXPECTED STREQUAL "found" AND NOT status EQUAL 0)
    message(FATAL_ERROR "${HEADER} does not compile here:\n${errors}")
elseif(EXPECTED STREQUAL "refused" AND NOT missing)
    message(FATAL_ERROR "${HEADER} should not be found here, but the compiler said "
        "(status ${status}):\n${errors}")
endif()
message(STATUS "${HEADER}: ${EXPECTED}")

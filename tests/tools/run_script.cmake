# Runs zun-sim (with OPTIONS before the script, when given) on SCRIPT and compares its exit status and its output (standard output, then
# standard error) with EXPECTED_STATUS and the file EXPECTED.
execute_process(COMMAND ${ZUN_SIM} ${OPTIONS} ${SCRIPT}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE errors)
file(READ ${EXPECTED} expected)
if(NOT status EQUAL EXPECTED_STATUS)
    message(FATAL_ERROR "exit status ${status}, expected ${EXPECTED_STATUS}\n${out}${errors}")
endif()
if(NOT "${out}${errors}" STREQUAL "${expected}")
    message(FATAL_ERROR "output differs:\n${out}${errors}\nexpected:\n${expected}")
endif()

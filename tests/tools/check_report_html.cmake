# Runs `zun-sim --report-html HTML SESSION` and checks the page: TITLE (the trainee, the date and
# the lesson) as its title, and each text of EXPECTED (separated by "|").
file(REMOVE ${HTML})
execute_process(COMMAND ${ZUN_SIM} --report-html ${HTML} ${SESSION}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE errors)
if(NOT status EQUAL 0 OR NOT out STREQUAL "")
    message(FATAL_ERROR "exit status ${status}, output:\n${out}${errors}")
endif()
file(READ ${HTML} page)
string(REPLACE "|" ";" expected_texts "${EXPECTED}")
foreach(expected IN ITEMS "<title>${TITLE}</title>" ${expected_texts})
    string(FIND "${page}" "${expected}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the page lacks ${expected}:\n${page}")
    endif()
endforeach()

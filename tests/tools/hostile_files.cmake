# zun-sim on files a careless or hostile user hands it: each is refused at once with exit status 2
# and a short message, never read without end, blocked on, or echoed whole. WORK is a scratch
# folder.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND mkfifo ${WORK}/pipe.zs RESULT_VARIABLE made)
if(NOT made EQUAL 0)
    message(FATAL_ERROR "mkfifo failed")
endif()
string(REPEAT "x" 100000 chunk)
string(REPEAT "${chunk}" 100 huge_line)
file(WRITE ${WORK}/huge_line.zs "${huge_line}\n")

foreach(target ${WORK} /dev/zero ${WORK}/pipe.zs ${WORK}/huge_line.zs)
    foreach(mode "" --check --report)
        execute_process(COMMAND ${ZUN_SIM} ${mode} ${target} TIMEOUT 20
                        RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE errors)
        string(LENGTH "${out}${errors}" length)
        if(NOT status EQUAL 2 OR length GREATER 400)
            string(SUBSTRING "${out}${errors}" 0 400 shown)
            message(FATAL_ERROR "zun-sim ${mode} ${target}: status ${status}, ${length} bytes:\n"
                                "${shown}")
        endif()
    endforeach()
endforeach()
file(REMOVE_RECURSE ${WORK})

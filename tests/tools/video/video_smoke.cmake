# Makes the first seconds of a training video and checks with ffprobe what a player will find:
# MPEG-4 video in AVI, 1280 x 800, 25 frames a second, as long as asked for.
set(seconds 3)
file(REMOVE ${VIDEO})
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
                    ${MAKER} --seconds ${seconds} ${SESSION} ${VIDEO}
                RESULT_VARIABLE made)
if(NOT made EQUAL 0)
    message(FATAL_ERROR "zun_make_video failed: ${made}")
endif()
execute_process(COMMAND ffprobe -v error -select_streams v:0 -count_frames
                    -show_entries format=format_name:stream=codec_name,width,height,r_frame_rate,nb_read_frames
                    -of default=noprint_wrappers=1 ${VIDEO}
                OUTPUT_VARIABLE probed RESULT_VARIABLE probe_result)
if(NOT probe_result EQUAL 0)
    message(FATAL_ERROR "ffprobe cannot read ${VIDEO}")
endif()
math(EXPR frames "${seconds} * 25 + 1")
foreach(expected IN ITEMS "codec_name=mpeg4" "width=1280" "height=800" "r_frame_rate=25/1"
                          "nb_read_frames=${frames}" "format_name=avi")
    string(FIND "${probed}" "${expected}\n" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "expected ${expected} in:\n${probed}")
    endif()
endforeach()
file(REMOVE ${VIDEO})

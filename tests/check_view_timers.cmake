# Fails when a view makes a timer on the model's clock: a view's own timers run on the views' clock
# or are Qt timers of its window, so that no window code runs inside the model's advance. (Which folder may include which
# is the build's to keep: each layer sees only the headers of the layers it links.)
foreach(folder IN ITEMS ui console app assets instructor)
    file(GLOB_RECURSE sources "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
    # The views' own clock runs its timers on a scheduler of its own, never the model's.
    list(FILTER sources EXCLUDE REGEX "/console/view_clock\\.(h|cpp)$")
    foreach(source IN LISTS sources)
        file(STRINGS "${source}" model_timers REGEX "zun::Timer[ \t&*]")
        if(model_timers)
            message(FATAL_ERROR "${source} runs a timer on the model's clock: ${model_timers}")
        endif()
    endforeach()
endforeach()
message(STATUS "no view runs a timer on the model's clock")

# Installs the build at BUILD under the scratch root ROOT, replacing what an earlier run left.
file(REMOVE_RECURSE ${ROOT})
set(ENV{DESTDIR} ${ROOT})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD}
    OUTPUT_QUIET
    COMMAND_ERROR_IS_FATAL ANY)

# One name for the launcher, the AppStream metadata, the icon and the program's windows, as the
# desktop's software centres and task bars expect.
set(ZUN_APP_ID "invalid.zun_trainer.Trainer")
# The instructor's station, a program of its own with a launcher of its own.
set(ZUN_INSTRUCTOR_APP_ID "invalid.zun_trainer.Instructor")

# The folders of documents the trainer opens relative to its working folder: "help" for the
# manual and "video" for the training videos. The build makes each of them beside the program;
# the install puts them into the data folder, which is where the launcher starts the program.
set(ZUN_INSTALL_DATA_DIR "${CMAKE_INSTALL_DATADIR}/zun-trainer")
cmake_path(ABSOLUTE_PATH ZUN_INSTALL_DATA_DIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}"
    OUTPUT_VARIABLE ZUN_INSTALL_FULL_DATA_DIR)
set(ZUN_PROGRAM_DIR "${PROJECT_BINARY_DIR}/app")

# A package build makes every data folder with `all`.
if(ZUN_PACKAGE)
    add_custom_target(zun_package_data ALL)
endif()

# zun_add_data_folder(<folder> TARGET <target> FILES <file>...)
#
# Declares that <target> makes ${ZUN_PROGRAM_DIR}/<folder> and that the folder holds at least
# the FILES. The folder is installed whenever the build has made it, as part of the install
# component `data` (the architecture-independent package). A package build makes it as part of
# `all` and stops the install, and so the package, when one of the FILES is missing.
function(zun_add_data_folder folder)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "TARGET" "FILES")
    if(NOT arg_TARGET OR NOT arg_FILES OR arg_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "zun_add_data_folder(${folder} TARGET <target> FILES <file>...)")
    endif()
    set(made "${ZUN_PROGRAM_DIR}/${folder}")
    if(ZUN_PACKAGE)
        add_dependencies(zun_package_data ${arg_TARGET})
        install(CODE "
            foreach(file IN ITEMS ${arg_FILES})
                if(NOT EXISTS \"${made}/\${file}\")
                    message(FATAL_ERROR \"The package needs ${folder}/\${file}, which the \"
                        \"target ${arg_TARGET} has not made in ${made}\")
                endif()
            endforeach()" COMPONENT data)
    endif()
    install(DIRECTORY "${made}/" DESTINATION "${ZUN_INSTALL_DATA_DIR}/${folder}" OPTIONAL
        COMPONENT data)
    set_property(GLOBAL APPEND PROPERTY ZUN_DATA_FOLDERS "${folder}")
endfunction()

# The layers of the program, each a static library whose folder the build keeps to itself: a
# file sees only the headers its own layer publishes and those of the layers its target links,
# so a file that includes a header of a layer above it, or a header another layer keeps
# private, does not compile.
#
# A layer's headers are included by their path from the source root ("sim/U_mech.h"). Two
# folders in the build tree, made at configure time, give each layer its paths:
#   include/<target>/<folder>/<header>  one symbolic link per public header: the layer's
#                                       usage requirement, seen by every target linking it;
#   include/<target>.private/<folder>   one symbolic link to the whole source folder: seen by
#                                       the layer's own sources and by the tests given it.

set(ZUN_INCLUDE_ROOT ${PROJECT_BINARY_DIR}/include)

# zun_add_layer(<target> SOURCES <file>... [PUBLIC_HEADERS <header>...] [LINKS <item>...])
# The layer of the folder whose CMakeLists.txt calls it. PUBLIC_HEADERS are the folder's headers
# other layers may include; LINKS are what its public headers and sources use.
function(zun_add_layer target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;PUBLIC_HEADERS;LINKS")
    add_library(${target} STATIC ${arg_SOURCES})
    zun_publish_headers(${target} ${arg_PUBLIC_HEADERS})
    zun_make_private_folder(${target})
    zun_see_private_headers(${target} ${target})
    target_link_libraries(${target} PUBLIC ${arg_LINKS})
endfunction()

# The folder of the calling CMakeLists.txt, from the source root: the prefix of its include paths.
function(zun_layer_folder out)
    file(RELATIVE_PATH folder ${PROJECT_SOURCE_DIR} ${CMAKE_CURRENT_SOURCE_DIR})
    set(${out} ${folder} PARENT_SCOPE)
endfunction()

# Links each public header into the layer's public include folder, made afresh so that a header
# no longer listed is no longer seen.
function(zun_publish_headers target)
    zun_layer_folder(folder)
    set(public_root ${ZUN_INCLUDE_ROOT}/${target})
    file(REMOVE_RECURSE ${public_root})
    file(MAKE_DIRECTORY ${public_root}/${folder})
    foreach(header IN LISTS ARGN)
        if(NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${header})
            message(FATAL_ERROR "${target} publishes ${folder}/${header}, which does not exist")
        endif()
        file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${public_root}/${folder}/${header}
            SYMBOLIC)
    endforeach()
    target_include_directories(${target} PUBLIC ${public_root})
endfunction()

# Links the layer's whole source folder into its private include folder, kept on the target.
function(zun_make_private_folder target)
    set(private_root ${ZUN_INCLUDE_ROOT}/${target}.private)
    zun_mirror_folder(${private_root})
    set_target_properties(${target} PROPERTIES ZUN_PRIVATE_INCLUDE_DIR ${private_root})
endfunction()

# Makes `root` an include folder that shows the calling folder, whole, at its path from the
# source root (root/tools/video -> the source's tools/video).
function(zun_mirror_folder root)
    zun_layer_folder(folder)
    file(REMOVE_RECURSE ${root})
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${folder} SYMBOLIC)
endfunction()

# Lets `consumer` (the layer itself, its programs, its tests) include every header of `layer`.
# The private folder comes first so that the layer's headers are always read through it.
function(zun_see_private_headers consumer layer)
    target_include_directories(${consumer} BEFORE PRIVATE
        $<TARGET_PROPERTY:${layer},ZUN_PRIVATE_INCLUDE_DIR>)
endfunction()

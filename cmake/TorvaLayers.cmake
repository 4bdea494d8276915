# One static library per folder of src/, each linking only the folders below
# it. A folder may include its own headers and those of the folders it links,
# directly or through them; the build refuses any other `#include "folder/...`.

# Top-level folders of src/, lowest first. A folder of src/ that is not here
# stops the configuration.
set(TORVA_FOLDERS platform state names profiles transport signing logview manual cycle nettest
    form ui app)

# Stops the configuration when a source or header in `dir` (not in its
# sub-folders) is missing from `files`, so that no file is left out in silence.
function(torva_check_listed dir)
    file(GLOB present CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.h)
    set(listed)
    foreach(f IN LISTS ARGN)
        get_filename_component(abs ${f} ABSOLUTE BASE_DIR ${dir})
        list(APPEND listed ${abs})
    endforeach()
    foreach(f IN LISTS present)
        if(NOT f IN_LIST listed)
            message(FATAL_ERROR "${f} is not in the source list of ${dir}/CMakeLists.txt")
        endif()
    endforeach()
endfunction()

# Stops the configuration when a sub-folder of `dir` is not one of `known`.
function(torva_check_folders dir)
    file(GLOB entries LIST_DIRECTORIES true CONFIGURE_DEPENDS ${dir}/*)
    foreach(entry IN LISTS entries)
        if(IS_DIRECTORY ${entry})
            get_filename_component(name ${entry} NAME)
            if(NOT name IN_LIST ARGN)
                message(FATAL_ERROR "${entry} is not registered in ${dir}/CMakeLists.txt")
            endif()
        endif()
    endforeach()
endfunction()

# Checks `target`'s files against the folders `folder` may include; the check
# runs before the target compiles and fails its build.
function(torva_check_includes target folder)
    get_property(allowed GLOBAL PROPERTY TORVA_ALLOWS_${folder})
    set(files)
    foreach(f IN LISTS ARGN)
        get_filename_component(abs ${f} ABSOLUTE BASE_DIR ${CMAKE_CURRENT_SOURCE_DIR})
        list(APPEND files ${abs})
    endforeach()
    set(stamp ${CMAKE_CURRENT_BINARY_DIR}/${target}.includes-checked)
    string(REPLACE ";" "," allowed_arg "${allowed}")
    string(REPLACE ";" "," known_arg "${TORVA_FOLDERS}")
    string(REPLACE ";" "," files_arg "${files}")
    add_custom_command(OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} -DFOLDER=${folder} -DALLOWED=${allowed_arg}
            -DKNOWN=${known_arg} -DFILES=${files_arg} -DSTAMP=${stamp}
            -P ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake
        DEPENDS ${files} ${PROJECT_SOURCE_DIR}/cmake/CheckIncludes.cmake
        COMMENT "Checking the includes of ${folder}"
        VERBATIM)
    target_sources(${target} PRIVATE ${stamp})
endfunction()

# Records what `layer` may include: itself and all it uses, directly or not.
function(torva_layer_allows layer)
    if(NOT layer IN_LIST TORVA_FOLDERS)
        message(FATAL_ERROR "${layer} is not a folder of the layer order")
    endif()
    get_property(known GLOBAL PROPERTY TORVA_ALLOWS_${layer})
    if(known)
        return()
    endif()
    set(allowed ${layer})
    foreach(lower IN LISTS ARGN)
        get_property(lower_allows GLOBAL PROPERTY TORVA_ALLOWS_${lower})
        if(NOT lower_allows)
            message(FATAL_ERROR "${layer} uses ${lower}, which is not built before it")
        endif()
        list(APPEND allowed ${lower_allows})
    endforeach()
    list(REMOVE_DUPLICATES allowed)
    set_property(GLOBAL PROPERTY TORVA_ALLOWS_${layer} ${allowed})
endfunction()

# torva_layer(folder [TARGET name] [LAYER layer] [USES lower...] [LIBRARIES libs...]
#             [SUBFOLDERS names...] SOURCES files...)
# The static library torva_<folder> of the current folder, linking the
# libraries of USES. A sub-folder of a layer (transport/curl) names its LAYER
# and its TARGET: it may include what its layer may. A sub-folder without a
# CMakeLists.txt of its own is part of this library: SOURCES lists its files
# by their path from here (net/Socket.cpp).
function(torva_layer folder)
    cmake_parse_arguments(arg "" "TARGET;LAYER" "USES;SOURCES;LIBRARIES;SUBFOLDERS" ${ARGN})
    if(NOT arg_TARGET)
        set(arg_TARGET torva_${folder})
    endif()
    if(NOT arg_LAYER)
        set(arg_LAYER ${folder})
    endif()
    torva_check_listed(${CMAKE_CURRENT_SOURCE_DIR} ${arg_SOURCES})
    torva_check_folders(${CMAKE_CURRENT_SOURCE_DIR} ${arg_SUBFOLDERS})
    foreach(sub IN LISTS arg_SUBFOLDERS)
        if(NOT EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${sub}/CMakeLists.txt)
            list(TRANSFORM arg_SOURCES PREPEND ${CMAKE_CURRENT_SOURCE_DIR}/ OUTPUT_VARIABLE all)
            torva_check_listed(${CMAKE_CURRENT_SOURCE_DIR}/${sub} ${all})
            torva_check_folders(${CMAKE_CURRENT_SOURCE_DIR}/${sub})
        endif()
    endforeach()
    torva_layer_allows(${arg_LAYER} ${arg_USES})
    add_library(${arg_TARGET} STATIC ${arg_SOURCES})
    target_include_directories(${arg_TARGET} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${arg_TARGET} PUBLIC torva_options ${arg_LIBRARIES})
    foreach(lower IN LISTS arg_USES)
        target_link_libraries(${arg_TARGET} PUBLIC torva_${lower})
    endforeach()
    torva_check_includes(${arg_TARGET} ${arg_LAYER} ${arg_SOURCES})
endfunction()

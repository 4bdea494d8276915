# Settings shared by every target: standard, warnings, platform flags.
add_library(torva_options INTERFACE)
target_compile_features(torva_options INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(torva_options INTERFACE -Wall -Wextra -Wpedantic -Wshadow -Wcast-qual
        -Wold-style-cast -Woverloaded-virtual -Wnon-virtual-dtor -Wformat=2 -Wconversion
        -Wsign-conversion)
    if(TORVA_WERROR)
        target_compile_options(torva_options INTERFACE -Werror)
    endif()
    # TORVA_SANITIZE=address,undefined builds everything with those sanitizers.
    set(TORVA_SANITIZE "" CACHE STRING "Sanitizers to build with, e.g. address,undefined")
    if(TORVA_SANITIZE)
        target_compile_options(torva_options INTERFACE -fsanitize=${TORVA_SANITIZE}
            -fno-omit-frame-pointer -fno-sanitize-recover=all)
        target_link_options(torva_options INTERFACE -fsanitize=${TORVA_SANITIZE})
    endif()
elseif(MSVC)
    target_compile_options(torva_options INTERFACE /W4 /utf-8)
endif()
if(WIN32)
    target_compile_definitions(torva_options INTERFACE UNICODE _UNICODE NOMINMAX WIN32_LEAN_AND_MEAN)
endif()

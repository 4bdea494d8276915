# A CTest fixture that creates a Wine prefix in a temporary folder before the
# tests of a run and removes it after them. Every test registered so far in
# the calling directory requires it.
function(torva_wine_prefix_fixture)
    set(script ${PROJECT_SOURCE_DIR}/cmake/wine-prefix.sh)
    set(path_file ${CMAKE_BINARY_DIR}/wine-prefix.path)
    get_property(tests DIRECTORY PROPERTY TESTS)
    add_test(NAME wine_prefix_create COMMAND ${script} create ${path_file})
    add_test(NAME wine_prefix_remove COMMAND ${script} remove ${path_file})
    set_tests_properties(wine_prefix_create PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
    set_tests_properties(wine_prefix_remove PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60)
    if(tests)
        set_property(TEST ${tests} APPEND PROPERTY FIXTURES_REQUIRED wine)
        set_property(TEST ${tests} APPEND PROPERTY ENVIRONMENT
            "TORVA_WINE_PREFIX_FILE=${path_file}")
    endif()
endfunction()

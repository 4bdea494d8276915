# A CTest fixture that creates a Wine prefix in a temporary folder before the
# tests of a run and removes it after them. torva_wine_prefix_fixture() adds
# the two fixture tests; torva_wine_prefix_require(test) makes a test need them.
set(TORVA_WINE_PREFIX_FILE ${CMAKE_BINARY_DIR}/wine-prefix.path)

function(torva_wine_prefix_fixture)
    set(script ${PROJECT_SOURCE_DIR}/cmake/wine-prefix.sh)
    add_test(NAME wine_prefix_create COMMAND ${script} create ${TORVA_WINE_PREFIX_FILE})
    add_test(NAME wine_prefix_remove COMMAND ${script} remove ${TORVA_WINE_PREFIX_FILE})
    set_tests_properties(wine_prefix_create PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
    set_tests_properties(wine_prefix_remove PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60)
endfunction()

function(torva_wine_prefix_require test)
    set_property(TEST ${test} APPEND PROPERTY FIXTURES_REQUIRED wine)
    set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT
        "TORVA_WINE_PREFIX_FILE=${TORVA_WINE_PREFIX_FILE}")
endfunction()

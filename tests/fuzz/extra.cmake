# The readers under libFuzzer with address and undefined-behaviour checks,
# built by clang in a folder of their own.
add_test(NAME fuzz_settings
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/run_fuzz.sh ${CMAKE_BINARY_DIR}/fuzz 35)
set_tests_properties(fuzz_settings PROPERTIES TIMEOUT 900 LABELS fuzz)

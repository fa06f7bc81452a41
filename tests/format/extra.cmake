# The code stays in the style of .clang-format. Other clang-format versions
# break lines differently, so the check runs only with the one it was made for.
find_program(VISTREL_CLANG_FORMAT NAMES clang-format-14 clang-format)
if(VISTREL_CLANG_FORMAT)
    execute_process(COMMAND ${VISTREL_CLANG_FORMAT} --version OUTPUT_VARIABLE _cf_version ERROR_QUIET)
    if(_cf_version MATCHES "version 14\\.")
        add_test(NAME format COMMAND ${CMAKE_SOURCE_DIR}/scripts/format.sh --check)
        set_tests_properties(format PROPERTIES ENVIRONMENT "CLANG_FORMAT=${VISTREL_CLANG_FORMAT}")
    endif()
endif()

# The buffer's token under ThreadSanitizer: only the buffer itself is built
# instrumented, so the Qt libraries need no sanitizer build.
if(NOT VISTREL_SANITIZE)
    add_executable(tst_camerabuffer_tsan
        ${CMAKE_CURRENT_LIST_DIR}/tst_camerabuffer.cpp
        ${CMAKE_SOURCE_DIR}/core/camerabuffer.cpp)
    target_include_directories(tst_camerabuffer_tsan PRIVATE ${CMAKE_SOURCE_DIR})
    target_link_libraries(tst_camerabuffer_tsan PRIVATE Qt5::Gui Qt5::Test)
    target_compile_options(tst_camerabuffer_tsan PRIVATE -fsanitize=thread -g -O1)
    target_link_options(tst_camerabuffer_tsan PRIVATE -fsanitize=thread)
    add_test(NAME tst_camerabuffer_tsan COMMAND tst_camerabuffer_tsan)
    set_tests_properties(tst_camerabuffer_tsan PROPERTIES
        TIMEOUT 300
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;TSAN_OPTIONS=halt_on_error=1 exitcode=66 suppressions=${CMAKE_CURRENT_LIST_DIR}/tsan.supp")
endif()

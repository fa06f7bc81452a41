# Every translation file must be complete and hold exactly the texts that
# lupdate finds in the sources today, so a new tr() text without a glossary
# row fails here instead of showing up untranslated.
find_package(Python3 COMPONENTS Interpreter)
if(Python3_Interpreter_FOUND)
    set(_vistrel_lupdate_arg)
    if(TARGET Qt5::lupdate)
        set(_vistrel_lupdate_arg --lupdate $<TARGET_FILE:Qt5::lupdate>)
    endif()
    add_test(NAME translations_complete
        COMMAND ${Python3_EXECUTABLE} ${CMAKE_SOURCE_DIR}/scripts/translations.py check ${_vistrel_lupdate_arg})
    # The tool itself, on a scratch tree with injected faults.
    add_test(NAME translations_tool
        COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_LIST_DIR}/test_translations.py)
    if(TARGET Qt5::lupdate)
        set_tests_properties(translations_tool PROPERTIES ENVIRONMENT "LUPDATE=$<TARGET_FILE:Qt5::lupdate>")
    endif()
    set_tests_properties(translations_complete translations_tool PROPERTIES LABELS lang TIMEOUT 300)
else()
    message(WARNING "python3 not found: the translations_complete test is not available")
endif()

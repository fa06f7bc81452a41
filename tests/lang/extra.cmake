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
    set_tests_properties(translations_complete PROPERTIES LABELS lang TIMEOUT 300)
else()
    message(WARNING "python3 not found: the translations_complete test is not available")
endif()

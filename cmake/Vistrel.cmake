# Shared build helpers.

function(vistrel_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()

# Adds every source, header and form of the calling folder to vistrel_core.
# main.cpp files are programs of their own and stay out.
function(vistrel_folder_sources)
    file(GLOB _src CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/*.h
        ${CMAKE_CURRENT_SOURCE_DIR}/*.ui)
    list(FILTER _src EXCLUDE REGEX "/main\\.cpp$")
    if(_src)
        target_sources(vistrel_core PRIVATE ${_src})
        set_property(GLOBAL APPEND PROPERTY VISTREL_CORE_SOURCES ${_src})
    endif()
endfunction()

# Autogen does not notice files added to the folders after the first
# configure; when the list of sources changes, its stamp is dropped so moc
# and uic run again.
function(vistrel_autogen_tracks_sources)
    get_property(_all GLOBAL PROPERTY VISTREL_CORE_SOURCES)
    list(SORT _all)
    string(REPLACE ";" "\n" _text "${_all}")
    set(_list ${CMAKE_BINARY_DIR}/vistrel_core_sources.txt)
    set(_old "")
    if(EXISTS ${_list})
        file(READ ${_list} _old)
    endif()
    if(NOT _old STREQUAL "${_text}\n")
        file(WRITE ${_list} "${_text}\n")
        file(REMOVE ${CMAKE_BINARY_DIR}/vistrel_core_autogen/timestamp)
    endif()
endfunction()

# A Qt Test program registered with CTest; runs headless.
function(vistrel_add_test name)
    cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;ENV" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    # The forms are generated once, for vistrel_core; tests include those.
    set_target_properties(${name} PROPERTIES AUTOUIC OFF)
    target_link_libraries(${name} PRIVATE vistrel_core vistrel_resources Qt5::Test ${T_LIBS})
    vistrel_warnings(${name})
    add_test(NAME ${name} COMMAND ${name})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${T_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_QPA_FONTDIR=/usr/share/fonts;${T_ENV}")
endfunction()

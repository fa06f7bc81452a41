# Shared build helpers.

function(vistrel_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()

# One static library per folder: vistrel_<folder> holds every source, header
# and form of the calling folder and may use only the libraries named in
# DEPS (besides the Qt modules in QT, by default Core, Gui and Widgets, and
# the outside libraries given in LIBS). main.cpp files are programs of their
# own and stay out.
function(vistrel_library)
    cmake_parse_arguments(L "" "" "DEPS;LIBS;QT" ${ARGN})
    if(NOT L_QT)
        set(L_QT Core Gui Widgets)
    endif()
    set(_qt)
    foreach(_m ${L_QT})
        list(APPEND _qt Qt5::${_m})
    endforeach()
    get_filename_component(_folder ${CMAKE_CURRENT_SOURCE_DIR} NAME)
    set(_target vistrel_${_folder})
    file(GLOB _src CONFIGURE_DEPENDS
        ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp
        ${CMAKE_CURRENT_SOURCE_DIR}/*.h
        ${CMAKE_CURRENT_SOURCE_DIR}/*.ui)
    list(FILTER _src EXCLUDE REGEX "/main\\.cpp$")
    add_library(${_target} STATIC ${_src})
    target_include_directories(${_target} PUBLIC ${CMAKE_SOURCE_DIR})
    # Tests reach into the forms (ui_*.h) to press their buttons.
    target_include_directories(${_target} INTERFACE ${CMAKE_CURRENT_BINARY_DIR}/${_target}_autogen/include)
    set(_deps)
    foreach(_d ${L_DEPS})
        list(APPEND _deps vistrel_${_d})
    endforeach()
    target_link_libraries(${_target} PUBLIC ${_deps} ${L_LIBS} ${_qt} Threads::Threads)
    target_compile_definitions(${_target} PUBLIC
        QT_NO_CAST_FROM_BYTEARRAY QT_USE_QSTRINGBUILDER
        VISTREL_VERSION="${PROJECT_VERSION}")
    vistrel_warnings(${_target})
    vistrel_autogen_tracks_sources(${_target} "${_src}")
    # The layer check reads the allowed folders from here.
    string(REPLACE ";" "," _deplist "${L_DEPS}")
    set_property(GLOBAL APPEND PROPERTY VISTREL_LAYERS "${_folder}:${_deplist}")
endfunction()

# Autogen does not notice files added to a folder after the first configure;
# when the list of sources changes, its stamp is dropped so moc and uic run
# again.
function(vistrel_autogen_tracks_sources target sources)
    set(_all ${sources})
    list(SORT _all)
    string(REPLACE ";" "\n" _text "${_all}")
    set(_list ${CMAKE_CURRENT_BINARY_DIR}/${target}_sources.txt)
    set(_old "")
    if(EXISTS ${_list})
        file(READ ${_list} _old)
    endif()
    if(NOT _old STREQUAL "${_text}\n")
        file(WRITE ${_list} "${_text}\n")
        file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp)
    endif()
endfunction()

# A Qt Test program registered with CTest; runs headless.
function(vistrel_add_test name)
    cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;ENV" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    # The forms are generated once, for the folder libraries; tests include those.
    set_target_properties(${name} PROPERTIES AUTOUIC OFF)
    target_link_libraries(${name} PRIVATE vistrel_all vistrel_resources Qt5::Test ${T_LIBS})
    vistrel_warnings(${name})
    add_test(NAME ${name} COMMAND ${name})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${T_TIMEOUT}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_QPA_FONTDIR=/usr/share/fonts;${T_ENV}")
endfunction()

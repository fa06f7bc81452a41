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

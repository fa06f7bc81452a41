# A program that renders the windows into PNG files for a look; not a test.
add_executable(vistrel_screens ${CMAKE_CURRENT_LIST_DIR}/screens.cpp)
set_target_properties(vistrel_screens PROPERTIES AUTOUIC OFF)
target_link_libraries(vistrel_screens PRIVATE vistrel_all vistrel_resources)
vistrel_warnings(vistrel_screens)

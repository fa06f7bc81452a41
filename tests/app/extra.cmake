add_executable(crash_helper ${CMAKE_CURRENT_LIST_DIR}/crash_helper.cpp)
target_link_libraries(crash_helper PRIVATE vistrel_all)
# The overflow case must really recurse.
target_compile_options(crash_helper PRIVATE -O0)
add_dependencies(tst_crash crash_helper)
target_compile_definitions(tst_crash PRIVATE CRASH_HELPER="$<TARGET_FILE:crash_helper>")
add_dependencies(tst_startup vistrel)
target_compile_definitions(tst_startup PRIVATE VISTREL_EXE="$<TARGET_FILE:vistrel>")

# A window that is killed after a change: the change must be on disk.
add_executable(kill_helper ${CMAKE_CURRENT_LIST_DIR}/kill_helper.cpp)
set_target_properties(kill_helper PROPERTIES AUTOUIC OFF)
target_link_libraries(kill_helper PRIVATE vistrel_all vistrel_resources)
add_dependencies(tst_menus kill_helper)
target_compile_definitions(tst_menus PRIVATE KILL_HELPER="$<TARGET_FILE:kill_helper>")

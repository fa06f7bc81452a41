add_executable(record_helper ${CMAKE_CURRENT_LIST_DIR}/record_helper.cpp)
target_link_libraries(record_helper PRIVATE vistrel_all)
add_dependencies(tst_recovery record_helper)
target_compile_definitions(tst_recovery PRIVATE RECORD_HELPER="$<TARGET_FILE:record_helper>")

# The command-line tools are run as the program itself.
add_dependencies(tst_findscale vistrel)
target_compile_definitions(tst_findscale PRIVATE VISTREL_EXE="$<TARGET_FILE:vistrel>")
add_dependencies(tst_stitchcli vistrel)
target_compile_definitions(tst_stitchcli PRIVATE VISTREL_EXE="$<TARGET_FILE:vistrel>")

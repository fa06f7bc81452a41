# The command-line tools run as the user runs them.
target_compile_definitions(tst_analysis PRIVATE VISTREL_EXE="$<TARGET_FILE:vistrel>")
add_dependencies(tst_analysis vistrel)

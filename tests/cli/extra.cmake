# The stitch tool runs as the program itself, without a display.
if(TARGET tst_stitchcli)
    add_dependencies(tst_stitchcli vistrel)
    target_compile_definitions(tst_stitchcli PRIVATE VISTREL_EXE="$<TARGET_FILE:vistrel>")
endif()

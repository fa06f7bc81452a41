target_compile_definitions(tst_udevrules PRIVATE UDEV_RULES="${CMAKE_SOURCE_DIR}/packaging/70-vistrel-microscope.rules")

find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
if(DESKTOP_FILE_VALIDATE AND APPSTREAMCLI)
    add_test(NAME packaging_validate
        COMMAND ${CMAKE_COMMAND} -E env
            ${CMAKE_CURRENT_LIST_DIR}/validate_desktop.sh ${DESKTOP_FILE_VALIDATE} ${APPSTREAMCLI}
            ${CMAKE_BINARY_DIR}/packaging/desktop ${CMAKE_SOURCE_DIR}/resources/lang/glossary.tsv)
endif()

add_test(NAME packaging_deb COMMAND ${CMAKE_CURRENT_LIST_DIR}/check_deb.sh ${CMAKE_BINARY_DIR})
add_test(NAME install_run COMMAND ${CMAKE_CURRENT_LIST_DIR}/install_run.sh ${CMAKE_BINARY_DIR})
# Both install from the same build tree; one at a time.
set_tests_properties(packaging_deb install_run PROPERTIES RESOURCE_LOCK build_install TIMEOUT 600)

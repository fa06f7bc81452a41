# Debian package: cpack -G DEB in the build folder.
set(CPACK_PACKAGE_NAME vistrel)
set(CPACK_PACKAGE_VENDOR "Vistrel")
set(CPACK_PACKAGE_CONTACT "Vistrel developers <support@vistrel.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Orvanta Pro: live view, photos, video and measurement for USB microscopes")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Libraries come from dpkg-shlibdeps; the fonts are needed for the Chinese texts,
# Qt's image plugins for TIFF photos (loaded at run time, so shlibdeps misses them),
# Qt's own translations for its standard buttons and dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-wqy-microhei | fonts-noto-cjk, qt5-image-formats-plugins, qttranslations5-l10n")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Orvanta Pro: live view, photos, video and measurement for USB microscopes
 Shows the live picture of one USB microscope camera large or up to four
 side by side, adjusts each camera, takes photos (also from the
 microscope's own button), records Motion-JPEG video by hand or on a timer,
 and measures lengths, areas and angles in real units through calibrations.")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA
    ${CMAKE_SOURCE_DIR}/packaging/debian/postinst
    ${CMAKE_SOURCE_DIR}/packaging/debian/postrm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

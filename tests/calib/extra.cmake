# The calibration ruler on a screen with two device pixels per view pixel.
vistrel_add_test(tst_ruler_dpr2 SOURCES ${CMAKE_CURRENT_LIST_DIR}/ruler_dpr2.cpp ENV QT_SCALE_FACTOR=2)

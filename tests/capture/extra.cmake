# The capture tests that drive the V4L2 backend share the fake kernel.
foreach(t tst_capturelayer tst_camerahub tst_devicesettings tst_liveview)
    if(TARGET ${t})
        target_sources(${t} PRIVATE ${CMAKE_CURRENT_LIST_DIR}/fakekernel.cpp ${CMAKE_CURRENT_LIST_DIR}/fakekernel.h)
        target_include_directories(${t} PRIVATE ${CMAKE_CURRENT_LIST_DIR})
    endif()
endforeach()

# Hostile frames through the converter under AddressSanitizer and UBSan; only
# the converter is instrumented, so the Qt libraries need no sanitizer build.
if(NOT VISTREL_SANITIZE)
    add_executable(tst_frameconverter_asan
        ${CMAKE_CURRENT_LIST_DIR}/tst_frameconverter.cpp
        ${CMAKE_SOURCE_DIR}/capture/frameconverter.cpp)
    target_include_directories(tst_frameconverter_asan PRIVATE ${CMAKE_SOURCE_DIR})
    target_link_libraries(tst_frameconverter_asan PRIVATE Qt5::Gui Qt5::Test PkgConfig::TURBOJPEG yuv::yuv)
    target_compile_options(tst_frameconverter_asan PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer -g -O1)
    target_link_options(tst_frameconverter_asan PRIVATE -fsanitize=address,undefined)
    add_test(NAME tst_frameconverter_asan COMMAND tst_frameconverter_asan)
    set_tests_properties(tst_frameconverter_asan PROPERTIES
        TIMEOUT 300
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ASAN_OPTIONS=detect_leaks=0;UBSAN_OPTIONS=halt_on_error=1")
endif()

# The settings dialog once more at a device-pixel ratio of 2.
if(TARGET tst_devicesettings)
    add_test(NAME tst_devicesettings_dpr2 COMMAND tst_devicesettings rowsFitAcross)
    set_tests_properties(tst_devicesettings_dpr2 PROPERTIES
        TIMEOUT 300
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_QPA_FONTDIR=/usr/share/fonts;QT_SCALE_FACTOR=2")
endif()

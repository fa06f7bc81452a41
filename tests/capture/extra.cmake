# The capture tests that drive the V4L2 backend share the fake kernel.
foreach(t tst_capturelayer tst_camerahub tst_devicesettings)
    if(TARGET ${t})
        target_sources(${t} PRIVATE ${CMAKE_CURRENT_LIST_DIR}/fakekernel.cpp ${CMAKE_CURRENT_LIST_DIR}/fakekernel.h)
        target_include_directories(${t} PRIVATE ${CMAKE_CURRENT_LIST_DIR})
    endif()
endforeach()

# OpenCV's own stitcher, as the reference beside the mosaic benchmark only:
# the program never links it.
find_library(OPENCV_STITCHING_LIBRARY opencv_stitching)
if(OPENCV_STITCHING_LIBRARY AND TARGET bench_mosaic)
    foreach(_m features2d flann calib3d imgcodecs)
        find_library(OPENCV_${_m}_LIBRARY opencv_${_m} REQUIRED)
        list(APPEND _bench_mosaic_cv ${OPENCV_${_m}_LIBRARY})
    endforeach()
    target_link_libraries(bench_mosaic PRIVATE ${OPENCV_STITCHING_LIBRARY} ${_bench_mosaic_cv})
    target_include_directories(bench_mosaic PRIVATE ${CMAKE_SOURCE_DIR})
endif()

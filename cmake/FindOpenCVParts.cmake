# Finds the OpenCV 4 modules the project uses (core, imgproc, imgcodecs, calib3d, objdetect) from
# Debian's per-module packages, which ship no CMake package of their own.
find_path(OpenCVParts_INCLUDE_DIR opencv2/core.hpp PATH_SUFFIXES opencv4)
set(_opencv_modules core imgproc imgcodecs calib3d objdetect)
set(OpenCVParts_LIBRARIES)
foreach(_module IN LISTS _opencv_modules)
    find_library(OpenCVParts_${_module}_LIBRARY opencv_${_module})
    list(APPEND OpenCVParts_LIBRARIES ${OpenCVParts_${_module}_LIBRARY})
    list(APPEND _opencv_required OpenCVParts_${_module}_LIBRARY)
endforeach()
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(OpenCVParts REQUIRED_VARS OpenCVParts_INCLUDE_DIR ${_opencv_required})
if(OpenCVParts_FOUND AND NOT TARGET OpenCVParts::OpenCVParts)
    add_library(OpenCVParts::OpenCVParts INTERFACE IMPORTED)
    set_target_properties(OpenCVParts::OpenCVParts PROPERTIES
        INTERFACE_INCLUDE_DIRECTORIES "${OpenCVParts_INCLUDE_DIR}"
        INTERFACE_LINK_LIBRARIES "${OpenCVParts_LIBRARIES}")
endif()

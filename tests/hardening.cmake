# The checks that the device and the settings file cannot crash, hang or leak
# the program: the soak of the capture button in the normal build; in the
# sanitizer build (EKRANO_SANITIZE) the tests that need no window, and the
# fuzz targets when the compiler is clang.

if(NOT EKRANO_SANITIZE)
    # 100 captures under make test; make soak runs the binary with
    # EKRANO_SOAK_CAPTURES=1000.
    ekrano_test(soak_tests QT
        SOURCES soak_capture_test.cpp
        LIBS ekrano_window ekrano_calcsim
        LABELS soak)
    return()
endif()

# `hardening` builds every test target here that links no widgets, so that a
# new Qt-free test is sanitized without being listed, and runs each as one
# test labelled "sanitized" (ctest -L sanitized). The window's tests, and
# whatever else the folder registers, are neither built nor run here.
add_custom_target(hardening)
get_property(targets DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR} PROPERTY BUILDSYSTEM_TARGETS)
foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(NOT type STREQUAL "EXECUTABLE")
        continue()
    endif()
    get_target_property(libs ${target} LINK_LIBRARIES)
    if("Qt6::Widgets" IN_LIST libs OR "ekrano_window" IN_LIST libs)
        continue()
    endif()
    add_dependencies(hardening ${target})
    add_test(NAME sanitized.${target} COMMAND ${target})
    set_tests_properties(sanitized.${target} PROPERTIES LABELS sanitized TIMEOUT 600)
endforeach()

if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    add_subdirectory(${CMAKE_SOURCE_DIR}/fuzz ${CMAKE_BINARY_DIR}/fuzz)
    add_dependencies(hardening fuzz-targets)
endif()

ekrano_test(core_tests
    SOURCES core_raster_test.cpp core_storedvalue_test.cpp
    LIBS ekrano_core)
target_include_directories(core_tests PRIVATE ${CMAKE_SOURCE_DIR}/src/display)
ekrano_test(window_tests QT
    SOURCES window_surface_test.cpp window_layout_test.cpp window_redraw_test.cpp
            window_zoom_test.cpp window_colours_test.cpp window_settings_test.cpp
    LIBS ekrano_window Qt6::Test)

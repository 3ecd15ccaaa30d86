ekrano_test(core_tests
    SOURCES core_raster_test.cpp core_storedvalue_test.cpp core_settingsfile_test.cpp
    LIBS ekrano_core)
target_include_directories(core_tests PRIVATE ${CMAKE_SOURCE_DIR}/src/display)
ekrano_test(render_tests
    SOURCES render_test.cpp
    LIBS ekrano_render ekrano_link)
ekrano_test(window_tests QT
    SOURCES window_layout_test.cpp window_redraw_test.cpp
            window_zoom_test.cpp window_colours_test.cpp window_settings_test.cpp
    LIBS ekrano_window Qt6::Test)
ekrano_test(capture_tests QT
    SOURCES window_capture_test.cpp
    LIBS ekrano_window ekrano_calcsim Qt6::Test)
# The program itself on a real X server, with the clipboard read by another program.
ekrano_test(x11_tests QT
    SOURCES x11_session_test.cpp
    LIBS ekrano_calcsim Qt6::Gui PkgConfig::XCB
    LABELS x11)
add_dependencies(x11_tests ekrano)
# ekrano-capture, run as a script runs it, against the simulated calculator.
ekrano_test(cli_tests QT
    SOURCES cli_capture_test.cpp
    LIBS ekrano_window ekrano_calcsim Qt6::Test)
add_dependencies(cli_tests ekrano-capture)

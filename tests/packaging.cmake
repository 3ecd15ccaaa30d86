# The installed program: its icons are the window's own, and the Debian
# package puts every file where the desktop, man and udev look for it.
ekrano_test(packaging_tests QT
    SOURCES packaging_icons.cpp
    LIBS ekrano_window
    LABELS packaging)
add_dependencies(packaging_tests icons)

add_test(NAME packaging.deb
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/packaging-check ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR} ${PROJECT_VERSION})
set_tests_properties(packaging.deb PROPERTIES LABELS packaging TIMEOUT 300)

# `make screenshot` still captures from the simulated calculator.
add_test(NAME packaging.screenshot COMMAND ekrano-screenshot ${CMAKE_CURRENT_BINARY_DIR}/window.png)
set_tests_properties(packaging.screenshot PROPERTIES LABELS packaging TIMEOUT 60 ENVIRONMENT QT_QPA_PLATFORM=offscreen)

# A zoom step, a graded redraw and start-up, each beside its lower bound.
ekrano_benchmark(bench-window SOURCES bench-window.cpp LIBS ekrano_window)
set_target_properties(bench-window PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)

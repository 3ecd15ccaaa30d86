# 100 captures from the simulated calculator over a pseudo-terminal.
ekrano_benchmark(bench-capture SOURCES bench-capture.cpp LIBS ekrano_link ekrano_calcsim)
set_target_properties(bench-capture PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)

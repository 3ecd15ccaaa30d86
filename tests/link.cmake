# The link library in memory (packets, the exchange, names), and over a
# pseudo-terminal against the simulated calculator.
ekrano_test(link_protocol_tests
    SOURCES link_packet.cpp link_exchange.cpp link_devicenames.cpp
    LIBS ekrano_link
    LABELS link)
ekrano_test(link_pty_tests
    SOURCES link_simulator.cpp link_program.cpp
    LIBS ekrano_link ekrano_calcsim
    LABELS link)
add_dependencies(link_pty_tests ekrano-calc)

# The Black (modem lines) and USB (libusb) transports.
target_sources(ekrano_link PRIVATE
    ${CMAKE_CURRENT_LIST_DIR}/blackwires.cpp
    ${CMAKE_CURRENT_LIST_DIR}/blacktransport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/modemlines.cpp
    ${CMAKE_CURRENT_LIST_DIR}/usbtransport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/usblibusb.cpp
)
target_link_libraries(ekrano_link PRIVATE PkgConfig::LIBUSB)

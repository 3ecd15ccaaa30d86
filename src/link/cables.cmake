# The Black (modem lines) and USB (libusb) transports.
target_link_libraries(ekrano_link PRIVATE PkgConfig::LIBUSB)

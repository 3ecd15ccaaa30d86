# The Black and USB cables, without hardware.
ekrano_test(cables_black_tests SOURCES cables_black.cpp LIBS ekrano_link)
ekrano_test(cables_usb_tests SOURCES cables_usb.cpp LIBS ekrano_link)

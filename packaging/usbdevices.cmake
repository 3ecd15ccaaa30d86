# The USB devices Ekrano knows, each as VENDOR:PRODUCT:KIND, the ids in
# hexadecimal and KIND as the link library names it (UsbKind in
# src/link/usb/usbkind.h). From this one list come the link library's table
# (src/link/usb/usbids.h), the udev rule that gives the devices Ekrano reads
# to the user at the computer, and the AppStream metadata's modaliases, by
# which a software centre offers Ekrano when one is plugged in. An
# Unreadable device is only named, so it is in neither.
set(EKRANO_USB_DEVICES
    0451:E001:LinkCable  # the USB link cable
    0451:E003:Calculator # a calculator on its own USB port
    0451:E008:Calculator # the same with more memory
    0451:E010:Unreadable # a calculator of the family with a colour screen
)
# The rule's file, as udev and ekrano-capture --list look for it.
set(EKRANO_UDEV_RULE 60-ekrano.rules)

# One entry of the list: its vendor's and product's ids, in upper-case
# hexadecimal, and its kind.
function(ekrano_usb_device device vendor product kind)
    string(REPLACE ":" ";" parts ${device})
    list(GET parts 0 v)
    list(GET parts 1 p)
    list(GET parts 2 k)
    string(TOUPPER ${v} v)
    string(TOUPPER ${p} p)
    set(${vendor} ${v} PARENT_SCOPE)
    set(${product} ${p} PARENT_SCOPE)
    set(${kind} ${k} PARENT_SCOPE)
endfunction()

# `format` filled in for each device Ekrano reads (every one, the Unreadable
# too, with ALL), joined in `out`: @vendor@ and @product@ in upper-case
# hexadecimal, @vendor_lower@ and @product_lower@ in lower case, @kind@.
function(ekrano_usb_lines out format)
    set(lines)
    foreach(device IN LISTS EKRANO_USB_DEVICES)
        ekrano_usb_device(${device} vendor product kind)
        if(kind STREQUAL "Unreadable" AND NOT "${ARGN}" STREQUAL "ALL")
            continue()
        endif()
        string(TOLOWER "${vendor}" vendor_lower)
        string(TOLOWER "${product}" product_lower)
        string(CONFIGURE "${format}" line @ONLY)
        string(APPEND lines "${line}")
    endforeach()
    set(${out} "${lines}" PARENT_SCOPE)
endfunction()

# The udev rule, made in `folder` as EKRANO_UDEV_RULE.
function(ekrano_udev_rule folder)
    string(CONCAT line "SUBSYSTEM==\"usb\", ENV{DEVTYPE}==\"usb_device\", "
                      "ATTR{idVendor}==\"@vendor_lower@\", ATTR{idProduct}==\"@product_lower@\", TAG+=\"uaccess\"\n")
    ekrano_usb_lines(EKRANO_UDEV_LINES "${line}")
    string(REGEX REPLACE "\n$" "" EKRANO_UDEV_LINES "${EKRANO_UDEV_LINES}")
    configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/udev/ekrano.rules.in ${folder}/${EKRANO_UDEV_RULE} @ONLY)
endfunction()

# make install-udev, which needs no configured build: cmake
# -DEKRANO_UDEV_FOLDER=DIR -P packaging/usbdevices.cmake makes the rule in DIR.
if(CMAKE_SCRIPT_MODE_FILE AND EKRANO_UDEV_FOLDER)
    ekrano_udev_rule(${EKRANO_UDEV_FOLDER})
endif()

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

# The rule's lines, one for each device, in `out`.
function(ekrano_udev_lines out)
    set(lines)
    foreach(device IN LISTS EKRANO_USB_DEVICES)
        ekrano_usb_device(${device} vendor product kind)
        if(kind STREQUAL "Unreadable")
            continue()
        endif()
        string(TOLOWER "${vendor}" vendor)
        string(TOLOWER "${product}" product)
        string(APPEND lines "SUBSYSTEM==\"usb\", ENV{DEVTYPE}==\"usb_device\", "
                            "ATTR{idVendor}==\"${vendor}\", ATTR{idProduct}==\"${product}\", TAG+=\"uaccess\"\n")
    endforeach()
    string(REGEX REPLACE "\n$" "" lines "${lines}")
    set(${out} "${lines}" PARENT_SCOPE)
endfunction()

# The udev rule, made in `folder` as EKRANO_UDEV_RULE.
function(ekrano_udev_rule folder)
    ekrano_udev_lines(EKRANO_UDEV_LINES)
    configure_file(${CMAKE_CURRENT_FUNCTION_LIST_DIR}/udev/ekrano.rules.in ${folder}/${EKRANO_UDEV_RULE} @ONLY)
endfunction()

# make install-udev, which needs no configured build: cmake
# -DEKRANO_UDEV_FOLDER=DIR -P packaging/usbdevices.cmake makes the rule in DIR.
if(CMAKE_SCRIPT_MODE_FILE AND EKRANO_UDEV_FOLDER)
    ekrano_udev_rule(${EKRANO_UDEV_FOLDER})
endif()

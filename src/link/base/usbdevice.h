#pragma once

namespace calclink {

// Which USB device: link cables and calculators on their own USB port are
// counted together, in the order of where they are plugged in (bus, then
// the ports down to the device), 0 the first, as ekrano-capture --list
// shows them. Part of the cable and port chosen (linkchoice.h), and what
// the USB folder looks for.
struct UsbDevice {
    int number = 0;

    bool operator==(const UsbDevice &) const = default;
};

} // namespace calclink

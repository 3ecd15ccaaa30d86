#pragma once

#include "transport.h"

namespace calclink {

// The levels of the Black cable's two wires, red and white, or what one side
// does to them: true is high (released), false is low (pulled). Each wire is
// high only while neither side pulls it.
struct Wires {
    bool red = true;
    bool white = true;

    friend bool operator==(const Wires &, const Wires &) = default;
};

// One side of the two-wire bus: what the bit engine needs and nothing more, so
// that it can run on a serial port's modem lines or on simulated wires.
class BlackWires {
public:
    virtual ~BlackWires() = default;

    // Releases (true) or pulls low (false) this side's end of each wire.
    virtual void drive(Wires mine) = 0;

    // The levels on the wires now, both sides' pulls included.
    virtual Wires read() = 0;

    // Returns the levels as soon as they differ from `seen`, or the levels at
    // `deadline`, whichever comes first. Returns at once when they already
    // differ, so a change between read() and this call is never missed.
    virtual Wires waitForChange(Wires seen, SteadyClock::time_point deadline) = 0;
};

// waitForChange for wires that cannot notify a change: reads them back to
// back for the first 100 us, then with sleeps of 50 us backing off to 1 ms,
// so that a quick peer costs a few reads a wait and a slow or silent one
// about a thousand reads a second instead of a whole core.
Wires pollForChange(BlackWires &wires, Wires seen, SteadyClock::time_point deadline);

} // namespace calclink

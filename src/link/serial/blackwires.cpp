#include "blackwires.h"

#include <algorithm>
#include <thread>

namespace calclink {

Wires pollForChange(BlackWires &wires, Wires seen, SteadyClock::time_point deadline)
{
    using std::chrono::microseconds;
    // A calculator answers a bit within some tens of microseconds, and a
    // sleep, however short, costs about 60: so read back to back for a
    // moment first (yielding, so that a busy machine still runs everything
    // else), and only then sleep.
    const auto spinUntil = std::min(deadline, SteadyClock::now() + microseconds(100));
    for (;;) {
        const Wires now = wires.read();
        if (now != seen || SteadyClock::now() >= spinUntil)
            break;
        std::this_thread::yield();
    }
    microseconds pause(50);
    for (;;) {
        const Wires now = wires.read();
        const auto time = SteadyClock::now();
        if (now != seen || time >= deadline)
            return now;
        std::this_thread::sleep_for(std::min<SteadyClock::duration>(pause, deadline - time));
        pause = std::min(pause * 2, microseconds(1000));
    }
}

} // namespace calclink

#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "capture.h"
#include "linkchoice.h"

namespace calclink {

// The most calculators that a program reads at once (ekrano-capture --all,
// ekrano-live --all): a class of 30 twice over. Each one read costs a
// thread of its own (its stack reserved, little of it used) and, while a
// capture runs, one descriptor for a serial port or about four for a USB
// device; 64 of them keep within the 1024 descriptors a process has by
// default. A program refuses more rather than read some of them.
inline constexpr size_t kMostCalculators = 64;

// Every calculator plugged in, as the choices that read each one:
// - first each of COM1 to COM4 that has a port link (the user's own
//   mapping, even one that leads nowhere now, so that its capture says
//   where it points; and each, when the ports folder cannot be looked in, so
//   that its capture says why), on `serialCable`, Gray or Black (any other
//   cable counts as Gray). A COM port without a link is read only when
//   named, and is not here;
// - then every USB device that Ekrano reads, link cables and calculators on
//   their own USB port alike, each by its port path (usb.portPath set,
//   usb.number 0: its place is "USB-1-1.3"), in the order that numbers them
//   (bus, then port). A calculator with a colour screen, which Ekrano
//   cannot read, is left out; so is every USB device when USB cannot be
//   used on this computer.
// It asks no calculator anything and opens no device, not even a serial
// port: it looks at the port links and reads the system's list of USB
// devices, cheaply enough to be called every second. Its length is not
// bounded here: past kMostCalculators, the caller refuses.
std::vector<LinkChoice> everyCalculator(LinkChoice::Cable serialCable);

// Reads each of `choices` once, all at the same time: each capture on a
// ScreenReader of its own, with a Stop of its own that follows `stop`, so
// that one cancel of `stop` ends them all while each keeps its own limits.
// `take(index, result)` is called on that capture's own thread as soon as it
// ends, so a calculator that is silent, slow or pulled out holds up no
// other, and the whole lasts about as long as the slowest capture. Returns
// once every capture has ended and been taken.
using TakeEach = std::function<void(size_t index, const CaptureResult &result)>;
void captureEach(const std::vector<LinkChoice> &choices, Stop &stop, const TakeEach &take,
                 std::optional<LinkTimeouts> timeouts = std::nullopt);

} // namespace calclink

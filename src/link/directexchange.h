#pragma once

#include "calclink.h"

namespace calclink {

// A calculator may ask for more time with a delay acknowledgement, wherever
// an answer is due. Each one lets its next answer take kDelayedReplies reply
// limits (8 s with the USB cable's own limits) in place of one, at most
// kMostDelays times a capture; the whole capture stays within its own limit
// (10 s) all the same.
inline constexpr int kDelayedReplies = 4;
inline constexpr int kMostDelays = 4;

// Before its first request, a capture drops what an earlier one left
// waiting: it reads until nothing comes within kStaleInputWait (a real
// device hands over what it holds within a millisecond), at most a few of
// the largest raw packets the host takes.
inline constexpr Millis kStaleInputWait{10};

// Reads the screen of a calculator on its own USB port, over an open
// transport that brings one USB packet a read (directframing.h): what an
// earlier exchange left waiting is dropped, then come the buffer size
// request, the set mode, the request of the screen parameter and its data.
// Every part of a virtual packet is sent only after the calculator
// acknowledged the one before, and every part it sends is acknowledged. Its
// raw packets are put together by their length, so one that ends on a full
// USB packet needs no zero-length packet after it. An error packet (its
// code in the detail), a parameter marked invalid, a raw or virtual length
// past what the exchange allows, a raw packet cut short, or a silence past
// the limits throws LinkError kNoAnswer, as readScreen does; nothing longer
// than the exchange allows is waited for or stored. A device whose screen
// is not the 96 x 64 one (the colour models share a product id: a value not
// of 768 bytes, an allocation past the host's size, parameter data
// announced longer than a screen's) throws kNoUsbCable with a sentence that
// names it by transport.product(). A device failure throws the transport's
// system error. Every raw packet goes to `trace`.
Bitmap readDirectScreen(Transport &transport, const LinkTimeouts &timeouts = {}, const Trace &trace = Trace::off());

} // namespace calclink

#pragma once

#include <memory>
#include <string>
#include <vector>

#include "linkerror.h"
#include "stop.h"
#include "timeouts.h"
#include "trace.h"
#include "transport.h"
#include "usbcable.h"

namespace calclink {

// The USB cable: `device` found and opened (by openLibusbCable, or the
// opener set in its place) as the transport, or the LinkError the user reads.
std::unique_ptr<Transport> openUsb(const std::string &deviceName, const UsbDevice &device,
                                   const LinkTimeouts &timeouts = {}, const Stop &stop = Stop::never(),
                                   const Trace &trace = Trace::off());

// Turns an opening into the USB transport, or throws the LinkError the user
// reads (no cable, only k cables, none at that port, permission and how to
// get it, busy ...); `device` is the one that was looked for.
std::unique_ptr<Transport> usbTransport(UsbOpening opening, const std::string &deviceName, const UsbDevice &device,
                                        const LinkTimeouts &timeouts = {}, const Stop &stop = Stop::never(),
                                        const Trace &trace = Trace::off());

// The byte stream over a USB device. Reads ask for a multiple of the USB
// packet, at least 32 bytes (one packet of the cable, one of 64 bytes of a
// calculator on its own port), so a packet is never cut, and keep what the
// caller did not ask for until the next read. Every transfer lasts at most
// one check interval of `stop`, so that a cancelled capture ends at once,
// and goes to `trace` with its size and status.
class UsbTransport : public Transport {
public:
    // `writeLimit`: how long the calculator may take to accept a write.
    UsbTransport(std::unique_ptr<UsbCable> cable, std::string deviceName, Millis writeLimit = LinkTimeouts{}.write,
                 const Stop &stop = Stop::never(), const Trace &trace = Trace::off());

    void send(const uint8_t *data, size_t size) override;
    size_t receive(uint8_t *buffer, size_t max, Millis timeout) override;
    Framing framing() const override;
    std::string product() const override { return cable_->product(); }

private:
    [[noreturn]] void failed(const UsbTransfer &transfer, Doing doing);
    void traced(const char *direction, size_t size, const UsbTransfer &transfer) const;

    std::unique_ptr<UsbCable> cable_;
    std::string deviceName_;
    const Millis writeLimit_;
    const Stop &stop_;
    const Trace &trace_;
    std::vector<uint8_t> chunk_;   // one read's worth
    size_t surplusBegin_ = 0;      // chunk_[surplusBegin_, surplusEnd_) not yet handed out
    size_t surplusEnd_ = 0;
};

} // namespace calclink

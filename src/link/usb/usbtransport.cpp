#include "usbtransport.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iterator>

#include "linkerror.h"
#include "translation.h"
#include "usbids.h"

namespace calclink {

namespace {

constexpr size_t kReadSize = 32;

std::string udevAdvice()
{
    return fill(translate("calclink", "The USB cable needs the udev rule %1: install it with `sudo make "
                                      "install-udev` in Ekrano's source folder, then plug the cable in again."),
                {kUdevRuleName});
}

std::string unpluggedAdvice() { return translate("calclink", "The cable was pulled out; plug it in again and retry."); }

} // namespace

std::string usbAdvice(int err)
{
    switch (err) {
    case EACCES:
    case EPERM:
        return udevAdvice();
    case EBUSY:
        return translate("calclink", "Another program is using the cable; close it and try again.");
    case ENODEV:
        return unpluggedAdvice();
    default:
        return {};
    }
}

namespace {

// Why device `index` cannot be had when only `found` are connected: %1 the
// device name, %2 how many are connected, %3 the device's number from 1.
std::string tooFewSentence(int index, int found)
{
    static const char *const sentences[][2] = {
        {CALCLINK_TRANSLATE_NOOP("calclink", "%1 means the first USB device (link cable or calculator), but only %2 "
                                             "is connected."),
         CALCLINK_TRANSLATE_NOOP("calclink", "%1 means the first USB device (link cable or calculator), but only %2 "
                                             "are connected.")},
        {CALCLINK_TRANSLATE_NOOP("calclink", "%1 means the second USB device (link cable or calculator), but only "
                                             "%2 is connected."),
         CALCLINK_TRANSLATE_NOOP("calclink", "%1 means the second USB device (link cable or calculator), but only "
                                             "%2 are connected.")},
        {CALCLINK_TRANSLATE_NOOP("calclink", "%1 means the third USB device (link cable or calculator), but only %2 "
                                             "is connected."),
         CALCLINK_TRANSLATE_NOOP("calclink", "%1 means the third USB device (link cable or calculator), but only %2 "
                                             "are connected.")},
        {CALCLINK_TRANSLATE_NOOP("calclink", "%1 means the fourth USB device (link cable or calculator), but only "
                                             "%2 is connected."),
         CALCLINK_TRANSLATE_NOOP("calclink", "%1 means the fourth USB device (link cable or calculator), but only "
                                             "%2 are connected.")},
        {CALCLINK_TRANSLATE_NOOP("calclink", "%1 means the fifth USB device (link cable or calculator), but only %2 "
                                             "is connected."),
         CALCLINK_TRANSLATE_NOOP("calclink", "%1 means the fifth USB device (link cable or calculator), but only %2 "
                                             "are connected.")},
        {CALCLINK_TRANSLATE_NOOP("calclink", "%1 means the USB device number %3 (link cable or calculator), but "
                                             "only %2 is connected."),
         CALCLINK_TRANSLATE_NOOP("calclink", "%1 means the USB device number %3 (link cable or calculator), but "
                                             "only %2 are connected.")},
    };
    const auto &sentence = sentences[std::min<size_t>(size_t(index), std::size(sentences) - 1)];
    return translate("calclink", sentence[found == 1 ? 0 : 1]);
}

} // namespace

std::unique_ptr<Transport> usbTransport(UsbOpening opening, const std::string &deviceName, const UsbDevice &device,
                                        const LinkTimeouts &timeouts, const Stop &stop, const Trace &trace)
{
    switch (opening.status) {
    case UsbOpening::Opened:
        if (trace.on())
            trace.event("usb: opened " + opening.cable->path() + ", a " + usbKindName(opening.cable->kind()) +
                        (opening.cable->product().empty() ? "" : " " + quotedProduct(opening.cable->product())) +
                        ": configuration 1, interface 0 claimed, halts "
                        "cleared on endpoints 0x" + hexadecimal(kUsbEndpointOut, 2) + " and 0x" +
                        hexadecimal(kUsbEndpointIn, 2) + ", " + std::to_string(opening.cable->packetSize()) +
                        "-byte packets");
        return std::make_unique<UsbTransport>(std::move(opening.cable), deviceName, timeouts.write, stop, trace);
    case UsbOpening::NoUsb:
        throw LinkError(kNoUsbCable,
                        fill(translate("calclink", "USB cannot be used on this computer: %1."), {opening.reason}));
    case UsbOpening::NotFound:
        if (opening.found == 0 && !opening.unreadable.empty()) {
            const std::string &product = opening.unreadable.front();
            throw LinkError(kNoUsbCable,
                            fill(translate("calclink", "The calculator plugged in (%1), %2, has a colour screen, which "
                                                       "Ekrano cannot read: Ekrano reads the calculators with the 96 x "
                                                       "64 monochrome screen, on their own USB port or through a link "
                                                       "cable."),
                                 {deviceName, product.empty() ? usbIdsOf(UsbKind::Unreadable) : quotedProduct(product)}));
        }
        if (!device.portPath.empty())
            throw LinkError(kNoUsbCable,
                            fill(translate("calclink", "Neither a USB link cable nor a calculator on its own USB port "
                                                       "is plugged in at USB port %2 (%1). Plug it in there again, or "
                                                       "see where each one is plugged in with `ekrano-capture "
                                                       "--list`."),
                                 {deviceName, device.portPath}));
        if (opening.found == 0)
            throw LinkError(kNoUsbCable,
                            fill(translate("calclink", "Neither a USB link cable nor a calculator on its own USB port "
                                                       "is connected (%1). Plug the link cable into the computer and "
                                                       "the calculator, or the calculator straight into the computer "
                                                       "with its own USB cable, or choose another cable in the link "
                                                       "settings."),
                                 {deviceName}));
        throw LinkError(kNoUsbCable,
                        fill(tooFewSentence(device.number, opening.found),
                             {deviceName, std::to_string(opening.found), std::to_string(device.number + 1)}));
    case UsbOpening::Failed:
        break;
    }
    const int err = opening.error ? opening.error : EIO;
    throw systemError(err, deviceName, opening.path, Doing::Opening, usbAdvice(err));
}

UsbTransport::UsbTransport(std::unique_ptr<UsbCable> cable, std::string deviceName, Millis writeLimit,
                           const Stop &stop, const Trace &trace)
    : cable_(std::move(cable)), deviceName_(std::move(deviceName)), writeLimit_(writeLimit), stop_(stop),
      trace_(trace)
{
    // A whole number of USB packets, at least 32 bytes: asking for less than
    // a packet would make the USB stack drop what does not fit.
    const size_t packet = std::max<size_t>(cable_->packetSize(), 1);
    chunk_.resize((kReadSize + packet - 1) / packet * packet);
}

Transport::Framing UsbTransport::framing() const
{
    return cable_->kind() == UsbKind::Calculator ? Framing::DirectUsb : Framing::LinkPort;
}

void UsbTransport::traced(const char *direction, size_t size, const UsbTransfer &transfer) const
{
    static const char *const statuses[] = {"done", "timed out", "no device", "failed"};
    if (trace_.on())
        trace_.event(std::string("usb: ") + direction + " " + std::to_string(size) + " bytes: " +
                     std::to_string(transfer.count) + " moved, " +
                     (transfer.libusbStatus ? transfer.libusbStatus : statuses[transfer.status]));
}

void UsbTransport::failed(const UsbTransfer &transfer, Doing doing)
{
    const int err = transfer.status == UsbTransfer::NoDevice ? ENODEV : (transfer.error ? transfer.error : EIO);
    // An unplug in the middle of a transfer comes as a vanished device or,
    // as often, as an I/O error on the endpoint: the same advice for both.
    throw systemError(err, deviceName_, cable_->path(), doing, err == EIO ? unpluggedAdvice() : usbAdvice(err));
}

// The time left until the end of the next step of a wait that lasts until
// `deadline`, at least 1 ms: libusb takes 0 as "wait for ever".
static Millis stepOf(const Stop &stop, SteadyClock::time_point deadline)
{
    stop.check();
    return std::max(std::chrono::ceil<Millis>(stop.nextCheck(deadline) - SteadyClock::now()), Millis(1));
}

void UsbTransport::send(const uint8_t *data, size_t size)
{
    const auto deadline = SteadyClock::now() + writeLimit_;
    size_t done = 0;
    while (done < size) {
        const UsbTransfer transfer = cable_->bulkWrite(data + done, size - done, stepOf(stop_, deadline));
        traced("OUT", size - done, transfer);
        done += std::min(transfer.count, size - done);
        if (transfer.status == UsbTransfer::NoDevice || transfer.status == UsbTransfer::Failed)
            failed(transfer, Doing::WritingTo);
        if (done < size && SteadyClock::now() >= deadline)
            throw (done == 0 ? silence : noAnswer)("USB cable: the calculator took " + std::to_string(done) + " of " + std::to_string(size) +
                           " bytes within " + std::to_string(writeLimit_.count()) + " ms (the write limit)");
    }
}

size_t UsbTransport::receive(uint8_t *buffer, size_t max, Millis timeout)
{
    if (surplusBegin_ == surplusEnd_) {
        const auto deadline = SteadyClock::now() + timeout;
        for (;;) {
            const UsbTransfer transfer = cable_->bulkRead(chunk_.data(), chunk_.size(), stepOf(stop_, deadline));
            traced("IN", chunk_.size(), transfer);
            if (transfer.status == UsbTransfer::NoDevice || transfer.status == UsbTransfer::Failed)
                failed(transfer, Doing::ReadingFrom);
            surplusBegin_ = 0;
            surplusEnd_ = std::min(transfer.count, chunk_.size());
            if (surplusEnd_ > 0)
                break;
            // Nothing yet: a step that timed out, or a zero-length packet,
            // which is no answer either, so read again while there is time.
            if (SteadyClock::now() >= deadline)
                return 0;
        }
    }
    const size_t count = std::min(max, surplusEnd_ - surplusBegin_);
    std::memcpy(buffer, chunk_.data() + surplusBegin_, count);
    surplusBegin_ += count;
    return count;
}

namespace {

UsbOpener &usbOpener()
{
    static UsbOpener opener;
    return opener;
}

UsbLister &usbLister()
{
    static UsbLister lister;
    return lister;
}

} // namespace

void setUsbOpener(UsbOpener opener, UsbLister lister)
{
    usbOpener() = std::move(opener);
    usbLister() = std::move(lister);
}

std::optional<std::vector<UsbCablePlace>> listUsbCables(std::string &reason)
{
    const UsbLister &lister = usbLister();
    return lister ? lister(reason) : listLibusbCables(reason);
}

std::unique_ptr<Transport> openUsb(const std::string &deviceName, const UsbDevice &device,
                                   const LinkTimeouts &timeouts, const Stop &stop, const Trace &trace)
{
    const UsbOpener &opener = usbOpener();
    return usbTransport(opener ? opener(device) : openLibusbCable(device), deviceName, device, timeouts, stop, trace);
}

} // namespace calclink

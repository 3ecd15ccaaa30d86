#include "directdevice.h"

#include <algorithm>
#include <cerrno>
#include <thread>

using calclink::UsbTransfer;

DirectDevice::DirectDevice(std::shared_ptr<DirectPlug> plug) : plug_(std::move(plug))
{
    std::lock_guard lock(plug_->mutex);
    ++plug_->openings;
    product_ = plug_->product;
}

DirectDevice::~DirectDevice()
{
    std::lock_guard lock(plug_->mutex);
    ++plug_->closings;
}

DirectDevice::Clock::time_point DirectDevice::carry(Clock::time_point from, size_t packets)
{
    plug_->busFree = std::max(plug_->busFree, from) + plug_->packetTime * long(packets);
    return plug_->busFree;
}

bool DirectDevice::unplugged(UsbTransfer &result) const
{
    if (!gone_)
        return false;
    result.status = plug_->unplugAs;
    result.error = plug_->unplugAs == UsbTransfer::Failed ? EIO : 0;
    return true;
}

UsbTransfer DirectDevice::bulkWrite(const uint8_t *data, size_t size, calclink::Millis)
{
    UsbTransfer result;
    std::unique_lock lock(plug_->mutex);
    if (unplugged(result))
        return result;
    plug_->written.insert(plug_->written.end(), data, data + size);
    const Clock::time_point arrived = carry(Clock::now(), std::max<size_t>((size + kPacket - 1) / kPacket, 1));
    const int screens = plug_->calculator.screensSent();
    const std::vector<DirectCalculator::Send> sends = plug_->calculator.feed(data, size);
    if (plug_->calculator.screensSent() > screens)
        plug_->screens.push_back(arrived);
    // Each transfer to the host: one raw packet, or with `packs` the raw
    // packets that go at the same moment.
    std::vector<std::pair<Clock::time_point, std::vector<uint8_t>>> transfers;
    for (const DirectCalculator::Send &send : sends) {
        if (plug_->packs && !transfers.empty() && send.pause == std::chrono::milliseconds(0))
            transfers.back().second.insert(transfers.back().second.end(), send.bytes.begin(), send.bytes.end());
        else
            transfers.push_back({arrived + send.pause, send.bytes});
    }
    for (const auto &[start, bytes] : transfers) {
        for (size_t at = 0; at < bytes.size(); at += kPacket) {
            const size_t count = std::min(kPacket, bytes.size() - at);
            plug_->waiting.push_back({carry(start, 1), std::vector<uint8_t>(bytes.begin() + ptrdiff_t(at),
                                                                             bytes.begin() + ptrdiff_t(at + count))});
        }
        if (plug_->zeroLength && !bytes.empty() && bytes.size() % kPacket == 0)
            plug_->waiting.push_back({carry(start, 1), {}});
    }
    lock.unlock();
    std::this_thread::sleep_until(arrived);
    result.count = size;
    return result;
}

UsbTransfer DirectDevice::bulkRead(uint8_t *buffer, size_t size, calclink::Millis timeout)
{
    const Clock::time_point deadline = Clock::now() + std::max(timeout, calclink::Millis(1));
    UsbTransfer result;
    std::unique_lock lock(plug_->mutex);
    plug_->readSizes.push_back(size);
    if (plug_->readsBeforeUnplug >= 0 && reads_++ >= plug_->readsBeforeUnplug)
        gone_ = true;
    if (unplugged(result))
        return result;
    std::deque<DirectPlug::UsbPacket> &waiting = plug_->waiting;
    for (;;) {
        if (waiting.empty() || waiting.front().ready > Clock::now()) {
            const Clock::time_point until = waiting.empty() ? deadline : std::min(deadline, waiting.front().ready);
            lock.unlock();
            std::this_thread::sleep_until(until);
            lock.lock();
            if (Clock::now() >= deadline && (waiting.empty() || waiting.front().ready > Clock::now())) {
                result.status = UsbTransfer::TimedOut;
                return result;
            }
            continue;
        }
        DirectPlug::UsbPacket &next = waiting.front();
        if (next.bytes.size() > size - result.count) {
            result.status = UsbTransfer::Failed; // the kernel's babble: the packet does not fit
            result.error = EOVERFLOW;
            return result;
        }
        std::copy(next.bytes.begin(), next.bytes.end(), buffer + result.count);
        result.count += next.bytes.size();
        const bool shortPacket = next.bytes.size() < kPacket;
        waiting.pop_front();
        if (shortPacket || result.count == size)
            return result;
    }
}

calclink::UsbOpener directOpener(std::shared_ptr<DirectBus> bus)
{
    return [bus](const calclink::UsbDevice &device) {
        calclink::UsbOpening opening;
        opening.status = calclink::UsbOpening::NotFound;
        std::lock_guard lock(bus->mutex);
        opening.found = int(bus->plugs.size());
        for (size_t i = 0; i < bus->plugs.size(); ++i) {
            if (device.portPath.empty() ? int(i) == device.number : bus->plugs[i].first == device.portPath) {
                opening.status = calclink::UsbOpening::Opened;
                opening.cable = std::make_unique<DirectDevice>(bus->plugs[i].second);
            }
        }
        return opening;
    };
}

calclink::UsbLister directLister(std::shared_ptr<DirectBus> bus)
{
    return [bus](std::string &) {
        std::vector<calclink::UsbCablePlace> places;
        std::lock_guard lock(bus->mutex);
        for (const auto &[portPath, plug] : bus->plugs) {
            std::lock_guard plugLock(plug->mutex);
            places.push_back({1, int(places.size()) + 2, "/dev/bus/usb/003/009", calclink::UsbKind::Calculator,
                              plug->product, portPath});
        }
        return std::optional(places);
    };
}

calclink::UsbOpener directOpener(std::shared_ptr<DirectPlug> plug)
{
    auto bus = std::make_shared<DirectBus>();
    bus->plugs.emplace_back("1-1", std::move(plug));
    return directOpener(bus);
}

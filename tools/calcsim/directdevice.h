#pragma once

#include <chrono>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "directcalculator.h"
#include "usbcable.h"

// What stays of a calculator on its own USB port while captures open and
// close it: the calculator, the USB packets it offers that no host read yet
// (a host that goes away leaves them, as a real device keeps them), what
// the host wrote, the reads it asked for, and the faults of the device
// itself. Shared by every DirectDevice opened on it; lock `mutex` to look
// or change from another thread.
struct DirectPlug {
    using Clock = std::chrono::steady_clock;
    struct UsbPacket {
        Clock::time_point ready; // when the bus has carried it
        std::vector<uint8_t> bytes;
    };

    std::mutex mutex;
    DirectCalculator calculator;
    std::vector<uint8_t> written; // every byte the host wrote, in order
    std::vector<size_t> readSizes; // the size of every bulk read
    int openings = 0, closings = 0;
    std::vector<std::chrono::steady_clock::time_point> screens; // when the host acknowledged each screen whole

    // Pulled out: the bulk read after `readsBeforeUnplug` reads fails as
    // `unplugAs` (NoDevice, or Failed with EIO, as a kernel reports the same
    // unplug either way), and every transfer after it too. -1: never.
    int readsBeforeUnplug = -1;
    calclink::UsbTransfer::Status unplugAs = calclink::UsbTransfer::NoDevice;

    // The modelled link: how long the bus takes to carry one USB packet,
    // one at a time in either direction. 0: at once.
    std::chrono::nanoseconds packetTime{0};

    // How the device cuts what the calculator sends into USB packets: with
    // `packs`, raw packets sent together share USB packets (the end of one
    // and the start of the next in one); with `zeroLength`, a raw packet
    // that ends on a whole USB packet is followed by a zero-length one.
    bool packs = false;
    bool zeroLength = false;
    std::string product = "Ekrano test"; // its USB product string

    std::deque<UsbPacket> waiting; // offered to the host, not yet read
    Clock::time_point busFree{};
};

// A calculator on its own USB port as the USB stack shows it to the host:
// 64-byte bulk endpoints in front of a DirectCalculator. Each raw packet the
// calculator sends is one bulk transfer cut into 64-byte USB packets, with
// no zero-length packet after one that ends on a full packet, unless the
// plug says otherwise. A bulk read
// ends, as the kernel's does, on a short packet or when its buffer is full;
// otherwise it waits for more until its time limit and then times out with
// what it had. A read smaller than a USB packet overflows.
class DirectDevice : public calclink::UsbCable {
public:
    explicit DirectDevice(std::shared_ptr<DirectPlug> plug);
    ~DirectDevice() override;

    std::string path() const override { return "/dev/bus/usb/003/009"; }
    size_t packetSize() const override { return kPacket; }
    calclink::UsbKind kind() const override { return calclink::UsbKind::Calculator; }
    std::string product() const override { return product_; }
    calclink::UsbTransfer bulkWrite(const uint8_t *data, size_t size, calclink::Millis timeout) override;
    calclink::UsbTransfer bulkRead(uint8_t *buffer, size_t size, calclink::Millis timeout) override;

    static constexpr size_t kPacket = 64;

private:
    using Clock = DirectPlug::Clock;
    // Books the bus for `packets` USB packets from `from` on; returns when
    // they are carried. With the plug's mutex held.
    Clock::time_point carry(Clock::time_point from, size_t packets);
    // Once pulled out, every transfer fails as the plug says.
    bool unplugged(calclink::UsbTransfer &result) const;

    std::shared_ptr<DirectPlug> plug_;
    std::string product_; // read once, when opened
    int reads_ = 0;
    bool gone_ = false;
};

// Calculators on their own USB port plugged in at their port paths ("1-1.3"),
// in the order that numbers them; a test plugs one in or pulls it out
// while captures run (lock `mutex`).
struct DirectBus {
    std::mutex mutex;
    std::vector<std::pair<std::string, std::shared_ptr<DirectPlug>>> plugs;
};

// The USB devices as the link finds them on `bus`, for
// calclink::setUsbOpener(directOpener(bus), directLister(bus)): each plug
// opened by its number or its port path, and listed with its place and
// product string.
calclink::UsbOpener directOpener(std::shared_ptr<DirectBus> bus);
calclink::UsbLister directLister(std::shared_ptr<DirectBus> bus);
// `plug` alone, at port path 1-1, as \\.\Usb0.
calclink::UsbOpener directOpener(std::shared_ptr<DirectPlug> plug);

#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "bitmap.h"

// A calculator plugged in on its own USB port, as a state machine with no
// I/O and no clock: fed the host's bytes as they come off the OUT endpoint,
// in any chunking, it hands back the raw packets to write to the IN endpoint
// (each one bulk transfer, which the caller cuts into 64-byte USB packets),
// with the pause to keep before each. Like the real calculator it sends a
// part of a virtual packet only once the host acknowledged the one before.
// It serves the in-process fake device of the tests and the gadget program
// of the virtual machine alike. Not thread-safe; reset() before reuse.
class DirectCalculator {
public:
    // How it behaves, for every exchange until changed.
    struct Behaviour {
        calclink::Bitmap screen{};
        uint32_t allocation = 250;          // its answer to the buffer size request
        uint32_t partSize = 0;              // non-zero: its parts hold this much, whatever it agreed to
        int delayAcks = 0;                  // delay acknowledgements before the parameter data
        int modeDelayAcks = 0;              // delay acknowledgements before the mode acknowledgement
        std::chrono::milliseconds late{0};  // a pause before the parameter data, after the delay acks
        uint16_t errorCode = 0;             // non-zero: the parameter request gets this error packet
        bool invalid = false;               // the screen parameter is marked invalid
        size_t valueSize = calclink::kBitmapSize; // the length of the value sent (the screen, cut or padded)
        bool silent = false;                // answers nothing at all
        bool cutShort = false;              // sends half of the parameter data's first raw packet, then nothing
    };

    // One raw packet to write, after `pause`; bytes may be fewer than the
    // length it announces only with cutShort.
    struct Send {
        std::chrono::milliseconds pause{0};
        std::vector<uint8_t> bytes;
    };

    DirectCalculator();
    explicit DirectCalculator(Behaviour behaviour);

    Behaviour &behaviour() { return behaviour_; }

    // The host's bytes, as many or as few as came; returns what to write now,
    // in order.
    std::vector<Send> feed(const uint8_t *data, size_t size);

    // Forgets the exchange in progress and any bytes half received, as a
    // calculator plugged in again does.
    void reset();

    // The first raw packet of the screen, as a calculator that was sending
    // it when its host went away still offers it: an exchange played to
    // there, with the host's side written here.
    static std::vector<uint8_t> abandonedScreenPart(const Behaviour &behaviour);

    // Screens whose last raw packet the host acknowledged.
    int screensSent() const { return screensSent_; }
    // Parameter requests received, answered or not.
    int requestsReceived() const { return requests_; }
    // A sentence for each thing the host did wrong: a part not acknowledged,
    // a raw packet past the allocation, an acknowledgement nothing called for.
    const std::vector<std::string> &hostFaults() const { return faults_; }

private:
    struct Queued {
        Send send;
        bool needsAck = false;       // a part of a virtual packet
        bool endsScreen = false;     // the last part of the parameter data
    };

    void handleRaw(uint8_t type, const std::vector<uint8_t> &data);
    void handleVirtual(const std::vector<uint8_t> &packet);
    void answerParameterRequest(const std::vector<uint8_t> &data);
    void queueVirtual(uint16_t type, const std::vector<uint8_t> &data, std::chrono::milliseconds pause = {},
                      bool isScreen = false);
    void queueRaw(uint8_t type, const std::vector<uint8_t> &data);
    void pump(std::vector<Send> &out);
    void fault(std::string sentence);

    Behaviour behaviour_;
    std::vector<uint8_t> input_;       // host bytes not yet a whole raw packet
    std::vector<uint8_t> virtualIn_;   // the host's virtual packet so far
    std::deque<Queued> queue_;         // raw packets waiting their turn
    bool awaitingAck_ = false;         // a part went out; the host's acknowledgement is due
    bool endsScreen_ = false;          // and it was the last part of a screen
    bool confused_ = false;            // the host's framing was lost: ignore it until reset()
    bool modeSet_ = false;
    uint32_t agreed_ = 0;              // 0 before the buffer size exchange
    int screensSent_ = 0;
    int requests_ = 0;
    std::vector<std::string> faults_;
};

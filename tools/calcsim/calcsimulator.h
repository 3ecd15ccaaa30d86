#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "calclink.h"

// Axes and a curve, the way a calculator shows a graph.
calclink::Bitmap builtinScreen();
// The same graph being drawn: frame n shows its first 4 (n % 24 + 1)
// columns, so that each frame differs from the one before.
inline constexpr int kAnimationFrames = 24;
calclink::Bitmap animatedScreen(int frame);

// How the simulated calculator misbehaves, for every screen request until changed.
enum class Fault {
    None,
    Silent,            // never answers
    Late,              // answers, but only after the delay given to setFault
    BadChecksumOnce,   // the first DATA of every request has a wrong checksum, the resend is right
    BadChecksumAlways, // every DATA has a wrong checksum
    WrongLength,       // DATA of 769 bytes
    Skip,              // acknowledges the request, then refuses it with SKIP
    WrongMachineId,    // DATA from a machine id no calculator uses
    HangUp,            // closes the terminal halfway through the DATA packet
    Trickle,           // sends its replies one byte at a time, the delay given to setFault between bytes
    SlowReader,        // after sending the screen, reads nothing for the delay given to setFault, its
                       // input backed up meanwhile, so that what the host sends last waits in the kernel
};

// A calculator on a pseudo-terminal, speaking the Gray cable's byte stream.
// It keeps a descriptor of the terminal open itself, so a client may open and
// close path() any number of times. Every member may be called from any
// thread; start() and stop() are serialised.
class CalcSimulator {
public:
    explicit CalcSimulator(calclink::Bitmap screen = builtinScreen());
    ~CalcSimulator(); // stops the thread, closes the terminal
    CalcSimulator(const CalcSimulator &) = delete;
    CalcSimulator &operator=(const CalcSimulator &) = delete;

    // The terminal a client opens, e.g. /dev/pts/3. After a HangUp it stays
    // the old, dead path until start() opens a fresh terminal.
    const std::string &path() const { return path_; }

    void setScreen(const calclink::Bitmap &);
    // Animated, every request gets the next frame of animatedScreen() in
    // place of the screen set.
    void setAnimated(bool animated);
    // `lateBy`: the delay of Late, or the pause between the bytes of Trickle.
    void setFault(Fault, std::chrono::milliseconds lateBy = std::chrono::milliseconds(2500));

    // Serves requests on a thread of its own. A HangUp ends the serving and
    // closes the terminal; start() then serves again on a fresh terminal.
    void start();
    void stop();
    bool serving() const { return serving_; }

    int requestsServed() const { return requests_; } // screen requests received
    int errorsReceived() const { return errors_; }   // ERR packets received

    // The host's final ACK, due within kAckLimit of a screen sent with the
    // right checksum. A screen with none before that limit, before the
    // host's next request or before stop() is a missing ACK: the fault of a
    // host that gave up on the screen or lost its last bytes. stop() waits
    // for an ACK still due, so that one on its way is counted.
    static constexpr std::chrono::milliseconds kAckLimit{2000};
    int acksReceived() const { return acks_; }
    int missingAcks() const { return missingAcks_; }
    // Called on the serving thread with a sentence for each fault of the host's.
    void setFaultReport(std::function<void(const std::string &)> report);

private:
    void openTerminal();
    void closeTerminal();
    void serve();
    void answerScreenRequest();
    void sendData(bool badChecksum);
    bool readByte(uint8_t &byte);
    void missedAck(const std::string &why);
    bool writeAll(const std::vector<uint8_t> &bytes);
    bool pause(std::chrono::milliseconds duration);

    std::string path_;
    int master_ = -1;
    int slave_ = -1;
    int wake_[2] = {-1, -1};
    std::thread thread_;
    std::mutex control_;
    std::atomic<bool> serving_{false};

    mutable std::mutex mutex_; // guards what the setters change
    calclink::Bitmap screen_;
    Fault fault_ = Fault::None;
    bool animated_ = false;
    int frame_ = 0;
    std::chrono::milliseconds lateBy_{2500};

    // The exchange in progress, touched only by the serving thread.
    calclink::Bitmap sentScreen_{};
    Fault requestFault_ = Fault::None;
    std::chrono::milliseconds requestLateBy_{0};
    bool awaitingAck_ = false; // a DATA went out: its ACK or ERR is due
    bool ackDue_ = false;      // and it was whole and right: only an ACK will do
    std::chrono::steady_clock::time_point ackDeadline_;

    std::atomic<int> requests_{0};
    std::atomic<int> errors_{0};
    std::atomic<int> acks_{0};
    std::atomic<int> missingAcks_{0};
    std::function<void(const std::string &)> report_; // set before start()
};

// Reads a 96 x 64 picture (PNG, PBM or any format Qt reads); a pixel darker
// than half luminance is dark. nullopt with `error` set when the file cannot
// be read or has another size.
std::optional<calclink::Bitmap> loadScreen(const std::string &file, std::string &error);

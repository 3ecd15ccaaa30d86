// Ekrano Live's reading, against a calculator on a pseudo-terminal that does
// nothing but the screen exchange:
// - the screens a second it reads, beside the bare exchanges a second of a
//   plain thread that moves the same bytes in the same turns, both counted by
//   the calculator, at full speed and on a modelled Gray cable of 9600 baud;
// - the idle gap between two captures: from the host's last ACK to its next
//   request, as the capture's trace tells them (a pseudo-terminal hands bytes
//   over late and unevenly, so the calculator cannot time them), the trace's
//   own writing included;
// - the processor time the live window takes, its reading thread included,
//   while the screen does not change, at 9600 baud;
// - the screens a second from a calculator on its own USB port, beside the
//   bare exchanges of a plain thread, on a modelled full-speed link: with a
//   calculator that answers at once, and with one that takes the recorded
//   exchange's half second;
// - a ten-minute recording at full speed (10,000 screens a second, on the
//   recorder's own clock): the resident memory it takes, and the longest the
//   window does not answer while it is saved as a user saves it.
#include <QApplication>
#include <QEventLoop>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <sstream>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <malloc.h>
#include <poll.h>
#include <sys/resource.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include "bitmap.h"
#include "calcsimulator.h"
#include "capture.h"
#include "comports.h"
#include "directdevice.h"
#include "directframing.h"
#include "livereader.h"
#include "liverecorder.h"
#include "livewindow.h"
#include "portlink.h"
#include "trace.h"
#include "transportfactory.h"

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

constexpr size_t kRequest = 4, kReply = 4 + calclink::kDataPacketBytes, kAck = 4;
const calclink::LinkChoice kCom1Gray{calclink::LinkChoice::Gray, 1, {}};

double seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

double threadCpuSeconds(clockid_t clock)
{
    timespec t{};
    ::clock_gettime(clock, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

double processCpuSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto of = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return of(usage.ru_utime) + of(usage.ru_stime);
}

// The calculator: a plain thread on the pseudo-terminal's master that reads a
// request, sends the ACK and the screen's DATA, and reads the host's ACK. At
// `baud`, every byte takes 10 bits' time on a modelled wire that carries one
// byte at a time in either direction: a reply goes out no sooner than the
// wire would have carried the request and the reply.
class Calculator {
public:
    struct Exchange {
        Clock::time_point request, ack; // when each arrived whole
    };

    explicit Calculator(long baud) : byteTime_(baud ? std::chrono::nanoseconds(10'000'000'000L / baud) : 0ns)
    {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master_ < 0 || ::grantpt(master_) < 0 || ::unlockpt(master_) < 0 || ::pipe2(quit_, O_CLOEXEC) < 0)
            throw std::runtime_error("no pseudo-terminal");
        path_ = ::ptsname(master_);
        // Held open, so that the host's closing it never hangs the master up.
        slave_ = ::open(path_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        termios raw;
        ::tcgetattr(slave_, &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(slave_, TCSANOW, &raw);
        thread_ = std::thread([this] { serve(); });
    }
    ~Calculator()
    {
        [[maybe_unused]] const ssize_t n = ::write(quit_[1], "q", 1);
        thread_.join();
        for (int fd : {slave_, master_, quit_[0], quit_[1]})
            ::close(fd);
    }

    const std::string &path() const { return path_; }
    std::vector<Exchange> exchanges()
    {
        std::lock_guard lock(mutex_);
        return exchanges_;
    }
    void forget()
    {
        std::lock_guard lock(mutex_);
        exchanges_.clear();
    }
    double cpuSeconds() const { return cpu_.load(); }

private:
    bool read(uint8_t *buffer, size_t size)
    {
        for (size_t done = 0; done < size;) {
            pollfd p[2] = {{quit_[0], POLLIN, 0}, {master_, POLLIN, 0}};
            if (::poll(p, 2, -1) < 0 || p[0].revents)
                return false;
            const ssize_t n = ::read(master_, buffer + done, size - done);
            if (n <= 0)
                return false;
            done += size_t(n);
        }
        return true;
    }
    // The wire's carrying `bytes` starting no sooner than `from`; returns when it is done.
    Clock::time_point carry(Clock::time_point from, size_t bytes)
    {
        wireFree_ = std::max(wireFree_, from) + byteTime_ * long(bytes);
        return wireFree_;
    }
    void serve()
    {
        clockid_t clock;
        ::pthread_getcpuclockid(::pthread_self(), &clock);
        std::vector<uint8_t> reply(kReply, 0);
        // ACK, then DATA of a bitmap (its length low byte first).
        const uint8_t head[8] = {0x73, 0x56, 0, 0, 0x73, 0x15, uint8_t(calclink::kBitmapSize),
                                 uint8_t(calclink::kBitmapSize >> 8)};
        std::copy(std::begin(head), std::end(head), reply.begin());
        uint8_t request[kRequest], ack[kAck];
        // A request where the ACK was due: the host gave up on the last exchange (a reader stopped in it).
        bool requested = false;
        while (requested || read(request, kRequest)) {
            requested = false;
            Exchange exchange;
            exchange.request = Clock::now();
            std::this_thread::sleep_until(carry(exchange.request, kRequest));
            // Each piece appears when the wire has carried it whole.
            for (size_t done = 0; done < reply.size();) {
                const size_t piece = byteTime_.count() ? std::min<size_t>(32, reply.size() - done) : reply.size();
                std::this_thread::sleep_until(carry(Clock::now(), piece));
                if (::write(master_, reply.data() + done, piece) != ssize_t(piece))
                    return;
                done += piece;
            }
            if (!read(ack, kAck))
                break;
            if (ack[1] == request[1]) {
                requested = true;
                continue;
            }
            exchange.ack = Clock::now();
            carry(exchange.ack, kAck);
            std::lock_guard lock(mutex_);
            exchanges_.push_back(exchange);
            cpu_ = threadCpuSeconds(clock);
        }
        cpu_ = threadCpuSeconds(clock);
    }

    const std::chrono::nanoseconds byteTime_;
    Clock::time_point wireFree_;
    int master_ = -1, slave_ = -1, quit_[2] = {-1, -1};
    std::string path_;
    std::mutex mutex_;
    std::vector<Exchange> exchanges_;
    std::atomic<double> cpu_{0};
    std::thread thread_;
};

// Exchanges a second, from the first to the last ACK the calculator saw.
double exchangesPerSecond(const std::vector<Calculator::Exchange> &exchanges)
{
    if (exchanges.size() < 2)
        return 0;
    return double(exchanges.size() - 1) / seconds(exchanges.back().ack - exchanges.front().ack);
}

// A plain thread doing the capture's turns and nothing else on the
// calculator's terminal: the request out, the reply in, the ACK out.
void bareExchanges(Calculator &calculator, size_t count, Clock::duration longest)
{
    const int fd = ::open(calculator.path().c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    const uint8_t request[kRequest] = {0x23, 0x6D, 0, 0}, ack[kAck] = {0x23, 0x56, 0, 0};
    std::vector<uint8_t> reply(kReply);
    const auto end = Clock::now() + longest;
    for (size_t i = 0; i < count && Clock::now() < end; ++i) {
        if (::write(fd, request, kRequest) != ssize_t(kRequest))
            break;
        for (size_t done = 0; done < reply.size();) {
            const ssize_t n = ::read(fd, reply.data() + done, reply.size() - done);
            if (n <= 0)
                throw std::runtime_error("the bare exchange failed");
            done += size_t(n);
        }
        if (::write(fd, ack, kAck) != ssize_t(kAck))
            break;
    }
    ::close(fd);
}

// A configuration folder whose COM1, COM2 ... are the calculators, for as long as it lives.
class PortLinks {
public:
    explicit PortLinks(const std::vector<const Calculator *> &calculators)
    {
        char pattern[] = "/tmp/ekrano-bench-XXXXXX";
        if (!::mkdtemp(pattern))
            throw std::runtime_error("no temporary folder");
        folder_ = pattern;
        ::setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
        std::string error;
        for (size_t i = 0; i < calculators.size(); ++i)
            if (!makeLink(calclink::portLinkPath(int(i) + 1), calculators[i]->path(), error))
                throw std::runtime_error(error);
    }
    ~PortLinks()
    {
        ::unsetenv("XDG_CONFIG_HOME");
        fs::remove_all(folder_);
    }

private:
    fs::path folder_;
};

// The median time from a capture's last ACK sent to the next one's request
// sent, as the trace of a reader at full speed on COM1 tells them.
double medianGapMs()
{
    char *text = nullptr;
    size_t size = 0;
    std::FILE *memory = ::open_memstream(&text, &size);
    {
        const calclink::Trace trace(memory);
        const LiveReader reader(kCom1Gray, {}, std::nullopt, trace);
        std::this_thread::sleep_for(300ms);
    }
    std::fclose(memory);
    std::vector<double> gaps;
    double lastAck = -1;
    std::istringstream lines(std::string(text, size));
    for (std::string line; std::getline(lines, line);) {
        const double ms = std::atof(line.c_str()); // each line begins with its time in milliseconds
        if (line.find("sent 23 56 00 00 ACK") != std::string::npos) {
            lastAck = ms;
        } else if (line.find("sent 23 6D 00 00 SCR") != std::string::npos && lastAck >= 0) {
            gaps.push_back(ms - lastAck);
            lastAck = -1;
        }
    }
    std::free(text);
    std::sort(gaps.begin(), gaps.end());
    return gaps.empty() ? 0 : gaps[gaps.size() / 2];
}

void LiveAtFullSpeed(benchmark::State &state)
{
    Calculator calculator(0);
    const PortLinks port({&calculator});
    for (auto _ : state) {
        calculator.forget();
        bareExchanges(calculator, 1'000'000, 1s);
        const double bare = exchangesPerSecond(calculator.exchanges());

        calculator.forget();
        {
            const LiveReader reader(kCom1Gray, {});
            std::this_thread::sleep_for(1s);
        }
        state.counters["live_per_s"] = exchangesPerSecond(calculator.exchanges());
        state.counters["bare_per_s"] = bare;
        state.counters["gap_ms"] = medianGapMs();
    }
}
BENCHMARK(LiveAtFullSpeed)->Iterations(1)->Unit(benchmark::kMillisecond);

void LiveAtGray9600(benchmark::State &state)
{
    Calculator calculator(9600);
    const PortLinks port({&calculator});
    settingsfile::Choices choices;
    choices.link = kCom1Gray;
    for (auto _ : state) {
        calculator.forget();
        bareExchanges(calculator, 6, 30s);
        const double bare = exchangesPerSecond(calculator.exchanges());

        // The window, its screen unchanging, for as many screens again.
        calculator.forget();
        double cpu;
        Clock::duration took;
        {
            LiveWindow window(choices, ScreenMetrics{15, 15});
            window.show();
            QCoreApplication::processEvents();
            const double before = processCpuSeconds() - calculator.cpuSeconds();
            const auto start = Clock::now();
            QEventLoop loop;
            QTimer poll;
            QObject::connect(&poll, &QTimer::timeout, [&] {
                if (calculator.exchanges().size() >= 6)
                    loop.quit();
            });
            poll.start(1000); // seldom, so as not to add to what is measured
            loop.exec();
            took = Clock::now() - start;
            cpu = processCpuSeconds() - calculator.cpuSeconds() - before;
        }
        state.counters["live_per_s"] = exchangesPerSecond(calculator.exchanges());
        state.counters["bare_per_s"] = bare;
        state.counters["wire_per_s"] = 9600.0 / 10 / (kRequest + kReply + kAck);
        state.counters["idle_cpu_percent"] = 100 * cpu / seconds(took);
    }
}
BENCHMARK(LiveAtGray9600)->Iterations(1)->Unit(benchmark::kMillisecond);

// The process's resident memory, in MiB (VmRSS, or VmHWM for its peak).
double residentMiB(const char *which = "VmRSS:")
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(which, 0) == 0)
            return std::atof(line.c_str() + std::strlen(which)) / 1024;
    return 0;
}

// The process's threads, and its open descriptors.
double threadCount() { return residentMiB("Threads:") * 1024; }
double descriptorCount()
{
    return double(std::distance(fs::directory_iterator("/proc/self/fd"), fs::directory_iterator()));
}

// The modelled full-speed USB link: a 64-byte bulk packet is 64 data bytes
// and about 13 of token, handshake, CRC and gaps, at 12 Mbit/s: 51 us.
constexpr std::chrono::nanoseconds kFullSpeedPacket{(64 + 13) * 8 * 1000 / 12};
// The calculator's think time that makes the recorded exchange's half second
// a screen, after one delay acknowledgement.
constexpr std::chrono::milliseconds kRecordedThinking{490};

// Screens a second, from the first to the last the calculator saw acknowledged.
double directPerSecond(DirectPlug &plug)
{
    std::lock_guard lock(plug.mutex);
    if (plug.screens.size() < 2)
        return 0;
    return double(plug.screens.size() - 1) / seconds(plug.screens.back() - plug.screens.front());
}

void forgetScreens(DirectPlug &plug)
{
    std::lock_guard lock(plug.mutex);
    plug.screens.clear();
}

size_t screensSeen(DirectPlug &plug)
{
    std::lock_guard lock(plug.mutex);
    return plug.screens.size();
}

// A plain thread doing the capture's turns and nothing else on the device:
// the same raw packets out, the answers read one USB packet at a time.
void bareDirectExchanges(const std::shared_ptr<DirectPlug> &plug, size_t count, Clock::duration longest)
{
    using namespace calclink::direct;
    DirectDevice device(plug);
    const auto write = [&](const std::vector<uint8_t> &bytes) { device.bulkWrite(bytes.data(), bytes.size(), 2s); };
    const auto readRaw = [&] {
        std::vector<uint8_t> raw;
        uint8_t packet[DirectDevice::kPacket];
        for (size_t whole = kRawHeader; raw.size() < whole;) {
            const calclink::UsbTransfer transfer = device.bulkRead(packet, sizeof packet, 2s);
            if (transfer.status != calclink::UsbTransfer::Done)
                throw std::runtime_error("the bare direct exchange failed");
            raw.insert(raw.end(), packet, packet + transfer.count);
            if (raw.size() >= kRawHeader)
                whole = kRawHeader + readBig32(raw.data());
        }
        return raw;
    };
    const std::vector<uint8_t> ack = rawPacket(kAcknowledgement, kAcknowledgementData);
    const uint8_t screenRequest[] = {0x00, 0x01, 0x00, 0x22};
    const auto end = Clock::now() + longest;
    for (size_t i = 0; i < count && Clock::now() < end; ++i) {
        write(bufferSizePacket(kBufferSizeRequest, kHostBufferSize));
        const uint32_t allocation = readBig32(readRaw().data() + kRawHeader);
        write(rawPartsOf(virtualPacket(kSetMode, kNormalMode), allocation).front());
        readRaw(); // its acknowledgement
        readRaw(); // the mode acknowledgement
        write(ack);
        write(rawPartsOf(virtualPacket(kParameterRequest, screenRequest), allocation).front());
        readRaw();
        // Parts, each acknowledged, until the last part of the parameter data.
        for (uint16_t type = 0;;) {
            const std::vector<uint8_t> part = readRaw();
            if (type == 0)
                type = readBig16(part.data() + kRawHeader + 4);
            write(ack);
            if (part[4] == kVirtualLast) {
                if (type == kParameterData)
                    break;
                type = 0;
            }
        }
    }
}

// Ekrano Live on \\.\Usb0, a calculator on its own port behind the modelled
// link, beside the bare exchanges; `thinking`: the calculator's pause before
// the screen, after a delay acknowledgement.
void liveDirect(benchmark::State &state, std::chrono::milliseconds thinking, size_t screens, Clock::duration longest)
{
    auto plug = std::make_shared<DirectPlug>();
    plug->packetTime = kFullSpeedPacket;
    plug->calculator.behaviour().delayAcks = thinking.count() ? 1 : 0;
    plug->calculator.behaviour().late = thinking;
    calclink::setUsbOpener(directOpener(plug));
    for (auto _ : state) {
        forgetScreens(*plug);
        bareDirectExchanges(plug, screens, longest);
        const double bare = directPerSecond(*plug);

        forgetScreens(*plug);
        {
            const LiveReader reader(calclink::LinkChoice{calclink::LinkChoice::Usb, 1, {}}, {});
            const auto end = Clock::now() + longest;
            while (screensSeen(*plug) < screens && Clock::now() < end)
                std::this_thread::sleep_for(thinking.count() ? 100ms : 10ms);
        }
        state.counters["live_per_s"] = directPerSecond(*plug);
        state.counters["bare_per_s"] = bare;
    }
    calclink::setUsbOpener({});
}

void LiveDirectUsbFullSpeed(benchmark::State &state) { liveDirect(state, 0ms, 1'000'000, 1s); }
BENCHMARK(LiveDirectUsbFullSpeed)->Iterations(1)->Unit(benchmark::kMillisecond);

void LiveDirectUsbRecordedPace(benchmark::State &state) { liveDirect(state, kRecordedThinking, 7, 10s); }
BENCHMARK(LiveDirectUsbRecordedPace)->Iterations(1)->Unit(benchmark::kMillisecond);

// The whole class: `count` calculators read side by side, each on an
// ekrano-live reader of its own, until each has had `screens` screens
// acknowledged; and the first of them read alone for as many. The ratio
// sets the screens a second of all of them beside `count` times that of one
// alone. While all are read, the process's threads, descriptors and
// resident memory are sampled: what each calculator read costs, beside the
// same process before the readers start.
struct Class {
    std::function<size_t(size_t)> screensSeen;   // acknowledged by calculator i so far
    std::function<double(size_t)> perSecond;     // calculator i's screens a second
    std::function<void()> forget;                // every calculator's count back to 0
    std::function<calclink::LinkChoice(size_t)> choice;
};

void readSideBySide(benchmark::State &state, const Class &group, size_t count, size_t screens, Clock::duration longest)
{
    const auto readUntil = [&](size_t readers) {
        group.forget();
        ::malloc_trim(0);
        const double residentBefore = residentMiB(), threadsBefore = threadCount(), fdsBefore = descriptorCount();
        double resident = 0, threads = 0, fds = 0;
        {
            std::vector<std::unique_ptr<LiveReader>> all;
            for (size_t i = 0; i < readers; ++i)
                all.push_back(std::make_unique<LiveReader>(group.choice(i), [] {}));
            const auto end = Clock::now() + longest;
            const auto done = [&] {
                for (size_t i = 0; i < readers; ++i)
                    if (group.screensSeen(i) < screens)
                        return false;
                return true;
            };
            while (!done() && Clock::now() < end) {
                std::this_thread::sleep_for(100ms);
                resident = std::max(resident, residentMiB());
                threads = std::max(threads, threadCount());
                fds = std::max(fds, descriptorCount());
            }
        }
        double total = 0;
        for (size_t i = 0; i < readers; ++i)
            total += group.perSecond(i);
        state.counters["resident_kib_each"] = 1024 * (resident - residentBefore) / double(readers);
        state.counters["threads_each"] = (threads - threadsBefore) / double(readers);
        state.counters["descriptors_each"] = (fds - fdsBefore) / double(readers);
        return total;
    };
    for (auto _ : state) {
        const double alone = readUntil(1);
        const double together = readUntil(count);
        state.counters["all_per_s"] = together;
        state.counters["alone_per_s"] = alone;
        state.counters["ratio"] = together / (double(count) * alone);
    }
}

void ClassOf30OnTheirOwnUsbPorts(benchmark::State &state)
{
    constexpr size_t kCount = 30;
    auto bus = std::make_shared<DirectBus>();
    for (size_t i = 0; i < kCount; ++i) {
        auto plug = std::make_shared<DirectPlug>();
        plug->packetTime = kFullSpeedPacket;
        plug->calculator.behaviour().delayAcks = 1;
        plug->calculator.behaviour().late = kRecordedThinking;
        bus->plugs.emplace_back("1-" + std::to_string(i + 1), plug);
    }
    calclink::setUsbOpener(directOpener(bus), directLister(bus));
    const auto plug = [&](size_t i) { return bus->plugs[i].second; };
    readSideBySide(state,
                   {[&](size_t i) { return screensSeen(*plug(i)); }, [&](size_t i) { return directPerSecond(*plug(i)); },
                    [&] {
                        for (size_t i = 0; i < kCount; ++i)
                            forgetScreens(*plug(i));
                    },
                    [&](size_t i) {
                        return calclink::LinkChoice{calclink::LinkChoice::Usb, 1, {0, bus->plugs[i].first}};
                    }},
                   kCount, 7, 20s);
    calclink::setUsbOpener({});
}
BENCHMARK(ClassOf30OnTheirOwnUsbPorts)->Iterations(1)->Unit(benchmark::kMillisecond);

void ClassOf4OnGrayCables(benchmark::State &state)
{
    constexpr size_t kCount = 4;
    std::vector<std::unique_ptr<Calculator>> calculators;
    std::vector<const Calculator *> linked;
    for (size_t i = 0; i < kCount; ++i)
        linked.push_back(calculators.emplace_back(std::make_unique<Calculator>(9600)).get());
    const PortLinks ports(linked);
    readSideBySide(state,
                   {[&](size_t i) { return calculators[i]->exchanges().size(); },
                    [&](size_t i) { return exchangesPerSecond(calculators[i]->exchanges()); },
                    [&] {
                        for (const auto &calculator : calculators)
                            calculator->forget();
                    },
                    [](size_t i) { return calclink::LinkChoice{calclink::LinkChoice::Gray, int(i) + 1, {}}; }},
                   kCount, 6, 30s);
}
BENCHMARK(ClassOf4OnGrayCables)->Iterations(1)->Unit(benchmark::kMillisecond);


void LiveRecordingTenMinutesAtFullSpeed(benchmark::State &state)
{
    std::vector<calclink::Bitmap> screens;
    for (int i = 0; i < kAnimationFrames; ++i)
        screens.push_back(animatedScreen(i));
    constexpr long kScreens = 10'000L * 600;
    for (auto _ : state) {
        QWidget window;
        auto now = std::make_shared<Clock::time_point>(Clock::now());
        // What the benchmarks before (or the repetition before) freed goes
        // back to the system, so that what grows is this recording's.
        ::malloc_trim(0);
        const double before = residentMiB();
        auto *recorder = new LiveRecorder(settingsfile::Choices{}, &window, [now] { return *now; });
        recorder->toggle();
        for (long i = 0; i < kScreens; ++i) {
            *now += 100us;
            recorder->take(screens[size_t(i) % screens.size()], *now);
        }
        const double resident = residentMiB(), grown = resident - before;

        // Ctrl+R again: the file dialog, answered at once with a file in a
        // temporary folder, then the GIF written. The event loop's pulse
        // is a timer of 1 ms; its longest gap is how long the window did
        // not answer.
        QTemporaryDir folder;
        Clock::time_point stopped, chosen, last;
        Clock::duration longest{}, longestOnceChosen{};
        QTimer answer, pulse;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            if (auto *files = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                files->selectFile(folder.filePath("recording.gif"));
                chosen = Clock::now();
                static_cast<QDialog *>(files)->accept();
            }
        });
        QObject::connect(&pulse, &QTimer::timeout, [&] {
            const Clock::time_point tick = Clock::now();
            longest = std::max(longest, tick - last);
            if (chosen != Clock::time_point() && last >= chosen)
                longestOnceChosen = std::max(longestOnceChosen, tick - last);
            last = tick;
        });
        answer.start(1);
        pulse.start(1);
        stopped = last = Clock::now();
        recorder->toggle();
        QEventLoop loop;
        QTimer done;
        QObject::connect(&done, &QTimer::timeout, [&] {
            if (recorder->stage() == LiveRecorder::Stage::Idle)
                loop.quit();
        });
        done.start(1);
        loop.exec();
        const Clock::time_point written = Clock::now();
        state.counters["resident_mib"] = resident;
        state.counters["grown_mib"] = grown;
        state.counters["not_answering_ms"] = 1000 * seconds(longestOnceChosen);
        state.counters["not_answering_with_dialog_ms"] = 1000 * seconds(longest);
        state.counters["writing_s"] = seconds(written - chosen);
        state.counters["stop_to_saved_s"] = seconds(written - stopped);
        state.counters["gif_bytes"] = double(fs::file_size(folder.filePath("recording.gif").toStdString()));
    }
}
BENCHMARK(LiveRecordingTenMinutesAtFullSpeed)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

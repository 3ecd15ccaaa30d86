// What one capture costs beyond moving its bytes.
//
// A pseudo-terminal has no baud rate, so the capture's time over it is almost
// all the library's own work: opening and setting up the port, framing,
// checking, waiting in poll(), closing. The bytes' own time is measured
// beside it by moving the same bytes in the same turns (4 out, 778 back, 4
// out) over a second pseudo-terminal between two plain threads; the overhead
// is the difference. On the Gray cable those 786 bytes take 786 x 10 bits at
// 9600 baud = 818.75 ms, to which the overhead adds.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include "calclink.h"
#include "calcsimulator.h"
#include "comports.h"

using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

namespace {

constexpr double kGrayMs = calclink::kCaptureBytes * 10 * 1000.0 / 9600;

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n == 0 ? 0 : (n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2);
}

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void readAll(int fd, uint8_t *buffer, size_t size)
{
    for (size_t done = 0; done < size;) {
        const ssize_t n = ::read(fd, buffer + done, size - done);
        if (n <= 0)
            throw std::runtime_error("raw pseudo-terminal read failed");
        done += size_t(n);
    }
}

void writeAll(int fd, const uint8_t *buffer, size_t size)
{
    for (size_t done = 0; done < size;) {
        const ssize_t n = ::write(fd, buffer + done, size - done);
        if (n <= 0)
            throw std::runtime_error("raw pseudo-terminal write failed");
        done += size_t(n);
    }
}

// The capture's bytes in the capture's turns, with nothing else: a peer
// thread on the master answers each request at once.
class RawPty {
public:
    RawPty()
    {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        ::grantpt(master_);
        ::unlockpt(master_);
        slave_ = ::open(::ptsname(master_), O_RDWR | O_NOCTTY);
        termios raw;
        ::tcgetattr(slave_, &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(slave_, TCSANOW, &raw);
        peer_ = std::thread([this] {
            uint8_t request[4];
            std::vector<uint8_t> answer(4 + calclink::kDataPacketBytes, 0x55);
            try {
                for (;;) {
                    readAll(master_, request, 4);
                    if (request[0] == 0)
                        return;
                    writeAll(master_, answer.data(), answer.size());
                    readAll(master_, request, 4);
                }
            } catch (const std::exception &) {
            }
        });
    }
    ~RawPty()
    {
        const uint8_t quit[4] = {};
        writeAll(slave_, quit, 4);
        peer_.join();
        ::close(slave_);
        ::close(master_);
    }
    // One round of the capture's bytes; returns milliseconds.
    double roundTrip()
    {
        const uint8_t request[4] = {0x23, 0x6D, 0, 0};
        std::vector<uint8_t> answer(4 + calclink::kDataPacketBytes);
        const auto start = Clock::now();
        writeAll(slave_, request, 4);
        readAll(slave_, answer.data(), answer.size());
        writeAll(slave_, request, 4);
        return msSince(start);
    }

private:
    int master_ = -1;
    int slave_ = -1;
    std::thread peer_;
};

void BM_CaptureOverPty(benchmark::State &state)
{
    char pattern[] = "/tmp/ekrano-bench-XXXXXX";
    if (!::mkdtemp(pattern)) {
        state.SkipWithError("no temporary folder");
        return;
    }
    const fs::path config = pattern;
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    CalcSimulator simulator;
    simulator.start();
    fs::create_directories(fs::path(calclink::portLinkPath(1)).parent_path());
    fs::create_symlink(simulator.path(), calclink::portLinkPath(1));
    RawPty raw;

    std::vector<double> captures, bytes, overheads;
    for (auto _ : state) {
        const auto start = Clock::now();
        calclink::CalcScreen screen;
        screen.Configure(26);
        {
            calclink::CalcLink link;
            link.Connect(calclink::kCableGray, "COM1");
            link.GetScreen(screen);
        }
        const double capture = msSince(start);
        benchmark::DoNotOptimize(screen.GetPicture());

        state.PauseTiming();
        const double byteTime = raw.roundTrip();
        captures.push_back(capture);
        bytes.push_back(byteTime);
        overheads.push_back(capture - byteTime);
        state.ResumeTiming();
    }

    state.counters["capture_ms"] = median(captures);
    state.counters["pty_bytes_ms"] = median(bytes);
    state.counters["overhead_ms"] = median(overheads);
    state.counters["gray_bytes_ms"] = kGrayMs;
    state.counters["gray_capture_ms"] = kGrayMs + median(overheads);
    simulator.stop();
    ::unsetenv("XDG_CONFIG_HOME");
    fs::remove_all(config);
}

} // namespace

BENCHMARK(BM_CaptureOverPty)->Iterations(100)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();

// Ekrano Live for the whole class (ekrano-live --all) as it runs: its window,
// its look for the calculators every second and a reader for each, against
// 30 calculators on their own USB port whose screens never change. Each is
// the simulated calculator behind the simulated device, in place of the USB
// library, on a modelled full-speed link, taking the recorded exchange's
// half second. The processor time of the whole process while they are read,
// the simulated calculators' own share included, their screens a second
// together, and the memory and the threads each one adds.
#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <string>

#include <malloc.h>
#include <sys/resource.h>

#include "classwindow.h"
#include "directdevice.h"
#include "everycalculator.h"
#include "usbcable.h"

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

constexpr int kCalculators = 30;
// As in bench-live: a 64-byte USB packet at 12 Mbit/s with the bus's own
// bytes, and the think time that makes the recorded half second a screen.
constexpr std::chrono::nanoseconds kFullSpeedPacket{(64 + 13) * 8 * 1000 / 12};
constexpr std::chrono::milliseconds kRecordedThinking{490};
constexpr auto kMeasured = 10s;

// The process's resident memory, in MiB.
double residentMiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atof(line.c_str() + 6) / 1024;
    return 0;
}

// The threads of the process.
int threads()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("Threads:", 0) == 0)
            return std::atoi(line.c_str() + 8);
    return 0;
}

double seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

double processCpuSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    const auto of = [](const timeval &t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return of(usage.ru_utime) + of(usage.ru_stime);
}

// An empty configuration folder, for as long as it lives: no port link, no names.
class EmptyConfiguration {
public:
    EmptyConfiguration()
    {
        char pattern[] = "/tmp/ekrano-bench-XXXXXX";
        if (!::mkdtemp(pattern))
            throw std::runtime_error("no temporary folder");
        folder_ = pattern;
        ::setenv("XDG_CONFIG_HOME", folder_.c_str(), 1);
    }
    ~EmptyConfiguration()
    {
        ::unsetenv("XDG_CONFIG_HOME");
        fs::remove_all(folder_);
    }

private:
    fs::path folder_;
};

// Runs the event loop until `done` holds or `longest` has passed, looking seldom.
template <class Done> void runUntil(Done done, Clock::duration longest)
{
    const auto end = Clock::now() + longest;
    QEventLoop loop;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, [&] {
        if (done() || Clock::now() >= end)
            loop.quit();
    });
    look.start(250);
    loop.exec();
}

size_t screensSeen(const std::shared_ptr<DirectBus> &bus)
{
    std::lock_guard lock(bus->mutex);
    size_t screens = 0;
    for (const auto &plugged : bus->plugs) {
        std::lock_guard plugLock(plugged.second->mutex);
        screens += plugged.second->screens.size();
    }
    return screens;
}

void ClassOfThirtyUnchanging(benchmark::State &state)
{
    const EmptyConfiguration configuration;
    auto bus = std::make_shared<DirectBus>();
    for (int i = 0; i < kCalculators; ++i) {
        auto plug = std::make_shared<DirectPlug>();
        plug->packetTime = kFullSpeedPacket;
        plug->calculator.behaviour().delayAcks = 1;
        plug->calculator.behaviour().late = kRecordedThinking;
        bus->plugs.emplace_back("1-1." + std::to_string(i + 1), plug);
    }
    calclink::setUsbOpener(directOpener(bus), directLister(bus));
    for (auto _ : state) {
        // What the repetition before freed goes back to the system first.
        ::malloc_trim(0);
        const double residentBefore = residentMiB();
        const int threadsBefore = threads();
        ClassWindow window(settingsfile::Choices{}, ScreenMetrics{15, 15},
                           [] { return calclink::everyCalculator(calclink::LinkChoice::Gray); });
        window.resize(1280, 800);
        window.show();
        const QString reading = QString("Calculators read: %1 of %1 ").arg(kCalculators);
        runUntil([&] { return window.status().startsWith(reading); }, 30s);
        if (!window.status().startsWith(reading)) {
            state.SkipWithError(("not every calculator was read: " + window.status()).toStdString().c_str());
            break;
        }

        const size_t screensBefore = screensSeen(bus);
        const double before = processCpuSeconds();
        const auto start = Clock::now();
        runUntil([] { return false; }, kMeasured);
        const double took = seconds(Clock::now() - start);
        const double cpu = processCpuSeconds() - before;
        state.counters["cpu_percent"] = 100 * cpu / took;
        state.counters["screens_per_s"] = double(screensSeen(bus) - screensBefore) / took;
        // What each calculator read adds, beside the window with none.
        state.counters["resident_mib_each"] = (residentMiB() - residentBefore) / kCalculators;
        state.counters["threads_each"] = double(threads() - threadsBefore) / kCalculators;
        window.close();
    }
    calclink::setUsbOpener({});
}
BENCHMARK(ClassOfThirtyUnchanging)->Iterations(1)->Unit(benchmark::kMillisecond);

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

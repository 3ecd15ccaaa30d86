// The GIF of a recording of a graph being drawn, at the zoom's default
// scale of 4: the time to write it (drawing every frame, finding what
// changed, giflib's compression; in memory, no disk), and its size beside
// `gifsicle -O3 --colors 2` run on the same frames written whole. Three
// recordings, each ten minutes long: 720 screens read on the Gray cable
// (0.82 s a screen), 18,000 screens at 30 a second, and 6,000,000 at full
// speed (10,000 a second), which the recording gathers into frames of
// 20 ms.
#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <chrono>
#include <map>
#include <vector>

#include "calcsimulator.h"
#include "gifwriter.h"
#include "recording.h"

namespace {

using namespace std::chrono_literals;

// `screens` frames of the graph being drawn, one every `every`.
record::Recording graphRecording(int screens, std::chrono::nanoseconds every)
{
    std::vector<calclink::Bitmap> frames;
    for (int i = 0; i < kAnimationFrames; ++i)
        frames.push_back(animatedScreen(i));
    auto now = std::make_shared<record::Recording::Clock::time_point>();
    record::Recording recording([now] { return *now; });
    for (int i = 0; i < screens; ++i) {
        recording.add(frames[size_t(i) % frames.size()]);
        *now += every;
    }
    recording.stop();
    return recording;
}

// What gifsicle makes of the same frames; 0 when it is not there or fails.
double gifsicleBytes(const record::Recording &recording)
{
    QByteArray whole;
    if (!record::writeGif(recording, {}, whole, true).isEmpty())
        return 0;
    QTemporaryDir folder;
    QFile in(folder.filePath("whole.gif"));
    if (!in.open(QIODevice::WriteOnly) || in.write(whole) != whole.size())
        return 0;
    in.close();
    QProcess gifsicle;
    gifsicle.start("gifsicle", {"-O3", "--colors", "2", in.fileName(), "-o", folder.filePath("small.gif")});
    if (!gifsicle.waitForFinished(600000) || gifsicle.exitCode() != 0)
        return 0;
    return double(QFile(folder.filePath("small.gif")).size());
}

void writeTheGif(benchmark::State &state, int screens, std::chrono::nanoseconds every, bool beside = true)
{
    const record::Recording recording = graphRecording(screens, every);
    QByteArray gif;
    for (auto _ : state) {
        if (const QString failure = record::writeGif(recording, {}, gif); !failure.isEmpty())
            state.SkipWithError(qPrintable(failure));
        benchmark::DoNotOptimize(gif.data());
    }
    // gifsicle takes a minute over the 18,000 frames: once for all repetitions.
    static std::map<int, double> gifsicle;
    if (!gifsicle.count(screens))
        gifsicle[screens] = beside ? gifsicleBytes(recording) : 0;
    state.counters["screens"] = screens;
    state.counters["frames"] = double(recording.frames().size());
    state.counters["gif_bytes"] = double(gif.size());
    state.counters["gifsicle_bytes"] = gifsicle[screens];
}

void GrayTenMinutes(benchmark::State &state) { writeTheGif(state, 720, 818'750us); }
void ThirtyASecondTenMinutes(benchmark::State &state) { writeTheGif(state, 18000, 1'000'000'000ns / 30); }
// gifsicle would take minutes over its 30,000 frames: none beside it.
void FullSpeedTenMinutes(benchmark::State &state) { writeTheGif(state, 6'000'000, 100us, false); }

} // namespace

BENCHMARK(GrayTenMinutes)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ThirtyASecondTenMinutes)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(FullSpeedTenMinutes)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);

BENCHMARK_MAIN();

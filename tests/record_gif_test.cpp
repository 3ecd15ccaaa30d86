// A recording and its GIF, read back with Qt's own GIF reader: every
// frame's pixels and colours, the frame times and their sum, the loop; the
// hour that ends a recording, on a clock the test moves.

#include <QBuffer>
#include <QImageReader>

#include <gtest/gtest.h>

#include "calcsimulator.h"
#include "gifwriter.h"
#include "recording.h"
#include "render.h"

using namespace std::chrono_literals;
using record::Recording;

namespace {

struct Shown {
    QImage image;
    int delayMs;
};

std::vector<Shown> readBack(const QByteArray &gif, int *loops = nullptr)
{
    QBuffer buffer;
    buffer.setData(gif);
    QImageReader reader(&buffer, "gif");
    std::vector<Shown> shown;
    for (QImage image; reader.read(&image);)
        shown.push_back({image.convertToFormat(QImage::Format_RGB32), reader.nextImageDelay()});
    if (loops)
        *loops = reader.loopCount();
    return shown;
}

QImage drawn(const calclink::Bitmap &screen, const record::GifLook &look)
{
    return display::render(display::screenImage(screen),
                           display::solidLook(look.scale, 15, 15, look.foreColor, look.backColor, look.border));
}

} // namespace

class RecordingClock : public testing::Test {
protected:
    Recording::Clock::time_point now{};
    Recording recording{[this] { return now; }};
};

TEST_F(RecordingClock, ItStopsByItselfAtOneHourPausesLeftOut)
{
    recording.add(builtinScreen());
    now += 30min;
    recording.setPaused(true);
    now += 2h;
    EXPECT_EQ(recording.elapsed(), 30min) << "paused, the recording's time stands still";
    recording.setPaused(false);
    recording.add(animatedScreen(1));
    now += 29min + 59s;
    EXPECT_TRUE(recording.add(animatedScreen(2)));
    EXPECT_FALSE(recording.full());
    now += 2s;
    EXPECT_TRUE(recording.full());
    EXPECT_FALSE(recording.add(animatedScreen(3))) << "nothing is kept past the hour";
    now += 1h;
    EXPECT_TRUE(recording.stopped());
    EXPECT_EQ(recording.elapsed(), Recording::kLongest);
    EXPECT_EQ(recording.length(), Recording::kLongest);
    EXPECT_EQ(recording.screens(), 3);
    ASSERT_EQ(recording.frames().size(), 3u);
    EXPECT_EQ(recording.frames()[1].start, 30min);

    // What was recorded is kept and written: the last frame stands until the hour.
    QByteArray gif;
    ASSERT_EQ(record::writeGif(recording, {}, gif), "");
    const std::vector<Shown> shown = readBack(gif);
    ASSERT_FALSE(shown.empty());
    int sum = 0;
    for (const Shown &frame : shown)
        sum += frame.delayMs;
    EXPECT_EQ(sum, 3'600'000);
    EXPECT_EQ(shown.back().image, drawn(animatedScreen(2), {}));
}

TEST_F(RecordingClock, TheGifReadBackShowsEachScreenForTheTimeItStoodAndLoops)
{
    // Equal screens make one frame; a screen that stood under 5 ms is left
    // out; the rounding is carried forward, so the frames add up to the
    // recording's own time.
    const record::GifLook look{3, raster::rgb(0, 0, 0x70), raster::rgb(0xC0, 0xFF, 0xEE), true};
    const std::pair<std::chrono::milliseconds, calclink::Bitmap> reads[] = {
        {0ms, builtinScreen()}, {40ms, builtinScreen()}, {121ms, animatedScreen(3)},
        {124ms, animatedScreen(10)}, {257ms, builtinScreen()}};
    for (const auto &[at, screen] : reads) {
        now = Recording::Clock::time_point(at);
        recording.add(screen);
    }
    now = Recording::Clock::time_point(1004ms);
    recording.stop();
    now += 1s;
    EXPECT_EQ(recording.length(), 1004ms);

    QByteArray gif;
    ASSERT_EQ(record::writeGif(recording, look, gif), "");
    EXPECT_EQ(uchar(gif[10]) & 0x87, 0x80) << "a global table of two colours";
    int loops = 0;
    const std::vector<Shown> shown = readBack(gif, &loops);
    EXPECT_EQ(loops, -1) << "for ever";
    const struct {
        calclink::Bitmap screen;
        int delayMs;
    } expected[] = {{builtinScreen(), 120}, {animatedScreen(10), 140}, {builtinScreen(), 740}};
    ASSERT_EQ(shown.size(), std::size(expected));
    int sum = 0;
    for (size_t i = 0; i < shown.size(); ++i) {
        EXPECT_EQ(shown[i].image, drawn(expected[i].screen, look)) << "frame " << i;
        EXPECT_EQ(shown[i].delayMs, expected[i].delayMs) << "frame " << i;
        sum += shown[i].delayMs;
    }
    EXPECT_NEAR(sum, 1004, 10);

    // Only the changed rectangles, and the same frames as when whole.
    QByteArray whole;
    ASSERT_EQ(record::writeGif(recording, look, whole, true), "");
    EXPECT_LT(gif.size(), whole.size() * 3 / 4);
    const std::vector<Shown> wholeShown = readBack(whole);
    ASSERT_EQ(wholeShown.size(), shown.size());
    for (size_t i = 0; i < shown.size(); ++i)
        EXPECT_EQ(wholeShown[i].image, shown[i].image) << "frame " << i;
}

TEST_F(RecordingClock, AFastCalculatorsScreensMakeFramesOfTwoHundredthsAndTheirCountIsBounded)
{
    // 10,000 screens a second for 20 s, each unlike the one before: what is
    // kept grows with the 20 ms frames, not with the screens.
    for (int i = 0; i < 200'000; ++i) {
        recording.add(animatedScreen(i));
        now += 100us;
    }
    now += 5ms; // the last screen stood half a shortest frame
    recording.stop();
    EXPECT_LE(recording.frames().size(), size_t(20s / 20ms) + 1) << "frames of at least 2 hundredths";
    EXPECT_EQ(recording.screens(), 200'000);

    QByteArray gif;
    ASSERT_EQ(record::writeGif(recording, {1, raster::kBlack, raster::kWhite, false}, gif), "");
    const std::vector<Shown> shown = readBack(gif);
    ASSERT_GT(shown.size(), 100u);
    int sum = 0, short_ = 0;
    for (const Shown &frame : shown) {
        sum += frame.delayMs;
        short_ += frame.delayMs < 20;
    }
    EXPECT_EQ(short_, 0) << "frames of one hundredth, which viewers stretch to ten";
    EXPECT_NEAR(sum, 20'005, 10);
}

TEST_F(RecordingClock, AScreenThatStandsLongerThanAFrameCanSayIsHeldByMoreFrames)
{
    recording.add(animatedScreen(5));
    now += 1000s; // a frame says at most 655.35 s
    recording.stop();
    QByteArray gif;
    ASSERT_EQ(record::writeGif(recording, {1, raster::kBlack, raster::kWhite, false}, gif), "");
    const std::vector<Shown> shown = readBack(gif);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].delayMs + shown[1].delayMs, 1'000'000);
    EXPECT_EQ(shown[1].image, shown[0].image);
}

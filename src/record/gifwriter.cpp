#include "gifwriter.h"

#include <gif_lib.h>

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <vector>

#include "render.h"

namespace record {

namespace {

// The reasons a recording has no picture, in the user's language.
struct Reasons {
    Q_DECLARE_TR_FUNCTIONS(record)
};

constexpr std::chrono::milliseconds kHundredth{10};
constexpr int kLongestDelay = 65535; // hundredths, the most one frame's field holds

class GifOutput {
public:
    explicit GifOutput(QByteArray &bytes) : bytes_(bytes)
    {
        int error = 0;
        gif_ = EGifOpen(&bytes_, &GifOutput::put, &error);
        if (!gif_)
            failure_ = GifErrorString(error);
    }
    ~GifOutput()
    {
        if (gif_)
            EGifCloseFile(gif_, nullptr);
    }
    GifOutput(const GifOutput &) = delete;
    GifOutput &operator=(const GifOutput &) = delete;

    // Each step is skipped once one has failed; failure() says which and why.
    void start(int width, int height, const GifLook &look)
    {
        if (!failure_.isEmpty())
            return;
        EGifSetGifVersion(gif_, true);
        GifColorType colours[2] = {colourOf(look.backColor), colourOf(look.foreColor)};
        ColorMapObject *map = GifMakeMapObject(2, colours);
        if (!map) {
            failure_ = Reasons::tr("out of memory");
            return;
        }
        const int result = EGifPutScreenDesc(gif_, width, height, 1, 0, map);
        GifFreeMapObject(map);
        if (result == GIF_ERROR)
            return fail();
        // The application extension that browsers take as "loop for ever".
        static const GifByteType kLoopForever[3] = {1, 0, 0};
        if (EGifPutExtensionLeader(gif_, APPLICATION_EXT_FUNC_CODE) == GIF_ERROR ||
            EGifPutExtensionBlock(gif_, 11, "NETSCAPE2.0") == GIF_ERROR ||
            EGifPutExtensionBlock(gif_, 3, kLoopForever) == GIF_ERROR || EGifPutExtensionTrailer(gif_) == GIF_ERROR)
            fail();
    }

    // A frame of `area` (left, top, width, height) for `delay` hundredths,
    // whose lines follow, top to bottom, each `area.width()` pixels.
    void beginFrame(QRect area, int delay)
    {
        if (!failure_.isEmpty())
            return;
        GraphicsControlBlock control{DISPOSE_DO_NOT, false, delay, NO_TRANSPARENT_COLOR};
        GifByteType extension[4];
        EGifGCBToExtension(&control, extension);
        if (EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, 4, extension) == GIF_ERROR ||
            EGifPutImageDesc(gif_, area.left(), area.top(), area.width(), area.height(), false, nullptr) == GIF_ERROR)
            fail();
    }
    void line(GifPixelType *pixels, int width)
    {
        if (failure_.isEmpty() && EGifPutLine(gif_, pixels, width) == GIF_ERROR)
            fail();
    }

    QString finish()
    {
        if (failure_.isEmpty()) {
            int error = 0;
            if (EGifCloseFile(gif_, &error) == GIF_ERROR)
                failure_ = GifErrorString(error);
            gif_ = nullptr;
        }
        return failure_;
    }

private:
    static int put(GifFileType *gif, const GifByteType *data, int length)
    {
        static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(data), length);
        return length;
    }
    static GifColorType colourOf(raster::Colour colour)
    {
        return {GifByteType(raster::red(colour)), GifByteType(raster::green(colour)), GifByteType(raster::blue(colour))};
    }
    void fail() { failure_ = GifErrorString(gif_->Error); }

    QByteArray &bytes_;
    GifFileType *gif_ = nullptr;
    QString failure_;
};

// A screen drawn as the window draws it at a whole-number zoom, a line at a
// time, as colour numbers: calculator pixel (x, y) is the square of `scale`
// pixels from (x scale, y scale), cut at the edges of the picture, and the
// frame is its outermost pixels, drawn over the squares (render() places them
// so at a whole zoom; the tests hold the two to the same picture).
class Drawing {
public:
    Drawing(int scale, bool border, QSize size)
        : scale_(scale), border_(border), width_(size.width()), height_(size.height()), line_(size_t(width_))
    {
    }
    int width() const { return width_; }
    int height() const { return height_; }

    // Line `y` of `screen`, the whole width; valid until the next call.
    GifPixelType *line(const calclink::Bitmap &screen, int y)
    {
        if (border_ && (y == 0 || y == height_ - 1)) {
            std::fill(line_.begin(), line_.end(), 1);
            return line_.data();
        }
        std::fill(line_.begin(), line_.end(), 0);
        if (const int row = y / scale_; row < calclink::kScreenHeight)
            for (int x = 0; x < calclink::kScreenWidth && x * scale_ < width_; ++x)
                if (calclink::isDark(screen, x, row))
                    std::fill_n(line_.begin() + x * scale_, std::min(scale_, width_ - x * scale_), 1);
        if (border_)
            line_.front() = line_.back() = 1;
        return line_.data();
    }

    // The pixels that calculator pixels [left, right] x [top, bottom] cover, within the picture.
    QRect area(int left, int top, int right, int bottom) const
    {
        return QRect(left * scale_, top * scale_, (right - left + 1) * scale_, (bottom - top + 1) * scale_) &
               QRect(0, 0, width_, height_);
    }

private:
    const int scale_;
    const bool border_;
    const int width_, height_;
    std::vector<GifPixelType> line_;
};

// The pixels in which `now` is drawn differently from `before`: the calculator
// pixels that differ, as squares; empty when none shows.
QRect changed(const calclink::Bitmap &before, const calclink::Bitmap &now, const Drawing &drawing)
{
    std::array<uint8_t, calclink::kBitmapRowBytes> columns{}; // a bit set where some row differs
    int top = calclink::kScreenHeight, bottom = -1;
    for (int y = 0; y < calclink::kScreenHeight; ++y) {
        uint8_t any = 0;
        for (int i = 0; i < calclink::kBitmapRowBytes; ++i) {
            const size_t at = size_t(y) * calclink::kBitmapRowBytes + size_t(i);
            const uint8_t differs = before[at] ^ now[at];
            columns[size_t(i)] |= differs;
            any |= differs;
        }
        if (any) {
            top = std::min(top, y);
            bottom = y;
        }
    }
    if (bottom < 0)
        return {};
    // Indices, not a reverse iterator: clang 19's sanitizers take a reverse
    // iterator's byte for one beyond the array.
    size_t first = 0, last = columns.size() - 1;
    while (columns[first] == 0)
        ++first;
    while (columns[last] == 0)
        --last;
    const int left = int(first) * 8 + std::countl_zero(columns[first]);
    const int right = int(last) * 8 + 7 - std::countr_zero(columns[last]);
    return drawing.area(left, top, right, bottom);
}

} // namespace

int scaleOf(double zoomFactor)
{
    return std::clamp(int(std::lround(std::clamp(zoomFactor, 0.0, double(kLargestScale)))), 1, kLargestScale);
}

QString writeGif(const Recording &recording, const GifLook &look, QByteArray &gif, bool wholeFrames,
                 const std::atomic<bool> *abandon)
{
    const std::deque<Frame> &frames = recording.frames();
    if (frames.empty())
        return Reasons::tr("no screen was recorded");
    if (look.scale < 1 || look.scale > kLargestScale)
        return Reasons::tr("the scale %1 is not a whole number from 1 to %2").arg(look.scale).arg(kLargestScale);
    // The picture's size is the window's at the same zoom, in twips of 15 a pixel.
    Drawing drawing(look.scale, look.border, display::drawingArea(look.scale, 15, 15));
    const int width = drawing.width(), height = drawing.height();

    // Each frame's start and end in whole hundredths from the first screen:
    // rounded from the real times, so the rounding never adds up.
    const auto origin = frames.front().start;
    const auto hundredths = [&](std::chrono::nanoseconds at) {
        return int64_t(std::llround(std::chrono::duration<double>(at - origin) / kHundredth));
    };
    std::vector<int64_t> delays(frames.size());
    for (size_t i = 0; i < frames.size(); ++i)
        delays[i] = hundredths(i + 1 < frames.size() ? frames[i + 1].start : recording.elapsed()) -
                    hundredths(frames[i].start);
    // The last screen is always shown, however soon the recording stopped
    // after it (--screens stops at once), and for the shortest frame where
    // the frames before can spare the time, so that the whole stays as long.
    const int64_t shortest = Recording::kShortestFrame / kHundredth;
    for (auto before = delays.rbegin() + 1; delays.back() < shortest && before != delays.rend(); ++before) {
        const int64_t spared = std::clamp<int64_t>(*before - shortest, 0, shortest - delays.back());
        *before -= spared;
        delays.back() += spared;
    }
    delays.back() = std::max<int64_t>(delays.back(), 1);

    gif.clear();
    GifOutput out(gif);
    out.start(width, height, look);
    const calclink::Bitmap *shown = nullptr;
    for (size_t i = 0; i < frames.size(); ++i) {
        if (abandon && abandon->load())
            return "abandoned";
        int64_t delay = delays[i];
        if (delay == 0)
            continue;
        const calclink::Bitmap &screen = frames[i].screen;
        QRect area = !shown || wholeFrames ? QRect(0, 0, width, height) : changed(*shown, screen, drawing);
        if (area.isEmpty())
            area = QRect(0, 0, 1, 1); // a screen drawn like the last: one pixel, as it is
        shown = &screen;
        // A screen that stood longer than one frame can say: more frames of one unchanged pixel.
        do {
            const int part = int(std::min<int64_t>(delay, kLongestDelay));
            out.beginFrame(area, part);
            for (int y = area.top(); y <= area.bottom(); ++y)
                out.line(drawing.line(screen, y) + area.left(), area.width());
            area = QRect(0, 0, 1, 1);
            delay -= part;
        } while (delay > 0);
    }
    return out.finish();
}

} // namespace record

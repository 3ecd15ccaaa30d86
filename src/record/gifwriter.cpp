#include "gifwriter.h"

#include <gif_lib.h>

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <memory>
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

// 0 for the background, 1 for the foreground, a byte a pixel.
using Pixels = std::vector<GifPixelType>;

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

    // The rectangle (left, top, width, height) of `pixels`, a picture `stride` wide, for `delay` hundredths.
    void frame(const Pixels &pixels, int stride, QRect area, int delay)
    {
        if (!failure_.isEmpty())
            return;
        GraphicsControlBlock control{DISPOSE_DO_NOT, false, delay, NO_TRANSPARENT_COLOR};
        GifByteType extension[4];
        EGifGCBToExtension(&control, extension);
        if (EGifPutExtension(gif_, GRAPHICS_EXT_FUNC_CODE, 4, extension) == GIF_ERROR ||
            EGifPutImageDesc(gif_, area.left(), area.top(), area.width(), area.height(), false, nullptr) == GIF_ERROR)
            return fail();
        line_.resize(size_t(area.width()));
        for (int y = area.top(); y <= area.bottom(); ++y) {
            const auto from = pixels.begin() + ptrdiff_t(y) * stride + area.left();
            std::copy(from, from + area.width(), line_.begin()); // giflib takes a line it may write to
            if (EGifPutLine(gif_, line_.data(), area.width()) == GIF_ERROR)
                return fail();
        }
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
    std::vector<GifPixelType> line_;
};

// The screen drawn as the window draws it, as colour numbers.
void draw(const calclink::Bitmap &screen, const display::Look &look, QImage &picture, Pixels &pixels)
{
    picture = display::render(display::screenImage(screen, calclink::kScreenWidth, calclink::kScreenHeight), look,
                              std::move(picture));
    const QRgb fore = display::rgbOf(look.foreColor) & RGB_MASK;
    GifPixelType *to = pixels.data();
    for (int y = 0; y < picture.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x)
            *to++ = (line[x] & RGB_MASK) == fore;
    }
}

// The smallest rectangle in which `now` differs from `before`; empty when they are equal.
QRect changed(const Pixels &before, const Pixels &now, int width, int height)
{
    int left = width, right = -1, top = height, bottom = -1;
    for (int y = 0; y < height; ++y) {
        const auto a = before.begin() + ptrdiff_t(y) * width, b = now.begin() + ptrdiff_t(y) * width;
        const auto first = std::mismatch(a, a + width, b).first;
        if (first == a + width)
            continue;
        auto last = a + width;
        while (*(last - 1) == *(b + (last - 1 - a)))
            --last;
        left = std::min(left, int(first - a));
        right = std::max(right, int(last - a) - 1);
        top = std::min(top, y);
        bottom = y;
    }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

} // namespace

int scaleOf(double zoomFactor)
{
    return std::clamp(int(std::lround(std::clamp(zoomFactor, 0.0, double(kLargestScale)))), 1, kLargestScale);
}

QString writeGif(const Recording &recording, const GifLook &look, QByteArray &gif, bool wholeFrames)
{
    const std::vector<Frame> &frames = recording.frames();
    if (frames.empty())
        return Reasons::tr("no screen was recorded");
    if (look.scale < 1 || look.scale > kLargestScale)
        return Reasons::tr("the scale %1 is not a whole number from 1 to %2").arg(look.scale).arg(kLargestScale);
    // Twips of 15 a pixel, so that a whole-number zoom gives whole-pixel squares.
    const display::Look drawn =
        display::solidLook(look.scale, 15, 15, look.foreColor, look.backColor, look.border);
    const int width = drawn.size.width(), height = drawn.size.height();

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
    // after it (--screens stops at once): it takes a hundredth from the
    // frame before where that one can spare it.
    if (delays.back() == 0) {
        delays.back() = 1;
        const auto before = std::find_if(delays.rbegin() + 1, delays.rend(), [](int64_t d) { return d > 0; });
        if (before != delays.rend() && *before > 1)
            --*before;
    }

    gif.clear();
    GifOutput out(gif);
    out.start(width, height, look);
    QImage picture;
    Pixels shown(size_t(width) * size_t(height)), next(shown.size());
    bool first = true;
    for (size_t i = 0; i < frames.size(); ++i) {
        int64_t delay = delays[i];
        if (delay == 0)
            continue;
        draw(frames[i].screen, drawn, picture, next);
        QRect area = first || wholeFrames ? QRect(0, 0, width, height) : changed(shown, next, width, height);
        if (area.isEmpty())
            area = QRect(0, 0, 1, 1); // a screen drawn like the last: one pixel, as it is
        first = false;
        std::swap(shown, next);
        // A screen that stood longer than one frame can say: more frames of one unchanged pixel.
        do {
            const int part = int(std::min<int64_t>(delay, kLongestDelay));
            out.frame(shown, width, area, part);
            area = QRect(0, 0, 1, 1);
            delay -= part;
        } while (delay > 0);
    }
    return out.finish();
}

} // namespace record

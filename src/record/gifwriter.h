#pragma once

#include <QByteArray>
#include <QRect>
#include <QString>

#include <atomic>

#include "raster.h"
#include "recording.h"

namespace record {

// How a recording's screens are drawn: as the Ekrano window draws them at a
// whole-number zoom, `scale` pixels a side for each calculator pixel.
struct GifLook {
    int scale = 4;
    raster::Colour foreColor = raster::kBlack;
    raster::Colour backColor = raster::kWhite;
    bool border = false;
};

inline constexpr int kLargestScale = 32;

// The whole-number scale of a zoom: the nearest, at least 1 and at most kLargestScale.
int scaleOf(double zoomFactor);

// `recording` as an animated GIF that loops for ever, in `gif`, encoded from
// its screens as they are (a bit a calculator pixel). Two colours; each frame
// stands for the time it stood, in the GIF's hundredths of a second with the
// rounding carried forward, so that the whole picture is as long as the
// recording within 10 ms; the last frame lasts the shortest frame where the
// frames before can spare it. After the first frame only the rectangle that
// changed is written.
// `wholeFrames` writes every frame whole instead (the benchmark gives other
// tools such a picture to shrink). Once `abandon` is set, it stops between
// two frames. Returns the empty text, or why not.
QString writeGif(const Recording &recording, const GifLook &look, QByteArray &gif, bool wholeFrames = false,
                 const std::atomic<bool> *abandon = nullptr);

} // namespace record

#include <cerrno>
#include <cmath>
#include <cstring>

#include <QColor>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QString>

#include <sys/stat.h>

#include "calcsimulator.h"
#include "translation.h"

namespace {

// A dark pixel where it lies on the screen; nothing where it does not.
void plot(calclink::Bitmap &bitmap, int x, int y)
{
    if (x >= 0 && x < calclink::kScreenWidth && y >= 0 && y < calclink::kScreenHeight)
        calclink::setDark(bitmap, x, y);
}

// The axes, and the graph drawn in its first `columns` columns.
calclink::Bitmap graphScreen(int columns)
{
    using calclink::kScreenHeight;
    using calclink::kScreenWidth;
    calclink::Bitmap bitmap{};

    // Axes through the middle with a tick every 8 pixels, as the standard window draws them.
    const int originX = kScreenWidth / 2;
    const int originY = kScreenHeight / 2;
    for (int x = 0; x < kScreenWidth; ++x)
        plot(bitmap, x, originY);
    for (int y = 0; y < kScreenHeight; ++y)
        plot(bitmap, originX, y);
    for (int x = originX % 8; x < kScreenWidth; x += 8) {
        plot(bitmap, x, originY - 1);
        plot(bitmap, x, originY + 1);
    }
    for (int y = originY % 8; y < kScreenHeight; y += 8) {
        plot(bitmap, originX - 1, y);
        plot(bitmap, originX + 1, y);
    }

    // y = 24 sin(x), one period across 48 pixels, joined column to column so the curve has no gaps.
    const auto curve = [&](int x) {
        const double phase = 2.0 * M_PI * (x - originX) / 48.0;
        return originY - int(std::lround(24.0 * std::sin(phase)));
    };
    for (int x = 0; x < std::min(columns, kScreenWidth); ++x) {
        const int y = curve(x);
        const int next = x + 1 < std::min(columns, kScreenWidth) ? curve(x + 1) : y;
        for (int step = std::min(y, next); step <= std::max(y, next); ++step)
            plot(bitmap, x, step);
    }
    return bitmap;
}

} // namespace

calclink::Bitmap builtinScreen() { return graphScreen(calclink::kScreenWidth); }

calclink::Bitmap animatedScreen(int frame) { return graphScreen((frame % kAnimationFrames + 1) * 4); }

std::optional<calclink::Bitmap> loadScreen(const std::string &file, std::string &error)
{
    struct stat info;
    if (::stat(file.c_str(), &info) != 0) {
        error = file + ": " + std::strerror(errno);
        return std::nullopt;
    }
    if (S_ISDIR(info.st_mode)) {
        error = calclink::fill(calclink::translate("ekrano-calc", "%1: a folder, not a picture"), {file});
        return std::nullopt;
    }
    const auto wrongSize = [&](QSize size) {
        error = calclink::fill(
            calclink::translate("ekrano-calc", "%1: the picture is %2 x %3 pixels; a screen is 96 x 64"),
            {file, std::to_string(size.width()), std::to_string(size.height())});
        return std::nullopt;
    };
    QImageReader reader(QFile::decodeName(file.c_str()));
    // The header tells the size of a regular file's picture before it is
    // loaded, so one too large to load is told by its size as well. A pipe
    // cannot be read twice, so its picture is only measured once loaded.
    if (S_ISREG(info.st_mode)) {
        const QSize size = reader.size();
        if (size.isValid() && size != QSize(calclink::kScreenWidth, calclink::kScreenHeight))
            return wrongSize(size);
    }
    QImage image;
    if (!reader.read(&image)) {
        error = calclink::fill(
            calclink::translate("ekrano-calc", "%1: not a picture that can be read (PNG or PBM): %2"),
            {file, reader.errorString().toStdString()});
        return std::nullopt;
    }
    if (image.width() != calclink::kScreenWidth || image.height() != calclink::kScreenHeight)
        return wrongSize(image.size());
    calclink::Bitmap bitmap{};
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb pixel = argb.pixel(x, y);
            // A transparent pixel shows the light screen behind it.
            const int alpha = qAlpha(pixel);
            const int luminance = (qGray(pixel) * alpha + 255 * (255 - alpha)) / 255;
            if (luminance < 128)
                plot(bitmap, x, y);
        }
    }
    error.clear();
    return bitmap;
}

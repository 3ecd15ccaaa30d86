// The icons the desktop shows for Ekrano are the window's own: the 32 x 32
// one pixel for pixel, the larger one drawn to the same design.

#include <QImage>

#include <cmath>

#include "windowtest.h"

namespace {

const QString kIcons = EKRANO_BINARY_DIR "/packaging/icons";

QImage windowIcon()
{
    Form1 form(ScreenMetrics{15, 15});
    return form.windowIcon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
}

QImage installedIcon(int size)
{
    return QImage(QString("%1/%2x%2/apps/ekrano.png").arg(kIcons).arg(size)).convertToFormat(QImage::Format_ARGB32);
}

// Each block of `factor` x `factor` pixels as one pixel of their mean colour
// and opacity.
QImage shrunk(const QImage &image, int factor)
{
    QImage result(image.width() / factor, image.height() / factor, QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y)
        for (int x = 0; x < result.width(); ++x) {
            double r = 0, g = 0, b = 0, a = 0;
            for (int dy = 0; dy < factor; ++dy)
                for (int dx = 0; dx < factor; ++dx) {
                    const QRgb p = image.pixel(x * factor + dx, y * factor + dy);
                    const double alpha = qAlpha(p) / 255.0;
                    r += qRed(p) * alpha, g += qGreen(p) * alpha, b += qBlue(p) * alpha, a += alpha;
                }
            const auto channel = [a](double sum) { return a > 0 ? int(std::lround(sum / a)) : 0; };
            result.setPixel(x, y, qRgba(channel(r), channel(g), channel(b), int(std::lround(a * 255 / (factor * factor)))));
        }
    return result;
}

// Alike: both see-through, or both opaque in nearly the same colour.
bool alike(QRgb a, QRgb b)
{
    if (qAlpha(a) < 128 || qAlpha(b) < 128)
        return qAlpha(a) < 128 && qAlpha(b) < 128;
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) < 60;
}

} // namespace

TEST(Icons, TheSmallIconIsTheWindowsOwnPixelForPixel)
{
    const QImage window = windowIcon();
    const QImage small = installedIcon(32);
    ASSERT_EQ(window.size(), QSize(32, 32)) << "the window has no 32 x 32 icon";
    ASSERT_EQ(small.size(), QSize(32, 32)) << "no 32 x 32 icon was made in " << kIcons.toStdString();
    EXPECT_EQ(small, window);
}

TEST(Icons, TheLargeIconShrunkToTheWindowsSizeLooksLikeIt)
{
    const QImage window = windowIcon();
    const QImage large = installedIcon(128);
    ASSERT_EQ(large.size(), QSize(128, 128)) << "no 128 x 128 icon was made in " << kIcons.toStdString();
    const QImage shrunkLarge = shrunk(large, 4);

    // Rounded corners and a smooth curve may differ from the window's square
    // pixels; the body, the screen, the axes and the keys may not.
    int alikePixels = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x)
            alikePixels += alike(shrunkLarge.pixel(x, y), window.pixel(x, y));
    EXPECT_GE(alikePixels, 32 * 32 * 95 / 100) << "of 1024 pixels, only " << alikePixels << " look alike";

    // The screen's light green-grey and the red key, in the same places.
    EXPECT_TRUE(alike(shrunkLarge.pixel(20, 12), window.pixel(20, 12))) << "the screen";
    EXPECT_TRUE(alike(shrunkLarge.pixel(22, 16), window.pixel(22, 16))) << "the red key";
    EXPECT_TRUE(alike(shrunkLarge.pixel(2, 2), qRgba(0, 0, 0, 0))) << "see-through outside the body";
}

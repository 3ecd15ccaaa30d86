// Makes the icons that are installed into the desktop's hicolor theme: the
// window's own 32 x 32 picture, pixel for pixel, and a 128 x 128 one drawn
// from the SVG of the same design.
//
// Usage: ekrano-makeicons WINDOW.xpm ICON.svg OUTDIR
// writes OUTDIR/32x32/apps/ekrano.png and OUTDIR/128x128/apps/ekrano.png.

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

namespace {

bool save(const QImage &image, const QString &outdir, int size)
{
    const QString folder = QString("%1/%2x%2/apps").arg(outdir).arg(size);
    const QString file = folder + "/ekrano.png";
    if (!QDir().mkpath(folder) || !image.save(file, "PNG")) {
        std::fprintf(stderr, "ekrano-makeicons: cannot write %s\n", qPrintable(file));
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fprintf(stderr, "Usage: ekrano-makeicons WINDOW.xpm ICON.svg OUTDIR\n");
        return 2;
    }
    const QString xpm = QString::fromLocal8Bit(argv[1]);
    const QString svg = QString::fromLocal8Bit(argv[2]);
    const QString outdir = QString::fromLocal8Bit(argv[3]);

    const QImage window(xpm, "XPM");
    if (window.isNull() || window.size() != QSize(32, 32)) {
        std::fprintf(stderr, "ekrano-makeicons: %s is not a 32 x 32 XPM picture\n", qPrintable(xpm));
        return 1;
    }

    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "ekrano-makeicons: cannot read the drawing %s\n", qPrintable(svg));
        return 1;
    }
    QImage large(128, 128, QImage::Format_ARGB32);
    large.fill(Qt::transparent);
    {
        QPainter painter(&large);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
    }

    const bool saved = save(window.convertToFormat(QImage::Format_ARGB32), outdir, 32);
    return saved && save(large, outdir, 128) ? 0 : 1;
}

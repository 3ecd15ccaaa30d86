// An arbitrary Ekrano.conf, read when the window starts and applied by
// Form_Activate, the way the program starts. Whatever the file
// holds, the window must come up in a state its menus and controls allow, and
// what File, Exit then stores must bring the next start back to that same
// state.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>

#include <sanitizer/lsan_interface.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <tuple>

#include "controls.h"
#include "form1.h"
#include "settingsfile.h"
#include "surface.h"

namespace {

void require(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "settings: %s\n", what);
        std::abort();
    }
}

// What the six remembered choices look like in the window.
struct Shown {
    int portsTicked = 0, port = 0;
    int cablesTicked = 0, cable = 0;
    int portsEnabled = 0;
    int border = 0;
    int scroll = 0;
    double zoomFactor = 0;
    raster::Colour fore = 0, back = 0;

    auto tie() const
    {
        return std::tie(portsTicked, port, cablesTicked, cable, portsEnabled, border, scroll, zoomFactor,
                        fore, back);
    }
    bool operator==(const Shown &other) const { return tie() == other.tie(); }
};

Shown shownBy(const Form1 &form)
{
    Shown shown;
    for (const QAction *item : form.mnuport->actions()) {
        if (item->isChecked()) {
            ++shown.portsTicked;
            shown.port = item->data().toInt();
        }
        shown.portsEnabled += item->isEnabled();
    }
    for (const QAction *item : form.mnuCableType->actions())
        if (item->isChecked()) {
            ++shown.cablesTicked;
            shown.cable = item->data().toInt();
        }
    shown.border = checkBoxValue(form.Check1);
    shown.scroll = form.HScroll1->value();
    shown.zoomFactor = form.zoomFactor;
    shown.fore = form.Picture1->ForeColor();
    shown.back = form.Picture1->BackColor();
    return shown;
}

// The window as start-up leaves it: shown, then the stored settings applied.
Shown start(bool exit)
{
    Form1 form(ScreenMetrics{15, 15});
    form.show();
    form.Form_Activate();
    const Shown shown = shownBy(form);
    if (exit)
        form.mnuExit_Click();
    return shown;
}

QTemporaryDir *folders = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Qt would take options of its own out of libFuzzer's, so it gets none.
    static int argc = 1;
    static char name[] = "fuzz-settings";
    static char *argv[] = {name, nullptr};
    new QApplication(argc, argv); // lives as long as the process
    QApplication::setApplicationName("Ekrano");
    folders = new QTemporaryDir;
    std::atexit([] { delete folders; });
    // The first window sets up the fonts and styles once for the process.
    // Fontconfig never frees the configuration it loads then, so what this
    // one window allocates is not counted as leaked; every input after it is.
    setenv("XDG_CONFIG_HOME", qPrintable(folders->path() + "/warm-up"), 1);
    __lsan_disable();
    start(false);
    QCoreApplication::processEvents();
    __lsan_enable();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A folder of its own for every input, so that nothing of one is left for the next.
    static unsigned long count = 0;
    const QString config = folders->path() + "/" + QString::number(count++);
    setenv("XDG_CONFIG_HOME", qPrintable(config), 1);
    require(QDir().mkpath(config + "/Ekrano"), "no folder for the settings file");
    QFile file(config + "/Ekrano/Ekrano.conf");
    require(file.open(QIODevice::WriteOnly) && file.write(reinterpret_cast<const char *>(data), qint64(size)) ==
                                                 qint64(size),
            "the settings file could not be written");
    file.close();

    const Shown first = start(true);
    require(first.portsTicked == 1, "not exactly one port ticked");
    require(first.cablesTicked == 1, "not exactly one cable ticked");
    require(first.portsEnabled == (first.cable == 2 ? 0 : 4), "the ports' greying does not follow the cable");
    require(first.border == 0 || first.border == 1, "the border is neither off nor on");
    require(first.scroll >= 0 && first.scroll <= 50, "the zoom is outside the scroll bar");
    require(first.zoomFactor == first.scroll / 10.0, "the zoom factor is not the scroll bar's");
    require(first.fore >= 0 && first.fore <= raster::kWhite && first.back >= 0 && first.back <= raster::kWhite,
            "a colour that is no colour");
    require(first.fore != first.back, "the foreground and the background are the same");

    // File, Exit wrote what the window showed. Read as the program reads it:
    // QSettings itself misses a section's keys when another section's name
    // begins with that name and a slash (it parses only the one section it
    // looks for, and finds the wrong one), as in a file whose header is
    // "[settings\" with a line break escaped after it.
    QFile saved(config + "/Ekrano/Ekrano.conf");
    require(saved.open(QIODevice::ReadOnly), "File, Exit left no settings file");
    const QByteArray stored = saved.readAll();
    const auto text = [&](const char *key) { return settingsfile::storedText(stored, key); };
    const auto number = [](long long value) { return QString::number(value); };
    require(text("port") == number(first.port) && text("cable") == number(first.cable) &&
                text("border") == number(first.border) && text("scrollbar") == number(first.scroll) &&
                text("forecolor") == number(first.fore) && text("backcolor") == number(first.back),
            "File, Exit did not store what the window showed");

    const Shown second = start(false);
    require(second == first, "the settings stored at exit start the window differently");

    QCoreApplication::processEvents();
    QDir(config).removeRecursively();
    return 0;
}

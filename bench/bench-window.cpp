// What the window costs: a step of a zoom drag, a redraw with the graded
// background beside the one fill that bounds any repaint from below, and
// start-up to the first finished redraw beside a bare window with a menu bar.

#include <QApplication>
#include <QClipboard>
#include <QMainWindow>
#include <QMenuBar>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <cstdlib>

#include "bitmap.h"
#include "controls.h"
#include "form1.h"
#include "render.h"
#include "surface.h"

namespace {

// A window at zoom 5 with every calculator pixel dark and the frame on.
std::unique_ptr<Form1> busiestWindow()
{
    auto form = std::make_unique<Form1>(ScreenMetrics{15, 15});
    form->show();
    form->Form_Activate();
    calclink::Bitmap dark;
    dark.fill(0xFF);
    form->Picture2 = display::screenImage(dark, calclink::kScreenWidth, calclink::kScreenHeight);
    setCheckBoxValue(form->Check1, 1);
    form->HScroll1->setValue(50);
    return form;
}

// One Scroll run while the thumb is dragged: resize, redraw, clipboard.
void ScrollStepAtZoom5(benchmark::State &state)
{
    auto form = busiestWindow();
    form->HScroll1->setSliderDown(true);
    int value = 49;
    for (auto _ : state) {
        form->HScroll1->setSliderPosition(value);
        value = value == 50 ? 49 : 50;
    }
    form->HScroll1->setSliderDown(false);
}
BENCHMARK(ScrollStepAtZoom5)->Unit(benchmark::kMicrosecond);

void RedrawWithGradientAtZoom5(benchmark::State &state)
{
    auto form = busiestWindow();
    form->mnuGradient->setChecked(true);
    form->gradEndRed = form->gradEndGreen = form->gradEndBlue = 255;
    for (auto _ : state)
        form->Redraw();
}
BENCHMARK(RedrawWithGradientAtZoom5)->Unit(benchmark::kMicrosecond);

// The lower bound of any repaint: the display's image filled once.
void FillTheZoom5ImageOnce(benchmark::State &state)
{
    auto form = busiestWindow();
    QImage image = form->Picture1->Image();
    for (auto _ : state) {
        image.fill(qRgb(10, 20, 30));
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(FillTheZoom5ImageOnce)->Unit(benchmark::kMicrosecond);

// From nothing to the window shown and its first redraw finished.
void StartUpToFirstRedraw(benchmark::State &state)
{
    for (auto _ : state) {
        Form1 form(ScreenMetrics{15, 15});
        form.start();
        QCoreApplication::processEvents(); // the queued Activate runs and redraws
        benchmark::DoNotOptimize(form.Picture1->Image().constBits());
    }
}
BENCHMARK(StartUpToFirstRedraw)->Unit(benchmark::kMillisecond);

// The same for a bare window with one menu bar.
void StartUpBareWindowWithMenuBar(benchmark::State &state)
{
    for (auto _ : state) {
        QMainWindow window;
        window.menuBar()->addMenu("&File")->addAction("E&xit");
        window.show();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(StartUpBareWindowWithMenuBar)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QApplication::setApplicationName("Ekrano");
    // The settings read at start come from an empty folder, never the user's.
    QTemporaryDir config;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

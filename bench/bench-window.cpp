// What the window costs: a step of a zoom drag, a redraw with the graded
// background beside the one fill that bounds any repaint from below, and
// start-up to the first finished redraw beside a bare window with a menu bar.
// Two more lower bounds show what the toolkit itself takes: a plain scroll
// bar's thumb step, and a plain window with the same widgets in the same
// places, shown and painted.

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>
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
#include "settingsfile.h"
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
    form->Picture2 = display::screenImage(dark);
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

// The toolkit's own part of a Scroll step: a plain scroll bar of the same
// size moves its thumb and paints, and a label of the same size takes the
// new factor.
void PlainScrollBarThumbStep(benchmark::State &state)
{
    QMainWindow window;
    window.menuBar()->addMenu("&File");
    auto *client = new QWidget;
    client->setFixedSize(532, 388);
    window.setCentralWidget(client);
    auto *bar = new QScrollBar(Qt::Horizontal, client);
    bar->setGeometry(6, 31, 500, 16);
    bar->setRange(0, settingsfile::kLargestScrollValue);
    auto *label = new QLabel(" 5", client);
    label->setGeometry(468, 9, 53, 17);
    window.show();
    QCoreApplication::processEvents();
    bar->setSliderDown(true);
    int value = 49;
    for (auto _ : state) {
        bar->setSliderPosition(value);
        label->setText(value == 50 ? "5" : "4.9");
        QCoreApplication::processEvents();
        value = value == 50 ? 49 : 50;
    }
}
BENCHMARK(PlainScrollBarThumbStep)->Unit(benchmark::kMicrosecond);

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

// The same for a plain window with the program's widgets in the same places,
// with the same captions and fonts, and nothing behind them.
void StartUpPlainWindowWithTheSameWidgets(benchmark::State &state)
{
    const Form1 model(ScreenMetrics{15, 15});
    const auto same = [](QWidget *copy, const QWidget *original) {
        copy->setGeometry(original->geometry());
        copy->setFont(original->font());
    };
    for (auto _ : state) {
        QMainWindow window;
        for (const QAction *menu : model.menuBar()->actions()) {
            QMenu *copy = window.menuBar()->addMenu(menu->text());
            for (const QAction *item : menu->menu()->actions())
                copy->addAction(item->text())->setCheckable(item->isCheckable());
        }
        auto *client = new QWidget;
        client->setFixedSize(model.centralWidget()->size());
        window.setCentralWidget(client);
        auto *label2 = new QLabel(model.Label2->text(), client);
        same(label2, model.Label2);
        label2->setAlignment(model.Label2->alignment());
        label2->setWordWrap(true);
        auto *label1 = new QLabel(model.Label1->text(), client);
        same(label1, model.Label1);
        same(new QCheckBox(model.Check1->text(), client), model.Check1);
        auto *frame = new QFrame(client);
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        frame->setLineWidth(2);
        same(frame, model.Picture1);
        auto *bar = new QScrollBar(Qt::Horizontal, client);
        same(bar, model.HScroll1);
        bar->setRange(0, settingsfile::kLargestScrollValue);
        bar->setValue(30);
        same(new QPushButton(model.Command1->text(), client), model.Command1);
        window.show();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(StartUpPlainWindowWithTheSameWidgets)->Unit(benchmark::kMillisecond);

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

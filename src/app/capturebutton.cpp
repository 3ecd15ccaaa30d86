// The capture: one press of Command1 reads the calculator's screen over the
// chosen cable, shows it enlarged and puts it on the clipboard.

#include <QEventLoop>
#include <QMessageBox>
#include <QPushButton>
#include <QThread>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "capture.h"
#include "controls.h"
#include "form1.h"
#include "heldinput.h"
#include "linkerror.h"
#include "render.h"
#include "trace.h"

namespace {

const char kReady[] = QT_TRANSLATE_NOOP("Form1", "&Screenshot to Clipboard");
const char kGrabbing[] = QT_TRANSLATE_NOOP("Form1", "Grabbing...");
const char kFailed[] = QT_TRANSLATE_NOOP("Form1", "&Screenshot");

} // namespace

void Form1::Command1_Click()
{
    // Only a window that waits for the user captures. One that starts (a
    // press in the pending events that start-up lets run) has not applied the
    // stored settings yet, and the capture's end in Ready would come first.
    calclink::Stop stop; // alive until the window has left Capturing
    if (!enter(Capturing{&stop}))
        return;
    // The menus are read first; the capture's own first step, Configure,
    // cannot fail and comes first inside it.
    const calclink::LinkChoice choice = calclink::LinkChoice::ofMenus(tickedItem(mnuCableType), tickedItem(mnuport));
    linkDevice = QString::fromStdString(choice.deviceName());

    // Whatever the user does meanwhile reaches the window after the capture
    // and its message box, so that no handler runs in the middle of this one.
    HeldInput input(this);
    const calclink::CaptureResult result = captureOffThread(choice, stop);
    if (endAsked_ == EndAsked::No) {
        if (result.screen) {
            Picture2 = display::screenImage(*result.screen);
            Command1->setText(tr(kReady));
            Redraw();
        } else {
            std::fprintf(stderr, "Ekrano: %s\n",
                         qPrintable(tr("the capture failed: %1").arg(QString::fromStdString(result.why()))));
            reportCaptureFailure(result);
            Command1->setText(tr(kFailed));
        }
    }
    enter(Ready{}); // or Ending, when a close came meanwhile
    if (in<Ready>())
        input.release();
}

// The link library's capture on a thread of its own, while this one goes on
// painting the window; the caption turns to "Grabbing..." once the link is
// open. Closing the window cancels it. Qt's QThread rather than its thread
// pool (QtConcurrent), which cannot say that the system had no thread to
// give: the capture would then never run, and the window wait for ever.
calclink::CaptureResult Form1::captureOffThread(const calclink::LinkChoice &choice, calclink::Stop &stop)
{
    calclink::CaptureResult result;
    const auto connected = [this] {
        QMetaObject::invokeMethod(Command1, [this] { Command1->setText(tr(kGrabbing)); }, Qt::QueuedConnection);
    };
    const std::unique_ptr<calclink::Trace> trace = calclink::environmentTrace("Ekrano");
    const std::unique_ptr<QThread> worker(QThread::create(
        [&] { result = calclink::capture(choice, stop, connected, std::nullopt, *trace); }));
    QEventLoop loop;
    // Queued after the caption: the loop ends once both have been seen.
    connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit, Qt::QueuedConnection);
    worker->start();
    if (!worker->isRunning() && !worker->isFinished()) {
        // No thread to be had (the system is out of them): a failed capture, not a hang.
        result.number = calclink::kSystemErrorBase + uint32_t(EAGAIN);
        result.description = tr("The capture could not start: %1.").arg(std::strerror(EAGAIN)).toStdString();
        return result;
    }
    loop.exec();
    worker->wait();
    return result;
}

void Form1::reportCaptureFailure(const calclink::CaptureResult &result)
{
    const calclink::CaptureMessage message = calclink::captureMessage(result.number, result.description);
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(message.title), QString::fromStdString(message.text),
                    QMessageBox::Ok, this);
    enter(Reporting{&box});
    box.exec();
}

#include "livecalculator.h"

#include <QBuffer>
#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMessageBox>

#include "liverecorder.h"
#include "render.h"
#include "wholefile.h"

LiveCalculator::LiveCalculator(const settingsfile::Choices &choices, ScreenMetrics metrics, QWidget *window,
                               std::optional<calclink::LinkTimeouts> timeouts, const calclink::Trace &trace,
                               bool paused)
    : QObject(window), choices_(choices), metrics_(metrics), window_(window), timeouts_(timeouts), trace_(trace),
      paused_(paused)
{
    recorder_ = new LiveRecorder(choices, window);
    connect(recorder_, &LiveRecorder::statusChanged, this, &LiveCalculator::takeNews);
    news_.state = paused ? LiveReader::State::Paused : LiveReader::State::Reading;
    startReader();
}

// The reader goes first: it calls into the recorder from its thread.
LiveCalculator::~LiveCalculator() { reader_.reset(); }

void LiveCalculator::startReader()
{
    // Told on the reader's thread; the news is taken on this one. Every
    // screen goes to the recorder there, with the time it was read.
    reader_ = std::make_unique<LiveReader>(
        choices_.link,
        [this] { QMetaObject::invokeMethod(this, &LiveCalculator::takeNews, Qt::QueuedConnection); }, timeouts_,
        trace_,
        [recorder = recorder_](const calclink::Bitmap &screen, calclink::SteadyClock::time_point at) {
            recorder->take(screen, at);
        });
    if (paused_)
        reader_->setPaused(true);
}

void LiveCalculator::plugIn(const calclink::LinkChoice &link)
{
    reader_.reset();
    choices_.link = link;
    startReader();
    takeNews();
}

void LiveCalculator::unplug()
{
    if (!reader_)
        return;
    reader_.reset();
    news_.screensPerSecond = 0;
    emit newsTaken(false);
}

void LiveCalculator::cancel()
{
    if (reader_)
        reader_->cancel();
}

void LiveCalculator::setPaused(bool paused)
{
    paused_ = paused;
    if (reader_)
        reader_->setPaused(paused);
    recorder_->setPaused(paused);
    takeNews();
}

// The one place that takes the reader's news: a screen in it is kept here,
// or it would be lost, since news() reports each screen once.
void LiveCalculator::takeNews()
{
    if (!reader_) {
        emit newsTaken(false);
        return;
    }
    news_ = reader_->news();
    // A screen like the one shown costs no repaint.
    const bool changed = news_.screenChanged && news_.screen;
    if (changed)
        shown_ = news_.screen;
    emit newsTaken(changed);
}

bool LiveCalculator::reading() const { return reader_ && news_.state == LiveReader::State::Reading; }

QString LiveCalculator::state() const
{
    QString state;
    switch (news_.state) {
    case LiveReader::State::Reading:
        state = tr("Reading");
        break;
    case LiveReader::State::Waiting:
        state = tr("Waiting for the calculator");
        break;
    case LiveReader::State::Answered:
        state = tr("The calculator answered wrongly: %1").arg(QString::fromStdString(news_.reason));
        break;
    case LiveReader::State::Failing:
        state = QString::fromStdString(news_.reason);
        break;
    case LiveReader::State::Paused:
        state = tr("Paused");
        break;
    }
    if (!reader_)
        state = tr("Unplugged");
    if (const QString recording = recorder_->status(); !recording.isEmpty())
        state += " · " + recording;
    return state;
}

QString LiveCalculator::status() const
{
    const QString label = QString::fromStdString(choices_.link.label());
    return tr("%1 · %2 screens/s · %3").arg(label, QString::number(screensPerSecond(), 'f', 1), state());
}

QImage LiveCalculator::picture() const
{
    if (!shown_)
        return {};
    const display::Look look =
        display::solidLook(settingsfile::zoomFactorOf(choices_.scrollbar), metrics_.twipsPerPixelX,
                           metrics_.twipsPerPixelY, choices_.forecolor, choices_.backcolor, choices_.border == 1);
    return display::render(display::screenImage(*shown_), look);
}

void LiveCalculator::copyPicture()
{
    const QImage image = picture();
    if (!image.isNull())
        QGuiApplication::clipboard()->setImage(image);
}

void LiveCalculator::savePicture()
{
    const QImage image = picture();
    if (image.isNull())
        return;
    const QString file =
        QFileDialog::getSaveFileName(window_, tr("Save the screen"), "screen.png", tr("PNG pictures (*.png)"));
    if (file.isEmpty())
        return;
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    QImageWriter writer(&png, "png");
    QString reason = writer.write(image) ? wholefile::replace(file, png.data()) : writer.errorString();
    if (!reason.isEmpty())
        QMessageBox::warning(window_, tr("Ekrano Live"),
                             tr("The screen could not be saved to %1: %2.").arg(file, reason));
}

void LiveCalculator::toggleRecording()
{
    recorder_->toggle();
    recorder_->setPaused(paused_);
    takeNews();
}

bool LiveCalculator::finish()
{
    // A capture under way is cancelled and its port put back before the window goes.
    reader_.reset();
    return recorder_->saveWithoutAsking();
}

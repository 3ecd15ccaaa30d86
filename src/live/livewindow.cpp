#include "livewindow.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImageWriter>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QStatusBar>

#include "liverecorder.h"
#include "livescreen.h"
#include "render.h"
#include "wholefile.h"
#include "windowicon.h"

LiveWindow::LiveWindow(const settingsfile::Choices &choices, ScreenMetrics metrics,
                       std::optional<calclink::LinkTimeouts> timeouts, QWidget *parent)
    : QMainWindow(parent), choices_(choices), metrics_(metrics)
{
    setWindowTitle(tr("Ekrano Live"));
    setWindowIcon(display::windowIcon());
    screen_ = new LiveScreen(choices.forecolor, choices.backcolor, this);
    setCentralWidget(screen_);
    recorder_ = new LiveRecorder(choices, this);
    status_ = new QLabel(this);
    status_->setWordWrap(true);
    statusBar()->addWidget(status_, 1);
    statusBar()->setSizeGripEnabled(false);
    resize(calclink::kScreenWidth * 6, calclink::kScreenHeight * 6 + statusBar()->sizeHint().height());

    // The keys, also on a right click, where they can be found.
    const auto key = [this](const QString &text, QKeySequence sequence, auto act) {
        auto *action = new QAction(text, this);
        action->setShortcut(sequence);
        connect(action, &QAction::triggered, this, act);
        addAction(action);
    };
    key(tr("Full screen"), QKeySequence(Qt::Key_F11), &LiveWindow::toggleFullScreen);
    key(tr("Pause or resume"), QKeySequence(Qt::Key_Space), &LiveWindow::togglePause);
    key(tr("Copy the screen"), QKeySequence::Copy, &LiveWindow::copyPicture);
    key(tr("Save the screen..."), QKeySequence::Save, &LiveWindow::savePicture);
    key(tr("Record or stop recording"), QKeySequence(Qt::CTRL | Qt::Key_R), &LiveWindow::toggleRecording);
    key(tr("Quit"), QKeySequence(Qt::CTRL | Qt::Key_Q), &LiveWindow::close);
    screen_->addActions(actions());
    screen_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *leave = new QAction(this); // a key only, not on the menu
    leave->setShortcut(Qt::Key_Escape);
    connect(leave, &QAction::triggered, this, [this] {
        if (isFullScreen())
            toggleFullScreen();
    });
    QWidget::addAction(leave);

    connect(&rate_, &QTimer::timeout, this, &LiveWindow::takeNews);
    rate_.start(1000);

    trace_ = calclink::environmentTrace("ekrano-live");

    // Told on the reader's thread; the news is taken on this one. Every
    // screen goes to the recorder there, with the time it was read.
    connect(recorder_, &LiveRecorder::statusChanged, this, &LiveWindow::takeNews);
    reader_ = std::make_unique<LiveReader>(
        choices.link, [this] { QMetaObject::invokeMethod(this, &LiveWindow::takeNews, Qt::QueuedConnection); },
        timeouts, *trace_,
        [recorder = recorder_](const calclink::Bitmap &screen, calclink::SteadyClock::time_point at) {
            recorder->take(screen, at);
        });
    takeNews();
}

LiveWindow::~LiveWindow() = default;

// The one place that takes the reader's news: a screen in it is shown here,
// or it would be lost, since news() reports each screen once.
void LiveWindow::takeNews()
{
    if (!reader_)
        return;
    const LiveReader::News news = reader_->news();
    // A screen like the one shown costs no repaint.
    if (news.screenChanged && news.screen) {
        shown_ = news.screen;
        screen_->setScreen(*news.screen);
    }
    showStatus(news);
}

void LiveWindow::showStatus(const LiveReader::News &news)
{
    QString state;
    switch (news.state) {
    case LiveReader::State::Reading:
        state = tr("Reading");
        break;
    case LiveReader::State::Waiting:
        state = tr("Waiting for the calculator");
        break;
    case LiveReader::State::Answered:
        state = tr("The calculator answered wrongly: %1").arg(QString::fromStdString(news.reason));
        break;
    case LiveReader::State::Failing:
        state = QString::fromStdString(news.reason);
        break;
    case LiveReader::State::Paused:
        state = tr("Paused");
        break;
    }
    const QString label = QString::fromStdString(choices_.link.label());
    QString text = tr("%1 · %2 screens/s · %3").arg(label, QString::number(news.screensPerSecond, 'f', 1), state);
    if (const QString recording = recorder_->status(); !recording.isEmpty())
        text += " · " + recording;
    if (text != status_->text())
        status_->setText(text);
}

QString LiveWindow::status() const { return status_->text(); }

void LiveWindow::toggleFullScreen() { setWindowState(windowState() ^ Qt::WindowFullScreen); }

void LiveWindow::togglePause()
{
    if (!reader_)
        return;
    reader_->setPaused(!reader_->paused());
    recorder_->setPaused(reader_->paused());
    takeNews();
}

QImage LiveWindow::picture() const
{
    if (!shown_)
        return {};
    const display::Look look =
        display::solidLook(settingsfile::zoomFactorOf(choices_.scrollbar), metrics_.twipsPerPixelX,
                           metrics_.twipsPerPixelY, choices_.forecolor, choices_.backcolor, choices_.border == 1);
    return display::render(display::screenImage(*shown_), look);
}

void LiveWindow::copyPicture()
{
    const QImage image = picture();
    if (!image.isNull())
        QGuiApplication::clipboard()->setImage(image);
}

void LiveWindow::savePicture()
{
    const QImage image = picture();
    if (image.isNull())
        return;
    const QString file =
        QFileDialog::getSaveFileName(this, tr("Save the screen"), "screen.png", tr("PNG pictures (*.png)"));
    if (file.isEmpty())
        return;
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    QImageWriter writer(&png, "png");
    QString reason = writer.write(image) ? wholefile::replace(file, png.data()) : writer.errorString();
    if (!reason.isEmpty())
        QMessageBox::warning(this, tr("Ekrano Live"), tr("The screen could not be saved to %1: %2.").arg(file, reason));
}

void LiveWindow::toggleRecording()
{
    recorder_->toggle();
    recorder_->setPaused(reader_ && reader_->paused());
    takeNews();
}

void LiveWindow::closeEvent(QCloseEvent *event)
{
    // A capture under way is cancelled and its port put back before the window goes.
    rate_.stop();
    reader_.reset();
    if (!recorder_->saveWithoutAsking())
        recordingLost_ = true;
    event->accept();
}

void LiveWindow::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        toggleFullScreen();
}

#include "livewindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QStatusBar>

#include "livecalculator.h"
#include "livescreen.h"
#include "windowicon.h"

LiveWindow::LiveWindow(const settingsfile::Choices &choices, ScreenMetrics metrics,
                       std::optional<calclink::LinkTimeouts> timeouts, QWidget *parent)
    : QMainWindow(parent)
{
    setWindowTitle(tr("Ekrano Live"));
    setWindowIcon(display::windowIcon());
    screen_ = new LiveScreen(choices.forecolor, choices.backcolor, this);
    setCentralWidget(screen_);
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

    trace_ = calclink::environmentTrace("ekrano-live");
    calculator_ = new LiveCalculator(choices, metrics, this, timeouts, *trace_);
    connect(calculator_, &LiveCalculator::newsTaken, this, &LiveWindow::showNews);
    connect(&rate_, &QTimer::timeout, calculator_, &LiveCalculator::takeNews);
    rate_.start(1000);
    calculator_->takeNews();
}

// The calculator's reader writes to the trace: it ends first.
LiveWindow::~LiveWindow() { delete calculator_; }

void LiveWindow::showNews(bool screenChanged)
{
    if (screenChanged)
        screen_->setScreen(*calculator_->screen());
    if (const QString text = calculator_->status(); text != status_->text())
        status_->setText(text);
}

QString LiveWindow::status() const { return status_->text(); }

void LiveWindow::toggleFullScreen() { setWindowState(windowState() ^ Qt::WindowFullScreen); }

void LiveWindow::togglePause() { calculator_->setPaused(!calculator_->paused()); }

QImage LiveWindow::picture() const { return calculator_->picture(); }

void LiveWindow::copyPicture() { calculator_->copyPicture(); }

void LiveWindow::savePicture() { calculator_->savePicture(); }

void LiveWindow::toggleRecording() { calculator_->toggleRecording(); }

void LiveWindow::closeEvent(QCloseEvent *event)
{
    rate_.stop();
    if (!calculator_->finish())
        recordingLost_ = true;
    event->accept();
}

void LiveWindow::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        toggleFullScreen();
}

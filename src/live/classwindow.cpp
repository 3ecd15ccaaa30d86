#include "classwindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QStackedWidget>
#include <QStatusBar>
#include <QtConcurrent/QtConcurrentRun>

#include <exception>
#include <set>

#include "livecalculator.h"
#include "livegrid.h"
#include "livescreen.h"
#include "livetile.h"
#include "windowicon.h"

ClassWindow::ClassWindow(const settingsfile::Choices &choices, ScreenMetrics metrics, Calculators calculators,
                         std::optional<calclink::LinkTimeouts> timeouts, QWidget *parent)
    : QMainWindow(parent), choices_(choices), metrics_(metrics), findCalculators_(std::move(calculators)),
      timeouts_(timeouts)
{
    setWindowTitle(tr("Ekrano Live"));
    setWindowIcon(display::windowIcon());
    pages_ = new QStackedWidget(this);
    grid_ = new LiveGrid(choices.forecolor, choices.backcolor, pages_);
    grid_->setEmptyText(tr("Looking for calculators…"));
    screen_ = new LiveScreen(choices.forecolor, choices.backcolor, pages_);
    pages_->addWidget(grid_);
    pages_->addWidget(screen_);
    setCentralWidget(pages_);
    status_ = new QLabel(this);
    status_->setWordWrap(true);
    statusBar()->addWidget(status_, 1);
    statusBar()->setSizeGripEnabled(false);
    resize(1000, 700);

    // The keys, also on a right click, where they can be found: on the grid
    // those of the grid, on the calculator alone those of it.
    const auto key = [this](const QString &text, QList<QKeySequence> sequences, auto act, bool onGrid, bool alone) {
        auto *action = new QAction(text, this);
        action->setShortcuts(sequences);
        connect(action, &QAction::triggered, this, act);
        addAction(action);
        if (onGrid)
            grid_->addAction(action);
        if (alone)
            screen_->addAction(action);
    };
    key(tr("Show this calculator alone"), {Qt::Key_Return, Qt::Key_Enter}, &ClassWindow::showAlone, true, false);
    key(tr("Back to the whole class"), {Qt::Key_Escape}, &ClassWindow::goBack, false, true);
    key(tr("Name this calculator..."), {Qt::Key_F2}, &ClassWindow::nameSelected, true, true);
    key(tr("Full screen"), {Qt::Key_F11}, &ClassWindow::toggleFullScreen, true, true);
    key(tr("Pause or resume"), {Qt::Key_Space}, &ClassWindow::togglePause, true, true);
    key(tr("Copy the screen"), {QKeySequence::Copy}, &ClassWindow::copyPicture, true, true);
    key(tr("Save the screen..."), {QKeySequence::Save}, &ClassWindow::savePicture, true, true);
    key(tr("Record or stop recording"), {Qt::CTRL | Qt::Key_R}, &ClassWindow::toggleRecording, true, true);
    key(tr("Quit"), {Qt::CTRL | Qt::Key_Q}, &ClassWindow::close, true, true);
    grid_->setContextMenuPolicy(Qt::ActionsContextMenu);
    screen_->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(grid_, &LiveGrid::activated, this, &ClassWindow::showAlone);
    connect(grid_, &LiveGrid::selectionChanged, this, &ClassWindow::showStatus);

    trace_ = calclink::environmentTrace("ekrano-live");
    connect(&rate_, &QTimer::timeout, this, &ClassWindow::takeNews);
    rate_.start(1000);
    connect(&looking_, &QFutureWatcher<Found>::finished, this, &ClassWindow::arrange);
    connect(&lookAgain_, &QTimer::timeout, this, &ClassWindow::look);
    lookAgain_.start(kLookAgainAfter);
    look();

    if (!names_.problem().isEmpty())
        QTimer::singleShot(0, this, [this] { QMessageBox::warning(this, tr("Ekrano Live"), names_.problem()); });
    showStatus();
}

// The tiles go first, then the calculators, whose readers write to the trace.
ClassWindow::~ClassWindow()
{
    delete pages_;
    for (LiveCalculator *calculator : calculators_)
        calculator->cancel();
    for (LiveCalculator *calculator : calculators_)
        delete calculator;
}

// On a thread of the pool, one look at a time: finding the calculators may
// take a while, and the window goes on meanwhile.
void ClassWindow::look()
{
    if (looking_.isRunning())
        return;
    looking_.setFuture(QtConcurrent::run([find = findCalculators_] {
        Found found;
        try {
            found.calculators = find();
        } catch (const std::exception &failure) {
            found.problem = QString::fromStdString(failure.what());
        }
        return found;
    }));
}

// A calculator found at a place with a tile reads there again, one at a
// new place gets a tile after the others, and one no longer found keeps its
// tile, unplugged. When the look failed, every tile stays as it is.
void ClassWindow::arrange()
{
    const Found found = looking_.result();
    lookProblem_ = found.problem;
    if (found.calculators) {
        std::set<QString> present;
        int notShown = 0;
        for (const calclink::LinkChoice &choice : *found.calculators) {
            const QString place = QString::fromStdString(choice.place());
            present.insert(place);
            if (LiveTile *tile = grid_->tileOf(place)) {
                if (!tile->calculator()->pluggedIn() || tile->calculator()->link() != choice)
                    tile->calculator()->plugIn(choice);
            } else if (grid_->count() < kMostCalculators) {
                addTile(choice);
            } else {
                ++notShown;
            }
        }
        notShown_ = notShown;
        // Those unplugged together end together.
        std::vector<LiveCalculator *> gone;
        for (int index = 0; index < grid_->count(); ++index)
            if (!present.count(grid_->tile(index)->place()) && grid_->tile(index)->calculator()->pluggedIn())
                gone.push_back(grid_->tile(index)->calculator());
        for (LiveCalculator *calculator : gone)
            calculator->cancel();
        for (LiveCalculator *calculator : gone)
            calculator->unplug();
        grid_->setEmptyText(tr("No calculator is plugged in. Plug calculators in by USB, or make port links for COM1 "
                               "to COM4 (man ekrano-live)."));
    }
    showStatus();
}

void ClassWindow::addTile(const calclink::LinkChoice &choice)
{
    settingsfile::Choices choices = choices_;
    choices.link = choice;
    auto *calculator = new LiveCalculator(choices, metrics_, this, timeouts_, *trace_, paused_);
    calculators_.push_back(calculator);
    auto *tile = new LiveTile(calculator, QString::fromStdString(choice.place()), choices_.forecolor,
                              choices_.backcolor);
    tile->setName(names_.of(tile->place()));
    grid_->add(tile);
}

LiveCalculator *ClassWindow::selected() const
{
    const LiveTile *tile = grid_->selectedTile();
    return tile ? tile->calculator() : nullptr;
}

bool ClassWindow::alone() const { return pages_->currentWidget() == screen_; }

// Every second: the screens a second go on changing when no news comes.
void ClassWindow::takeNews()
{
    for (LiveCalculator *calculator : calculators_)
        calculator->takeNews();
    showStatus();
}

void ClassWindow::showStatus()
{
    QString text;
    if (alone()) {
        const LiveTile *tile = grid_->selectedTile();
        text = tile->calculator()->status();
        if (!tile->name().isEmpty())
            text = tile->name() + " · " + text;
    } else {
        int reading = 0;
        double rate = 0;
        for (const LiveCalculator *calculator : calculators_) {
            reading += calculator->reading() ? 1 : 0;
            rate += calculator->screensPerSecond();
        }
        text = tr("Calculators read: %1 of %2 · %3 screens/s")
                   .arg(reading)
                   .arg(calculators_.size())
                   .arg(QString::number(rate, 'f', 1));
        if (paused_)
            text += " · " + tr("Paused");
        if (notShown_ > 0)
            text += " · " + tr("%1 more not read: Ekrano Live reads at most %2 calculators at once")
                                .arg(notShown_)
                                .arg(kMostCalculators);
    }
    if (!lookProblem_.isEmpty())
        text += " · " + lookProblem_;
    if (text != status_->text())
        status_->setText(text);
}

QString ClassWindow::status() const { return status_->text(); }

void ClassWindow::showSelected(bool screenChanged)
{
    if (screenChanged)
        screen_->setScreen(*selected()->screen());
    showStatus();
}

void ClassWindow::showAlone()
{
    LiveCalculator *calculator = selected();
    if (!calculator || alone())
        return;
    screen_->setScreen(calculator->screen().value_or(calclink::Bitmap{}));
    aloneNews_ = connect(calculator, &LiveCalculator::newsTaken, this, &ClassWindow::showSelected);
    pages_->setCurrentWidget(screen_);
    showStatus();
}

void ClassWindow::goBack()
{
    if (alone()) {
        disconnect(aloneNews_);
        pages_->setCurrentWidget(grid_);
        grid_->setFocus();
        showStatus();
    } else if (isFullScreen()) {
        toggleFullScreen();
    }
}

void ClassWindow::toggleFullScreen() { setWindowState(windowState() ^ Qt::WindowFullScreen); }

void ClassWindow::togglePause()
{
    paused_ = !paused_;
    for (LiveCalculator *calculator : calculators_)
        calculator->setPaused(paused_);
    showStatus();
}

void ClassWindow::copyPicture()
{
    if (LiveCalculator *calculator = selected())
        calculator->copyPicture();
}

void ClassWindow::savePicture()
{
    if (LiveCalculator *calculator = selected())
        calculator->savePicture();
}

void ClassWindow::toggleRecording()
{
    if (LiveCalculator *calculator = selected())
        calculator->toggleRecording();
    showStatus();
}

void ClassWindow::nameSelected()
{
    LiveTile *tile = grid_->selectedTile();
    if (!tile)
        return;
    bool given = false;
    const QString name = TileNames::cleaned(
        QInputDialog::getText(this, tr("Name this calculator"),
                              tr("Name to show for the calculator on %1 (leave empty to show %1):").arg(tile->place()),
                              QLineEdit::Normal, tile->name(), &given));
    if (!given || name == tile->name())
        return;
    tile->setName(name);
    showStatus();
    if (const QString why = names_.name(tile->place(), name); !why.isEmpty())
        QMessageBox::warning(this, tr("Ekrano Live"), why);
}

void ClassWindow::closeEvent(QCloseEvent *event)
{
    rate_.stop();
    lookAgain_.stop();
    disconnect(&looking_, nullptr, this, nullptr);
    // Every capture under way is cancelled, and the ports put back, before the window goes.
    for (LiveCalculator *calculator : calculators_)
        calculator->cancel();
    for (LiveCalculator *calculator : calculators_)
        if (!calculator->finish())
            recordingLost_ = true;
    event->accept();
}

// On the calculator alone (the grid takes its own).
void ClassWindow::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && alone())
        goBack();
}

#pragma once

#include <QFutureWatcher>
#include <QMainWindow>
#include <QTimer>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "everycalculator.h"
#include "linkchoice.h"
#include "screenmetrics.h"
#include "settingsfile.h"
#include "tilenames.h"
#include "timeouts.h"
#include "trace.h"

class LiveCalculator;
class LiveGrid;
class LiveScreen;
class LiveTile;
class QLabel;
class QStackedWidget;

// Ekrano Live for the whole class (ekrano-live --all): every calculator
// plugged in, each read by a reader of its own, so that a silent, slow or
// unplugged one never holds up another, and shown side by side in a grid
// (LiveGrid), one tile a calculator, one of them selected. The calculators
// are looked for again about every second: one plugged in gets a tile, one
// unplugged keeps its tile, marked so, and reads again once plugged in at
// the same place. The status line gives how many are read and the screens a
// second of them all.
//
// Enter or a double click shows the selected calculator alone, as
// LiveWindow shows its one; Escape goes back one step: from it to the grid
// (as a double click on it does), and from the grid out of full screen. F11 is full screen; Space pauses and
// resumes every reader; Ctrl+C, Ctrl+S and Ctrl+R act on the selected
// calculator as LiveWindow's on its one; F2 names it (TileNames); Ctrl+Q or
// closing the window ends it, saving every recording.
class ClassWindow : public QMainWindow {
    Q_OBJECT

public:
    // The calculators plugged in now, each named by its place; it may throw
    // a std::exception whose what() is a sentence for the user. Called on a
    // thread of its own, one call at a time.
    using Calculators = std::function<std::vector<calclink::LinkChoice>()>;
    // The most calculators read at once, as every program of Ekrano reads;
    // others plugged in past it get no tile, and the status line says how many.
    static constexpr int kMostCalculators = int(calclink::kMostCalculators);
    static constexpr std::chrono::seconds kLookAgainAfter{1};

    // `choices`: the stored settings with the command line's over them,
    // whose colours and look every calculator's picture takes; `metrics`,
    // `timeouts` as for LiveWindow.
    ClassWindow(const settingsfile::Choices &choices, ScreenMetrics metrics, Calculators calculators,
                std::optional<calclink::LinkTimeouts> timeouts = std::nullopt, QWidget *parent = nullptr);
    ~ClassWindow() override;

    // What the keys do.
    void toggleFullScreen();
    void togglePause();
    void copyPicture();
    void savePicture();
    void toggleRecording();
    void showAlone();
    void goBack();
    void nameSelected();

    LiveGrid &grid() const { return *grid_; }
    // The selected calculator is shown alone.
    bool alone() const;
    // The status line as it reads now.
    QString status() const;
    // Closed, a recording under way could be saved nowhere.
    bool recordingLost() const { return recordingLost_; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    // What one look for the calculators found: the calculators, or why there are none.
    struct Found {
        std::optional<std::vector<calclink::LinkChoice>> calculators;
        QString problem;
    };

    void look();
    void arrange();
    void addTile(const calclink::LinkChoice &choice);
    void takeNews();
    void showSelected(bool screenChanged);
    void showStatus();
    LiveCalculator *selected() const;

    const settingsfile::Choices choices_;
    const ScreenMetrics metrics_;
    const Calculators findCalculators_;
    const std::optional<calclink::LinkTimeouts> timeouts_;
    TileNames names_;
    std::unique_ptr<calclink::Trace> trace_;
    std::vector<LiveCalculator *> calculators_; // children, one a tile, in the grid's order
    QStackedWidget *pages_;
    LiveGrid *grid_;
    LiveScreen *screen_; // the selected calculator alone
    QLabel *status_;
    QTimer rate_;      // the screens a second go on changing when no news comes
    QTimer lookAgain_;
    QFutureWatcher<Found> looking_;
    QMetaObject::Connection aloneNews_;
    QString lookProblem_;
    int notShown_ = 0;
    bool paused_ = false;
    bool recordingLost_ = false;
};

#pragma once

#include <QImage>
#include <QMainWindow>
#include <QTimer>

#include <memory>
#include <optional>

#include "screenmetrics.h"
#include "settingsfile.h"
#include "timeouts.h"
#include "trace.h"

class QLabel;
class LiveCalculator;
class LiveScreen;

// Ekrano Live: the calculator's screen mirrored as it changes, for a
// projector. The last screen read fills the window, scaled by the largest
// whole number that fits so that every calculator pixel is the same square,
// centred on the background colour; a status line under it gives the port
// and the cable, the screens a second and what the reader is doing.
//
// F11 or a double click toggles full screen, Escape leaves it; Space pauses
// and resumes; Ctrl+C puts the screen on the clipboard and Ctrl+S saves it,
// drawn as the Ekrano window draws it; Ctrl+R starts and stops recording the
// screens as a GIF; Ctrl+Q or closing the window ends it, saving a recording.
class LiveWindow : public QMainWindow {
    Q_OBJECT

public:
    // `choices`: the stored settings with the command line's over them;
    // `metrics`: the screen's, in whose twips the copied picture is drawn as
    // the Ekrano window would draw it. `timeouts` as for capture() (tests).
    LiveWindow(const settingsfile::Choices &choices, ScreenMetrics metrics,
               std::optional<calclink::LinkTimeouts> timeouts = std::nullopt, QWidget *parent = nullptr);
    ~LiveWindow() override;

    // What the keys do.
    void toggleFullScreen();
    void togglePause();
    void copyPicture();
    void savePicture();
    void toggleRecording();

    // The screen shown, drawn as the Ekrano window draws it with the same
    // settings: the zoom, the colours and the frame. Null before any screen.
    QImage picture() const;
    // The status line as it reads now.
    QString status() const;
    // Closed, a recording under way could be saved nowhere.
    bool recordingLost() const { return recordingLost_; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void showNews(bool screenChanged);

    LiveScreen *screen_;
    QLabel *status_;
    QTimer rate_; // the screens a second go on changing when no news comes
    std::unique_ptr<calclink::Trace> trace_;
    LiveCalculator *calculator_;
    bool recordingLost_ = false;
};

#pragma once

#include <QImage>
#include <QObject>

#include <memory>
#include <optional>

#include "bitmap.h"
#include "livereader.h"
#include "screenmetrics.h"
#include "settingsfile.h"
#include "timeouts.h"
#include "trace.h"

class LiveRecorder;
class QWidget;

// One calculator in Ekrano Live: read over and over by a LiveReader of its
// own, recorded by a LiveRecorder of its own, and what a window shows of it:
// the last screen read, what the reading is doing, and the picture of the
// screen that the Ekrano window would draw. Unplugged, it keeps its last
// screen and its recording, and reads again once plugged in.
class LiveCalculator : public QObject {
    Q_OBJECT

public:
    // Starts reading `choices.link`, unless `paused`. `window` is the parent
    // of the dialogs; `metrics` the screen's, in whose twips the picture is
    // drawn; `timeouts` as for capture() (tests); `trace` must outlive it.
    LiveCalculator(const settingsfile::Choices &choices, ScreenMetrics metrics, QWidget *window,
                   std::optional<calclink::LinkTimeouts> timeouts = std::nullopt,
                   const calclink::Trace &trace = calclink::Trace::off(), bool paused = false);
    ~LiveCalculator() override;

    const calclink::LinkChoice &link() const { return choices_.link; }
    // Reads again, over `link`.
    void plugIn(const calclink::LinkChoice &link);
    // Stops reading: a capture under way is cancelled and its port put back.
    void unplug();
    // Cancels a capture under way without waiting for it, for unplug() or
    // finish() to come: calculators cancelled together then stop together.
    void cancel();
    bool pluggedIn() const { return reader_ != nullptr; }

    void setPaused(bool paused);
    bool paused() const { return paused_; }

    // Takes what the reader found since the last time, and says so with newsTaken().
    void takeNews();

    // The last screen read; nothing before the first.
    const std::optional<calclink::Bitmap> &screen() const { return shown_; }
    // Screens are coming in.
    bool reading() const;
    double screensPerSecond() const { return news_.screensPerSecond; }
    // What the reading is doing ("Reading", "Unplugged", the capture's
    // reason ...), and the recording's status after it while there is one.
    QString state() const;
    // "COM1, Gray cable · 1.2 screens/s · Reading": the label, the screens
    // a second and the state.
    QString status() const;

    // The screen, drawn as the Ekrano window draws it with the same
    // settings: the zoom, the colours and the frame. Null before any screen.
    QImage picture() const;
    void copyPicture();
    void savePicture();
    void toggleRecording();
    // Stops reading and saves a recording under way without asking: false
    // when it could be saved nowhere.
    bool finish();

signals:
    // takeNews() ran; `screenChanged`: a screen unlike the one before came.
    void newsTaken(bool screenChanged);

private:
    void startReader();

    settingsfile::Choices choices_;
    const ScreenMetrics metrics_;
    QWidget *const window_;
    const std::optional<calclink::LinkTimeouts> timeouts_;
    const calclink::Trace &trace_;
    bool paused_;
    LiveRecorder *recorder_;
    LiveReader::News news_;
    std::optional<calclink::Bitmap> shown_;
    std::unique_ptr<LiveReader> reader_; // last: it reads once everything else is in place
};

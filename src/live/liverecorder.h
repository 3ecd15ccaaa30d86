#pragma once

#include <QDateTime>
#include <QFutureWatcher>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <functional>
#include <memory>
#include <mutex>

#include "bitmap.h"
#include "gifwriter.h"
#include "recording.h"
#include "settingsfile.h"

class QDialog;
class QWidget;

// Ekrano Live's recording: every screen read, from Ctrl+R to Ctrl+R, at the
// time its capture ended, paused with the window. Stopped, it asks where to
// save the GIF, offering ekrano-YYYY-MM-DD-HHMMSS.gif in the Pictures folder,
// writes it on a thread of its own while the window goes on, and keeps the
// recording until it is saved or the user discards it. Closing the window
// saves it without asking, in the first folder that takes it.
class LiveRecorder : public QObject {
    Q_OBJECT

public:
    enum class Stage {
        Idle,      // not recording
        Recording, // screens are kept
        Asking,    // stopped; the dialogs ask where to save it
        Writing,   // the GIF is written on a thread of its own
    };
    using Clock = record::Recording::Clock;

    // `window`, the parent of the dialogs; the look of the stored choices;
    // `now`, the recordings' clock, on which take() is given its times.
    LiveRecorder(const settingsfile::Choices &choices, QWidget *window,
                 std::function<Clock::time_point()> now = &Clock::now);
    // Waits for a GIF being written.
    ~LiveRecorder() override;

    Stage stage() const { return stage_; }
    // Starts recording; or stops and asks where to save.
    void toggle();
    // A screen read, its capture ended at `at`: kept while recording. Safe from any thread.
    void take(const calclink::Bitmap &screen, Clock::time_point at);
    void setPaused(bool paused);
    // Stops and saves under the offered name without asking, closing any
    // dialog and waiting for a GIF being written, and says where on standard
    // error. False when a recording was lost: no folder could take it.
    bool saveWithoutAsking();

    // "Recording 0:12 · 34 screens", "Saving…"; empty when idle.
    QString status() const;
    // Where a recording started at `started` is offered to be saved: in the
    // first of folders() that can take a file, under the first name not taken.
    static QString offeredPath(const QDateTime &started);
    // The folders a recording is saved in without asking, in turn: the
    // Pictures folder (made if need be), the home folder, the working folder
    // and the temporary folder.
    static QStringList folders();

signals:
    // status() changed by itself: the GIF was written, or could not be.
    void statusChanged();

private:
    // "0:12 · 34 screens", with the hour that stopped it once it has `ended`.
    QString recorded(bool ended) const;
    void stopAndAsk();
    void ask();
    void startWriting();
    void written();
    void setStage(Stage stage);
    int exec(QDialog &dialog);

    const record::GifLook look_;
    QWidget *const window_;
    const std::function<Clock::time_point()> now_;
    mutable std::mutex mutex_; // the stage and the recording, which take() adds to from the reader's thread
    Stage stage_ = Stage::Idle;
    std::shared_ptr<record::Recording> recording_;
    QDateTime started_;
    QString file_; // offered, or chosen
    QTimer hour_;  // whether the hour is up, though no screen comes
    QFutureWatcher<QString> writing_;
    QPointer<QDialog> dialog_; // the dialog open while asking
};

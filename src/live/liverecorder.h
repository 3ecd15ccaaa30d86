#pragma once

#include <QDateTime>
#include <QObject>
#include <QPointer>

#include <memory>

#include "bitmap.h"
#include "gifwriter.h"
#include "recording.h"
#include "settingsfile.h"

class QDialog;
class QWidget;

// Ekrano Live's recording: the screens it reads, from Ctrl+R to Ctrl+R,
// with the time each stood, paused with the window. Stopped, it asks where
// to save the GIF, offering ekrano-YYYY-MM-DD-HHMMSS.gif in the Pictures
// folder, and keeps the recording until it is saved or the user discards it.
// Closing the window saves it under that name without asking.
class LiveRecorder : public QObject {
    Q_OBJECT

public:
    enum class Stage {
        Idle,      // not recording
        Recording, // screens are kept
        Saving,    // stopped; the dialogs ask where to save it
    };

    // `window`, the parent of the dialogs; the look of the stored choices.
    LiveRecorder(const settingsfile::Choices &choices, QWidget *window);
    ~LiveRecorder() override;

    Stage stage() const { return stage_; }
    // Starts recording; or stops and asks where to save.
    void toggle();
    // `screen` the last of `screensRead` screens read since reading began;
    // those read since the last call go into the recording.
    void take(const calclink::Bitmap &screen, quint64 screensRead);
    void setPaused(bool paused);
    // Stops and saves under the offered name without asking, closing any
    // dialog, and says where on standard error.
    void saveWithoutAsking();

    // "Recording 0:12 · 34 screens"; empty when idle.
    QString status() const;
    // Where a recording started at `started` is offered to be saved.
    static QString offeredPath(const QDateTime &started);

private:
    // "0:12 · 34 screens", with the hour that stopped it once it has `ended`.
    QString recorded(bool ended) const;
    void stopAndAsk();
    // Writes the GIF whole to `file`: the empty text, or why not.
    QString save(const QString &file) const;
    int exec(QDialog &dialog);

    const record::GifLook look_;
    QWidget *const window_;
    Stage stage_ = Stage::Idle;
    std::unique_ptr<record::Recording> recording_;
    QDateTime started_;
    quint64 screensRead_ = 0;
    QPointer<QDialog> dialog_; // the dialog open while saving
};

#include "liverecorder.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>

#include "wholefile.h"

namespace {

// 0:12, or 1:00:00 from an hour on.
QString clockText(std::chrono::nanoseconds time)
{
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(time).count();
    const QString minutesAndSeconds =
        QString("%1:%2").arg(seconds / 60 % 60, seconds >= 3600 ? 2 : 1, 10, QChar('0')).arg(seconds % 60, 2, 10,
                                                                                          QChar('0'));
    return seconds >= 3600 ? QString("%1:%2").arg(seconds / 3600).arg(minutesAndSeconds) : minutesAndSeconds;
}

} // namespace

LiveRecorder::LiveRecorder(const settingsfile::Choices &choices, QWidget *window)
    : QObject(window),
      look_{record::scaleOf(choices.scrollbar / 10.0), choices.forecolor, choices.backcolor, choices.border == 1},
      window_(window)
{
}

LiveRecorder::~LiveRecorder() = default;

QString LiveRecorder::offeredPath(const QDateTime &started)
{
    return QStandardPaths::writableLocation(QStandardPaths::PicturesLocation) + "/ekrano-" +
           started.toString("yyyy-MM-dd-HHmmss") + ".gif";
}

void LiveRecorder::toggle()
{
    if (stage_ == Stage::Recording) {
        stopAndAsk();
    } else if (stage_ == Stage::Idle) {
        recording_ = std::make_unique<record::Recording>();
        started_ = QDateTime::currentDateTime();
        stage_ = Stage::Recording;
    }
}

void LiveRecorder::take(const calclink::Bitmap &screen, quint64 screensRead)
{
    const quint64 earlier = std::exchange(screensRead_, screensRead);
    if (stage_ != Stage::Recording)
        return;
    for (quint64 read = earlier; read < screensRead; ++read)
        if (!recording_->add(screen))
            break;
    // The hour is up: stopped by itself, and saved as when stopped by hand,
    // once the news that found it has been shown.
    if (recording_->stopped())
        QTimer::singleShot(0, this, [this] {
            if (stage_ == Stage::Recording)
                stopAndAsk();
        });
}

void LiveRecorder::setPaused(bool paused)
{
    if (stage_ == Stage::Recording)
        recording_->setPaused(paused);
}

QString LiveRecorder::status() const
{
    if (stage_ == Stage::Idle)
        return {};
    if (stage_ == Stage::Recording)
        return tr("Recording %1").arg(recorded(false));
    return tr("Recorded %1").arg(recorded(true));
}

QString LiveRecorder::recorded(bool ended) const
{
    const QString counted = tr("%1 · %2 screens").arg(clockText(recording_->elapsed())).arg(recording_->screens());
    return ended && recording_->full() ? tr("%1, stopped at one hour").arg(counted) : counted;
}

QString LiveRecorder::save(const QString &file) const
{
    QByteArray gif;
    const QString failure = record::writeGif(*recording_, look_, gif);
    return failure.isEmpty() ? wholefile::replace(file, gif) : failure;
}

int LiveRecorder::exec(QDialog &dialog)
{
    dialog_ = &dialog;
    const int result = dialog.exec();
    dialog_ = nullptr;
    return result;
}

void LiveRecorder::stopAndAsk()
{
    recording_->stop();
    if (recording_->frames().empty()) {
        stage_ = Stage::Idle;
        recording_.reset();
        return;
    }
    stage_ = Stage::Saving;
    const QString title =
        recording_->full() ? tr("Save the recording, which stopped at one hour") : tr("Save the recording");
    QString file = offeredPath(started_);
    QDir().mkpath(QFileInfo(file).path()); // the dialog opens there, not wherever the program started
    // Until it is saved, discarded, or saved without asking as the window closes.
    while (stage_ == Stage::Saving) {
        QFileDialog files(window_, title, file, tr("GIF pictures (*.gif)"));
        files.setAcceptMode(QFileDialog::AcceptSave);
        files.setDefaultSuffix("gif");
        const bool chosen = exec(files) == QDialog::Accepted && !files.selectedFiles().isEmpty();
        if (stage_ != Stage::Saving)
            return;
        if (!chosen) {
            QMessageBox discard(QMessageBox::Question, tr("Ekrano Live"),
                                tr("Discard the recording of %1?").arg(recorded(true)),
                                QMessageBox::Discard | QMessageBox::Cancel, window_);
            // Named here, in every language: some of Qt's own translations lack the button's name.
            discard.button(QMessageBox::Discard)->setText(tr("Discard"));
            discard.button(QMessageBox::Cancel)->setText(tr("Save it"));
            if (exec(discard) == QMessageBox::Discard && stage_ == Stage::Saving) {
                stage_ = Stage::Idle;
                recording_.reset();
            }
            continue;
        }
        file = files.selectedFiles().first();
        const QString reason = save(file);
        if (reason.isEmpty()) {
            stage_ = Stage::Idle;
            recording_.reset();
            return;
        }
        QMessageBox failed(QMessageBox::Warning, tr("Ekrano Live"),
                           tr("The recording could not be saved to %1: %2.\n\nIt is kept: choose another place.")
                               .arg(file, reason),
                           QMessageBox::Ok, window_);
        exec(failed);
    }
}

void LiveRecorder::saveWithoutAsking()
{
    if (stage_ == Stage::Idle)
        return;
    if (dialog_)
        dialog_->reject();
    recording_->stop();
    const bool any = !recording_->frames().empty();
    stage_ = Stage::Idle;
    if (!any) {
        recording_.reset();
        return;
    }
    // The Pictures folder, made if need be; failing that, the home folder.
    const QString offered = offeredPath(started_);
    QString reason;
    for (const QString &file : {offered, QDir::home().filePath(QFileInfo(offered).fileName())}) {
        QDir().mkpath(QFileInfo(file).path());
        reason = save(file);
        if (reason.isEmpty()) {
            std::fprintf(stderr, "ekrano-live: %s\n", qPrintable(tr("the recording was saved to %1").arg(file)));
            break;
        }
        std::fprintf(stderr, "ekrano-live: %s\n",
                     qPrintable(tr("the recording could not be saved to %1: %2").arg(file, reason)));
    }
    recording_.reset();
}

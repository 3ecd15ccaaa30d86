#include "liverecorder.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QtConcurrent/QtConcurrentRun>

#include <cstdio>

#include <unistd.h>

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

// What a recording started at `started` is called.
QString nameOf(const QDateTime &started) { return "ekrano-" + started.toString("yyyy-MM-dd-HHmmss") + ".gif"; }

} // namespace

LiveRecorder::LiveRecorder(const settingsfile::Choices &choices, QWidget *window,
                           std::function<Clock::time_point()> now)
    : QObject(window),
      look_{record::scaleOf(settingsfile::zoomFactorOf(choices.scrollbar)), choices.forecolor, choices.backcolor,
            choices.border == 1},
      window_(window), now_(std::move(now))
{
    hour_.setInterval(1000);
    connect(&hour_, &QTimer::timeout, this, [this] {
        bool full;
        {
            std::lock_guard lock(mutex_);
            full = stage_ == Stage::Recording && recording_->full();
        }
        if (full)
            stopAndAsk(); // saved as when stopped by hand
    });
    connect(&writing_, &QFutureWatcher<QString>::finished, this, &LiveRecorder::written);
}

LiveRecorder::~LiveRecorder() { writing_.waitForFinished(); }

QStringList LiveRecorder::folders()
{
    QStringList folders;
    for (const QString &folder : {QStandardPaths::writableLocation(QStandardPaths::PicturesLocation), QDir::homePath(),
                                  QDir::currentPath(), QDir::tempPath()})
        if (!folder.isEmpty() && !folders.contains(QDir::cleanPath(folder)))
            folders << QDir::cleanPath(folder);
    return folders;
}

QString LiveRecorder::offeredPath(const QDateTime &started)
{
    const QString name = nameOf(started);
    const QStringList candidates = folders();
    QString folder = candidates.first();
    QDir().mkpath(folder);
    for (const QString &candidate : candidates) {
        if (::access(QFile::encodeName(candidate).constData(), W_OK | X_OK) == 0) {
            folder = candidate;
            break;
        }
    }
    QString file = folder + "/" + name;
    for (int number = 2; QFileInfo::exists(file); ++number)
        file = wholefile::numberedName(folder + "/" + name, number);
    return file;
}

void LiveRecorder::setStage(Stage stage)
{
    std::lock_guard lock(mutex_);
    stage_ = stage;
}

void LiveRecorder::toggle()
{
    if (stage_ == Stage::Recording) {
        stopAndAsk();
    } else if (stage_ == Stage::Idle) {
        std::lock_guard lock(mutex_);
        recording_ = std::make_shared<record::Recording>(now_);
        started_ = QDateTime::currentDateTime();
        stage_ = Stage::Recording;
        hour_.start();
    }
}

void LiveRecorder::take(const calclink::Bitmap &screen, Clock::time_point at)
{
    std::lock_guard lock(mutex_);
    if (stage_ == Stage::Recording)
        recording_->add(screen, at);
}

void LiveRecorder::setPaused(bool paused)
{
    std::lock_guard lock(mutex_);
    if (stage_ == Stage::Recording)
        recording_->setPaused(paused);
}

QString LiveRecorder::status() const
{
    std::lock_guard lock(mutex_);
    if (stage_ == Stage::Idle)
        return {};
    if (stage_ == Stage::Writing)
        return tr("Saving…");
    if (stage_ == Stage::Recording)
        return tr("Recording %1").arg(recorded(false));
    return tr("Recorded %1").arg(recorded(true));
}

QString LiveRecorder::recorded(bool ended) const
{
    const QString counted = tr("%1 · %2 screens").arg(clockText(recording_->elapsed())).arg(recording_->screens());
    return ended && recording_->full() ? tr("%1, stopped at one hour").arg(counted) : counted;
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
    hour_.stop();
    {
        std::lock_guard lock(mutex_);
        recording_->stop();
        stage_ = recording_->frames().empty() ? Stage::Idle : Stage::Asking;
    }
    if (stage_ == Stage::Idle) {
        recording_.reset();
        return;
    }
    file_ = offeredPath(started_); // the dialog opens there, not wherever the program started
    ask();
}

// Until a file is chosen, the recording is discarded, or it is saved without asking as the window closes.
void LiveRecorder::ask()
{
    const QString title =
        recording_->full() ? tr("Save the recording, which stopped at one hour") : tr("Save the recording");
    while (stage_ == Stage::Asking) {
        QFileDialog files(window_, title, file_, tr("GIF pictures (*.gif)"));
        files.setAcceptMode(QFileDialog::AcceptSave);
        files.setDefaultSuffix("gif");
        const bool chosen = exec(files) == QDialog::Accepted && !files.selectedFiles().isEmpty();
        if (stage_ != Stage::Asking)
            return;
        if (chosen) {
            file_ = files.selectedFiles().first();
            startWriting();
            return;
        }
        QMessageBox discard(QMessageBox::Question, tr("Ekrano Live"),
                            tr("Discard the recording of %1?").arg(recorded(true)),
                            QMessageBox::Discard | QMessageBox::Cancel, window_);
        // Named here, in every language: some of Qt's own translations lack the button's name.
        discard.button(QMessageBox::Discard)->setText(tr("Discard"));
        auto *keep = qobject_cast<QPushButton *>(discard.button(QMessageBox::Cancel));
        keep->setText(tr("Save it"));
        discard.setDefaultButton(keep); // Return, as Escape, keeps it: only a deliberate choice discards
        if (exec(discard) == QMessageBox::Discard && stage_ == Stage::Asking) {
            setStage(Stage::Idle);
            recording_.reset();
        }
    }
}

void LiveRecorder::startWriting()
{
    setStage(Stage::Writing);
    emit statusChanged();
    // The recording is no longer added to: the thread reads it as it is.
    writing_.setFuture(QtConcurrent::run([recording = recording_, look = look_, file = file_] {
        QByteArray gif;
        const QString failure = record::writeGif(*recording, look, gif);
        return failure.isEmpty() ? wholefile::replace(file, gif) : failure;
    }));
}

void LiveRecorder::written()
{
    if (stage_ != Stage::Writing)
        return; // saved without asking meanwhile
    const QString reason = writing_.result();
    if (reason.isEmpty()) {
        setStage(Stage::Idle);
        recording_.reset();
        emit statusChanged();
        return;
    }
    setStage(Stage::Asking);
    emit statusChanged();
    QMessageBox failed(QMessageBox::Warning, tr("Ekrano Live"),
                       tr("The recording could not be saved to %1: %2.\n\nIt is kept: choose another place.")
                           .arg(file_, reason),
                       QMessageBox::Ok, window_);
    exec(failed);
    ask();
}

bool LiveRecorder::saveWithoutAsking()
{
    if (stage_ == Stage::Idle)
        return true;
    hour_.stop();
    if (dialog_)
        dialog_->reject();
    if (stage_ == Stage::Writing) {
        writing_.waitForFinished();
        const QString reason = writing_.result();
        if (reason.isEmpty()) {
            std::fprintf(stderr, "ekrano-live: %s\n", qPrintable(tr("the recording was saved to %1").arg(file_)));
            setStage(Stage::Idle);
            recording_.reset();
            return true;
        }
        std::fprintf(stderr, "ekrano-live: %s\n",
                     qPrintable(tr("the recording could not be saved to %1: %2").arg(file_, reason)));
    }
    {
        std::lock_guard lock(mutex_);
        recording_->stop();
        stage_ = Stage::Idle;
    }
    const auto forget = qScopeGuard([this] { recording_.reset(); });
    if (recording_->frames().empty())
        return true;

    QByteArray gif;
    if (const QString failure = record::writeGif(*recording_, look_, gif); !failure.isEmpty()) {
        std::fprintf(stderr, "ekrano-live: %s\n",
                     qPrintable(tr("the recording could not be made into a GIF: %1").arg(failure)));
        return false;
    }
    // Under a name of its own in each folder in turn; one already there is never replaced.
    const QString name = nameOf(started_);
    for (const QString &folder : folders()) {
        QDir().mkpath(folder);
        QString saved;
        const QString reason = wholefile::createNew(folder + "/" + name, gif, saved);
        if (reason.isEmpty()) {
            std::fprintf(stderr, "ekrano-live: %s\n", qPrintable(tr("the recording was saved to %1").arg(saved)));
            return true;
        }
        std::fprintf(stderr, "ekrano-live: %s\n",
                     qPrintable(tr("the recording could not be saved in %1: %2").arg(folder, reason)));
    }
    std::fprintf(stderr, "ekrano-live: %s\n",
                 qPrintable(tr("the recording of %1 is lost: no folder could take it").arg(recorded(true))));
    return false;
}

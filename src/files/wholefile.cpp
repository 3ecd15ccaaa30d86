#include "wholefile.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>

#include <fcntl.h>
#include <unistd.h>

namespace wholefile {

QString writeAll(QFileDevice &out, const QByteArray &bytes)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        // A short write is followed by one more, which reports the reason.
        const qint64 n = out.write(bytes.constData() + written, bytes.size() - written);
        if (n < 0)
            return out.errorString();
        if (n == 0)
            return QString::fromLocal8Bit(std::strerror(EIO));
        written += n;
    }
    return {};
}

QString commit(QSaveFile &out)
{
    // EINVAL: a file system that has nothing to sync.
    if (::fsync(out.handle()) != 0 && errno != EINVAL) {
        const QString reason = QString::fromLocal8Bit(std::strerror(errno));
        out.cancelWriting(); // the destructor removes the temporary file
        return reason;
    }
    if (!out.commit())
        return out.errorString();
    return {};
}

QString replace(const QString &file, const QByteArray &bytes)
{
    // QSaveFile's own refusal of a read-only file gives no system reason.
    if (QFileInfo::exists(file) && ::access(QFile::encodeName(file).constData(), W_OK) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));

    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return out.errorString();
    if (const QString reason = writeAll(out, bytes); !reason.isEmpty()) {
        out.cancelWriting(); // the destructor removes the temporary file
        return reason;
    }
    return commit(out);
}

namespace {

constexpr int kMostNumbers = 999;

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

// `bytes` into a new hidden file beside `file`, whole and synced: its name, or nothing with `reason` set.
std::optional<QByteArray> writtenBeside(const QString &file, const QByteArray &bytes, QString &reason)
{
    const QFileInfo info(file);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QByteArray name = QFile::encodeName(
            info.path() + "/." + info.fileName() + "." + QString::number(QRandomGenerator::global()->generate(), 36));
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0) {
            reason = systemReason(errno);
            return std::nullopt;
        }
        int error = 0;
        for (qsizetype done = 0; done < bytes.size() && !error;) {
            const ssize_t n = ::write(fd, bytes.constData() + done, size_t(bytes.size() - done));
            if (n > 0)
                done += n;
            else if (n < 0 && errno != EINTR)
                error = errno;
        }
        // EINVAL: a file system that has nothing to sync.
        if (!error && ::fsync(fd) != 0 && errno != EINVAL)
            error = errno;
        if (::close(fd) != 0 && !error && errno != EINTR)
            error = errno;
        if (!error)
            return name;
        ::unlink(name.constData());
        reason = systemReason(error);
        return std::nullopt;
    }
    reason = systemReason(EEXIST);
    return std::nullopt;
}

} // namespace

QString numberedName(const QString &file, int number)
{
    const QFileInfo info(file);
    const QString suffix = info.suffix().isEmpty() ? QString() : "." + info.suffix();
    return QString("%1/%2-%3%4").arg(info.path(), info.completeBaseName()).arg(number).arg(suffix);
}

QString createNew(const QString &file, const QByteArray &bytes, QString &created)
{
    QString reason;
    const std::optional<QByteArray> written = writtenBeside(file, bytes, reason);
    if (!written)
        return reason;
    for (int number = 1; number <= kMostNumbers; ++number) {
        const QString name = number == 1 ? file : numberedName(file, number);
        const QByteArray encoded = QFile::encodeName(name);
        // Renamed only where no file is; a file system that cannot say so
        // (EINVAL) is given a second name for it, which fails where one is.
        bool done = ::renameat2(AT_FDCWD, written->constData(), AT_FDCWD, encoded.constData(), RENAME_NOREPLACE) == 0;
        if (!done && errno == EINVAL && ::link(written->constData(), encoded.constData()) == 0) {
            ::unlink(written->constData());
            done = true;
        }
        if (done) {
            created = name;
            return {};
        }
        if (errno != EEXIST) {
            reason = systemReason(errno);
            break;
        }
    }
    ::unlink(written->constData());
    return reason.isEmpty() ? QString("every name up to -%1 is taken").arg(kMostNumbers) : reason;
}

} // namespace wholefile

#include "wholefile.h"

#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

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

} // namespace wholefile

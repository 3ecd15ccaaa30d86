#pragma once

#include <QByteArray>
#include <QString>

class QFileDevice;
class QSaveFile;

// Writing a file so that every failure is seen: Qt's buffered writes report
// success into the buffer, and QSaveFile's commit() renames its new file over
// the old one even when the last flush or the disk's own sync has failed.
namespace wholefile {

// Writes all of `bytes` to `out`, which was opened unbuffered so that every
// write reaches the system. Returns the empty text or the system's reason.
QString writeAll(QFileDevice &out, const QByteArray &bytes);

// Makes `out`'s data reach the disk, then renames it over the old file; on a
// failure the temporary file goes and the old file stays. Returns the empty
// text or the system's reason.
QString commit(QSaveFile &out);

// Replaces the regular file `file` (or creates it) with `bytes` through
// QSaveFile, every write checked, the temporary file removed on failure.
// Returns the empty text or the system's reason.
QString replace(const QString &file, const QByteArray &bytes);

} // namespace wholefile

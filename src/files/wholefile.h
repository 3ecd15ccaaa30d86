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

// `file` with -`number` before its extension: ekrano-1.gif, 2: ekrano-1-2.gif.
QString numberedName(const QString &file, int number);

// Creates a new file with `bytes`, named `file` or, when that is taken,
// its name with -2, -3 ... before the extension (ekrano-1.gif, ekrano-1-2.gif),
// never replacing one that is there, even one made meanwhile by another
// program: the bytes are written whole and synced beside it, then given
// the first free name at once. `created` says which; returns the empty text
// or the system's reason.
QString createNew(const QString &file, const QByteArray &bytes, QString &created);

} // namespace wholefile
